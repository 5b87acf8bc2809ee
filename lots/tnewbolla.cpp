#include "lots/tnewbolla.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTimeEdit>
#include <QVBoxLayout>

#include "base/fields.h"
#include "base/text.h"
#include "lots/loteditor.h"

namespace {

QString cq(const char* prefix, int c, int q) {
  return QString::fromLatin1(prefix) + QString::number(c) + QLatin1Char('Q') + QString::number(q);
}

QLabel* named(const QString& name, QWidget* parent) {
  auto* l = new QLabel(parent);
  l->setObjectName(name);
  return l;
}

QLineEdit* readOnly(const QString& name, QWidget* parent) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(name);
  e->setReadOnly(true);
  e->setFocusPolicy(Qt::NoFocus);
  e->setAlignment(Qt::AlignRight);
  e->setMaximumWidth(110);
  return e;
}

void setIfDifferent(QLineEdit* e, const QString& text) {
  if (e->text() != text) e->setText(text);
}

}  // namespace

TNewBolla::TNewBolla(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("NewBolla"));
  setWindowTitle(tr("Bolla"));
  auto* columns = new QHBoxLayout(this);
  auto* left = new QVBoxLayout;
  columns->addLayout(left, 1);

  // The lot's data across the top.
  auto* top = new QHBoxLayout;
  auto* programBox = new QGroupBox(tr("Programma"), this);
  auto* pg = new QHBoxLayout(programBox);
  NProgramma = named(QStringLiteral("NProgramma"), programBox);
  NProgramma->setMinimumWidth(40);
  QFont bold = NProgramma->font();
  bold.setBold(true);
  NProgramma->setFont(bold);
  Programma = new QComboBox(programBox);
  Programma->setObjectName(QStringLiteral("Programma"));
  Programma->setMinimumWidth(220);
  pg->addWidget(NProgramma);
  pg->addWidget(Programma, 1);
  top->addWidget(programBox, 2);

  auto* lotBox = new QGroupBox(tr("Bolla"), this);
  auto* lg = new QGridLayout(lotBox);
  Numero = new QLineEdit(lotBox);
  Numero->setObjectName(QStringLiteral("Numero"));
  Numero->setMaximumWidth(90);
  DataBolla = new QDateEdit(lotBox);
  DataBolla->setObjectName(QStringLiteral("DataBolla"));
  DataBolla->setCalendarPopup(true);
  DataBolla->setDisplayFormat(text::shortDateFormat());
  TimeBolla = new QTimeEdit(lotBox);
  TimeBolla->setObjectName(QStringLiteral("TimeBolla"));
  TimeBolla->setDisplayFormat(QStringLiteral("HH:mm:ss"));
  lg->addWidget(new QLabel(tr("Numero :")), 0, 0);
  lg->addWidget(Numero, 0, 1);
  lg->addWidget(new QLabel(tr("Data Bolla")), 1, 0);
  lg->addWidget(DataBolla, 1, 1);
  lg->addWidget(TimeBolla, 1, 2);
  top->addWidget(lotBox, 2);

  auto* producerBox = new QGroupBox(tr("Produttore"), this);
  auto* prg = new QGridLayout(producerBox);
  CodProd = new QLineEdit(producerBox);
  CodProd->setObjectName(QStringLiteral("CodProd"));
  CodProd->setMaximumWidth(70);
  Cambia = new QPushButton(tr("Cambia"), producerBox);
  Cambia->setObjectName(QStringLiteral("Cambia"));
  Cambia->setAutoDefault(false);
  NomeProd = new QLineEdit(producerBox);
  NomeProd->setObjectName(QStringLiteral("NomeProd"));
  prg->addWidget(new QLabel(tr("Codice :")), 0, 0);
  prg->addWidget(CodProd, 0, 1);
  prg->addWidget(Cambia, 0, 2);
  prg->addWidget(NomeProd, 1, 0, 1, 3);
  top->addWidget(producerBox, 3);
  left->addLayout(top);

  auto* middle = new QHBoxLayout;
  auto* noteBox = new QGroupBox(tr("Note"), this);
  auto* ng = new QVBoxLayout(noteBox);
  Note = new QPlainTextEdit(noteBox);
  Note->setObjectName(QStringLiteral("Note"));
  Note->setMaximumHeight(56);
  Note->setTabChangesFocus(true);
  ng->addWidget(Note);
  middle->addWidget(noteBox, 3);
  auto* quantityBox = new QGroupBox(tr("Tot Partita"), this);
  auto* qg = new QHBoxLayout(quantityBox);
  TotalePart = new QLineEdit(quantityBox);
  TotalePart->setObjectName(QStringLiteral("TotalePart"));
  TotalePart->setAlignment(Qt::AlignRight);
  TotalePart->setMaximumWidth(100);
  qg->addWidget(TotalePart);
  qg->addWidget(new QLabel(QStringLiteral("Kg")));
  middle->addWidget(quantityBox, 1);
  auto* barcodeBox = new QGroupBox(tr("Codice a Barre"), this);
  auto* bg = new QVBoxLayout(barcodeBox);
  cod_bar = new QPlainTextEdit(barcodeBox);
  cod_bar->setObjectName(QStringLiteral("cod_bar"));
  cod_bar->setMaximumHeight(56);
  cod_bar->setTabChangesFocus(true);
  bg->addWidget(cod_bar);
  middle->addWidget(barcodeBox, 2);
  left->addLayout(middle);

  // The classes of the four qualities.
  auto* classesBox = new QGroupBox(tr("Ripartizione Calibri"), this);
  auto* cg = new QVBoxLayout(classesBox);
  pages = new QTabWidget(classesBox);
  pages->setObjectName(QStringLiteral("PageControl1"));
  for (int q = 1; q <= LotEditorModel::kQualities; ++q) {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet%1").arg(q));
    auto* g = new QGridLayout(page);
    g->setVerticalSpacing(1);
    const QStringList heads = {QString(), tr("Calibro"), tr("Peso"), tr("Totale"), QString(), tr("Percentuale")};
    for (int col = 0; col < heads.size(); ++col) g->addWidget(new QLabel(heads[col]), 0, col);
    for (int c = 1; c <= LotEditorModel::kClasses; ++c) {
      const int i = LotEditorModel::cell(c, q);
      g->addWidget(new QLabel(QString::number(c)), c, 0, Qt::AlignRight);
      names_[i] = named(cq("NomeCal", c, q), page);
      names_[i]->setMinimumWidth(100);
      ranges_[i] = named(cq("PesoCal", c, q), page);
      ranges_[i]->setMinimumWidth(100);
      QLineEdit* total = totalField(i);
      total->setObjectName(cq("TotC", c, q));
      auto* unit = named(QStringLiteral("unit%1").arg(i + 1), page);
      units_ << unit;
      percents_[i] = named(cq("TotP", c, q), page);
      percents_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      percents_[i]->setMinimumWidth(60);
      g->addWidget(names_[i], c, 1);
      g->addWidget(ranges_[i], c, 2);
      g->addWidget(total, c, 3);
      g->addWidget(unit, c, 4);
      g->addWidget(percents_[i], c, 5);
      g->addWidget(new QLabel(QStringLiteral("%")), c, 6);
    }
    g->setColumnMinimumWidth(1, 140);
    g->setColumnMinimumWidth(2, 120);
    g->setColumnStretch(7, 1);
    pages->addTab(page, tr("Qualita %1").arg(q));
  }
  cg->addWidget(pages);
  left->addWidget(classesBox, 1);

  // The qualities and the grand total.
  auto* sums = new QGridLayout;
  for (int q = 1; q <= 6; ++q) {
    const int col = (q - 1) * 4;
    sums->addWidget(new QLabel(q <= 5 ? tr("Qualita %1").arg(q) : tr("TOTALE")), 0, col, 1, 3);
    QLineEdit* value = nullptr;
    if (q <= 4) value = qualityTotals_[q - 1] = readOnly(QStringLiteral("LavoratoQ%1").arg(q), this);
    else if (q == 5) value = totalField(LotEditorModel::kQ5), value->setObjectName(QStringLiteral("LavoratoQ5"));
    else value = totale_ = readOnly(QStringLiteral("Totale"), this);
    sums->addWidget(value, 1, col);
    auto* unit = named(QStringLiteral("unit%1").arg(LotEditorModel::kCells + q), this);
    units_ << unit;
    sums->addWidget(unit, 1, col + 1);
    if (q <= 5) {
      qualityPercents_[q - 1] = readOnly(QStringLiteral("LavoratoPQ%1").arg(q), this);
      qualityPercents_[q - 1]->setMaximumWidth(70);
      sums->addWidget(qualityPercents_[q - 1], 2, col);
      sums->addWidget(new QLabel(QStringLiteral("%")), 2, col + 1);
    }
  }
  left->addLayout(sums);

  auto* right = new QVBoxLayout;
  Salva = new QPushButton(tr("Salva"), this);
  Salva->setObjectName(QStringLiteral("Salva"));
  Salva->setAutoDefault(false);
  Salva->setMinimumHeight(40);
  right->addWidget(Salva);
  auto* recalc = new QGroupBox(tr("Ricalcolo"), this);
  auto* rg = new QVBoxLayout(recalc);
  Corr = new QCheckBox(tr("Partita"), recalc);
  Corr->setObjectName(QStringLiteral("Corr"));
  rg->addWidget(Corr);
  right->addWidget(recalc);
  right->addStretch();
  columns->addLayout(right);

  // The operator's typing goes into the model at once.
  const auto text = [this](QLineEdit* field, int length, QString LotEditorModel::*member) {
    fields::limitTyping(field, length);
    connect(field, &QLineEdit::textEdited, this, [this, field, member] { model_->*member = field->text(); });
  };
  text(Numero, LotEditorModel::kNumeroLength, &LotEditorModel::numero);
  text(CodProd, LotEditorModel::kCodProdLength, &LotEditorModel::codProd);
  text(NomeProd, LotEditorModel::kNomeProdLength, &LotEditorModel::nomeProd);
  text(TotalePart, LotEditorModel::kTotalePartLength, &LotEditorModel::totalePart);
  bindNote(Note, &LotEditorModel::note);
  bindNote(cod_bar, &LotEditorModel::codBar);
  connect(DataBolla, &QDateEdit::dateChanged, this, [this](const QDate& d) {
    if (!showing_) model_->date = d;
  });
  connect(TimeBolla, &QTimeEdit::timeChanged, this, [this](const QTime& t) {
    if (!showing_) model_->time = t;
  });
  connect(Programma, &QComboBox::activated, this, [this](int index) {
    if (onProgramChosen) onProgramChosen(index);
  });
  connect(Corr, &QCheckBox::clicked, this, [this](bool ticked) {
    if (onCorrClicked) onCorrClicked(ticked);
    else showModel();
  });
  connect(Cambia, &QPushButton::clicked, this, [this] {
    if (onChangeProducer) onChangeProducer();
  });
  connect(Salva, &QPushButton::clicked, this, [this] {
    saved_ = !saveAction || saveAction();
    if (saved_) accept();
  });
  resize(1180, 780);
}

QLineEdit* TNewBolla::totalField(int index) {
  auto* e = new QLineEdit(this);
  e->setAlignment(Qt::AlignRight);
  e->setMaximumWidth(110);
  fields::limitTyping(e, LotEditorModel::kTotalLength);
  connect(e, &QLineEdit::textEdited, this, [this, e, index] {
    model_->totals[index] = e->text();
    model_->changed[index] = true;
  });
  const auto left = [this, index] {
    if (model_->changed[index] && onTotalLeft) onTotalLeft();
  };
  connect(e, &QLineEdit::editingFinished, this, left);
  totals_[index] = e;
  return e;
}

void TNewBolla::bindNote(QPlainTextEdit* field, QString LotEditorModel::*member) {
  connect(field, &QPlainTextEdit::textChanged, this, [this, field, member] {
    if (showing_) return;
    const QString typed = field->toPlainText();
    const QString kept = LotEditor::limitedNote(typed);
    if (kept != typed) {
      const QSignalBlocker block(field);
      field->setPlainText(kept);
      field->moveCursor(QTextCursor::End);
    }
    model_->*member = kept;
  });
}

void TNewBolla::showModel() {
  showing_ = true;
  NProgramma->setText(model_->programLabel);
  {
    const QSignalBlocker block(Programma);
    QStringList entries;
    for (const ProgramEntry& e : model_->programs) entries << e.text;
    QStringList shown;
    for (int i = 0; i < Programma->count(); ++i) shown << Programma->itemText(i);
    if (shown != entries) {
      Programma->clear();
      Programma->addItems(entries);
    }
    Programma->setCurrentIndex(model_->programChoice);
  }
  setIfDifferent(Numero, model_->numero);
  if (model_->date.isValid()) DataBolla->setDate(model_->date);
  if (model_->time.isValid()) TimeBolla->setTime(model_->time);
  setIfDifferent(CodProd, model_->codProd);
  setIfDifferent(NomeProd, model_->nomeProd);
  if (Note->toPlainText() != model_->note) Note->setPlainText(model_->note);
  setIfDifferent(TotalePart, model_->totalePart);
  if (cod_bar->toPlainText() != model_->codBar) cod_bar->setPlainText(model_->codBar);
  const QPalette normal = palette();
  QPalette yellow = normal;
  yellow.setColor(QPalette::Base, Qt::yellow);
  for (int i = 0; i <= LotEditorModel::kCells; ++i) {
    setIfDifferent(totals_[i], model_->totals[i]);
    totals_[i]->setEnabled(model_->totalsEnabled);
    totals_[i]->setPalette(model_->totalsEnabled ? normal : yellow);
  }
  for (int i = 0; i < LotEditorModel::kCells; ++i) {
    names_[i]->setText(model_->names[i]);
    ranges_[i]->setText(model_->ranges[i]);
    percents_[i]->setText(model_->percents[i]);
  }
  for (int q = 0; q < 4; ++q) qualityTotals_[q]->setText(model_->qualityTotals[q]);
  for (int q = 0; q < 5; ++q) qualityPercents_[q]->setText(model_->qualityPercents[q]);
  totale_->setText(model_->totale);
  for (QLabel* unit : units_) unit->setText(model_->unit);
  Corr->setChecked(model_->corr);
  showing_ = false;
}

void TNewBolla::showEvent(QShowEvent* event) {
  saved_ = false;
  showModel();
  QDialog::showEvent(event);
  Numero->setFocus();
}
