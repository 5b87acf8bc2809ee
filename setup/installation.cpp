#include "setup/installation.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QIcon>
#include <QPixmap>
#include <QSignalBlocker>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

#include "base/text.h"

static void initSetupResources() { Q_INIT_RESOURCE(setup); }

namespace {

QString right(int value, int width) { return text::fixedRight(value, width); }

// Reads the form's number fields, remembering the first one that is wrong.
struct Numbers {
  QString error;
  int get(const QString& typed, const QString& field, int low, int high) {
    if (!error.isEmpty()) return 0;
    const QString t = typed.trimmed();
    bool digits = !t.isEmpty();
    for (QChar ch : t) digits = digits && ch.isDigit() && ch.unicode() < 128;
    const auto v = digits ? text::strictInt(t) : std::nullopt;
    if (!v || *v < low || *v > high) {
      error = QCoreApplication::translate("TInstallazione", "%1: scrivere un numero da %2 a %3 (ora \"%4\")")
                  .arg(field)
                  .arg(low)
                  .arg(high)
                  .arg(typed.trimmed());
      return 0;
    }
    return *v;
  }
};

}  // namespace

namespace installation {

InstallationForm fill(const MachineConfig& c, bool magnetOption, bool threePasses, int previous) {
  InstallationForm f;
  f.ports = {c.porta_com, c.porta_aux, c.porta_scarti};
  f.lines = std::clamp(c.numlinee, 1, 4);
  f.exits = std::clamp(c.numuscite, 1, 30);
  f.numTazze = right(c.numtazze, 4);
  const bool option = magnetOption && threePasses;
  if (c.tipoatt == 1) f.magnetChoice = option ? 2 : 0;
  else if (c.tipoatt == 2) f.magnetChoice = option ? 3 : 1;
  else f.magnetChoice = previous;
  f.faseZero = right(c.zeroencoder, 2);
  f.apertura = right(c.apermagn, 2);
  for (int n = 0; n < 4; ++n) {
    f.ini[n] = right(c.inenc[n], 2);
    f.fin[n] = right(c.fienc[n], 2);
    f.kappa[n] = right(c.kpeso[n], 4);
    f.quality[n] = std::clamp(c.qualitaL[n], 0, 4);
  }
  f.ritfc = QString::number(c.ritfc);
  for (int n = 0; n < 30; ++n) f.dist[n] = right(c.uscita[n], 2);
  f.rotRight = c.rotdirectionRight;
  f.rittara = QString::number(c.delay_tara);
  f.distfc = right(c.distanza_fc, 3);
  f.pgest = right(c.point_gest, 2);
  f.durataMagn = right(c.durata_magneti, 2);
  f.tareIndex = c.tareIndex();
  return f;
}

std::variant<Taken, QString> take(const InstallationForm& f, const MachineConfig& base, bool magnetOption) {
  Numbers n;
  Taken t{base, magnetOption};
  MachineConfig& c = t.config;
  c.ritfc = n.get(f.ritfc, QCoreApplication::translate("TInstallazione", "ritardo FC"), 0, 99);
  for (int l = 0; l < 4; ++l) c.qualitaL[l] = std::clamp(f.quality[l], 0, 4);
  c.durata_magneti = n.get(f.durataMagn, QCoreApplication::translate("TInstallazione", "Durata Att."), 0, 99);
  if (f.tareIndex >= 0 && f.tareIndex <= 7) c.setTareIndex(f.tareIndex);
  c.delay_tara = n.get(f.rittara, QCoreApplication::translate("TInstallazione", "Rit. Tara"), 0, 99);
  c.distanza_fc = n.get(f.distfc, QCoreApplication::translate("TInstallazione", "Dist. FC"), 0, 999);
  c.point_gest = n.get(f.pgest, QCoreApplication::translate("TInstallazione", "Durata FC"), 0, 99);
  c.rotdirectionRight = f.rotRight;
  for (int u = 0; u < 30; ++u) c.uscita[u] = n.get(f.dist[u], QCoreApplication::translate("TInstallazione", "Distanza Uscite, Us. %1").arg(u + 1), 0, 99);
  c.apermagn = n.get(f.apertura, QCoreApplication::translate("TInstallazione", "Apertura Magneti"), 0, 99);
  c.zeroencoder = n.get(f.faseZero, QCoreApplication::translate("TInstallazione", "Fase Zero Encoder"), 0, 99);
  for (int l = 0; l < 4; ++l) {
    c.inenc[l] = n.get(f.ini[l], QCoreApplication::translate("TInstallazione", "Lettura I, Linea %1").arg(l + 1), 0, 99);
    c.fienc[l] = n.get(f.fin[l], QCoreApplication::translate("TInstallazione", "Lettura F, Linea %1").arg(l + 1), 0, 99);
    // Only the lines the machine has: an unused line may keep any window.
    if (n.error.isEmpty() && l < f.lines && c.inenc[l] >= c.fienc[l])
      n.error = QCoreApplication::translate("TInstallazione", "Lettura I/F, Linea %1: l'inizio (%2) deve venire prima della fine (%3)")
                    .arg(l + 1)
                    .arg(c.inenc[l])
                    .arg(c.fienc[l]);
    c.kpeso[l] = n.get(f.kappa[l], QCoreApplication::translate("TInstallazione", "K-peso, Linea %1").arg(l + 1), 1, 9999);
  }
  c.numlinee = std::clamp(f.lines, 1, 4);
  c.numuscite = std::clamp(f.exits, 1, 30);
  c.numtazze = n.get(f.numTazze, QCoreApplication::translate("TInstallazione", "Numero Tazze/L."), 1, kMaxCups);
  switch (f.magnetChoice) {
    case 0: c.tipoatt = 1; t.magnetOption = false; break;
    case 1: c.tipoatt = 2; t.magnetOption = false; break;
    case 2: c.tipoatt = 1; t.magnetOption = true; break;
    case 3: c.tipoatt = 2; t.magnetOption = true; break;
    default: break;
  }
  // Ports come from the entries' numbers: 0 is none.
  const auto port = [](int p) { return p > 0 && p <= 99 ? p : 0; };
  c.porta_com = port(f.ports[InstallationForm::Board]);
  c.porta_aux = port(f.ports[InstallationForm::Barcode]);
  c.porta_scarti = port(f.ports[InstallationForm::Reject]);
  if (!n.error.isEmpty()) return n.error;
  return t;
}

QList<int> portEntries(const QList<int>& present, const std::array<int, 3>& stored) {
  QList<int> ports = present;
  for (int p : stored)
    if (p > 0 && p <= 99 && !ports.contains(p)) ports << p;
  std::sort(ports.begin(), ports.end());
  ports.removeAll(0);
  ports.prepend(0);
  return ports;
}

}  // namespace installation

namespace {

QLineEdit* numberField(const QString& name, int width, QWidget* parent) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(name);
  e->setMaxLength(width);
  // Digits only (the blanks in front of a right-aligned value may stay).
  e->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("^ *[0-9]*$")), e));
  e->setAlignment(Qt::AlignRight);
  e->setMaximumWidth(16 + 11 * std::max(width, 3));
  return e;
}

QComboBox* choice(const QString& name, const QStringList& items, QWidget* parent) {
  auto* c = new QComboBox(parent);
  c->setObjectName(name);
  c->addItems(items);
  return c;
}

QString portText(int port) {
  return port == 0 ? QCoreApplication::translate("TInstallazione", "non abilitata") : QStringLiteral("COM%1").arg(port);
}

}  // namespace

TInstallazione::TInstallazione(QWidget* parent) : QDialog(parent) {
  initSetupResources();
  setObjectName(QStringLiteral("Installazione"));
  setWindowTitle(tr("Installazione"));
  auto* top = new QVBoxLayout(this);
  auto* columns = new QHBoxLayout;
  top->addLayout(columns);

  // The machine: ports, lines, exits, magnets, encoder.
  auto* machine = new QGroupBox(tr("Macchina"), this);
  auto* mg = new QGridLayout(machine);
  const QStringList portLabels = {tr("Seriale Centralina"), tr("Seriale S. Barcode"), tr("Seriale S. Scarti")};
  for (int i = 0; i < 3; ++i) {
    ComSel[i] = choice(QStringLiteral("ComSel%1").arg(i + 1), {}, machine);
    mg->addWidget(new QLabel(portLabels[i]), i, 0);
    mg->addWidget(ComSel[i], i, 1);
  }
  QStringList lines, exits;
  for (int n = 1; n <= 4; ++n) lines << QString::number(n);
  for (int n = 1; n <= 30; ++n) exits << text::fixedRight(n, 2);
  LineeSel1 = choice(QStringLiteral("LineeSel1"), lines, machine);
  UsciteSel2 = choice(QStringLiteral("UsciteSel2"), exits, machine);
  TipoAttivMagn1 = choice(QStringLiteral("TipoAttivMagn1"), {tr("variabile"), tr("100%")}, machine);
  DurataMagn = numberField(QStringLiteral("DurataMagn"), 2, machine);
  mg->addWidget(new QLabel(tr("Numero linee")), 3, 0);
  mg->addWidget(LineeSel1, 3, 1);
  mg->addWidget(new QLabel(tr("Numero Uscite")), 4, 0);
  mg->addWidget(UsciteSel2, 4, 1);
  mg->addWidget(new QLabel(tr("Tipo attiv. Magn.")), 5, 0);
  mg->addWidget(TipoAttivMagn1, 5, 1);
  mg->addWidget(new QLabel(tr("Durata Att.")), 6, 0);
  mg->addWidget(DurataMagn, 6, 1);
  SpeedButton1 = new QToolButton(machine);
  SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
  SpeedButton1->setIconSize(QSize(64, 64));
  mg->addWidget(new QLabel(tr("verso rotazione encoder")), 7, 0);
  mg->addWidget(SpeedButton1, 7, 1);
  columns->addWidget(machine);

  // Weighing: phase, magnet opening, reading windows, weight factors, qualities.
  auto* weighing = new QGroupBox(tr("Parametri Pesatura"), this);
  auto* wg = new QGridLayout(weighing);
  FaseZero = numberField(QStringLiteral("FaseZero"), 2, weighing);
  Apertura = numberField(QStringLiteral("Apertura"), 2, weighing);
  wg->addWidget(new QLabel(tr("Fase Zero Encoder")), 0, 0);
  wg->addWidget(FaseZero, 0, 1);
  wg->addWidget(new QLabel(tr("Apertura Magneti")), 1, 0);
  wg->addWidget(Apertura, 1, 1);
  QStringList qualities;
  for (int q = 1; q <= 5; ++q) qualities << tr("Qualità%1").arg(q);
  for (int l = 0; l < 4; ++l) {
    wg->addWidget(new QLabel(tr("Linea %1").arg(l + 1)), 2, 1 + l);
    Ini[l] = numberField(QStringLiteral("Ini%1").arg(l + 1), 2, weighing);
    Fin[l] = numberField(QStringLiteral("Fin%1").arg(l + 1), 2, weighing);
    Kappa[l] = numberField(QStringLiteral("Kappa%1").arg(l + 1), 4, weighing);
    Comboq[l] = choice(l == 0 ? QStringLiteral("comboq1") : QStringLiteral("Comboq%1").arg(l + 1), qualities, weighing);
    auto* io = new QHBoxLayout;
    io->addWidget(Ini[l]);
    io->addWidget(Fin[l]);
    wg->addLayout(io, 3, 1 + l);
    wg->addWidget(Kappa[l], 4, 1 + l);
    wg->addWidget(Comboq[l], 5, 1 + l);
  }
  wg->addWidget(new QLabel(tr("Lettura I/F")), 3, 0);
  wg->addWidget(new QLabel(tr("K-peso")), 4, 0);
  wg->addWidget(new QLabel(tr("Qualita linee")), 5, 0);
  wg->setRowStretch(6, 1);
  columns->addWidget(weighing, 1);

  auto* right = new QVBoxLayout;
  auto* tare = new QGroupBox(tr("Sistema Tara"), this);
  auto* tg = new QGridLayout(tare);
  rittara = numberField(QStringLiteral("rittara"), 2, tare);
  QStringList tares = {tr("TARA/LINEA"), tr("TARA/TAZZA")};
  for (int g = 1; g <= 6; ++g) tares << tr("TARA INC.(%1gr)").arg(g);
  tiptara = choice(QStringLiteral("tiptara"), tares, tare);
  NumTazze1 = numberField(QStringLiteral("NumTazze1"), 4, tare);
  tg->addWidget(new QLabel(tr("Rit. Tara")), 0, 0);
  tg->addWidget(rittara, 0, 1);
  tg->addWidget(new QLabel(tr("Tipo Tara")), 1, 0);
  tg->addWidget(tiptara, 1, 1);
  tg->addWidget(new QLabel(tr("Numero Tazze/L.")), 2, 0);
  tg->addWidget(NumTazze1, 2, 1);
  right->addWidget(tare);
  auto* end = new QGroupBox(tr("Fine Campione"), this);
  auto* eg = new QGridLayout(end);
  distfc = numberField(QStringLiteral("distfc"), 3, end);
  pgest = numberField(QStringLiteral("pgest"), 2, end);
  ritfc = numberField(QStringLiteral("ritfc"), 2, end);
  eg->addWidget(new QLabel(tr("Dist. FC")), 0, 0);
  eg->addWidget(distfc, 0, 1);
  eg->addWidget(new QLabel(tr("Durata FC")), 1, 0);
  eg->addWidget(pgest, 1, 1);
  eg->addWidget(new QLabel(tr("ritardo FC")), 2, 0);
  eg->addWidget(ritfc, 2, 1);
  right->addWidget(end);
  right->addStretch(1);
  columns->addLayout(right);

  auto* exitsBox = new QGroupBox(tr("Uscite"), this);
  auto* xg = new QGridLayout(exitsBox);
  xg->addWidget(new QLabel(tr("Distanza Uscite")), 0, 0, 1, 10);
  for (int u = 0; u < 30; ++u) {
    Dist[u] = numberField(QStringLiteral("Dist%1").arg(u + 1), 2, exitsBox);
    auto* cell = new QVBoxLayout;
    cell->addWidget(new QLabel(tr("Us. %1").arg(u + 1)), 0, Qt::AlignHCenter);
    cell->addWidget(Dist[u]);
    xg->addLayout(cell, 1 + u / 15, u % 15);
  }
  top->addWidget(exitsBox);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  Button2 = new QPushButton(tr("Stampa"), this);
  Button2->setObjectName(QStringLiteral("Button2"));
  Button2->setAutoDefault(false);
  Button1 = new QPushButton(tr("Salva"), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setAutoDefault(false);
  buttons->addWidget(Button2);
  buttons->addWidget(Button1);
  top->addLayout(buttons);

  connect(SpeedButton1, &QToolButton::clicked, this, [this] {
    rotRight_ = !rotRight_;
    showDirection();
  });
  connect(Button1, &QPushButton::clicked, this, [this] {
    if (!SaveClick || SaveClick()) accept();
  });
  connect(Button2, &QPushButton::clicked, this, [this] {
    if (PrintClick) PrintClick();
  });
}

QPixmap TInstallazione::encoderPicture(bool right) {
  initSetupResources();
  return QPixmap(right ? QStringLiteral(":/setup/resources/encrigth.bmp") : QStringLiteral(":/setup/resources/encleft.bmp"));
}

void TInstallazione::showDirection() {
  SpeedButton1->setIcon(QIcon(encoderPicture(rotRight_)));
  SpeedButton1->setToolTip(rotRight_ ? tr("orario") : tr("antiorario"));
}

void TInstallazione::showEvent(QShowEvent* e) {
  // Until the reports can print the sheet, the button is absent rather than dead.
  Button2->setVisible(static_cast<bool>(PrintClick));
  QDialog::showEvent(e);
}

void TInstallazione::showForm(const InstallationForm& f, const QList<int>& ports, bool threePasses) {
  for (int i = 0; i < 3; ++i) {
    QComboBox* c = ComSel[i];
    c->clear();
    for (int p : ports) c->addItem(portText(p), p);
    const int at = c->findData(f.ports[i]);
    c->setCurrentIndex(at >= 0 ? at : 0);
  }
  LineeSel1->setCurrentIndex(f.lines - 1);
  UsciteSel2->setCurrentIndex(f.exits - 1);
  while (TipoAttivMagn1->count() > 2) TipoAttivMagn1->removeItem(2);
  if (threePasses) TipoAttivMagn1->addItems({tr("60% /3 Passi"), tr("100% /3 Passi")});
  if (f.magnetChoice >= 0 && f.magnetChoice < TipoAttivMagn1->count()) TipoAttivMagn1->setCurrentIndex(f.magnetChoice);
  DurataMagn->setText(f.durataMagn);
  FaseZero->setText(f.faseZero);
  Apertura->setText(f.apertura);
  for (int l = 0; l < 4; ++l) {
    Ini[l]->setText(f.ini[l]);
    Fin[l]->setText(f.fin[l]);
    Kappa[l]->setText(f.kappa[l]);
    Comboq[l]->setCurrentIndex(f.quality[l]);
  }
  rittara->setText(f.rittara);
  tiptara->setCurrentIndex(std::clamp(f.tareIndex, 0, 7));
  NumTazze1->setText(f.numTazze);
  distfc->setText(f.distfc);
  pgest->setText(f.pgest);
  ritfc->setText(f.ritfc);
  for (int u = 0; u < 30; ++u) Dist[u]->setText(f.dist[u]);
  rotRight_ = f.rotRight;
  showDirection();
}

InstallationForm TInstallazione::form() const {
  InstallationForm f;
  for (int i = 0; i < 3; ++i) f.ports[i] = ComSel[i]->currentIndex() >= 0 ? ComSel[i]->currentData().toInt() : 0;
  f.lines = LineeSel1->currentIndex() + 1;
  f.exits = UsciteSel2->currentIndex() + 1;
  f.magnetChoice = TipoAttivMagn1->currentIndex();
  f.rotRight = rotRight_;
  f.durataMagn = DurataMagn->text();
  f.faseZero = FaseZero->text();
  f.apertura = Apertura->text();
  f.rittara = rittara->text();
  f.numTazze = NumTazze1->text();
  f.distfc = distfc->text();
  f.pgest = pgest->text();
  f.ritfc = ritfc->text();
  for (int l = 0; l < 4; ++l) {
    f.ini[l] = Ini[l]->text();
    f.fin[l] = Fin[l]->text();
    f.kappa[l] = Kappa[l]->text();
    f.quality[l] = Comboq[l]->currentIndex();
  }
  f.tareIndex = tiptara->currentIndex();
  for (int u = 0; u < 30; ++u) f.dist[u] = Dist[u]->text();
  return f;
}

Tpasswd::Tpasswd(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("passwd"));
  setWindowTitle(tr("Password Accesso Servizio"));
  auto* v = new QVBoxLayout(this);
  v->addWidget(new QLabel(tr("Password")));
  passwd = new QLineEdit(this);
  passwd->setObjectName(QStringLiteral("passwd"));
  passwd->setEchoMode(QLineEdit::Password);  // a technician's password is not shown to bystanders
  v->addWidget(passwd);
  Entra = new QPushButton(tr("Entra"), this);
  Entra->setObjectName(QStringLiteral("Entra"));
  Entra->setDefault(true);
  v->addWidget(Entra);
  connect(Entra, &QPushButton::clicked, this, [this] {
    if (passwd->text().isEmpty()) reject();
    else accept();
  });
  resize(300, 120);
}

namespace programparameters {

ProgramParametersForm fill(const MachineConfig& c, bool resuming) {
  ProgramParametersForm f;
  f.finePartita = c.fine_part_auto == 1;
  f.archiviazione = c.archiviazione == 1;
  f.stampaBolla = c.stampa == 1;
  f.txRemoto = c.txremoto == 1;
  f.stpGrammi = c.stampagrammi == 1;
  f.archiviazioneEnabled = !resuming;
  f.grams = c.totaligrammi == 1;
  f.copies = std::clamp(c.ncopie, 1, 9);
  f.autorefresh = std::clamp(c.autorefresh, 0, 59);
  for (int q = 0; q < 4; ++q) f.limits[q] = std::clamp(c.limpercq[q], 0, 59);
  f.direxp = c.direxp;
  return f;
}

void take(const ProgramParametersForm& f, MachineConfig& c) {
  c.direxp = f.direxp;
  c.ncopie = std::clamp(f.copies, 1, 9);
  c.fine_part_auto = f.finePartita ? 1 : 0;
  c.archiviazione = f.archiviazione ? 1 : 0;
  c.stampa = f.stampaBolla ? 1 : 0;
  c.txremoto = f.txRemoto ? 1 : 0;
  c.stampagrammi = f.stpGrammi ? 1 : 0;
  c.totaligrammi = f.grams ? 1 : 0;
  c.limpercq = f.limits;
}

QString folderOf(const QString& chosenFile) {
  // The folder as this machine names it: a path without a drive letter is read as one.
  QString folder = QFileInfo(chosenFile).path();
  while (folder.size() > 1 && (folder.endsWith(QLatin1Char('/')) || folder.endsWith(QLatin1Char('\\')))) folder.chop(1);
  return folder;
}

}  // namespace programparameters

TParProg::TParProg(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("ParProg"));
  setWindowTitle(tr("Parametri  Programma"));
  auto* top = new QVBoxLayout(this);
  auto* flags = new QGroupBox(tr("Flag Generali"), this);
  auto* fg = new QVBoxLayout(flags);
  const auto check = [&](const char* name, const QString& caption) {
    auto* c = new QCheckBox(caption, flags);
    c->setObjectName(QString::fromLatin1(name));
    fg->addWidget(c);
    return c;
  };
  Archiviazione = check("Archiviazione", tr("Archiviazione"));
  StpGrammi = check("StpGrammi", tr("Stampa grammature"));
  TxRemoto = check("TxRemoto", tr("Trasmis. al remoto"));
  StampaBolla = check("StampaBolla", tr("Stampa Bolla"));
  FinePartita = check("FinePartita", tr("Fine Partita Autom."));
  TotaliLabel = new QLabel(tr("Totali espressi in"), flags);
  TotaliLabel->hide();
  TotaliSmb1 = choice(QStringLiteral("TotaliSmb1"), {tr("grammi"), tr("Kilogrammi")}, flags);
  TotaliSmb1->hide();
  TotaliSmb1->setEnabled(false);
  fg->addWidget(TotaliLabel);
  fg->addWidget(TotaliSmb1);
  top->addWidget(flags);

  auto* g = new QGridLayout;
  QStringList copies;
  for (int n = 1; n <= 9; ++n) copies << QString::number(n);
  NumCopie = choice(QStringLiteral("NumCopie"), copies, this);
  g->addWidget(new QLabel(tr("Numero Copie Bolle")), 0, 0);
  g->addWidget(NumCopie, 0, 1);
  Delay_refresh = new QLineEdit(this);
  Delay_refresh->setObjectName(QStringLiteral("Delay_refresh"));
  Delay_refresh->setReadOnly(true);
  Delay_refresh->setMaximumWidth(50);
  UpDown1 = new QSpinBox(this);
  UpDown1->setObjectName(QStringLiteral("UpDown1"));
  UpDown1->setRange(0, 59);
  UpDown1->setMaximumWidth(70);
  g->addWidget(new QLabel(tr("Auto Rinfresco Totali")), 1, 0);
  g->addWidget(Delay_refresh, 1, 1);
  g->addWidget(UpDown1, 1, 2);
  top->addLayout(g);

  auto* limits = new QGroupBox(tr("Avviso limite Percentuale raggiunta"), this);
  auto* lg = new QGridLayout(limits);
  for (int q = 0; q < 4; ++q) {
    limpesoq[q] = new QLineEdit(limits);
    limpesoq[q]->setObjectName(q < 3 ? QStringLiteral("limpesoq%1").arg(q + 2) : QStringLiteral("Edit1"));
    limpesoq[q]->setReadOnly(true);
    limpesoq[q]->setMaximumWidth(50);
    UpDownQ[q] = new QSpinBox(limits);
    UpDownQ[q]->setObjectName(QStringLiteral("UpDownQ%1").arg(q + 2));
    UpDownQ[q]->setRange(0, 59);
    UpDownQ[q]->setMaximumWidth(70);
    lg->addWidget(new QLabel(tr("Limite Perc. Q%1").arg(q + 2)), q, 0);
    lg->addWidget(limpesoq[q], q, 1);
    lg->addWidget(UpDownQ[q], q, 2);
    connect(UpDownQ[q], &QSpinBox::valueChanged, this, [this, q](int v) { limpesoq[q]->setText(QString::number(v)); });
  }
  top->addWidget(limits);

  auto* exp = new QHBoxLayout;
  exp->addWidget(new QLabel(tr("Directory esp-AS400")));
  direxp = new QLineEdit(this);
  direxp->setObjectName(QStringLiteral("direxp"));
  exp->addWidget(direxp, 1);
  BitBtn1 = new QPushButton(tr("Sfoglia.."), this);
  BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
  BitBtn1->setAutoDefault(false);
  exp->addWidget(BitBtn1);
  top->addLayout(exp);

  Button1 = new QPushButton(tr("Salva"), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setAutoDefault(false);
  top->addWidget(Button1, 0, Qt::AlignRight);

  connect(UpDown1, &QSpinBox::valueChanged, this, [this](int v) {
    Delay_refresh->setText(text::fixedRight(v, 2));
    if (onAutoRefresh) onAutoRefresh(v);
  });
  connect(BitBtn1, &QPushButton::clicked, this, [this] {
    if (BrowseClick) BrowseClick();
  });
  connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
  resize(460, 520);
}

void TParProg::showForm(const ProgramParametersForm& f) {
  FinePartita->setChecked(f.finePartita);
  Archiviazione->setChecked(f.archiviazione);
  Archiviazione->setEnabled(f.archiviazioneEnabled);
  StampaBolla->setChecked(f.stampaBolla);
  TxRemoto->setChecked(f.txRemoto);
  StpGrammi->setChecked(f.stpGrammi);
  TotaliSmb1->setCurrentIndex(f.grams ? 0 : 1);
  NumCopie->setCurrentIndex(f.copies - 1);
  {
    const QSignalBlocker quiet(UpDown1);  // showing the value is no change of it
    UpDown1->setValue(f.autorefresh);
  }
  Delay_refresh->setText(text::fixedRight(f.autorefresh, 2));
  for (int q = 0; q < 4; ++q) {
    UpDownQ[q]->setValue(f.limits[q]);
    limpesoq[q]->setText(QString::number(f.limits[q]));
  }
  direxp->setText(f.direxp);
}

ProgramParametersForm TParProg::form() const {
  ProgramParametersForm f;
  f.finePartita = FinePartita->isChecked();
  f.archiviazione = Archiviazione->isChecked();
  f.archiviazioneEnabled = Archiviazione->isEnabled();
  f.stampaBolla = StampaBolla->isChecked();
  f.txRemoto = TxRemoto->isChecked();
  f.stpGrammi = StpGrammi->isChecked();
  f.grams = TotaliSmb1->currentIndex() == 0;
  f.copies = NumCopie->currentIndex() + 1;
  f.autorefresh = UpDown1->value();
  for (int q = 0; q < 4; ++q) f.limits[q] = UpDownQ[q]->value();
  f.direxp = direxp->text();
  return f;
}
