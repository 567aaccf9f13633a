#pragma once

class QWidget;

// Colours an input box light yellow, RGB(255,255,192), while it has the focus and white
// otherwise, through its palette's Base role.
void coloraalfuoco(QWidget *casella);
