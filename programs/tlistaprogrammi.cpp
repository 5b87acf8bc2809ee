#include "programs/tlistaprogrammi.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include "base/text.h"

namespace {

// The entries are columns of characters: the system's fixed font, or, where that one is
// not really of fixed pitch (some "monospace" fonts are not), the first family that is.
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

}  // namespace

TListaProgrammi::TListaProgrammi(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("ListaProgrammi"));
  setWindowTitle(tr("Lista Programmi"));
  auto* v = new QVBoxLayout(this);
  auto* count = new QHBoxLayout;
  count->addWidget(new QLabel(tr("Numero  Programmi")));
  NumMax = new QLineEdit(this);
  NumMax->setObjectName(QStringLiteral("NumMax"));
  NumMax->setReadOnly(true);
  NumMax->setFocusPolicy(Qt::NoFocus);
  NumMax->setMaximumWidth(70);
  NumMax->setAlignment(Qt::AlignRight);
  count->addWidget(NumMax);
  count->addStretch();
  v->addLayout(count);
  // How to choose, for whoever meets the list for the first time.
  v->addWidget(new QLabel(tr("Selezionare il programma: un clic o Invio lo sceglie, Esc annulla")));
  ListaBox = new QListWidget(this);
  ListaBox->setObjectName(QStringLiteral("ListaBox"));
  ListaBox->setFont(fixedPitchFont());
  v->addWidget(ListaBox, 1);
  connect(ListaBox, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { choose(ListaBox->row(item)); });
  connect(ListaBox, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) { choose(ListaBox->row(item)); });
  resize(460, 520);
}

void TListaProgrammi::setEntries(const QList<ProgramEntry>& entries) {
  entries_ = entries;
  ListaBox->clear();
  for (const ProgramEntry& e : entries_) ListaBox->addItem(e.text);
  NumMax->setText(text::fixedRight(QString::number(entries_.size()), 4));
}

void TListaProgrammi::choose(int index) {
  if (index < 0 || index >= entries_.size()) return;
  chosen_ = index;
  accept();
}

void TListaProgrammi::showEvent(QShowEvent* event) {
  chosen_ = -1;
  QDialog::showEvent(event);
  ListaBox->setFocus();
  if (ListaBox->count() > 0 && !ListaBox->currentItem()) ListaBox->setCurrentRow(0);
}
