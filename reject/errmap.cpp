#include "reject/errmap.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

const QList<TErr_map::Known>& TErr_map::known() {
  static const QList<Known> map = {
      {0, "CheckBox1", QT_TR_NOOP("Programma Peso = 0")},
      {1, "CheckBox2", QT_TR_NOOP("Set-Up Singola/Doppia")},
      {2, "CheckBox3", QT_TR_NOOP("Set-Up i due rele di carico = 0")},
      {3, "CheckBox4", QT_TR_NOOP("Set-Up i due rele di scarico = 0")},
      {4, "CheckBox5", QT_TR_NOOP("Set-Up k-Peso = 0")},
      {5, "CheckBox6", QT_TR_NOOP("rele Scarico Destro non assegnato")},
      {6, "CheckBox7", QT_TR_NOOP("rele Scarico Sinistro non assegnato")},
      {7, "CheckBox8", QT_TR_NOOP("Doppia manca 1 rele o 1 sensore di carico")},
      {11, "CheckBox12", QT_TR_NOOP("comandi J/K errati")},
      {13, "CheckBox9", QT_TR_NOOP("Ciclo On Tara valore errato")},
      {14, "CheckBox10", QT_TR_NOOP("seriale Ricezione buffer pieno")},
      {15, "CheckBox11", QT_TR_NOOP("seriale Trasmissione Time-Out")},
  };
  return map;
}

TErr_map::TErr_map(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Err_map"));
  setWindowTitle(QStringLiteral("Err_map"));
  auto* v = new QVBoxLayout(this);
  auto* group = new QGroupBox(tr("Errori Centralina Scarti"), this);
  auto* g = new QVBoxLayout(group);
  for (const Known& k : known()) {
    auto* b = new QCheckBox(tr(k.text), group);
    b->setObjectName(QString::fromLatin1(k.box));
    // The map shows what the unit reported; the operator does not tick it.
    b->setAttribute(Qt::WA_TransparentForMouseEvents);
    b->setFocusPolicy(Qt::NoFocus);
    g->addWidget(b);
    boxes_.append(b);
  }
  v->addWidget(group);
  Unknown = new QLabel(this);
  Unknown->setObjectName(QStringLiteral("Unknown"));
  Unknown->setWordWrap(true);
  v->addWidget(Unknown);
  resize(360, 380);
}

QCheckBox* TErr_map::box(int code) const {
  for (int i = 0; i < known().size(); ++i)
    if (known()[i].code == code) return boxes_[i];
  return nullptr;
}

void TErr_map::showErrors(const std::array<bool, kestin::kErrorCodes>& errors) {
  QStringList others;
  for (int code = 0; code < kestin::kErrorCodes; ++code) {
    if (QCheckBox* b = box(code)) b->setChecked(errors[code]);
    else if (errors[code]) others << QStringLiteral("%1").arg(code, 2, 10, QLatin1Char('0'));
  }
  Unknown->setText(others.isEmpty() ? QString() : tr("Codici di errore sconosciuti: %1").arg(others.join(QStringLiteral(", "))));
}
