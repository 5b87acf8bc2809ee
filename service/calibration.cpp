#include "service/calibration.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/text.h"

namespace calibration {

std::optional<SampleWeight> sampleWeight(const QString& typed, int m) {
  const auto w = text::strictInt(typed.trimmed());
  if (!w) return std::nullopt;
  if (m >= 2) return SampleWeight{*w / m, QString::number(*w / m * m).rightJustified(4)};
  return SampleWeight{*w, typed};
}

QString coefficientString(const std::array<QString, 4>& kappa) {
  QString s;
  for (const QString& k : kappa) s += k.trimmed().rightJustified(4).replace(QLatin1Char(' '), QLatin1Char('0'));
  return s;
}

std::optional<int> validCoefficient(const QString& t) {
  const auto v = text::strictInt(t.trimmed());
  if (!v || *v < 1 || *v > 9999) return std::nullopt;
  return v;
}

void correct(std::array<QString, 4>& kappa, Correction c) {
  for (QString& k : kappa) {
    const int v = text::strictInt(k.trimmed()).value_or(0);
    int n = v;
    switch (c) {
      case Correction::Plus5: if (v < 1100) n = v + 50; break;
      case Correction::Plus1: if (v < 1100) n = v + 20; break;
      case Correction::Minus1: if (v > 700) n = v - 20; break;
      case Correction::Minus5: if (v > 700) n = v - 50; break;
    }
    k = QString::number(n).rightJustified(4);
  }
}

void apply(CalibrationModel& m, const rcCalibrazioneLinee& p, int xmoltiply) {
  const auto line = text::strictInt(p.line.trimmed());
  if (!line || *line < 1 || *line > 4) return;
  const int i = *line - 1;
  const auto number = [](const QString& t) { return text::lenientInt(t); };
  m.npass[i] = QString::number(number(p.passes)).rightJustified(4);
  const int weight = number(p.weight);
  m.peso[i] = xmoltiply >= 2 ? QString::number(weight * xmoltiply).rightJustified(4, QLatin1Char('0'))
                             : QString::number(weight).rightJustified(4);
  m.kappa[i] = QString::number(number(p.coefficient)).rightJustified(4);
}

}  // namespace calibration

TCalibrazione_Linee::TCalibrazione_Linee(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Calibrazione_Linee"));
  setWindowTitle(tr("Calibrazione Linee"));
  auto* v = new QVBoxLayout(this);
  auto* automatic = new QGroupBox(tr("Procedura Automatica"), this);
  auto* a = new QHBoxLayout(automatic);
  a->addWidget(new QLabel(tr("Peso Campione")));
  PesoCamp = new QLineEdit(automatic);
  PesoCamp->setObjectName(QStringLiteral("PesoCamp"));
  PesoCamp->setMaximumWidth(70);
  a->addWidget(PesoCamp);
  const auto button = [this](const char* name, const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
  };
  Button1 = button("Button1", tr("Inizia"), automatic);
  //: button: ends the calibration under way (a verb)
  Button2 = button("Button2", tr("Fine"), automatic);
  a->addWidget(Button1);
  a->addWidget(Button2);
  Animate1 = new QLabel(automatic);
  Animate1->setObjectName(QStringLiteral("Animate1"));
  Animate1->setMinimumWidth(120);
  a->addWidget(Animate1);
  v->addWidget(automatic);

  auto* manual = new QGroupBox(tr("Procedura Manuale"), this);
  auto* g = new QGridLayout(manual);
  const QStringList heads = {tr("Linea"), tr("- N° -"), tr("- KAPPA -"), tr("Peso")};
  for (int c = 0; c < heads.size(); ++c) g->addWidget(new QLabel(heads[c]), 0, c);
  for (int i = 0; i < 4; ++i) {
    g->addWidget(new QLabel(QString::number(i + 1)), i + 1, 0);
    NPass[i] = new QLabel(manual);
    NPass[i]->setObjectName(QStringLiteral("NPass%1").arg(i + 1));
    Kappa[i] = new QLineEdit(manual);
    Kappa[i]->setObjectName(QStringLiteral("Kappa%1").arg(i + 1));
    Kappa[i]->setMaximumWidth(80);
    Peso[i] = new QLabel(manual);
    Peso[i]->setObjectName(QStringLiteral("Peso%1").arg(i + 1));
    g->addWidget(NPass[i], i + 1, 1);
    g->addWidget(Kappa[i], i + 1, 2);
    g->addWidget(Peso[i], i + 1, 3);
    connect(Kappa[i], &QLineEdit::textEdited, this, [this, i](const QString& t) { model_->kappa[i] = t; });
  }
  v->addWidget(manual);

  auto* corrections = new QGroupBox(tr("Correzione errori"), this);
  auto* c = new QGridLayout(corrections);
  const char* names[] = {"BitBtn1", "BitBtn2", "BitBtn3", "BitBtn4"};
  const QString captions[] = {tr("+5gr"), tr("+1gr"), tr("-1gr"), tr("-5gr")};
  c->addWidget(new QLabel(tr("Sovrapeso")), 0, 0);
  c->addWidget(new QLabel(tr("Sottopeso")), 1, 0);
  for (int i = 0; i < 4; ++i) {
    BitBtn[i] = button(names[i], captions[i], corrections);
    c->addWidget(BitBtn[i], i / 2, 1 + i % 2);
    connect(BitBtn[i], &QPushButton::clicked, this, [this, i] {
      calibration::correct(model_->kappa, static_cast<calibration::Correction>(i));
      showModel();
    });
  }
  v->addWidget(corrections);
  Button3 = button("Button3", tr("Salva"), this);
  v->addWidget(Button3, 0, Qt::AlignRight);

  connect(PesoCamp, &QLineEdit::textEdited, this, [this](const QString& t) { model_->pesoCamp = t; });
  connect(Button1, &QPushButton::clicked, this, [this] {
    if (onStart) onStart();
  });
  connect(Button2, &QPushButton::clicked, this, [this] {
    if (onStop) onStop();
  });
  connect(Button3, &QPushButton::clicked, this, [this] {
    if (!saveAction || saveAction()) accept();
  });
  resize(420, 420);
}

void TCalibrazione_Linee::showModel() {
  if (PesoCamp->text() != model_->pesoCamp) PesoCamp->setText(model_->pesoCamp);
  for (int i = 0; i < 4; ++i) {
    if (Kappa[i]->text() != model_->kappa[i]) Kappa[i]->setText(model_->kappa[i]);
    NPass[i]->setText(model_->npass[i]);
    Peso[i]->setText(model_->peso[i]);
    Kappa[i]->setEnabled(!model_->running);
    BitBtn[i]->setEnabled(!model_->running);
  }
  Button3->setEnabled(!model_->running);
  Animate1->setText(model_->running ? tr("calibrazione in corso...") : QString());
}

void TCalibrazione_Linee::done(int result) {
  // Closing in any way stops a calibration under way.
  if (model_->running && onStop) onStop();
  QDialog::done(result);
}
