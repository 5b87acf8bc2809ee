#include "base/fields.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

namespace fields {

void limitTyping(QLineEdit* field, int length) {
  QObject::connect(field, &QLineEdit::textEdited, field, [field, length](const QString& text) {
    if (text.size() <= length) return;
    const int caret = field->cursorPosition();
    field->setText(text.left(length));
    field->setCursorPosition(std::min(caret, length));
  });
}

QPushButton* addSaveButton(QDialog* dialog, QBoxLayout* layout, const std::function<bool()>* action) {
  auto* save = new QPushButton(QCoreApplication::translate("Fields", "Salva"), dialog);
  save->setObjectName(QStringLiteral("Salva"));
  save->setAutoDefault(false);
  layout->addWidget(save, 0, Qt::AlignRight);
  QObject::connect(save, &QPushButton::clicked, dialog, [dialog, action] {
    if (!*action || (*action)()) dialog->accept();
  });
  return save;
}

}  // namespace fields
