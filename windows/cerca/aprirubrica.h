#pragma once

class QWidget;

// Opens the address book modally over padre to pick a contact; when it has closed,
// stato().numerocontattoscelto and contattoscelto name the contact loaded (0 and "" for none).
// A pointer, so that tests can stand in for the address book.
using Aprirubrica = void (*)(QWidget *padre);
extern Aprirubrica aprirubrica;
