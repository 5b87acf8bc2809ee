#include "lots/tricercabolle.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/listwindow.h"
#include "base/text.h"

TRicercaBolle::TRicercaBolle(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("RicercaBolle"));
  setWindowTitle(tr("Ricerca Bolle"));
  auto* v = new QVBoxLayout(this);
  auto* criteria = new QGroupBox(tr("Cerca le bolle"), this);
  auto* g = new QGridLayout(criteria);
  FiltroData = new QCheckBox(tr("Dal"), criteria);
  FiltroData->setObjectName(QStringLiteral("FiltroData"));
  DataDa = new QDateEdit(QDate::currentDate(), criteria);
  DataDa->setObjectName(QStringLiteral("DataDa"));
  DataA = new QDateEdit(QDate::currentDate(), criteria);
  DataA->setObjectName(QStringLiteral("DataA"));
  for (QDateEdit* d : {DataDa, DataA}) {
    d->setCalendarPopup(true);
    d->setDisplayFormat(text::shortDateFormat());
    d->setEnabled(false);
  }
  connect(FiltroData, &QCheckBox::toggled, this, [this](bool on) {
    DataDa->setEnabled(on);
    DataA->setEnabled(on);
  });
  g->addWidget(FiltroData, 0, 0);
  g->addWidget(DataDa, 0, 1);
  g->addWidget(new QLabel(tr("al")), 0, 2);
  g->addWidget(DataA, 0, 3);

  CodProd = new QLineEdit(criteria);
  CodProd->setObjectName(QStringLiteral("CodProd"));
  CodProd->setMaximumWidth(80);
  Cambia = new QPushButton(tr("Cambia"), criteria);
  Cambia->setObjectName(QStringLiteral("Cambia"));
  Cambia->setAutoDefault(false);
  NomeProd = new QLineEdit(criteria);
  NomeProd->setObjectName(QStringLiteral("NomeProd"));
  NomeProd->setReadOnly(true);
  NomeProd->setFocusPolicy(Qt::NoFocus);
  connect(CodProd, &QLineEdit::textEdited, NomeProd, &QLineEdit::clear);
  g->addWidget(new QLabel(tr("Produttore")), 1, 0);
  g->addWidget(CodProd, 1, 1);
  g->addWidget(Cambia, 1, 2);
  g->addWidget(NomeProd, 1, 3);

  Bolla = new QLineEdit(criteria);
  Bolla->setObjectName(QStringLiteral("Bolla"));
  Bolla->setMaximumWidth(120);
  Programma = new QComboBox(criteria);
  Programma->setObjectName(QStringLiteral("Programma"));
  Programma->setMinimumWidth(220);
  g->addWidget(new QLabel(tr("Bolla N.")), 2, 0);
  g->addWidget(Bolla, 2, 1);
  g->addWidget(new QLabel(tr("Programma")), 3, 0);
  g->addWidget(Programma, 3, 1, 1, 3);
  Cerca = new QPushButton(tr("Cerca"), criteria);
  Cerca->setObjectName(QStringLiteral("Cerca"));
  Cerca->setDefault(true);
  g->addWidget(Cerca, 3, 4);
  g->setColumnStretch(3, 1);
  v->addWidget(criteria);

  auto* count = new QHBoxLayout;
  count->addWidget(new QLabel(tr("Numero  Bolle")));
  NumMax = new QLineEdit(this);
  NumMax->setObjectName(QStringLiteral("NumMax"));
  NumMax->setReadOnly(true);
  NumMax->setFocusPolicy(Qt::NoFocus);
  NumMax->setAlignment(Qt::AlignRight);
  NumMax->setMaximumWidth(80);
  count->addWidget(NumMax);
  count->addStretch();
  v->addLayout(count);
  ListaBox = new QListWidget(this);
  ListaBox->setObjectName(QStringLiteral("ListaBox"));
  ListaBox->setFont(fixedPitchFont());
  ListaBox->setUniformItemSizes(true);
  v->addWidget(ListaBox, 1);
  auto* buttons = new QHBoxLayout;
  const auto button = [this, buttons](const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    buttons->addWidget(b);
    return b;
  };
  Esporta = button("Esporta", tr("Esporta per AS400"));
  buttons->addStretch();
  Stampa = button("Stampa", tr("Stampa"));
  Apri = button("Apri", tr("Apri"));
  v->addLayout(buttons);

  connect(Cerca, &QPushButton::clicked, this, [this] {
    if (onSearch) onSearch();
  });
  connect(Cambia, &QPushButton::clicked, this, [this] {
    if (onChangeProducer) onChangeProducer();
  });
  const auto open = [this] {
    if (const int n = selectedLot(); n > 0 && onOpen) onOpen(n);
  };
  connect(Apri, &QPushButton::clicked, this, open);
  connect(Stampa, &QPushButton::clicked, this, [this] {
    if (const int n = selectedLot(); n > 0 && onPrint) onPrint(n);
  });
  connect(Esporta, &QPushButton::clicked, this, [this] {
    if (onExport) onExport(lots_);
  });
  connect(ListaBox, &QListWidget::itemActivated, this, open);
  resize(760, 600);
}

LotFilter TRicercaBolle::filter() const {
  LotFilter f;
  if (FiltroData->isChecked()) {
    f.from = DataDa->date();
    f.to = DataA->date();
  }
  f.produttore = CodProd->text().trimmed();
  f.bolla = Bolla->text().trimmed();
  f.programma = Programma->currentData().toString();
  return f;
}

void TRicercaBolle::setPrograms(const QStringList& codes, const QStringList& texts) {
  const QString current = Programma->currentData().toString();
  Programma->clear();
  Programma->addItem(tr("(tutti)"), QString());
  for (int i = 0; i < codes.size(); ++i) Programma->addItem(texts.value(i), codes[i]);
  Programma->setCurrentIndex(std::max(0, Programma->findData(current)));
}

void TRicercaBolle::setResult(const QList<ListWindow::Entry>& entries) {
  ListaBox->setUpdatesEnabled(false);
  ListaBox->clear();
  lots_.clear();
  for (const ListWindow::Entry& e : entries) {
    ListaBox->addItem(e.text);
    lots_.append(e.data.toInt());
  }
  ListaBox->setUpdatesEnabled(true);
  NumMax->setText(QString::number(entries.size()).rightJustified(5));
  if (!entries.isEmpty()) ListaBox->setCurrentRow(0);
}

int TRicercaBolle::selectedLot() const {
  const int row = ListaBox->currentRow();
  return row >= 0 && row < lots_.size() ? lots_[row] : 0;
}

void TRicercaBolle::selectRow(int row) { ListaBox->setCurrentRow(row); }
