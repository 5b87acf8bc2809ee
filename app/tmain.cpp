#include "app/tmain.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "base/modalui.h"
#include "lots/costs.h"
#include "lots/producers.h"
#include "lots/tlistabolla.h"
#include "lots/tmoddati.h"
#include "lots/tnewbolla.h"
#include "lots/tricercabolle.h"
#include "export/expfildata.h"
#include "reject/errmap.h"
#include "service/calibration.h"
#include "service/machinetests.h"
#include "service/oscilloscope.h"
#include "setup/installation.h"
#include "app/languages.h"
#include "base/retranslator.h"
#include "reports/reports.h"
#include "programs/tlistaprogrammi.h"
#include "programs/tnewprogram.h"
#include "sampling/maincycle.h"
#include "sampling/runningtotals.h"

namespace {

QLabel* namedLabel(const QString& name, const QString& text = QString(), QWidget* parent = nullptr) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  return label;
}

QString grid(const char* prefix, int c, int q) {
  return QString::fromLatin1(prefix) + QString::number(c) + QLatin1Char('Q') + QString::number(q);
}

// The totals are what the operator reads from a few steps away.
QFont totalsFont(const QWidget* w, int delta, bool bold) {
  QFont f = w->font();
  f.setPointSize(f.pointSize() + delta);
  f.setBold(bold);
  return f;
}

}  // namespace

TMain::TMain(StationEnvironment& env, QWidget* parent) : QMainWindow(parent), env_(env) {
  setObjectName(QStringLiteral("Main"));
  setWindowTitle(QString::fromLatin1(station::kMainCaption));
  // The other windows are created once, after the main window, and stay hidden until a
  // command shows them.
  newProgram_ = std::make_unique<TNewProgram>(env.ui, this);
  listaProgrammi_ = std::make_unique<TListaProgrammi>(this);
  newBolla_ = std::make_unique<TNewBolla>(this);
  listaBolla_ = std::make_unique<TListaBolla>(this);
  modDati_ = std::make_unique<TModDati>(this);
  listaProduttori_ = std::make_unique<TListaProduttori>(this);
  produttori_ = std::make_unique<TProduttori>(this);
  impCosti_ = std::make_unique<TImpCosti>(this);
  impAzienda_ = std::make_unique<TImpAzienda>(this);
  ricercaBolle_ = std::make_unique<TRicercaBolle>(this);
  periodoStampa_ = std::make_unique<TPeriodoStampa>(this);
  expfiltdata_ = std::make_unique<Texpfiltdata>(this);
  errMap_ = std::make_unique<TErr_map>(this);
  calibrazione_ = std::make_unique<TCalibrazione_Linee>(this);
  testCelle_ = std::make_unique<TTestCelle>(this);
  testMem_ = std::make_unique<TTestMem>(this);
  testEncoder_ = std::make_unique<TTestEncoder>(this);
  testMagneti_ = std::make_unique<TTestMagneti>(this);
  testTazzeVuote_ = std::make_unique<TTestTazzeVuote>(this);
  tabTara_ = std::make_unique<Ttabtara>(this);
  trasfView_ = std::make_unique<TrasfView>(this);
  oscilloscopio_ = std::make_unique<TTestOscilloscopio>(this);
  installazione_ = std::make_unique<TInstallazione>(this);
  passwd_ = std::make_unique<Tpasswd>(this);
  parProg_ = std::make_unique<TParProg>(this);
  env_.ui.setParentWidget(this);

  buildMenus();

  auto* central = new QWidget(this);
  auto* columns = new QHBoxLayout(central);
  columns->setContentsMargins(6, 6, 6, 6);
  columns->setSpacing(8);

  auto* left = new QVBoxLayout;
  left->addWidget(buildClassTabs(), 1);
  left->addWidget(buildQualityTotals());
  columns->addLayout(left, 3);
  columns->addWidget(buildSidePanel(), 1);
  setCentralWidget(central);

  buildStatusBar();
  resize(1280, 800);

  Station::Windows windows;
  windows.editor = newProgram_.get();
  windows.list = listaProgrammi_.get();
  LotWindows& lots = windows.lots;
  lots.editor = newBolla_.get();
  lots.list = listaBolla_.get();
  lots.data = modDati_.get();
  lots.producerList = listaProduttori_.get();
  lots.producer = produttori_.get();
  lots.costs = impCosti_.get();
  lots.company = impAzienda_.get();
  lots.search = ricercaBolle_.get();
  windows.period = periodoStampa_.get();
  windows.exportRange = expfiltdata_.get();
  windows.errorMap = errMap_.get();
  windows.calibration = calibrazione_.get();
  windows.cells = testCelle_.get();
  windows.memorised = testMem_.get();
  windows.encoder = testEncoder_.get();
  windows.magnets = testMagneti_.get();
  windows.emptyCups = testTazzeVuote_.get();
  windows.tareTable = tabTara_.get();
  windows.transfer = trasfView_.get();
  windows.oscilloscope = oscilloscopio_.get();
  windows.installation = installazione_.get();
  windows.password = passwd_.get();
  windows.parameters = parProg_.get();
  station_ = std::make_unique<Station>(env, *this, *this, windows);

  // Inline, the main cycle runs from this timer from the start; while there is no
  // controller link it does no board work. With the board's worker, the worker ticks.
  timer1_ = new QTimer(this);
  timer1_->setObjectName(QStringLiteral("Timer1"));
  timer1_->setInterval(MainCycle::kTickMs);
  connect(timer1_, &QTimer::timeout, this, [this] { station_->tick(); });
  if (station_->ticksOnWindowThread()) timer1_->start();

  // Enter takes the lot number and quantity into the lot data and moves to the other field.
  connect(numBolla_, &QLineEdit::returnPressed, this, [this] {
    station_->lotNumberEntered(numBolla_->text());
    totPartita_->setFocus();
  });
  connect(totPartita_, &QLineEdit::returnPressed, this, [this] {
    station_->lotQuantityEntered(totPartita_->text());
    numBolla_->setFocus();
  });

  // Every caption of this window and of the windows it made, as they are now, in Italian:
  // a language switch retranslates them in place.
  retranslator_ = new Retranslator(*this, {QStringLiteral("TMain"), QStringLiteral("Station")});
}

TMain::~TMain() {
  // The station's behaviour classes refer to the windows; they go first.
  station_.reset();
}

void TMain::buildMenus() {
  QMenu* lavorazione = menuBar()->addMenu(tr("&Lavorazione"));
  lavorazione->setObjectName(QStringLiteral("Lavorazione"));
  lavorazione->setEnabled(false);
  const auto run = [this, lavorazione](const char* name, const QString& caption, auto handler) {
    QAction* a = lavorazione->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    connect(a, &QAction::triggered, this, handler);
    return a;
  };
  run("Programma1", tr("Programma  (F2)"), [this] { station_->Programma1Click(); });
  // Shown disabled, as the key F6 runs it.
  run("ModificaPU1", tr("&Modifica P/U  (F6)"), [this] { station_->ModificaPU1Click(); })->setEnabled(false);
  run("Start1", tr("&Azzeramento   (F8)"), [this] { station_->Start1Click(); });
  run("Dati1", tr("&Dati   (F3)"), [this] { station_->Dati1Click(); });
  run("Totali1", tr("&Totali"), [this] { station_->Totali1Click(); });
  run("Stampa3", tr("&Stampa   (F7)"), [this] { station_->Stampa3Click(); });
  run("Partita1", tr("&Fine Lavorazione (F9)"), [this] { station_->Partita1Click(); });

  QMenu* programmi = menuBar()->addMenu(tr("&Programmi"));
  programmi->setObjectName(QStringLiteral("Programmi"));
  const auto item = [this](QMenu* menu, const char* name, const QString& caption, void (TMain::*slot)()) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    if (slot) connect(a, &QAction::triggered, this, slot);
    return a;
  };
  item(programmi, "Modifica1", tr("&Modifica"), &TMain::Modifica1Click);
  item(programmi, "Nuovo1", tr("&Nuovo"), &TMain::Nuovo1Click);
  item(programmi, "Copia1", tr("Co&pia"), nullptr)->setEnabled(false);
  item(programmi, "Cancella1", tr("&Cancella"), &TMain::Cancella1Click);
  QAction* stampaProgramma = programmi->addAction(tr("&Stampa"));
  stampaProgramma->setObjectName(QStringLiteral("StampaProgramma1"));
  connect(stampaProgramma, &QAction::triggered, this, [this] { station_->StampaProgrammaClick(); });
  programmi->addSeparator();
  item(programmi, "Controldbase1", tr("Control dbase"), &TMain::Controldbase1Click);

  const auto command = [this](QMenu* menu, const char* name, const QString& caption, void (Station::*handler)()) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    if (handler) connect(a, &QAction::triggered, this, [this, handler] { (station_.get()->*handler)(); });
    return a;
  };
  QMenu* bolle = menuBar()->addMenu(tr("&Bolle"));
  bolle->setObjectName(QStringLiteral("Bolle1"));
  command(bolle, "ModificaBolla1", tr("&Modifica"), &Station::ModificaBollaClick);
  command(bolle, "NuovaBolla1", tr("&Nuova"), &Station::NuovaBollaClick);
  command(bolle, "CancellaBolla1", tr("&Cancella"), &Station::CancellaBollaClick);
  command(bolle, "StampaBolla1", tr("&Stampa"), &Station::StampaBollaClick);
  bolle->addSeparator();
  command(bolle, "OpzioniArchivio1", tr("&Opzioni Archivio"), &Station::OpzioniArchivioClick);
  bolle->addSeparator();
  command(bolle, "exportfrom1", tr("esporta per Date"), &Station::exportfrom1Click);
  command(bolle, "esportagiornaliero1", tr("esporta giornaliero"), &Station::esportagiornaliero1Click);
  bolle->addSeparator();
  command(bolle, "AzzeramentoBolle1", tr("&Azzeramento Bolle"), &Station::AzzeramentoBolleClick);

  QMenu* produttori = menuBar()->addMenu(tr("Pro&duttori"));
  produttori->setObjectName(QStringLiteral("Produttori1"));
  command(produttori, "ModificaProduttore1", tr("&Modifica"), &Station::ModificaProduttoreClick);
  command(produttori, "NuovoProduttore1", tr("&Nuovo"), &Station::NuovoProduttoreClick);
  command(produttori, "CancellaProduttore1", tr("&Cancella"), &Station::CancellaProduttoreClick);
  command(produttori, "StampaProduttore1", tr("&Stampa"), &Station::StampaProduttoreClick);
  produttori->addSeparator();
  // Emptying the producers would leave the stored lots with codes of nobody.
  command(produttori, "AzzeraProduttori1", tr("&Azzera Produttori"), nullptr)->setEnabled(false);

  //: menu: leaving the program
  QMenu* fine = menuBar()->addMenu(tr("&Fine"));
  fine->setObjectName(QStringLiteral("Fine1"));
  command(fine, "fine2", tr("&Fine"), &Station::FineClick);

  QMenu* servizio = menuBar()->addMenu(tr("&Servizio"));
  servizio->setObjectName(QStringLiteral("Servizio"));
  QMenu* installazione = servizio->addMenu(tr("&Installazione"));
  installazione->setObjectName(QStringLiteral("Installazione1"));
  installazione->menuAction()->setObjectName(QStringLiteral("Installazione1Action"));

  command(installazione, "Impostazione1", tr("&Calibratrice"), &Station::Impostazione1Click);
  command(installazione, "Programma2", tr("&Programma"), &Station::Programma2Click);
  installazione->addSeparator();
  QAction* save = installazione->addAction(tr("&Salva su Penna USB"));
  save->setObjectName(QStringLiteral("SalvasuFloppy1"));
  connect(save, &QAction::triggered, this, &TMain::SalvasuFloppy1Click);
  QAction* restore = installazione->addAction(tr("&Ripristina da Penna USB"));
  restore->setObjectName(QStringLiteral("RipristinadaFloppy1"));
  connect(restore, &QAction::triggered, this, &TMain::RipristinadaFloppy1Click);
  // The technician's tests, enabled while the board answers.
  QMenu* assistenza = servizio->addMenu(tr("&Assistenza"));
  assistenza->setObjectName(QStringLiteral("Assistenza1"));
  assistenza->setEnabled(false);
  command(assistenza, "ControlloCELLE1", tr("Controllo CE&LLE"), &Station::ControlloCELLE1Click);
  command(assistenza, "Memorizzato1", tr("&Memorizzato"), &Station::Memorizzato1Click);
  command(assistenza, "Encoder1", tr("&Encoder"), &Station::Encoder1Click);
  command(assistenza, "TestMagneti1", tr("&Test Magneti"), &Station::TestMagneti1Click);
  command(assistenza, "ControlloTazze1", tr("Co&ntrollo Tazze"), &Station::ControlloTazze1Click);
  command(assistenza, "Calibrazione1", tr("&Calibrazione"), &Station::Calibrazione1Click);
  command(assistenza, "TabellaTara1", tr("Ta&bella Tara"), &Station::TabellaTara1Click);
  command(assistenza, "Oscilloscopio1", tr("&Oscilloscopio"), &Station::Oscilloscopio1Click);
  command(assistenza, "ResetCentralina1", tr("&Reset Centralina"), &Station::ResetCentralina1Click);
  // Remote control: present, never enabled.
  QMenu* remoto = assistenza->addMenu(tr("Co&ntrollo Remoto"));
  remoto->setObjectName(QStringLiteral("ControlloRemoto1"));
  remoto->menuAction()->setObjectName(QStringLiteral("ControlloRemoto1Action"));
  remoto->setEnabled(false);
  command(remoto, "ctrl_rem_menu1", tr("&Settaggi"), nullptr);
  command(remoto, "ctrl_rem_menu2", tr("&Connesione"), nullptr);
  command(remoto, "ctrl_rem_menu3", tr("&Disconnetti"), nullptr);
  servizio->addSeparator();
  command(servizio, "AggiornaTempiScarti1", tr("Aggiorna Tempi Scarti"), &Station::AggiornaTempiScarti1Click);
  command(servizio, "MappaerroriKestin1", tr("Mappa errori Kestin"), &Station::MappaerroriKestin1Click);
  installazione->addSeparator();
  command(installazione, "CostiPersonale1", tr("Costi personale"), &Station::CostiPersonaleClick);
  command(installazione, "DatiAzienda1", tr("Dati azienda"), &Station::DatiAziendaClick);

  // The languages: each entry switches the whole station at once; an entry is enabled
  // when its module is beside the station.
  QMenu* lingua = menuBar()->addMenu(tr("&Lingua"));
  lingua->setObjectName(QStringLiteral("Lingua1"));
  const QString captions[] = {tr("Italiano"), tr("Spagnolo"), tr("Portoghese"), tr("Inglese"),
                              tr("Francese"), tr("Tedesco"),  tr("Greco")};
  for (int i = 0; i < static_cast<int>(kLanguages.size()); ++i) {
    QAction* a = lingua->addAction(captions[i]);
    a->setObjectName(QString::fromLatin1(kLanguages[i].item));
    a->setCheckable(true);
    connect(a, &QAction::triggered, this, [this, i] { station_->languageClick(i); });
  }
  for (const auto& [name, caption] : {std::pair{"Cinese1", tr("Cinese")}, std::pair{"Russo1", tr("Russo")},
                                      std::pair{"Indiano1", tr("Indiano")}}) {
    QAction* a = lingua->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    a->setEnabled(false);
    a->setVisible(false);
  }

  QMenu* aiuto = menuBar()->addMenu(tr("&Aiuto"));
  aiuto->setObjectName(QStringLiteral("Aiuto"));
  command(aiuto, "ControlloAggiornamentiOnline1", tr("&Controllo Aggiornamenti On-line"),
          &Station::ControlloAggiornamentiOnline1Click);
}

QWidget* TMain::buildClassTabs() {
  qualityTabs_ = new QTabWidget(this);
  qualityTabs_->setObjectName(QStringLiteral("PageControl1"));
  const QFont big = totalsFont(this, 3, true);
  const QFont medium = totalsFont(this, 2, false);
  for (int q = 1; q <= kQualities; ++q) {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet") + QString::number(q));
    auto* g = new QGridLayout(page);
    g->setHorizontalSpacing(14);
    g->setVerticalSpacing(2);
    const QStringList heads = {QString(), tr("Calibro"), tr("Peso"), tr("Totale"), QString(),
                               tr("Percentuale"), QString()};
    for (int col = 0; col < heads.size(); ++col) {
      auto* head = new QLabel(heads[col]);
      head->setFont(totalsFont(this, 0, true));
      g->addWidget(head, 0, col, col == 3 || col == 5 ? Qt::AlignRight : Qt::AlignLeft);
    }
    for (int c = 1; c <= kClasses; ++c) {
      auto* number = new QLabel(QString::number(c));
      number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      auto* name = namedLabel(grid("NomeCal", c, q));
      name->setFont(medium);
      name->setMinimumWidth(110);
      auto* range = namedLabel(grid("PesoCal", c, q));
      range->setFont(medium);
      range->setMinimumWidth(110);
      auto* total = namedLabel(grid("TotC", c, q));
      total->setFont(big);
      total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      total->setMinimumWidth(120);
      auto* unit = namedLabel(QStringLiteral("unit") + QString::number((q - 1) * kClasses + c));
      unit->setFont(medium);
      auto* percent = namedLabel(grid("TotP", c, q));
      percent->setFont(big);
      percent->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      percent->setMinimumWidth(80);
      auto* sign = new QLabel(QStringLiteral("%"));
      sign->setFont(medium);
      g->addWidget(number, c, 0);
      g->addWidget(name, c, 1);
      g->addWidget(range, c, 2);
      g->addWidget(total, c, 3);
      g->addWidget(unit, c, 4);
      g->addWidget(percent, c, 5);
      g->addWidget(sign, c, 6);
      unitCaptions_.append(unit);
    }
    g->setColumnStretch(1, 2);
    g->setColumnStretch(2, 2);
    g->setColumnStretch(3, 2);
    g->setColumnStretch(5, 1);
    qualityTabs_->addTab(page, tr("Qualita %1").arg(q));
  }
  return qualityTabs_;
}

QWidget* TMain::buildQualityTotals() {
  auto* box = new QGroupBox(this);
  box->setObjectName(QStringLiteral("GroupTotali"));
  auto* g = new QGridLayout(box);
  g->setHorizontalSpacing(10);
  g->setVerticalSpacing(2);
  const QFont big = totalsFont(this, 3, true);
  const QFont head = totalsFont(this, 1, true);
  const auto addColumn = [&](int col, const QString& caption, const QString& totalName,
                             const QString& percentName, int unitIndex) {
    auto* title = new QLabel(caption);
    title->setFont(head);
    title->setAlignment(Qt::AlignCenter);
    g->addWidget(title, 0, col * 2, 1, 2);
    auto* total = namedLabel(totalName);
    total->setFont(big);
    total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    total->setMinimumWidth(110);
    auto* unit = namedLabel(QStringLiteral("unit") + QString::number(unitIndex));
    unitCaptions_.append(unit);
    g->addWidget(total, 1, col * 2);
    g->addWidget(unit, 1, col * 2 + 1);
    if (!percentName.isEmpty()) {
      auto* percent = namedLabel(percentName);
      percent->setFont(big);
      percent->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      g->addWidget(percent, 2, col * 2);
      g->addWidget(new QLabel(QStringLiteral("%")), 2, col * 2 + 1);
    }
  };
  for (int q = 1; q <= 5; ++q)
    addColumn(q - 1, tr("Qualita %1").arg(q), QStringLiteral("LavoratoQ") + QString::number(q),
              QStringLiteral("LavoratoPQ") + QString::number(q), kQualities * kClasses + q);
  addColumn(5, tr("TOTALE"), QStringLiteral("TotaleG"), QString(), kUnitCaptions);
  return box;
}

QWidget* TMain::buildSidePanel() {
  auto* panel = new QWidget(this);
  auto* v = new QVBoxLayout(panel);
  v->setContentsMargins(0, 0, 0, 0);

  //: the delivery note of the lot being sampled
  auto* lot = new QGroupBox(tr("Bolla"), panel);
  auto* lg = new QGridLayout(lot);
  numBolla_ = new QLineEdit(lot);
  numBolla_->setObjectName(QStringLiteral("numBolla"));
  numBolla_->setFont(totalsFont(this, 3, true));
  totPartita_ = new QLineEdit(QStringLiteral("0"), lot);
  totPartita_->setObjectName(QStringLiteral("totPartita"));
  totPartita_->setFont(totalsFont(this, 3, true));
  lg->addWidget(new QLabel(tr("Numero Bolla:")), 0, 0);
  lg->addWidget(numBolla_, 0, 1);
  lg->addWidget(new QLabel(tr("Totale Partita kg:")), 1, 0);
  lg->addWidget(totPartita_, 1, 1);
  auto* preview = new QCheckBox(tr("Preview stampa"), lot);
  preview->setObjectName(QStringLiteral("PreviewStampa"));
  lg->addWidget(preview, 2, 0, 1, 2);
  connect(preview, &QCheckBox::toggled, this, [this](bool on) { station_->setPreview(on); });
  v->addWidget(lot);

  auto* machine = new QGroupBox(tr("Macchina"), panel);
  auto* mg = new QGridLayout(machine);
  auto* numtazza = new QLineEdit(machine);
  numtazza->setObjectName(QStringLiteral("numtazza"));
  numtazza->setReadOnly(true);
  numtazza->setMaximumWidth(90);
  auto* label55 = namedLabel(QStringLiteral("Label55"), tr("tazze sbagliate"), machine);
  auto* tazzebad = new QLineEdit(machine);
  tazzebad->setObjectName(QStringLiteral("tazzebad"));
  tazzebad->setReadOnly(true);
  tazzebad->setMaximumWidth(90);
  mg->addWidget(new QLabel(tr("Tazza")), 0, 0);
  mg->addWidget(numtazza, 0, 1);
  mg->addWidget(label55, 1, 0);
  mg->addWidget(tazzebad, 1, 1);
  auto* blocked = namedLabel(QStringLiteral("Label53"), tr("Blocco Alimentazione"), machine);
  blocked->setStyleSheet(QStringLiteral("color: white; background: #c00000; padding: 3px;"));
  blocked->setFont(totalsFont(this, 2, true));
  blocked->setAlignment(Qt::AlignCenter);
  blocked->hide();
  mg->addWidget(blocked, 2, 0, 1, 2);
  auto* production = namedLabel(QStringLiteral("Production"), QString(), machine);
  production->hide();
  mg->addWidget(production, 3, 0, 1, 2);
  auto* lavorPrec = namedLabel(QStringLiteral("LavorPrec"), QString(), machine);
  mg->addWidget(lavorPrec, 4, 0, 1, 2);
  auto* costo = namedLabel(QStringLiteral("Costo"), QString(), machine);
  mg->addWidget(costo, 5, 0, 1, 2);
  v->addWidget(machine);

  auto* barcode = new QGroupBox(tr("lista Barcode "), panel);
  auto* bl = new QVBoxLayout(barcode);
  auto* memo = new QPlainTextEdit(barcode);
  memo->setObjectName(QStringLiteral("Memo1"));
  memo->setMaximumHeight(110);
  // Filled by the barcode reader; the end of lot takes its first line.
  memo->setReadOnly(true);
  bl->addWidget(memo);
  v->addWidget(barcode);

  image1_ = namedLabel(QStringLiteral("Image1"), QString(), panel);
  image1_->setAlignment(Qt::AlignCenter);
  image1_->setMinimumHeight(120);
  image1_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
  v->addWidget(image1_, 1);

  auto* image2 = namedLabel(QStringLiteral("Image2"), QString(), panel);
  image2->setCursor(Qt::PointingHandCursor);
  image2->installEventFilter(this);
  image2->setFixedSize(297, 185);
  image2->setScaledContents(true);
  image2->hide();
  image2->setEnabled(false);
  v->addWidget(image2, 0, Qt::AlignHCenter);
  return panel;
}

void TMain::buildStatusBar() {
  auto* bar = new QStatusBar(this);
  bar->setObjectName(QStringLiteral("StatusBar1"));
  bar->setSizeGripEnabled(false);
  // Wide enough for the longest state text in any language; a longer one widens its panel.
  static constexpr std::array<int, kStatusPanels> widths{205, 90, 240, 200, 190};
  for (int i = 0; i < kStatusPanels; ++i) {
    auto* p = namedLabel(QStringLiteral("StatusBar1Panel") + QString::number(i), QString(), bar);
    p->setMinimumWidth(widths[i]);
    p->setFrameShape(QFrame::Panel);
    p->setFrameShadow(QFrame::Sunken);
    p->setAlignment((i == 2 ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    bar->addWidget(p);
    panels_[i] = p;
  }
  // The command the board is carrying out, apart from the panels the station names.
  command_ = namedLabel(QStringLiteral("StatusBarCommand"), QString(), bar);
  bar->addPermanentWidget(command_);
  // A click on the status bar shows the reject unit's error map.
  bar->installEventFilter(this);
  for (QLabel* p : panels_) p->installEventFilter(this);
  setStatusBar(bar);
}

void TMain::showCommand(const QString& text) { command_->setText(text); }

void TMain::showBarcodes(const QStringList& lines) {
  if (auto* memo = own<QPlainTextEdit>(QStringLiteral("Memo1"))) memo->setPlainText(lines.join(QLatin1Char('\n')));
}

void TMain::showAlarmPicture(const QImage& picture) {
  if (auto* image2 = own<QLabel>(QStringLiteral("Image2"))) image2->setPixmap(QPixmap::fromImage(picture));
}
QString TMain::commandText() const { return command_->text(); }

bool TMain::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease && watched->objectName() == QLatin1String("Image2")) {
    station_->Image2Click();
    return true;
  }
  if (event->type() == QEvent::MouseButtonRelease &&
      (watched == statusBar() || std::find(panels_.begin(), panels_.end(), watched) != panels_.end()))
    station_->StatusBar1Click();
  return QMainWindow::eventFilter(watched, event);
}

void TMain::setPanelText(int panel, const QString& text, Qt::Alignment alignment) {
  if (panel < 0 || panel >= kStatusPanels) return;
  panels_[panel]->setText(text);
  panels_[panel]->setAlignment(alignment | Qt::AlignVCenter);
}

QString TMain::panelText(int panel) const {
  if (panel < 0 || panel >= kStatusPanels) return {};
  return panels_[panel]->text();
}

void TMain::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!shown_) {
    shown_ = true;
    FormShow();
  }
}

void TMain::closeEvent(QCloseEvent* event) {
  // The board's worker, or a command inside a modal window, still holds the link: the
  // close sequence runs when it has finished (closeWhenIdle), and the window stays until
  // then. A window of the station that is open is closed, so that takes no operator.
  if (!station_->FormClose()) {
    event->ignore();
    if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != this)
      QMetaObject::invokeMethod(modal, &QWidget::close, Qt::QueuedConnection);
    return;
  }
  QMainWindow::closeEvent(event);
}

void TMain::closeWhenIdle() {
  QMetaObject::invokeMethod(this, [this] { close(); }, Qt::QueuedConnection);
}

void TMain::focusLotNumber() { numBolla_->setFocus(); }

void TMain::clearTotalsDisplays() {
  for (int q = 1; q <= kQualities; ++q) {
    for (int c = 1; c <= kClasses; ++c) {
      for (const char* prefix : {"NomeCal", "PesoCal", "TotC", "TotP"})
        if (auto* l = own<QLabel>(grid(prefix, c, q))) l->clear();
    }
  }
  for (int q = 1; q <= 5; ++q) {
    if (auto* l = own<QLabel>(QStringLiteral("LavoratoQ") + QString::number(q))) l->clear();
    if (auto* l = own<QLabel>(QStringLiteral("LavoratoPQ") + QString::number(q))) l->clear();
  }
  if (auto* l = own<QLabel>(QStringLiteral("TotaleG"))) l->clear();
}

void TMain::setUnitCaptions(bool grams) {
  const QString unit = grams ? QStringLiteral("gr") : QStringLiteral("Kg");
  for (QLabel* l : unitCaptions_) l->setText(unit);
}

void TMain::showCustomerLogo(const QImage& logo) {
  if (logo.isNull()) {
    image1_->clear();
    return;
  }
  const QPixmap pixmap = QPixmap::fromImage(logo);
  image1_->setPixmap(pixmap.scaled(QSize(300, 200), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void TMain::showProgramDescription(const QString& description) { setPanelText(0, description); }

void TMain::showClass(int c, int q, const QString& name, const QString& range) {
  if (auto* l = own<QLabel>(grid("NomeCal", c, q))) l->setText(name);
  if (auto* l = own<QLabel>(grid("PesoCal", c, q))) l->setText(range);
}

void TMain::showNoProgram() {
  // Shows only: the board's side zeroes its running totals itself.
  const QString zero = QStringLiteral("0");
  for (int q = 1; q <= kQualities; ++q) {
    for (int c = 1; c <= kClasses; ++c) {
      for (const char* prefix : {"NomeCal", "PesoCal"})
        if (auto* l = own<QLabel>(grid(prefix, c, q))) l->clear();
      for (const char* prefix : {"TotC", "TotP"})
        if (auto* l = own<QLabel>(grid(prefix, c, q))) l->setText(zero);
    }
    if (auto* l = own<QLabel>(QStringLiteral("LavoratoQ%1").arg(q))) l->setText(zero);
    if (auto* l = own<QLabel>(QStringLiteral("LavoratoPQ%1").arg(q))) l->setText(zero);
  }
  if (auto* l = own<QLabel>(QStringLiteral("TotaleG"))) l->setText(zero);
}

void TMain::showMissingProgram(int n, const QString& text) {
  // No class of another program may stay on screen under this number.
  setPanelText(0, text);
  for (int q = 1; q <= kQualities; ++q)
    for (int c = 1; c <= kClasses; ++c) {
      if (auto* l = own<QLabel>(grid("NomeCal", c, q))) l->setText(c == 1 ? tr("Programma %1").arg(n) : QString());
      if (auto* l = own<QLabel>(grid("PesoCal", c, q))) l->setText(c == 1 ? tr("non in archivio") : QString());
    }
}

QList<QWidget*> TMain::ownParts() const {
  return {centralWidget(), statusBar(), menuBar()};
}

QWidget* TMain::control(const QString& name) const {
  if (auto it = controls_.constFind(name); it != controls_.constEnd()) return *it;
  auto* w = own<QWidget>(name);
  if (w) const_cast<TMain*>(this)->controls_.insert(name, w);
  return w;
}

void TMain::setText(const QString& name, const QString& text) {
  QWidget* w = control(name);
  if (auto* l = qobject_cast<QLabel*>(w)) l->setText(text);
  else if (auto* e = qobject_cast<QLineEdit*>(w)) e->setText(text);
}

void TMain::setVisible(const QString& name, bool visible) {
  if (QWidget* w = control(name)) w->setVisible(visible);
}

void TMain::setEnabled(const QString& name, bool enabled) {
  // Menus are widgets and are found once; menu entries are actions.
  if (auto* m = qobject_cast<QMenu*>(control(name))) m->setEnabled(enabled);
  else if (auto* a = own<QAction>(name)) a->setEnabled(enabled);
}

void TMain::setPanelAlignment(int panel, Qt::Alignment alignment) {
  if (panel >= 0 && panel < kStatusPanels) panels_[panel]->setAlignment(alignment | Qt::AlignVCenter);
}

void TMain::setPanel(int panel, const QString& text, Qt::Alignment alignment) { setPanelText(panel, text, alignment); }

void TMain::setCaption(const QString& caption) { setWindowTitle(caption); }

void TMain::retranslate() {
  if (retranslator_) retranslator_->retranslate();
}

void TMain::setChecked(const QString& name, bool checked) {
  if (auto* a = own<QAction>(name)) a->setChecked(checked);
}

void TMain::setBusy(bool busy) {
  // The main window's own cursor: an application-wide one is applied to every top-level
  // window (each dialog and menu) at every exchange with the board, and costs the
  // window's thread more than the exchange itself.
  if (busy) {
    if (busy_++ == 0) setCursor(Qt::WaitCursor);
  } else if (busy_ > 0 && --busy_ == 0) {
    unsetCursor();
  }
}

void TMain::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_F1:
    case Qt::Key_F2:
    case Qt::Key_F3:
    case Qt::Key_F6:
    case Qt::Key_F7:
    case Qt::Key_F8:
    case Qt::Key_F9:
      FormKeyDown(event->key());
      event->accept();
      return;
    default:
      QMainWindow::keyPressEvent(event);
  }
}

void TMain::keyReleaseEvent(QKeyEvent* event) {
  // A key released while no field has the focus sounds the beep.
  QWidget* focus = QApplication::focusWidget();
  if (!event->isAutoRepeat() && (focus == nullptr || focus == this)) env_.ui.beep();
  QMainWindow::keyReleaseEvent(event);
}

