#include "service/machinetests.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "base/text.h"

namespace machinetests {

QString scaledWeight(const QString& received, int m) {
  if (m < 2) return received;
  if (received.isEmpty()) return received;
  const auto v = text::strictInt(received.trimmed());
  return QString::number(v ? static_cast<qint64>(*v) * m : 0).rightJustified(4, QLatin1Char('0'));
}

QString tareWeight(const QString& received, int m) {
  const qint64 v = text::lenientInt(received);
  return QString::number(m > 0 ? v * m : v).rightJustified(4);
}

QString emptyCupLimitShown(int position, int m) {
  return QString::number(m > 0 ? position * m : position).rightJustified(3, QLatin1Char('0'));
}

QByteArray emptyCupLimitSent(const QString& shown, int m) {
  // The validated limit in its 3 digits, never the raw text.
  int v = std::max(0, text::lenientInt(shown));
  if (m > 0) v /= m;
  return QByteArray::number(std::min(v, 999)).rightJustified(3, '0');
}

QString emptyCupValue(const QString& received, int m) {
  if (m < 2 || received.isEmpty()) return received;
  return received.left(1) + scaledWeight(received.mid(1), m);
}

QList<QByteArray> magnetCommands(int& current, int group, int exit) {
  QList<QByteArray> out;
  if (current != group) {
    out << "U000";
    current = group;
  }
  out << "U" + QByteArray::number(group) + QByteArray::number(exit).rightJustified(2, '0');
  return out;
}

QByteArray tareTableRequest(int cups) {
  return "001" + QByteArray::number(std::clamp(cups, 1, kMaxCups) % 1000).rightJustified(3, '0');
}

}  // namespace machinetests

namespace {
QLineEdit* field(const QString& name, QWidget* parent) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(name);
  e->setReadOnly(true);
  e->setFocusPolicy(Qt::NoFocus);
  e->setAlignment(Qt::AlignRight);
  e->setMaximumWidth(90);
  return e;
}
QPushButton* button(const char* name, const QString& caption, QWidget* parent) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setAutoDefault(false);
  return b;
}
}  // namespace

TTestCelle::TTestCelle(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TestCelle"));
  setWindowTitle(tr("Test Celle"));
  auto* g = new QGridLayout(this);
  for (int i = 0; i < 4; ++i) {
    g->addWidget(new QLabel(QString::number(i + 1)), 0, i, Qt::AlignHCenter);
    Cella[i] = field(QStringLiteral("Cella%1").arg(i + 1), this);
    g->addWidget(Cella[i], 1, i);
  }
}

TTestMem::TTestMem(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TestMem"));
  setWindowTitle(tr("TEST NETTO MEMORIZZATO"));
  auto* g = new QGridLayout(this);
  const QStringList heads = {QString(), tr("N. TAZZA"), tr("TARA"), tr("NETTO")};
  for (int c = 0; c < heads.size(); ++c) g->addWidget(new QLabel(heads[c]), 0, c);
  for (int i = 0; i < 4; ++i) {
    g->addWidget(new QLabel(QString::number(i + 1)), i + 1, 0);
    Ntazza[i] = field(QStringLiteral("Ntazza%1").arg(i + 1), this);
    Tara[i] = field(QStringLiteral("Tara%1").arg(i + 1), this);
    Netto[i] = field(QStringLiteral("Netto%1").arg(i + 1), this);
    g->addWidget(Ntazza[i], i + 1, 1);
    g->addWidget(Tara[i], i + 1, 2);
    g->addWidget(Netto[i], i + 1, 3);
  }
}

TTestEncoder::TTestEncoder(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TestEncoder"));
  setWindowTitle(tr("Test Encoder"));
  auto* g = new QGridLayout(this);
  NGiro = field(QStringLiteral("NGiro"), this);
  Valore = field(QStringLiteral("Valore"), this);
  g->addWidget(new QLabel(tr("N. Giro")), 0, 0);
  g->addWidget(NGiro, 0, 1);
  g->addWidget(new QLabel(tr("Valore")), 1, 0);
  g->addWidget(Valore, 1, 1);
  const QStringList errors = {tr("Ultimo Errore"), tr("Penultimo Errore"), tr("Terzultimo Errore"),
                              tr("Quartultimo Errore"), tr("Quintultimo Errore")};
  for (int i = 0; i < 5; ++i) {
    Errore[i] = field(QStringLiteral("Errore%1").arg(i + 1), this);
    g->addWidget(new QLabel(errors[i]), 2 + i, 0);
    g->addWidget(Errore[i], 2 + i, 1);
  }
}

TTestMagneti::TTestMagneti(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TestMagneti"));
  setWindowTitle(tr("Test Magneti"));
  auto* v = new QVBoxLayout(this);
  const auto group = [this, v](const QString& title, const char* exitName, const char* spinName, const char* buttonName,
                               QLineEdit*& exit, QSpinBox*& spin, QPushButton*& start, int number) {
    auto* box = new QGroupBox(title, this);
    auto* h = new QHBoxLayout(box);
    h->addWidget(new QLabel(tr("Uscita N.")));
    exit = field(QString::fromLatin1(exitName), box);
    exit->setText(QStringLiteral("01"));
    spin = new QSpinBox(box);
    spin->setObjectName(QString::fromLatin1(spinName));
    spin->setRange(1, 30);
    //: button: starts the test of the chosen exit (a verb)
    start = button(buttonName, tr("Inizio"), box);
    h->addWidget(exit);
    h->addWidget(spin);
    h->addWidget(start);
    v->addWidget(box);
    connect(spin, &QSpinBox::valueChanged, exit, [exit](int n) { exit->setText(QString::number(n).rightJustified(2, QLatin1Char('0'))); });
    connect(start, &QPushButton::clicked, this, [this, spin, number] {
      if (onStart) onStart(number, spin->value());
    });
  };
  group(tr("Test Dinamico"), "UscitaDin", "UpDown1", "Button1", UscitaDin, UpDown1, Button1, 1);
  group(tr("Test Statico"), "UscitaStat", "UpDown2", "Button2", UscitaStat, UpDown2, Button2, 2);
}

TTestTazzeVuote::TTestTazzeVuote(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TestTazzeVuote"));
  setWindowTitle(tr("Test Tazze Vuote"));
  auto* v = new QVBoxLayout(this);
  auto* g = new QGridLayout;
  g->addWidget(new QLabel(tr("Numero Tazza")), 0, 1);
  g->addWidget(new QLabel(tr("Valore")), 0, 2);
  for (int i = 0; i < 4; ++i) {
    g->addWidget(new QLabel(tr("L %1").arg(i + 1)), i + 1, 0);
    NTazza[i] = field(QStringLiteral("NTazza%1").arg(i + 1), this);
    Valore[i] = field(QStringLiteral("Valore%1").arg(i + 1), this);
    g->addWidget(NTazza[i], i + 1, 1);
    g->addWidget(Valore[i], i + 1, 2);
  }
  v->addLayout(g);
  auto* limit = new QHBoxLayout;
  limit->addWidget(new QLabel(tr("Limite +/-")));
  LimiteGr = field(QStringLiteral("LimiteGr"), this);
  limit->addWidget(LimiteGr);
  limit->addWidget(new QLabel(QStringLiteral("gr")));
  UpDown1 = new QSpinBox(this);
  UpDown1->setObjectName(QStringLiteral("UpDown1"));
  UpDown1->setRange(1, 100);
  UpDown1->setValue(10);
  limit->addWidget(UpDown1);
  //: button: starts the empty-cup test (a verb)
  Button1 = button("Button1", tr("Inizio"), this);
  limit->addWidget(Button1);
  v->addLayout(limit);
  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setReadOnly(true);
  Memo1->setPlainText(tr("Questa fuzione serve a localizzare Tazze / Carrelli difettosi.\n"
                         "Le tazze che a vuoto si discostano oltre il limite impostato sia in \n"
                         "positivo che in negativo saranno attivate sull'uscita 1"));
  Memo1->setMaximumHeight(80);
  v->addWidget(Memo1);
  connect(UpDown1, &QSpinBox::valueChanged, this, [this](int n) {
    if (onLimit) onLimit(n);
  });
  connect(Button1, &QPushButton::clicked, this, [this] {
    if (onStart) onStart();
  });
  resize(460, 320);
}

TrasfView::TrasfView(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName(QStringLiteral("TrasfView"));
  setWindowTitle(tr("Trasferimento dati"));
  setModal(false);
  auto* v = new QVBoxLayout(this);
  Label1 = new QLabel(tr("Trasferimento dati in corso..."), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  v->addWidget(Label1);
  auto* bar = new QProgressBar(this);
  bar->setRange(0, 0);  // no count of bytes is known in advance: a moving bar
  v->addWidget(bar);
  resize(300, 90);
}

Ttabtara::Ttabtara(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("tabtara"));
  setWindowTitle(tr("TABELLA TARA"));
  auto* v = new QVBoxLayout(this);
  StringGrid1 = new QTableWidget(this);
  StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
  StringGrid1->setColumnCount(5);
  StringGrid1->verticalHeader()->hide();
  StringGrid1->setHorizontalHeaderLabels({tr("Tazza"), tr("L 1"), tr("L 2"), tr("L 3"), tr("L 4")});
  StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  v->addWidget(StringGrid1, 1);
  Button1 = button("Button1", tr("Rinfresca"), this);
  v->addWidget(Button1, 0, Qt::AlignRight);
  connect(Button1, &QPushButton::clicked, this, [this] {
    if (onRefresh) onRefresh();
  });
  resize(420, 520);
}

void Ttabtara::prepare(int cups) {
  StringGrid1->setRowCount(cups);
  for (int c = 0; c < cups; ++c) {
    StringGrid1->setItem(c, 0, new QTableWidgetItem(QString::number(c + 1)));
    for (int l = 1; l <= 4; ++l) StringGrid1->setItem(c, l, new QTableWidgetItem(QStringLiteral("----")));
  }
}

void Ttabtara::fill(const std::function<QString(int, int)>& tare, int cups) {
  for (int c = 1; c <= cups && c <= StringGrid1->rowCount(); ++c)
    for (int l = 1; l <= 4; ++l) StringGrid1->item(c - 1, l)->setText(tare(l, c));
}
