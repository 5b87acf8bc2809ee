#pragma once

#include <QString>
#include <functional>

class QBoxLayout;
class QDialog;
class QLineEdit;
class QPushButton;

namespace fields {

// Typing into the field keeps at most `length` characters: a longer text (typed or
// pasted) is cut, and the caret stays where it was. A text the program puts in is left
// whole, so a value another program stored longer is never shortened by showing it.
// Connect it before any other listener of the typing, and let those read the field's text
// (the signal still carries the text as typed).
void limitTyping(QLineEdit* field, int length);

// The button "Salva" of a settings window, at the right of `layout`: it runs `action` (a
// member of the window, read when clicked) and closes the window with OK only when that
// succeeds (or when there is none).
QPushButton* addSaveButton(QDialog* dialog, QBoxLayout* layout, const std::function<bool()>* action);

}  // namespace fields
