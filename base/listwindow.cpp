#include "base/listwindow.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include "base/text.h"

QFont fixedPitchFont() {
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  if (QFontInfo(font).fixedPitch()) return font;
  for (const QString& family : QFontDatabase::families())
    if (QFontDatabase::isFixedPitch(family)) {
      font.setFamily(family);
      break;
    }
  return font;
}

ListWindow::ListWindow(const QString& name, const QString& title, const QString& countLabel, const QString& prompt,
                       int countWidth, QWidget* parent)
    : QDialog(parent), countWidth_(countWidth), title_(title), countLabel_(countLabel), prompt_(prompt) {
  setObjectName(name);
  setWindowTitle(title);
  layout_ = new QVBoxLayout(this);
  auto* count = new QHBoxLayout;
  Label1 = new QLabel(countLabel, this);
  Label1->setObjectName(QStringLiteral("Label1"));
  count->addWidget(Label1);
  NumMax = new QLineEdit(this);
  NumMax->setObjectName(QStringLiteral("NumMax"));
  NumMax->setReadOnly(true);
  NumMax->setFocusPolicy(Qt::NoFocus);
  NumMax->setMaximumWidth(80);
  NumMax->setAlignment(Qt::AlignRight);
  count->addWidget(NumMax);
  count->addStretch();
  layout_->addLayout(count);
  Label2 = new QLabel(prompt, this);
  Label2->setObjectName(QStringLiteral("Label2"));
  layout_->addWidget(Label2);
  ListaBox = new QListWidget(this);
  ListaBox->setObjectName(QStringLiteral("ListaBox"));
  ListaBox->setFont(fixedPitchFont());
  ListaBox->setUniformItemSizes(true);
  layout_->addWidget(ListaBox, 1);
  connect(ListaBox, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { choose(ListaBox->row(item)); });
  connect(ListaBox, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) { choose(ListaBox->row(item)); });
}

void ListWindow::setEntries(const QList<Entry>& entries) {
  ListaBox->setUpdatesEnabled(false);
  ListaBox->clear();
  data_.clear();
  data_.reserve(entries.size());
  for (const Entry& e : entries) {
    ListaBox->addItem(e.text);
    data_.append(e.data);
  }
  ListaBox->setUpdatesEnabled(true);
  NumMax->setText(QString::number(entries.size()).rightJustified(countWidth_));
}

void ListWindow::choose(int index) {
  if (index < 0 || index >= data_.size()) return;
  chosen_ = index;
  accept();
}

bool ListWindow::chooseData(const QVariant& data) {
  const int i = static_cast<int>(data_.indexOf(data));
  if (i < 0) return false;
  choose(i);
  return true;
}

void ListWindow::borrow(const QString& title, const QString& countLabel, const QString& prompt) {
  setWindowTitle(title);
  Label1->setText(countLabel);
  Label2->setText(prompt);
}

void ListWindow::restore() { borrow(title_, countLabel_, prompt_); }

void ListWindow::showEvent(QShowEvent* event) {
  chosen_ = -1;
  QDialog::showEvent(event);
  ListaBox->setFocus();
  if (ListaBox->count() > 0 && !ListaBox->currentItem()) {
    ListaBox->setCurrentRow(startAtEnd_ ? ListaBox->count() - 1 : 0);
    ListaBox->scrollToItem(ListaBox->currentItem());
  }
}
