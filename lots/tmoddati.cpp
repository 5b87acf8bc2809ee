#include "lots/tmoddati.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/fields.h"

TModDati::TModDati(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("ModDati"));
  setWindowTitle(tr("Dati Bolla"));
  auto* v = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  const auto field = [this](const char* name, int length, QString LotData::*member) {
    auto* e = new QLineEdit(this);
    e->setObjectName(QString::fromLatin1(name));
    fields::limitTyping(e, length);
    connect(e, &QLineEdit::textEdited, this, [this, e, member] { data_->*member = e->text(); });
    return e;
  };
  Numero = field("Numero", LotData::kNumeroLength, &LotData::numero);
  totPartita = field("totPartita", LotData::kTotPartitaLength, &LotData::totPartita);
  Codice = field("Codice", LotData::kCodiceLength, &LotData::codice);
  Descrizione = field("Descrizione", LotData::kDescrizioneLength, &LotData::descrizione);
  Note = field("Note", LotData::kNoteLength, &LotData::note);
  Numero->setMaximumWidth(100);
  totPartita->setMaximumWidth(100);
  totPartita->setAlignment(Qt::AlignRight);
  Codice->setMaximumWidth(80);
  form->addRow(tr("Bolla ritiro N:"), Numero);
  form->addRow(tr("Totale Partita kg:"), totPartita);
  v->addLayout(form);

  auto* producer = new QGroupBox(tr("Produttore"), this);
  auto* pf = new QFormLayout(producer);
  Cambia = new QPushButton(tr("Cambia"), producer);
  Cambia->setObjectName(QStringLiteral("Cambia"));
  Cambia->setAutoDefault(false);
  auto* code = new QHBoxLayout;
  code->addWidget(Codice);
  code->addWidget(Cambia);
  code->addStretch();
  pf->addRow(tr("Codice :"), code);
  pf->addRow(tr("Descrizione :"), Descrizione);
  v->addWidget(producer);
  auto* note = new QFormLayout;
  note->addRow(tr("Note :"), Note);
  v->addLayout(note);

  Salva = new QPushButton(tr("Salva"), this);
  Salva->setObjectName(QStringLiteral("Salva"));
  Salva->setAutoDefault(false);
  v->addWidget(Salva, 0, Qt::AlignRight);
  connect(Salva, &QPushButton::clicked, this, &QDialog::accept);
  connect(Cambia, &QPushButton::clicked, this, [this] {
    if (onChangeProducer) onChangeProducer();
    showData();
  });
  // Enter goes from the delivery note to the quantity, and from there to "Salva".
  connect(Numero, &QLineEdit::returnPressed, this, [this] { totPartita->setFocus(); });
  connect(totPartita, &QLineEdit::returnPressed, this, [this] { Salva->setFocus(); });
  resize(420, 280);
}

void TModDati::showData() {
  Numero->setText(data_->numero);
  totPartita->setText(data_->totPartita);
  Codice->setText(data_->codice);
  Descrizione->setText(data_->descrizione);
  Note->setText(data_->note);
}

void TModDati::showEvent(QShowEvent* event) {
  showData();
  QDialog::showEvent(event);
  Numero->setFocus();
}
