#include "base/fields.h"

#include <QLineEdit>

namespace fields {

void limitTyping(QLineEdit* field, int length) {
  QObject::connect(field, &QLineEdit::textEdited, field, [field, length](const QString& text) {
    if (text.size() <= length) return;
    const int caret = field->cursorPosition();
    field->setText(text.left(length));
    field->setCursorPosition(std::min(caret, length));
  });
}

}  // namespace fields
