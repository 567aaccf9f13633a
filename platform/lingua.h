#pragma once

// Qt's own texts in Italian: the buttons of the message boxes, the file and folder dialogs, the
// print preview's tools. Loaded once for the running application; where the translation files
// are missing those texts simply stay English.
void linguaitaliana();
