#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QRegularExpression>
#include <QElapsedTimer>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSqlQuery>
#include <QTimer>
#include <gtest/gtest.h>
#include <unistd.h>

#include <QProcess>

#include "app/tmain.h"
#include "programs/tlistaprogrammi.h"
#include "programs/tnewprogram.h"
#include "db/databaseacc.h"
#include "sampling/maincycle.h"
#include "sampling/runcommands.h"
#include "base/text.h"
#include "link/portmap.h"
#include "sim/ptypeer.h"
#include "sim/simboard.h"
#include "sim/simkestin.h"
#include "sim/simprintserver.h"
#include "sim/simscanner.h"
#include "setup/installation.h"
#include "link/tpolling.h"
#include <QComboBox>
#include <QPlainTextEdit>
#include "service/calibration.h"
#include "service/machinetests.h"
#include "service/oscilloscope.h"
#include <QValueAxis>
#include <QSpinBox>
#include <QTableWidget>
#include <QPushButton>
#include <QTest>
#include "export/endoflot.h"
#include "export/expfildata.h"
#include "lots/lotarchive.h"
#include "lots/lots.h"
#include "reject/thread_Trevik.h"
#include "support/testenv.h"

namespace {

// Counts the times a window is shown.
struct ShowCounter : QObject {
  int shown = 0;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Show) ++shown;
    return false;
  }
};

// The station's main window against the simulated board on a pseudo-terminal, the main
// cycle driven tick by tick, the board's waits on a manual clock.
struct RunFixture : ::testing::Test {
  TestEnv env;
  SimBoard* board = nullptr;
  std::unique_ptr<PtyPeer> peer;
  StationEnvironment station{env.workDir, *env.store, env.ui, env.clock, *env.log, {}};
  std::unique_ptr<TDataModule1> data;
  std::unique_ptr<TMain> main;

  void SetUp() override {
    data = std::make_unique<TDataModule1>(TDatabase::parse(QStringLiteral("sqlite:tavikdata.sqlite"), env.workDir),
                                          env.ui);
    ASSERT_FALSE(data->Database1.createTables().has_value());
    SimBoard::Settings s;
    s.phaseMs = 0;
    s.fillRate = 0;  // no fruit: the tests set the totals they check
    board = new SimBoard(s);
    peer = std::make_unique<PtyPeer>(std::unique_ptr<SerialDevice>(board));
    ASSERT_TRUE(peer->start());
    ASSERT_TRUE(PortMap::publish(*env.store, 5, peer->devicePath()));
    env.noDevices();
    setKey("porta_com", "5");
  }
  void TearDown() override {
    if (main) main->close();
    main.reset();
    // The station never sends a line that breaks the board's layouts.
    if (peer) sim([](SimBoard& b) { EXPECT_EQ(b.protocolErrorTexts().join('\n').toStdString(), ""); });
    peer.reset();
  }

  void setKey(const char* key, const char* value) {
    env.store->writeText(QStringLiteral("morvel"), QString::fromLatin1(key), QString::fromLatin1(value));
  }
  // Starts the station; an archive without a lot in progress says so.
  void start(const QStringList& arguments = {}, bool lotInProgress = false) {
    if (!lotInProgress) env.ui.expectMessage(QStringLiteral("Bolla temporanea non presente!"), ModalUi::Answer::Ok);
    station.arguments = arguments;
    main = std::make_unique<TMain>(station);
    main->show();
    main->timer1()->stop();
  }
  void sim(const std::function<void(SimBoard&)>& f) { peer->with<SimBoard>(f); }
  void poll(int polls = 1) {
    for (int i = 0; i < polls * 12; ++i) main->mainCycle().Timer1Timer();
  }
  // The board takes program n as if chosen at the machine (limits from 100 g in steps of
  // 20 g), and the station follows it.
  void runProgram(int n) {
    sim([n](SimBoard& b) {
      std::array<int, 16> limits{};
      for (int i = 0; i < 16; ++i) limits[i] = 80 + 20 * i;
      b.selectProgram(n, limits);
    });
    poll();
    ASSERT_EQ(main->runState().currentProgram, n);
  }
  // The command lines the board has taken, once it has taken `count` or after a while.
  QList<QByteArray> lines(int atLeast = 0) {
    QList<QByteArray> got;
    for (int i = 0; i < 200; ++i) {
      sim([&](SimBoard& b) { got = b.receivedLines(); });
      if (got.size() >= atLeast) break;
      ::usleep(5000);
    }
    return got;
  }
  // The board works on its own thread: waits (for real, briefly) until the check holds.
  bool eventually(const std::function<bool(SimBoard&)>& check) {
    for (int i = 0; i < 200; ++i) {
      bool done = false;
      sim([&](SimBoard& b) { done = check(b); });
      if (done) return true;
      ::usleep(5000);
    }
    return false;
  }
  QByteArray log() const { return env.readFile(QStringLiteral("morvel.log")); }
  QString label(const QString& name) { return main->own<QLabel>(name)->text(); }
  void storeProgram(int n, const QString& description) {
    TTable& t = data->Table1;
    ASSERT_TRUE(t.Open());
    ASSERT_TRUE(t.Insert());
    t.FieldByName(QStringLiteral("codiceprog")).SetAsString(program::code(n));
    t.FieldByName(QStringLiteral("descrizione")).SetAsString(description);
    for (int q = 1; q <= 4; ++q)
      for (int b = 1; b <= 16; ++b) t.FieldByName(QStringLiteral("pesocal%1q%2").arg(b).arg(q)).SetAsInteger(60 + 20 * b);
    for (int q = 1; q <= 4; ++q)
      for (int c = 1; c <= 15; ++c) t.FieldByName(QStringLiteral("nomecal%1q%2").arg(c).arg(q)).SetAsString(QStringLiteral("N%1").arg(c));
    for (int q = 1; q <= 4; ++q)
      for (int c = 1; c <= 12; ++c)
        t.FieldByName(QStringLiteral("uscite%1q%2").arg(c).arg(q)).SetAsString(QString::number(c).rightJustified(2, QLatin1Char('0')) + QStringLiteral("000000"));
    ASSERT_TRUE(t.Post());
    t.Close();
  }
  // Brings the simulated board to work (state 4).
  void working() {
    for (int i = 0; i < 6 && main->runState().status.state != QStringLiteral("4"); ++i) poll();
    ASSERT_EQ(main->runState().status.state, QStringLiteral("4"));
  }
};

QByteArray configurationLine() {
  return "C2081000020802080208020801000100010001000050" + QByteArray(60, '0') + "L50";
}

}  // namespace

TEST_F(RunFixture, TheFirstPollIdentifiesAndInitialisesEachBoardModel) {
  struct Case { int model; bool old; QList<QByteArray> expected; QString caption; };
  const QByteArray params = cSelvik::machineParametersLine(0, 0, 0, 1).chopped(1);
  const QByteArray paramsModel1 = cSelvik::machineParametersLine(0, 0, 94, 0).chopped(1);
  // After the identification the current program is 999, so the board's "00" is a program
  // change: the totals are read before the initialisation.
  const QList<QByteArray> totals = {"V20", "V21", "V22", "V23"};
  const QList<Case> cases = {
      {3, false, QList<QByteArray>{"A0", ">0", ">1", params, "-2"} + totals + QList<QByteArray>{params, "-40", configurationLine(), "-0"},
       QStringLiteral("Morvel Campionatrice / DRAVO-1 REL.3.02 : Dravo-1")},
      {2, false, QList<QByteArray>{"A0", ">0", ">1", params, "-2"} + totals + QList<QByteArray>{params, "-40", configurationLine(), "-0"},
       QStringLiteral("Morvel Campionatrice / DRAVO-1 REL.3.02 : Dravo")},
      {1, false, QList<QByteArray>{"A0", ">0", ">1", paramsModel1} + totals + QList<QByteArray>{params, configurationLine(), "-0"},
       QStringLiteral("Morvel Campionatrice / DRAVO-1 REL.3.02 : Piltomod")},
      {0, false, QList<QByteArray>{"A0", ">0", ">1"} + totals + QList<QByteArray>{configurationLine(), "-0"},
       QStringLiteral("Morvel Campionatrice / DRAVO-1 REL.3.02 : Pilto")},
      // An old board is never identified: the caption stays as the start-up language set it.
      {0, true, QList<QByteArray>{"A0", ">0"} + totals + QList<QByteArray>{configurationLine()},
       QStringLiteral("Morvel Campionatrice / -----")},
  };
  for (const Case& c : cases) {
    sim([&](SimBoard& b) {
      b.powerOn();
      b.settings.model = c.model;
      b.settings.oldBoard = c.old;
      b.clearReceived();
    });
    start();
    poll();
    EXPECT_EQ(lines(c.expected.size()), c.expected) << "model " << c.model << (c.old ? " old" : "");
    EXPECT_EQ(main->windowTitle(), c.caption);
    EXPECT_TRUE(main->runState().boardOn);
    EXPECT_EQ(main->panelText(3), QStringLiteral("0 - Accesa    "));
    EXPECT_EQ(env.ui.beepCount() > 0, c.old) << "an old board beeps for its missing identity";
    EXPECT_EQ(main->own<QLineEdit>(QStringLiteral("numtazza"))->isVisible(), c.model >= 2 && !c.old);
    EXPECT_TRUE(log().endsWith("init Dravo board\r\n"));
    main->mainCycle().Timer1Timer();
    EXPECT_TRUE(main->own<QMenu>(QStringLiteral("Lavorazione"))->isEnabled());
    main->close();
    main.reset();
    env.ui.clearRecord();
  }
}

TEST_F(RunFixture, ABoardInStateZeroIsInitialisedAgainAndAResetIsSentWhenAsked) {
  start();
  poll();
  EXPECT_EQ(lines(9).count(configurationLine()), 1);
  sim([](SimBoard& b) { b.powerOn(); });  // back to state 0 while seen on
  main->runState().resetRequested = true;
  sim([](SimBoard& b) { b.clearReceived(); });
  poll();
  const QList<QByteArray> again = lines(6);
  EXPECT_FALSE(again.contains(">0")) << "still identified: no second identification";
  EXPECT_EQ(again.count(configurationLine()), 1);
  EXPECT_EQ(again.last(), QByteArray("Z"));
  EXPECT_FALSE(main->runState().resetRequested);
  EXPECT_EQ(log().count("init Dravo board\r\n"), 2);
}

TEST_F(RunFixture, AProgramChangeShowsTheProgramAndReadsTheTotals) {
  storeProgram(7, QStringLiteral("Pesche gialle"));
  start();
  poll();
  sim([](SimBoard& b) {
    std::array<int, 16> limits{};
    for (int i = 0; i < 16; ++i) limits[i] = 80 + 20 * i;
    b.selectProgram(7, limits);
    b.setTotal(0, 3, 1500);
    b.setTotal(1, 3, 3000);
    b.clearReceived();
  });
  poll();
  EXPECT_EQ(main->runState().currentProgram, 7);
  EXPECT_EQ(main->panelText(0), QStringLiteral("Pesche gialle"));
  EXPECT_EQ(label(QStringLiteral("NomeCal3Q1")), QStringLiteral("N3"));
  EXPECT_EQ(label(QStringLiteral("PesoCal3Q1")), QStringLiteral("120-140"));
  const QList<QByteArray> sent = lines();
  for (const char* v : {"V20", "V21", "V22", "V23"}) EXPECT_TRUE(sent.contains(v)) << v;
  EXPECT_TRUE(log().contains("update program  vis 7\r\n"));
  EXPECT_EQ(label(QStringLiteral("TotC3Q1")), QStringLiteral("    4500")) << "lines 1 and 2 grade quality 1";
  EXPECT_EQ(label(QStringLiteral("TotaleG")), QStringLiteral("    4500"));
  EXPECT_EQ(label(QStringLiteral("TotP3Q1")).left(3), QStringLiteral("100"));

  main->resize(1280, 800);
  QApplication::processEvents();
  EXPECT_TRUE(main->grab().save(QStringLiteral(SCREENSHOT_DIR) + QStringLiteral("/main-window-running.png")));

  // totali_temp holds the totals read, with their percentages.
  TTable& t = data->Table5;
  ASSERT_TRUE(t.Open());
  EXPECT_EQ(t.RecordCount(), 1);
  EXPECT_EQ(t.FieldByName(QStringLiteral("tot3q1")).AsInteger(), 4500);
  EXPECT_DOUBLE_EQ(t.FieldByName(QStringLiteral("percq1")).AsFloat(), 100.0);
  t.Close();

  // The same program again changes nothing.
  sim([](SimBoard& b) { b.clearReceived(); });
  poll();
  EXPECT_FALSE(lines().contains("V20"));
  EXPECT_EQ(log().count("update program  vis"), 2) << "999 after the identification, then 7";
}

TEST_F(RunFixture, TotalsOfLinesOnTheSameQualityAddUpInTheirUnits) {
  setKey("qualitaL1", "2");
  setKey("qualitaL2", "2");
  setKey("qualitaL3", "5");
  setKey("xmoltiply", "10");
  start();
  poll();
  sim([](SimBoard& b) {
    b.setTotal(0, 1, 123);
    b.setTotal(1, 1, 100);
    b.setTotal(2, 1, 999);  // the reject line adds nothing
    b.setTotal(3, 15, 7);   // line 4 grades quality 1
  });
  main->runCommands().TotaliClick();
  EXPECT_EQ(main->totals().T[1][0], 2230);
  EXPECT_EQ(main->totals().T[0][0], 0);
  EXPECT_EQ(main->totals().T[0][14], 70);
  EXPECT_EQ(main->totals().G, 2300);
  EXPECT_EQ(label(QStringLiteral("LavoratoQ2")), QStringLiteral("    2230"));
  EXPECT_EQ(label(QStringLiteral("LavoratoPQ2")), QStringLiteral("97.00").replace('.', text::decimalSeparator()));
}

TEST_F(RunFixture, ZeroingSendsV1AndRestartsTheHourlyProduction) {
  // One person at 37486 lire an hour: 625 lire a minute.
  env.writeFile(QStringLiteral("c31.cst"), " 1 37486 0     0 0     0");
  start();
  poll();
  sim([](SimBoard& b) {
    b.setTotal(0, 1, 2000001);
    b.clearReceived();
  });
  const QString question = QStringLiteral("I totali verranno azzerati, vuoi continuare ?");
  env.ui.expectMessage(question, ModalUi::Answer::No);
  main->FormKeyDown(Qt::Key_F8);
  EXPECT_TRUE(lines().isEmpty()) << "answered No: nothing sent";
  const qint64 before = env.clock.monotonicMs();
  env.ui.expectMessage(question, ModalUi::Answer::Yes);
  main->FormKeyDown(Qt::Key_F8);
  // 345.6 ms before and after "V1" at least (a loaded machine may let an echo wait pass).
  EXPECT_GE(env.clock.monotonicMs() - before, 691);
  const QList<QByteArray> sent = lines(5);
  ASSERT_FALSE(sent.isEmpty());
  EXPECT_EQ(sent.front(), QByteArray("V1"));
  EXPECT_EQ(main->runState().productionBaseline, 1);

  // An hour later the board has counted 2000001 g: 20 quintals an hour.
  sim([](SimBoard& b) { b.setTotal(0, 1, 2000001); });
  env.clock.advance(60 * 60 * 1000);
  main->runCommands().TotaliClick();
  EXPECT_EQ(label(QStringLiteral("Production")), QStringLiteral("Produzione oraria =   20 ql/h"));
  EXPECT_FALSE(main->own<QLabel>(QStringLiteral("Production"))->isVisible());
  // The crew's hour since the zero: 37500 lire, over 2000 kg. (The zero's own reading,
  // at a cost of 0, does not silence the cost for the rest of the run.)
  const QChar sep = text::decimalSeparator();
  EXPECT_EQ(label(QStringLiteral("Costo")), QStringLiteral("Costo: 19") + sep + QStringLiteral("37 EUR  -  0") + sep + QStringLiteral("010 EUR/Kg"));
  EXPECT_EQ(main->runState().costSoFar, 37500);
}

TEST_F(RunFixture, TheRememberedProgramIsReloadedIntoAWorkingBoardWithoutOne) {
  for (int n = 1; n <= 4; ++n) storeProgram(n, QStringLiteral("P%1").arg(n));
  ASSERT_TRUE(data->Table4.Open());
  ASSERT_TRUE(data->Table4.Insert());
  data->Table4.FieldByName(QStringLiteral("programma")).SetAsInteger(3);
  data->Table4.FieldByName(QStringLiteral("produttore")).SetAsInteger(12);
  ASSERT_TRUE(data->Table4.Post());
  data->Table4.Close();
  start({}, true);
  EXPECT_TRUE(env.ui.shown().isEmpty()) << "a lot in progress: nothing to tell";
  EXPECT_EQ(main->runState().rememberedProgram, 3);
  working();
  EXPECT_TRUE(log().contains("reload prog (3)\r\n")) << log().toStdString();
  // The transfer starts once the board was already seen working at the poll before.
  if (!main->programs().transfer.running) poll();
  ASSERT_TRUE(main->programs().transfer.running);
  // The transfer suspends the polls until its last step.
  int ticks = 0;
  while (main->programs().transfer.running && ticks < 100) {
    main->mainCycle().Timer1Timer();
    ++ticks;
  }
  EXPECT_EQ(ticks, 55);
  EXPECT_EQ(main->panelText(2), QStringLiteral("Trasf. =100 %"));
  EXPECT_TRUE(eventually([](SimBoard& b) { return b.programLines().size() == ProgramTransfer::kLines; }));
  EXPECT_TRUE(eventually([](SimBoard& b) { return b.program() == 3; }));
}

TEST_F(RunFixture, AnEmptyLotInProgressIsReportedAtStartUp) {
  start();
  EXPECT_EQ(env.ui.shownTexts(), QStringList{QStringLiteral("Bolla temporanea non presente!")});
  EXPECT_EQ(main->runState().rememberedProgram, 0);
}

TEST_F(RunFixture, TheAutomaticRefreshReadsTheTotalsEvery44TimesNPlusOnePolls) {
  env.store->writeText(QStringLiteral("custom"), QStringLiteral("autorefresh"), QStringLiteral("1"));
  start();
  working();
  sim([](SimBoard& b) { b.clearReceived(); });
  poll(91);
  EXPECT_EQ(lines().count("V20"), 2) << "at the first working poll, then 45 polls later";
}

TEST_F(RunFixture, ABoardSwitchedOffAndOnIsIdentifiedAnew) {
  start();
  poll();
  sim([](SimBoard& b) { b.powerOff(); });
  poll();
  EXPECT_FALSE(main->runState().boardOn);
  EXPECT_EQ(main->panelText(3), QStringLiteral("0 - Centralina off "));
  main->FormKeyDown(Qt::Key_F2);
  EXPECT_TRUE(env.ui.dialogTitles().isEmpty()) << "a function key does nothing while the board is off";
  env.ui.expectMessage(QStringLiteral("La centralina è spenta, accenderla per favore!"));
  main->station().Programma1Click();
  EXPECT_TRUE(env.ui.dialogTitles().isEmpty());
  main->mainCycle().Timer1Timer();
  EXPECT_FALSE(main->own<QMenu>(QStringLiteral("Lavorazione"))->isEnabled());
  sim([](SimBoard& b) {
    b.powerOn();
    b.clearReceived();
  });
  poll();
  EXPECT_TRUE(lines(3).contains(">0"));
  EXPECT_TRUE(main->runState().boardIdentified);
}

TEST(RunDisplay, TotalsAndPercentagesAreFormattedForTheOperator) {
  EXPECT_EQ(MainCycle::cadenceText(QStringLiteral("085")), QStringLiteral("08,5tz/s"));
  EXPECT_EQ(RunningTotals::totalText(12345, true), QStringLiteral("   12345"));
  EXPECT_EQ(RunningTotals::totalText(12345, false), QStringLiteral("  12.3"));
  EXPECT_EQ(RunningTotals::totalText(1234, false), QStringLiteral("   1.2"));
  EXPECT_EQ(RunningTotals::totalText(0, false), QStringLiteral("   0.0"));
  const QChar sep = text::decimalSeparator();
  EXPECT_EQ(RunningTotals::storedPercentText(12.3456), QStringLiteral("12") + sep + QStringLiteral("30"));
  EXPECT_EQ(RunningTotals::storedPercentText(5.678), QStringLiteral("5") + sep + QStringLiteral("68"));
  EXPECT_EQ(RunningTotals::storedPercentText(100), QStringLiteral("100") + sep + QStringLiteral("00"));
  EXPECT_EQ(RunningTotals::storedPercentText(0.01234), QStringLiteral("0") + sep + QStringLiteral("01"));
  EXPECT_EQ(RunningTotals::percentText(100.0 / 3), QStringLiteral("33.33"));
  EXPECT_EQ(RunCommands::productionText(7), QStringLiteral("Produzione oraria =    7 ql/h"));
}

TEST_F(RunFixture, ATransferStoppedByARefusedLineSaysSoAndStartsAgainFromTheFirstLine) {
  storeProgram(3, QStringLiteral("Albicocche"));
  start();
  working();
  main->programs().LoadProgramForBoard(3, main->runState().lastBoardState);
  ASSERT_TRUE(main->programs().transfer.running);
  for (int i = 0; i < 10; ++i) main->mainCycle().Timer1Timer();
  EXPECT_EQ(main->panelText(2), QStringLiteral("Trasf. = 17 %"));  // 9 of 52 lines
  sim([](SimBoard& b) { b.faults.noEcho = true; });
  main->mainCycle().Timer1Timer();
  EXPECT_FALSE(main->programs().transfer.running) << "a refused line stops the transfer";
  EXPECT_EQ(main->panelText(2), QStringLiteral("Trasf. interrotto (17 %)"));
  EXPECT_TRUE(log().contains("trasferimento programma interrotto: riga non accettata G06006000000\r\n")) << log().toStdString();
  sim([](SimBoard& b) { EXPECT_EQ(b.program(), 0) << "the board never grades with half a program"; });

  sim([](SimBoard& b) {
    b.faults = {};
    b.clearReceived();
  });
  main->programs().LoadProgramForBoard(3, main->runState().lastBoardState);
  int ticks = 0;
  while (main->programs().transfer.running && ticks++ < 100) main->mainCycle().Timer1Timer();
  EXPECT_EQ(main->panelText(2), QStringLiteral("Trasf. =100 %"));
  // What the board took after the restart, without the tail of the refused attempts that
  // may still have been on its way.
  QList<QByteArray> whole;
  EXPECT_TRUE(eventually([&](SimBoard& b) {
    whole.clear();
    for (const QByteArray& l : b.receivedLines())
      if ((l.startsWith('F') && l.size() == 52) || (l.startsWith('G') && l.size() == 12)) whole << l;
    return whole.size() == 52;
  }));
  ASSERT_EQ(whole.size(), 52);
  EXPECT_TRUE(whole.front().startsWith("F030")) << "the transfer starts again from the first line";
  EXPECT_TRUE(eventually([](SimBoard& b) { return b.program() == 3; }));
}

namespace {
// Makes the archive refuse every new row of the running totals, as a full disk or a
// column too narrow for a total would.
void refuseTotalsRows(TDataModule1& data) {
  ASSERT_TRUE(data.Database1.Connect());
  QSqlQuery q(data.Database1.db());
  ASSERT_TRUE(q.exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON totali_temp "
                                    "BEGIN SELECT RAISE(ABORT, 'rifiutato'); END")));
}
qint64 storedFirstTotal(TDataModule1& data) {
  TTable& t = data.Table5;
  EXPECT_TRUE(t.Open());
  const qint64 v = t.First() ? t.FieldByName(QStringLiteral("tot1q1")).AsLargeInt() : -1;
  t.Close();
  return v;
}
}  // namespace

TEST_F(RunFixture, ARefusedTotalsStoreKeepsThePreviousRowAndIsToldOnce) {
  start();
  poll();
  sim([](SimBoard& b) { b.setTotal(0, 1, 1111); });
  main->runCommands().TotaliClick();
  ASSERT_EQ(storedFirstTotal(*data), 1111);

  refuseTotalsRows(*data);
  sim([](SimBoard& b) { b.setTotal(0, 1, 2222); });
  env.ui.queueAnswer(ModalUi::Answer::Ok);  // the engine's words
  main->runCommands().TotaliClick();
  main->runCommands().TotaliClick();
  ASSERT_EQ(env.ui.shown().size(), 2);
  EXPECT_TRUE(env.ui.shownTexts().last().startsWith(QStringLiteral("Errore del database sulla tabella totali_temp: rifiutato")))
      << env.ui.shownTexts().last().toStdString();
  EXPECT_EQ(storedFirstTotal(*data), 1111) << "emptying and refilling is one transaction";
  EXPECT_EQ(label(QStringLiteral("TotC1Q1")), QStringLiteral("    2222")) << "the board's totals are shown all the same";
  EXPECT_EQ(log().count("totali_temp non salvati: Errore del database sulla tabella totali_temp: rifiutato"), 2);
}

TEST_F(RunFixture, AClosePassingThroughAModalBoxOfATickWaitsForTheTick) {
  storeProgram(7, QStringLiteral("Pesche"));
  start();
  for (int i = 0; i < 12; ++i) main->station().tick();
  refuseTotalsRows(*data);
  sim([](SimBoard& b) { b.selectProgram(7, {}); });
  // The program change reads and stores the totals; the refusal's box is up when SIGTERM
  // (or the window's close button) arrives.
  bool closedInside = true;
  env.ui.queueAnswer(ModalUi::Answer::Ok, [&] {
    main->close();
    closedInside = main->station().closed();
  });
  for (int i = 0; i < 12; ++i) main->station().tick();
  EXPECT_FALSE(closedInside) << "the close waits while the tick holds the link";
  EXPECT_TRUE(log().contains("update program  vis 7\r\n")) << "the tick ran to its end";
  QApplication::processEvents();
  EXPECT_TRUE(main->station().closed());
  EXPECT_EQ(main->link(), nullptr);
  EXPECT_TRUE(log().endsWith("Stop Pilto\r\n"));
  main->station().tick();  // a tick after the close does nothing
}

namespace {
// Chooses, in the program list of F2, the entry of a program code.
std::function<int(QDialog&)> chooseProgram(const QString& code) {
  return [code](QDialog& d) {
    auto& list = static_cast<TListaProgrammi&>(d);
    for (int i = 0; i < list.entries().size(); ++i)
      if (list.entries()[i].code == code) list.choose(i);
    return d.result();
  };
}
}  // namespace

TEST_F(RunFixture, AProgramTheArchiveDoesNotHoldIsNeverSentNorShown) {
  for (int n : {10, 20, 30}) storeProgram(n, QStringLiteral("P%1").arg(n));
  start();
  working();
  sim([](SimBoard& b) { b.clearReceived(); });
  // F2: the operator picks 20, which another station deletes before the choice.
  env.ui.queueDialog([&](QDialog& d) {
    QSqlQuery q(data->Database1.db());
    EXPECT_TRUE(q.exec(QStringLiteral("DELETE FROM programmi WHERE codiceprog LIKE '20%'")));
    return chooseProgram(QStringLiteral("20"))(d);
  });
  env.ui.expectMessage(QStringLiteral("Il programma 20 non è presente nell'archivio: non è stato inviato alla centralina."));
  ASSERT_TRUE(data->Database1.Connect());
  main->FormKeyDown(Qt::Key_F2);
  EXPECT_FALSE(main->programs().transfer.running);
  EXPECT_EQ(main->panelText(0), QStringLiteral("Programma 20 non presente in archivio"));
  EXPECT_EQ(label(QStringLiteral("NomeCal1Q1")), QStringLiteral("Programma 20"));
  EXPECT_EQ(label(QStringLiteral("NomeCal2Q1")), QString()) << "no class of another program stays";
  EXPECT_TRUE(log().contains("programma 20 non presente in archivio: non inviato\r\n"));

  // The board reports a program the archive does not hold.
  sim([](SimBoard& b) { b.selectProgram(7, {}); });
  poll();
  EXPECT_EQ(main->panelText(0), QStringLiteral("Programma 07 non presente in archivio"));
  EXPECT_TRUE(log().contains("programma 7 non presente in archivio\r\n"));
  for (int i = 0; i < 20; ++i) main->mainCycle().Timer1Timer();
  sim([](SimBoard& b) { EXPECT_TRUE(b.programLines().isEmpty()) << "nothing was sent"; });

  // F6 edits the current program only when there is one in the archive.
  env.ui.expectMessage(QStringLiteral("Il programma 07 non è presente nell'archivio."));
  main->FormKeyDown(Qt::Key_F6);
  main->runState().currentProgram = 999;  // as an identification leaves it
  env.ui.expectMessage(QStringLiteral("Non c'è un programma corrente da modificare."));
  main->FormKeyDown(Qt::Key_F6);
  EXPECT_TRUE(env.ui.dialogTitles().filter(QStringLiteral("Modifica programma")).isEmpty());
}

TEST_F(RunFixture, TheProgramOfTheInterruptedLotIsReloadedWheneverTheArchiveHoldsIt) {
  struct Case { QList<int> programs; int remembered; bool sent; };
  const Case cases[] = {{{10, 20, 30}, 20, true}, {{1, 5, 30}, 2, false}};
  for (const Case& c : cases) {
    // A fresh station, board and archive for each case.
    TearDown();
    data.reset();
    QFile::remove(env.path(QStringLiteral("tavikdata.sqlite")));
    SetUp();
    for (int n : c.programs) storeProgram(n, QStringLiteral("P%1").arg(n));
    ASSERT_TRUE(data->Table4.Open());
    ASSERT_TRUE(data->Table4.Insert());
    data->Table4.FieldByName(QStringLiteral("programma")).SetAsInteger(c.remembered);
    ASSERT_TRUE(data->Table4.Post());
    data->Table4.Close();
    start({}, true);
    working();
    if (!main->programs().transfer.running) poll();
    int ticks = 0;
    while (main->programs().transfer.running && ticks++ < 100) main->mainCycle().Timer1Timer();
    if (c.sent) {
      EXPECT_TRUE(log().contains("reload prog (20)\r\n")) << log().toStdString();
      EXPECT_TRUE(eventually([](SimBoard& b) { return b.program() == 20; }));
    } else {
      EXPECT_TRUE(log().contains("reload prog (2) non eseguito: Il programma 02 non")) << log().toStdString();
      EXPECT_EQ(main->runState().rememberedProgram, 0) << "forgotten, not tried at every poll";
      sim([](SimBoard& b) { EXPECT_TRUE(b.programLines().isEmpty()) << "nothing of stale data sent"; });
    }
  }
}

TEST_F(RunFixture, AnEditOfTheCurrentProgramIsNeverOverwrittenByTheMainCycle) {
  storeProgram(5, QStringLiteral("Cinque"));
  storeProgram(7, QStringLiteral("Sette"));
  start();
  working();
  sim([](SimBoard& b) {
    std::array<int, 16> limits{};
    for (int i = 0; i < 16; ++i) limits[i] = 80 + 20 * i;
    b.selectProgram(5, limits);
  });
  poll();
  ASSERT_EQ(main->runState().currentProgram, 5);
  const auto stored05 = [&] {
    TTable& t = data->Table1;
    EXPECT_TRUE(t.Open());
    EXPECT_TRUE(t.FindKey(QStringLiteral("05")));
    QStringList row;
    for (int q = 1; q <= 4; ++q)
      for (int b = 1; b <= 16; ++b) row << t.FieldByName(QStringLiteral("pesocal%1q%2").arg(b).arg(q)).AsString();
    row << t.FieldByName(QStringLiteral("descrizione")).AsString();
    t.Close();
    return row;
  };
  const QStringList before = stored05();

  // F2 loads 7; F6 opens program 5 while the transfer of 7 runs; the board takes 7 and
  // reports it; then the operator saves.
  env.ui.queueDialog(chooseProgram(QStringLiteral("07")));
  main->FormKeyDown(Qt::Key_F2);
  ASSERT_TRUE(main->programs().transfer.running);
  env.ui.queueDialog([&](QDialog& d) {
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Modifica programma N. 5"));
    for (int i = 0; i < 100 && main->runState().currentProgram != 7; ++i) main->station().tick();
    EXPECT_EQ(main->runState().currentProgram, 7) << "the main cycle went on meanwhile";
    EXPECT_EQ(main->programEditor().NomeProgramma->text(), QStringLiteral("Cinque")) << "the editor was not touched";
    main->programEditor().Button1Click();
    return d.result();
  });
  main->FormKeyDown(Qt::Key_F6);
  EXPECT_EQ(stored05(), before) << "program 05 in the archive is unchanged";
  EXPECT_FALSE(main->programs().transfer.running) << "the edit of 5 is not sent to a board running 7";
  EXPECT_EQ(main->panelText(0), QStringLiteral("Sette")) << "the board's program is shown";
}

TEST_F(RunFixture, TheDemoArchiveOfTheTrialStationLoadsAndGrades) {
  // The archive exactly as ./run makes it: the setup command, then the demo data.
  data.reset();
  QFile::remove(env.path(QStringLiteral("tavikdata.sqlite")));
  QProcess setup;
  setup.setWorkingDirectory(env.workDir.path());
  setup.start(QStringLiteral(STATION_BINARY), {QStringLiteral("--create-database")});
  ASSERT_TRUE(setup.waitForFinished(60000));
  ASSERT_EQ(setup.exitCode(), 0) << setup.readAllStandardError().toStdString();
  QProcess demo;
  demo.setWorkingDirectory(env.workDir.path());
  demo.setStandardInputFile(QStringLiteral(DEMO_DATA));
  demo.start(QStringLiteral("sqlite3"), {QStringLiteral("tavikdata.sqlite")});
  ASSERT_TRUE(demo.waitForFinished(60000));
  ASSERT_EQ(demo.exitCode(), 0) << demo.readAllStandardError().toStdString();
  data = std::make_unique<TDataModule1>(TDatabase::parse(QStringLiteral("sqlite:tavikdata.sqlite"), env.workDir), env.ui);

  start({}, true);  // the demo holds a lot in progress
  working();
  struct Demo { const char* code; QByteArray firstLimits; };
  for (const Demo& d : {Demo{"01", "100120135"}, Demo{"02", "080100115"}, Demo{"03", "050060067"}}) {
    sim([](SimBoard& b) { b.clearReceived(); });
    env.ui.queueDialog(chooseProgram(QString::fromLatin1(d.code)));
    main->FormKeyDown(Qt::Key_F2);
    int ticks = 0;
    while (main->programs().transfer.running && ticks++ < 100) main->mainCycle().Timer1Timer();
    QList<QByteArray> received;
    EXPECT_TRUE(eventually([&](SimBoard& b) {
      received.clear();
      for (const QByteArray& l : b.receivedLines())
        if (l.startsWith('F') || l.startsWith('G')) received << l;
      return received.size() == 52;
    })) << d.code;
    const int n = QByteArray(d.code).toInt();
    EXPECT_TRUE(received.front().startsWith("F" + QByteArray(d.code) + "0" + d.firstLimits)) << received.front().toStdString();
    EXPECT_TRUE(eventually([&](SimBoard& b) { return b.program() == n && b.boundary(0, 1) == d.firstLimits.mid(3, 3).toInt(); }));
  }
  // The board grades with the last one.
  sim([](SimBoard& b) {
    b.settings.fillRate = 1;
    b.settings.meanWeight = 70;
    b.settings.sdWeight = 5;
  });
  ::usleep(300000);
  EXPECT_TRUE(eventually([](SimBoard& b) {
    qint64 sum = 0;
    for (int c = 0; c < 15; ++c) sum += b.total(0, c);
    return sum > 0;
  }));
}

TEST_F(RunFixture, F7ReadsTheTotalsAgainAndPrintsTheLotInProgress) {
  storeProgram(7, QStringLiteral("Pesche gialle"));
  env.writeFile(QStringLiteral("c31.cst"), " 1 37486 0     0 0     0");
  start();
  poll();
  runProgram(7);
  // The operator's lot data, then more fruit: F7 prints what the board counts now.
  Lots& lots = *main->station().lots();
  lots.lotData.codice = QStringLiteral("12");
  lots.lotData.descrizione = QStringLiteral("Verdi Frutta");
  lots.lotData.note = QStringLiteral("campione serale");
  sim([](SimBoard& b) { b.setTotal(0, 2, 2500); });
  env.clock.advance(30 * 60 * 1000);
  const QString pdf = env.path(QStringLiteral("bolla_in_corso.pdf"));
  env.ui.expectMessage(QStringLiteral("Nessuna stampante installata: la stampa è nel file %1").arg(pdf));
  main->FormKeyDown(Qt::Key_F7);
  EXPECT_TRUE(env.ui.allAnswersTaken());
  EXPECT_EQ(main->station().lots()->record.programma, QStringLiteral(" 7"));
  QProcess p;
  p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
  p.waitForFinished(30000);
  const QString text = QString::fromUtf8(p.readAllStandardOutput());
  for (const char* expected : {"STAMPA BOLLA", "Totali Temporanei", "Codice Programma :", "07", "Pesche gialle",
                               "Verdi Frutta", "campione serale", "Produzione oraria", "Costo:"})
    EXPECT_TRUE(text.contains(QString::fromLatin1(expected))) << expected << "\n" << text.toStdString();
  EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("N2\\s+100-120\\s+2500\\s+100.00")))) << text.toStdString();
  EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Totale Generale\\s+2500")))) << text.toStdString();
  QProcess::execute(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("80"),
                                                 QStringLiteral("-singlefile"), pdf,
                                                 QStringLiteral(SCREENSHOT_DIR "/report-lot-in-progress")});

  // A board whose program the archive does not hold: the operator is told, nothing printed.
  sim([](SimBoard& b) {
    std::array<int, 16> limits{};
    for (int i = 0; i < 16; ++i) limits[i] = 80 + 20 * i;
    b.selectProgram(9, limits);
  });
  poll();
  env.ui.expectMessage(QStringLiteral("errore programma in stampa"));
  main->FormKeyDown(Qt::Key_F7);
  EXPECT_TRUE(env.ui.allAnswersTaken());
}

TEST_F(RunFixture, TheExitCommandKeepsTheLotInProgressForTheNextStart) {
  storeProgram(7, QStringLiteral("Pesche gialle"));
  start();
  poll();
  sim([](SimBoard& b) {
    std::array<int, 16> limits{};
    for (int i = 0; i < 16; ++i) limits[i] = 80 + 20 * i;
    b.selectProgram(7, limits);
    b.setTotal(0, 1, 4000);
  });
  poll();
  ASSERT_EQ(main->runState().currentProgram, 7);
  main->station().lots()->lotData.codice = QStringLiteral("12");  // typed after the start
  sim([](SimBoard& b) { b.clearReceived(); });
  env.ui.expectMessage(QStringLiteral("Vuoi esportare i dati verso AS400 ?"), ModalUi::Answer::No);
  main->own<QAction>(QStringLiteral("fine2"))->trigger();
  QCoreApplication::processEvents();
  EXPECT_TRUE(main->station().closed());
  EXPECT_TRUE(lines().contains("V20")) << "the totals were read before the station closed";
  TTable& t = data->Table4;
  ASSERT_TRUE(t.Open());
  ASSERT_TRUE(t.First());
  EXPECT_EQ(t.FieldByName(QStringLiteral("programma")).AsInteger(), 7);
  EXPECT_EQ(t.FieldByName(QStringLiteral("produttore")).AsInteger(), 12);
  EXPECT_EQ(t.RecordCount(), 1);
  main.reset();
}

namespace {

// The station with the simulated board and the simulated reject unit on COM6.
struct RejectFixture : RunFixture {
  SimKestin* kestin = nullptr;
  std::unique_ptr<PtyPeer> rejectPeer;

  void SetUp() override {
    RunFixture::SetUp();
    kestin = new SimKestin();
    rejectPeer = std::make_unique<PtyPeer>(std::unique_ptr<SerialDevice>(kestin));
    ASSERT_TRUE(rejectPeer->start());
    ASSERT_TRUE(PortMap::publish(*env.store, 6, rejectPeer->devicePath()));
    setKey("porta_scarti", "6");
  }
  void TearDown() override {
    RunFixture::TearDown();
    rejectPeer.reset();
  }
  void unit(const std::function<void(SimKestin&)>& f) { rejectPeer->with<SimKestin>(f); }
  // Ticks (the unit answers on its own thread, for real) until the check holds.
  bool tickUntil(const std::function<bool()>& check) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 10000) {
      main->mainCycle().Timer1Timer();
      QCoreApplication::processEvents();
      if (check()) return true;
      ::usleep(2000);
    }
    return false;
  }
};

}  // namespace

TEST_F(RejectFixture, TheRejectUnitsStateWeightAndErrorsReachTheStation) {
  unit([](SimKestin& k) {
    k.settings.state = 4;
    k.setGrams(5790);
  });
  start();
  EXPECT_EQ(main->panelText(4), QStringLiteral("0-SCARTI off "));
  poll();
  ASSERT_TRUE(tickUntil([&] { return main->panelText(4) == QStringLiteral("4 - tara in corso"); }));
  ASSERT_TRUE(tickUntil([&] { return main->runState().reject.decimalsKnown; }));
  EXPECT_EQ(main->runState().reject.endOfLotDelayMs, 26000) << "the unit's second time and a second";

  // F1: the reject weight joins the totals as quality 5.
  sim([](SimBoard& b) { b.setTotal(0, 1, 4210); });
  main->runCommands().TotaliClick();
  EXPECT_EQ(main->totals().R, 5790);
  EXPECT_EQ(label(QStringLiteral("LavoratoQ5")), QStringLiteral("    5790"));
  EXPECT_EQ(main->totals().G, 10000);

  // F8: the unit zeroes too, and the old weight never enters the new lot.
  env.ui.expectMessage(QStringLiteral("I totali verranno azzerati, vuoi continuare ?"), ModalUi::Answer::Yes);
  main->FormKeyDown(Qt::Key_F8);
  EXPECT_EQ(main->totals().R, 0);
  int zeroings = 0;
  unit([&](SimKestin& k) { zeroings = k.count('Z'); });
  EXPECT_EQ(zeroings, 1);

  // The unit goes silent: the reading keeps the last weight and says so; then it is back.
  unit([](SimKestin& k) {
    k.setGrams(300);
    k.faults.silent = true;
  });
  env.clock.setGraceMs(20);
  main->runCommands().TotaliClick();
  EXPECT_EQ(main->totals().R, 0) << "the last weight, never a made-up one";
  EXPECT_EQ(main->panelText(4), QStringLiteral("? - errore scarti "));
  EXPECT_TRUE(log().contains("scarti: peso non letto, resta l'ultimo (0 g)\r\n"));
  unit([](SimKestin& k) { k.faults.silent = false; });
  env.clock.setGraceMs(300);
  ASSERT_TRUE(tickUntil([&] { return main->panelText(4) == QStringLiteral("4 - tara in corso"); }));
  main->runCommands().TotaliClick();
  EXPECT_EQ(main->totals().R, 300);

  // An error code the unit reports shows in the error map with its text.
  unit([](SimKestin& k) { k.faults.errorCode = 13; });
  ASSERT_TRUE(tickUntil([&] { return main->station().rejectUnit()->results().errors[13]; }));
  env.ui.queueDialog([](QDialog& d) {
    auto* box = d.findChild<QCheckBox*>(QStringLiteral("CheckBox9"));
    EXPECT_TRUE(box && box->isChecked());
    EXPECT_EQ(box->text(), QStringLiteral("Ciclo On Tara valore errato"));
    return int(QDialog::Accepted);
  });
  main->own<QAction>(QStringLiteral("MappaerroriKestin1"))->trigger();
  EXPECT_TRUE(env.ui.allAnswersTaken());
}

TEST_F(RunFixture, WithPortaScartiZeroThereIsNoRejectUnit) {
  start();
  EXPECT_EQ(main->station().rejectUnit(), nullptr);
  EXPECT_EQ(main->panelText(4), QStringLiteral("0-SCARTI off "));
  poll();
  sim([](SimBoard& b) { b.setTotal(0, 1, 1000); });
  main->runCommands().TotaliClick();
  EXPECT_EQ(main->totals().G, 1000);
  EXPECT_EQ(main->panelText(4), QStringLiteral("0-SCARTI off "));
}

namespace {

// The station, the simulated board and the simulated print server: lots closed by the
// station from start to end.
struct EndOfLotFixture : RunFixture {
  SimPrintServer printServer;

  void SetUp() override {
    RunFixture::SetUp();
    ASSERT_TRUE(printServer.start(0));
    env.store->writeInteger(QStringLiteral("printserver"), QStringLiteral("port"), printServer.port());
    storeProgram(7, QStringLiteral("Pesche gialle"));
  }
  void working() {
    start();
    poll();
    runProgram(7);
  }
  Lots& lots() { return *main->station().lots(); }
  // Lets Timer2 elapse and the close run.
  void elapse() {
    env.clock.advance(main->station().endOfLot().timerIntervalMs());
    main->mainCycle().Timer1Timer();
    QCoreApplication::processEvents();
  }
  QStringList printed() {
    for (int i = 0; i < 100 && printServer.received().isEmpty(); ++i) ::usleep(10000);
    return printServer.received();
  }
  QStringList exports() {
    return QDir(env.path(QStringLiteral("c/camp"))).entryList(QDir::Files, QDir::Name);
  }
};

}  // namespace

TEST_F(EndOfLotFixture, ALotIsClosedStoredExportedPrintedAndTheBoardZeroed) {
  working();
  lots().lotData.numero = QStringLiteral("4711");
  lots().lotData.codice = QStringLiteral("12");
  lots().lotData.descrizione = QStringLiteral("Verdi Frutta");
  lots().lotData.totPartita = QStringLiteral("900");
  main->station().addBarcode(QStringLiteral("8001234567890"));
  main->station().addBarcode(QStringLiteral("8009999999999"));
  main->station().addBarcode(QStringLiteral("8007777777777"));
  sim([](SimBoard& b) {
    b.setTotal(0, 2, 3000);  // line 1 grades quality 1
    b.setTotal(1, 3, 1000);
    b.endLotNow();
    b.clearReceived();
  });
  poll();
  EXPECT_TRUE(main->station().endOfLot().timerArmed()) << "state 5 arms the close";
  poll();
  EXPECT_TRUE(main->station().endOfLot().timerArmed()) << "a second state 5 does not arm it again";
  elapse();

  // Stored as lot 1 with the board's memorised grams and the operator's data.
  LotRecord lot;
  LotArchive archive(*data);
  ASSERT_TRUE(archive.loadLot(1, lot));
  EXPECT_EQ(lot.bolla, QStringLiteral("4711"));
  EXPECT_EQ(lot.programma, QStringLiteral("07"));
  EXPECT_EQ(lot.produttore, QStringLiteral("12"));
  EXPECT_EQ(lot.totpartita, QStringLiteral("900"));
  EXPECT_EQ(lot.t(2, 1), QStringLiteral("3000"));
  EXPECT_EQ(lot.t(3, 1), QStringLiteral("1000")) << "lines 1 and 2 grade quality 1";
  EXPECT_EQ(lot.codicebarre, QStringLiteral("8001234567890"));
  EXPECT_EQ(main->station().barcodes(), (QStringList{QStringLiteral("8009999999999"), QStringLiteral("8007777777777")}));

  // Its line for the host computer, byte for byte, in ddhhnnss.txt.
  const QStringList files = exports();
  ASSERT_EQ(files.size(), 1);
  EXPECT_TRUE(QRegularExpression(QStringLiteral("^%1\\d{6}\\.txt$").arg(env.clock.now().toString(QStringLiteral("dd"))))
                  .match(files[0])
                  .hasMatch())
      << files[0].toStdString();
  ExportLot expected;
  expected.bolla = QStringLiteral("4711");
  expected.programma = QStringLiteral("07");
  expected.codicebarre = QStringLiteral("8001234567890");
  expected.produttore = QStringLiteral("12");
  expected.totpartita = 900;
  expected.tot[1] = 3000;
  expected.tot[2] = 1000;
  EXPECT_EQ(env.readFile(QStringLiteral("c/camp/") + files[0]),
            *expfil::exportLine(expected, text::decimalSeparator()));

  // Printed, zeroed without a question (the board's own end), the lot data emptied.
  EXPECT_EQ(printed(), QStringList{QStringLiteral("P1")});
  EXPECT_TRUE(log().contains("send print server cmd =P1\r\n"));
  EXPECT_TRUE(lines().contains("v1"));
  EXPECT_TRUE(lots().lotData.numero.isEmpty());
  EXPECT_EQ(main->own<QLineEdit>(QStringLiteral("totPartita"))->text(), QStringLiteral("0"));
  EXPECT_FALSE(main->own<QLabel>(QStringLiteral("Image2"))->isVisibleTo(main.get())) << "all in quality 1";
}

TEST_F(EndOfLotFixture, ALotWithoutItsDeliveryNoteIsKeptUntilTheNumberIsTyped) {
  setKey("limpercq3", "10");
  working();
  main->station().addBarcode(QStringLiteral("BAR-1"));
  sim([](SimBoard& b) {
    b.setTotal(0, 1, 9000);
    b.setTotal(1, 1, 1000);  // 10 % of quality... 1: within every limit but quality 2's 0
  });
  // F9 with fine_part_auto 1: the running totals, and the zeroing asks.
  env.ui.expectMessage(QStringLiteral("Il campo 'bolla' della tabella bolle deve avere un valore"));
  main->FormKeyDown(Qt::Key_F9);
  elapse();
  EXPECT_TRUE(env.ui.allAnswersTaken());
  LotRecord lot;
  LotArchive archive(*data);
  EXPECT_FALSE(archive.loadLot(1, lot)) << "refused: nothing stored";
  EXPECT_TRUE(exports().isEmpty());
  EXPECT_TRUE(printServer.received().isEmpty());
  EXPECT_EQ(main->station().barcodes(), QStringList{QStringLiteral("BAR-1")}) << "the barcode waits";
  EXPECT_FALSE(lines().contains("V1")) << "the board keeps its totals";

  lots().lotData.numero = QStringLiteral("88");
  env.ui.expectMessage(QStringLiteral("I totali verranno azzerati, vuoi continuare ?"), ModalUi::Answer::Yes);
  main->FormKeyDown(Qt::Key_F9);
  elapse();
  EXPECT_TRUE(env.ui.allAnswersTaken());
  ASSERT_TRUE(archive.loadLot(1, lot));
  EXPECT_EQ(lot.bolla, QStringLiteral("88"));
  EXPECT_EQ(lot.codicebarre, QStringLiteral("BAR-1"));
  EXPECT_EQ(printed(), QStringList{QStringLiteral("P1")});
  EXPECT_TRUE(lines().contains("V1"));
}

TEST_F(EndOfLotFixture, TheQualityAlarmFollowsTheLimitsAndGoesToTheBoard) {
  EXPECT_FALSE(EndOfLot::limitsExceeded({0, 10.0, 0, 0}, {0, 10, 0, 0})) << "exactly at the limit";
  EXPECT_TRUE(EndOfLot::limitsExceeded({0, 10.004, 0, 0}, {0, 10, 0, 0}));
  EXPECT_TRUE(EndOfLot::limitsExceeded({0.01, 0, 0, 0}, {0, 0, 0, 0})) << "the default limits are 0";
  setKey("archiviazione", "0");
  setKey("qualitaL2", "2");  // line 2 grades quality 2
  working();
  sim([](SimBoard& b) {
    b.setTotal(0, 1, 900);
    b.setTotal(1, 1, 100);
    b.endLotNow();
  });
  poll();
  elapse();
  // archiviazione 0 with stampa 1: nothing stored or exported, the counter sent unchanged.
  EXPECT_TRUE(exports().isEmpty());
  EXPECT_EQ(printed(), QStringList{QStringLiteral("P0")});
  auto* image2 = main->own<QLabel>(QStringLiteral("Image2"));
  EXPECT_TRUE(image2->isVisibleTo(main.get())) << "10 % of quality 2 against the limit 0";
  EXPECT_FALSE(image2->pixmap().isNull()) << "the red picture";
  sim([](SimBoard& b) { b.clearReceived(); });
  poll();
  EXPECT_TRUE(lines().contains("A1")) << "every following status carries the alarm";
  main->station().Image2Click();
  EXPECT_FALSE(image2->isVisibleTo(main.get()));
  sim([](SimBoard& b) { b.clearReceived(); });
  poll();
  EXPECT_TRUE(lines().contains("A0"));
}

TEST_F(EndOfLotFixture, TheLatchAndF9FollowFinePartAuto) {
  setKey("fine_part_auto", "0");
  working();
  sim([](SimBoard& b) { b.endLotNow(); });
  poll();
  EXPECT_FALSE(main->station().endOfLot().timerArmed()) << "state 5 arms nothing";
  main->FormKeyDown(Qt::Key_F9);
  main->mainCycle().Timer1Timer();
  EXPECT_TRUE(main->station().endOfLot().timerArmed()) << "F9 asks the main cycle, which arms";
}

TEST_F(EndOfLotFixture, AnExportFileOfTheSameNameIsNeverOverwritten) {
  working();
  lots().lotData.numero = QStringLiteral("1");
  // The host's files of every second the close may take (same day, hour, minute, second).
  const QDateTime from = env.clock.now();
  QStringList host;
  for (int s = 0; s < 120; ++s) {
    host << EndOfLot::exportBaseName(from.addSecs(s)) + QStringLiteral(".txt");
    env.writeFile(QStringLiteral("c/camp/") + host.last(), "the host's file\r\n");
  }
  sim([](SimBoard& b) { b.endLotNow(); });
  poll();
  env.ui.queueAnswer(ModalUi::Answer::Ok);
  elapse();
  for (const QString& name : host) EXPECT_EQ(env.readFile(QStringLiteral("c/camp/") + name), QByteArray("the host's file\r\n"));
  const QStringList partial = exports().filter(QRegularExpression(QStringLiteral("\\.t$")));
  ASSERT_EQ(partial.size(), 1) << "the new line waits under its .t name";
  EXPECT_TRUE(env.readFile(QStringLiteral("c/camp/") + partial[0]).startsWith("       1,"));
  EXPECT_TRUE(log().contains("esiste gi"));
}

TEST_F(EndOfLotFixture, TheLatchArmsOncePerLotAndAnUnreachablePrintServerIsNoSentCommand) {
  working();
  printServer.stop();
  lots().lotData.numero = QStringLiteral("A");
  sim([](SimBoard& b) { b.endLotNow(); });
  poll();
  ASSERT_TRUE(main->station().endOfLot().timerArmed());
  elapse();
  EXPECT_FALSE(main->station().endOfLot().timerArmed());
  EXPECT_TRUE(log().contains("print server: comando P1 non inviato"));
  EXPECT_FALSE(log().contains("send print server cmd")) << "a command that was not sent is not logged as sent";
  EXPECT_EQ(main->panelText(2), QStringLiteral("Stampa non inviata"));
  // The zeroing started the next lot (state 4): its end arms the close again.
  poll();
  EXPECT_EQ(main->runState().lastBoardState, 4);
  sim([](SimBoard& b) { b.endLotNow(); });
  poll();
  EXPECT_TRUE(main->station().endOfLot().timerArmed());
}

TEST_F(RunFixture, ALineCalibrationRunsAgainstTheBoardAndSalvaSendsTheFactors) {
  start();
  poll();
  ASSERT_TRUE(main->runState().boardOn);
  env.ui.expectMessage(QStringLiteral("Verificare che la macchina sia vuota, premere Yes per eseguire la calibrazione."),
                       ModalUi::Answer::Yes);
  env.ui.queueDialog([&](QDialog& d) {
    auto& w = static_cast<TCalibrazione_Linee&>(d);
    w.show();
    EXPECT_EQ(w.Kappa[0]->text(), QStringLiteral("1000"));
    EXPECT_EQ(main->runState().serviceMode, 3) << "the status poll rests";
    w.PesoCamp->setText(QStringLiteral("149"));
    w.model().pesoCamp = QStringLiteral("149");
    env.ui.expectMessage(QStringLiteral("Il peso campione per linea deve essere da 150 a 999 grammi"));
    w.Button1->click();
    EXPECT_FALSE(w.model().running);
    w.model().pesoCamp = QStringLiteral("200");
    w.Button1->click();
    EXPECT_TRUE(w.model().running);
    EXPECT_FALSE(w.Button3->isEnabled()) << "no Salva while the board calibrates";
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 5000 && w.model().npass[3].isEmpty()) {
      main->mainCycle().Timer1Timer();
      QCoreApplication::processEvents();
      ::usleep(5000);
    }
    EXPECT_FALSE(w.model().npass[3].isEmpty()) << "every line reported its passes";
    EXPECT_FALSE(w.NPass[0]->text().isEmpty());
    EXPECT_TRUE(w.grab().save(QStringLiteral(SCREENSHOT_DIR "/line-calibration.png")));
    w.Button2->click();
    EXPECT_FALSE(w.model().running);
    EXPECT_TRUE(eventually([](SimBoard& b) { return b.streaming() == 0; })) << "Fine sent ESC";
    const QString values[] = {QStringLiteral(" 985"), QStringLiteral("1000"), QStringLiteral("1010"), QStringLiteral(" 995")};
    for (int i = 0; i < 4; ++i) w.model().kappa[i] = values[i];
    QTest::mouseClick(w.Button3, Qt::LeftButton);
    return d.result();
  });
  sim([](SimBoard& b) { b.clearReceived(); });
  main->own<QAction>(QStringLiteral("Calibrazione1"))->trigger();
  EXPECT_TRUE(env.ui.allAnswersTaken());
  EXPECT_EQ(main->runState().serviceMode, 0);
  EXPECT_EQ(main->configuration().config().kpeso[0], 985);
  EXPECT_EQ(env.store->readText(QStringLiteral("morvel"), QStringLiteral("kpeso3"), QString()), QStringLiteral("1010"));
  main->mainCycle().Timer1Timer();
  EXPECT_TRUE(eventually([](SimBoard& b) { return b.receivedLines().contains("(0985100010100995"); }))
      << "a Dravo-1 takes the factors";
  EXPECT_TRUE(log().contains("iniz calibrazione\r\n"));
  EXPECT_TRUE(log().contains("fine calibrazione\r\n"));
}

namespace {
// Ticks the main cycle (the display steps of a test) until the check holds, for real.
bool ticksUntil(TMain& main, const std::function<bool()>& check) {
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < 5000) {
    main.mainCycle().Timer1Timer();
    QCoreApplication::processEvents();
    if (check()) return true;
    ::usleep(5000);
  }
  return false;
}
}  // namespace

TEST_F(RunFixture, TheMachineTestsShowTheBoardsValuesAndEndWithEsc) {
  start();
  poll();
  ASSERT_TRUE(main->runState().boardOn);
  const auto shot = [](QWidget& w, const char* name) {
    EXPECT_TRUE(w.grab().save(QStringLiteral(SCREENSHOT_DIR "/") + QString::fromLatin1(name)));
  };
  // Cells: the four load cells, asked at every tick.
  env.ui.queueDialog([&](QDialog& d) {
    auto& w = static_cast<TTestCelle&>(d);
    w.show();
    EXPECT_EQ(main->runState().serviceMode, 1);
    EXPECT_TRUE(ticksUntil(*main, [&] { return !w.Cella[3]->text().isEmpty(); }));
    shot(w, "test-cells.png");
    return int(QDialog::Accepted);
  });
  main->own<QAction>(QStringLiteral("ControlloCELLE1"))->trigger();
  EXPECT_EQ(main->runState().serviceMode, 0);

  // Memorised net: the tares first, then the lines' values while the board streams.
  env.ui.queueDialog([&](QDialog& d) {
    auto& w = static_cast<TTestMem&>(d);
    w.show();
    EXPECT_EQ(w.Tara[0]->text(), QStringLiteral("  43")) << "the R reply";
    EXPECT_TRUE(ticksUntil(*main, [&] { return !w.Netto[3]->text().trimmed().isEmpty() && w.Netto[3]->text().trimmed() != "0"; }));
    shot(w, "test-memorised.png");
    return int(QDialog::Accepted);
  });
  main->own<QAction>(QStringLiteral("Memorizzato1"))->trigger();
  EXPECT_TRUE(eventually([](SimBoard& b) { return b.streaming() == 0; })) << "ESC ended the stream";
  EXPECT_EQ(main->link()->streaming(), 0);

  // Encoder.
  env.ui.queueDialog([&](QDialog& d) {
    auto& w = static_cast<TTestEncoder&>(d);
    w.show();
    EXPECT_TRUE(ticksUntil(*main, [&] { return w.Valore->text().trimmed().toInt() >= 500; }));
    shot(w, "test-encoder.png");
    return int(QDialog::Accepted);
  });
  main->own<QAction>(QStringLiteral("Encoder1"))->trigger();
  EXPECT_TRUE(eventually([](SimBoard& b) { return b.streaming() == 0; }));

  // Magnets: dynamic 5, dynamic 6, static 6; closing turns every magnet off.
  const QString question = QStringLiteral("Verificare che la macchina sia vuota, premere Yes per eseguire la calibrazione.");
  env.ui.expectMessage(question, ModalUi::Answer::Yes);
  sim([](SimBoard& b) { b.clearReceived(); });
  env.ui.queueDialog([&](QDialog& d) {
    auto& w = static_cast<TTestMagneti&>(d);
    w.UpDown1->setValue(5);
    w.Button1->click();
    w.UpDown1->setValue(6);
    w.Button1->click();
    w.UpDown2->setValue(6);
    w.Button2->click();
    EXPECT_EQ(w.UscitaStat->text(), QStringLiteral("06"));
    shot(w, "test-magnets.png");
    return int(QDialog::Accepted);
  });
  main->own<QAction>(QStringLiteral("TestMagneti1"))->trigger();
  QList<QByteArray> sent = lines(6);
  EXPECT_EQ(sent, (QList<QByteArray>{"U000", "U105", "U106", "U000", "U206", "U000"}));

  // Empty cups with the limit 15: N015, and the cups beyond it shown.
  env.ui.expectMessage(question, ModalUi::Answer::Yes);
  env.ui.queueDialog([&](QDialog& d) {
    auto& w = static_cast<TTestTazzeVuote&>(d);
    EXPECT_EQ(w.LimiteGr->text(), QStringLiteral("010"));
    w.UpDown1->setValue(15);
    EXPECT_EQ(w.LimiteGr->text(), QStringLiteral("015"));
    w.Button1->click();
    EXPECT_TRUE(ticksUntil(*main, [&] { return !w.Valore[0]->text().isEmpty(); }));
    shot(w, "test-empty-cups.png");
    return int(QDialog::Accepted);
  });
  main->own<QAction>(QStringLiteral("ControlloTazze1"))->trigger();
  EXPECT_TRUE(eventually([](SimBoard& b) { return b.receivedLines().contains("N015"); }));
  EXPECT_TRUE(eventually([](SimBoard& b) { return b.streaming() == 0; }));
  EXPECT_TRUE(log().contains("iniz controllo tazze\r\n"));
  EXPECT_TRUE(log().contains("fine controllo tazze\r\n"));

  // The tare table of the 100 cups.
  env.ui.queueDialog([&](QDialog& d) {
    auto& w = static_cast<Ttabtara&>(d);
    EXPECT_EQ(w.StringGrid1->rowCount(), 100);
    EXPECT_NE(w.StringGrid1->item(0, 1)->text(), QStringLiteral("----")) << "filled from the board's table";
    EXPECT_FALSE(main->transferWindow().isVisible()) << "the transfer window goes before the table shows";
    shot(w, "tare-table.png");
    return int(QDialog::Accepted);
  });
  sim([](SimBoard& b) { b.clearReceived(); });
  ShowCounter transfer;
  main->transferWindow().installEventFilter(&transfer);
  main->own<QAction>(QStringLiteral("TabellaTara1"))->trigger();
  EXPECT_TRUE(eventually([](SimBoard& b) { return b.receivedLines().contains("R001100"); }));
  EXPECT_EQ(transfer.shown, 1) << "shown while the board sends the table";
  EXPECT_TRUE(env.ui.allAnswersTaken());
  EXPECT_EQ(main->runState().serviceMode, 0);
}

TEST_F(RunFixture, TheOscilloscopeCapturesTracesToTheLinesFileAndAggiornaSendsThePhase) {
  start();
  poll();
  ASSERT_TRUE(main->runState().boardOn);
  const QString question = QStringLiteral(
      "Attenzione! nel quadro che segue è possibile alterare il funzionamento della macchina, si vuole proseguire?");
  const auto traceLines = [&](int line) {
    return env.readFile(QStringLiteral("ondal%1.osc").arg(line)).count("\r\n");
  };
  env.ui.expectMessage(question, ModalUi::Answer::No);
  main->own<QAction>(QStringLiteral("Oscilloscopio1"))->trigger();
  EXPECT_EQ(main->runState().serviceMode, 0) << "No: nothing opens";

  env.ui.expectMessage(question, ModalUi::Answer::Yes);
  env.ui.queueDialog([&](QDialog& d) {
    auto& w = static_cast<TTestOscilloscopio&>(d);
    w.show();
    EXPECT_EQ(main->runState().serviceMode, 6);
    EXPECT_EQ(w.Capture->text(), QStringLiteral("cattura"));
    EXPECT_EQ(w.axisY->max(), 1023);
    EXPECT_EQ(w.Inizio[2]->text(), QStringLiteral(" 20"));
    EXPECT_EQ(w.Fase->text(), QStringLiteral("  0"));
    w.UpDown1->setValue(3);
    w.saveflag->setChecked(true);
    sim([](SimBoard& b) { b.clearReceived(); });
    w.Capture->click();
    EXPECT_EQ(w.Capture->text(), QStringLiteral("Ferma"));
    EXPECT_TRUE(eventually([](SimBoard& b) { return b.receivedLines().contains("O3300"); }));
    EXPECT_TRUE(ticksUntil(*main, [&] { return traceLines(3) >= 4; })) << "two lines per trace";
    const QList<QByteArray> file = env.readFile(QStringLiteral("ondal3.osc")).split('\n');
    EXPECT_TRUE(file[0].startsWith("T=")) << file[0].toStdString();
    EXPECT_EQ(file[1].split(',').size(), 100);
    // A change of line during the capture applies at the next one.
    w.UpDown1->setValue(1);
    const int before = traceLines(3);
    EXPECT_TRUE(ticksUntil(*main, [&] { return traceLines(3) >= before + 2; }));
    EXPECT_FALSE(QFile::exists(env.path(QStringLiteral("ondal1.osc"))));
    EXPECT_TRUE(w.copertura->text().endsWith(QStringLiteral(" /  100"))) << w.copertura->text().toStdString();
    EXPECT_GT(w.Massimo->text().trimmed().toInt(), 300) << "the plateau of cup and fruit";
    w.Button1->click();
    EXPECT_EQ(w.axisY->min(), w.Minimo->text().trimmed().toInt());
    EXPECT_GT(w.axisY->max(), w.Massimo->text().trimmed().toInt());
    w.Button2->click();
    EXPECT_EQ(w.axisY->max(), 1024);
    EXPECT_TRUE(w.grab().save(QStringLiteral(SCREENSHOT_DIR "/oscilloscope.png")));
    // The phase: the chart follows it, "Aggiorna" stores it with the reading windows.
    w.UpDown3->setValue(10);
    w.Inizio[0]->setText(QStringLiteral("25"));
    w.Fine[0]->setText(QStringLiteral("15"));
    env.ui.expectMessage(QStringLiteral("Linea 1: inizio e fine della finestra di lettura devono essere numeri da 1 a 99, "
                                        "l'inizio minore della fine"));
    w.Update->click();
    EXPECT_TRUE(w.isVisible()) << "a window that cannot be stored stays open";
    w.Fine[0]->setText(QStringLiteral("75"));
    w.Update->click();
    return d.result();
  });
  // "Aggiorna" opens the window again at the stored phase; closing it while capturing
  // ends the board's stream.
  env.ui.queueDialog([&](QDialog& d) {
    auto& w = static_cast<TTestOscilloscopio&>(d);
    w.show();
    EXPECT_EQ(w.Fase->text(), QStringLiteral(" 10"));
    EXPECT_EQ(main->station().oscilloscopeModel().openingPhase, 10);
    EXPECT_EQ(w.Inizio[0]->text(), QStringLiteral(" 25"));
    EXPECT_FALSE(main->station().oscilloscopeModel().capturing);
    w.Capture->click();
    EXPECT_TRUE(eventually([](SimBoard& b) { return b.streaming() == 'O'; }));
    w.reject();
    return int(QDialog::Rejected);
  });
  main->own<QAction>(QStringLiteral("Oscilloscopio1"))->trigger();
  EXPECT_TRUE(env.ui.allAnswersTaken());
  EXPECT_TRUE(eventually([](SimBoard& b) { return b.streaming() == 0; })) << "ESC sent at the close";
  EXPECT_EQ(main->runState().serviceMode, 0);
  EXPECT_EQ(main->configuration().config().zeroencoder, 10);
  EXPECT_EQ(main->configuration().config().inenc[0], 25);
  EXPECT_EQ(env.store->readText(QStringLiteral("morvel"), QStringLiteral("zeroencoder"), QString()), QStringLiteral("10"));
  sim([](SimBoard& b) { b.clearReceived(); });
  poll(2);
  // The configuration line carries the phase (positions 7-8) and the first window, then Z.
  EXPECT_TRUE(eventually([](SimBoard& b) {
    const QList<QByteArray> l = b.receivedLines();
    for (int i = 0; i < l.size(); ++i)
      if (l[i].startsWith('C') && l[i].mid(7, 6) == "102575") return l.indexOf("Z", i) > i;
    return false;
  }));
}

TEST_F(RunFixture, AnOscilloscopeTraceFileThatCannotBeOpenedIsToldOnceAndTheCaptureGoesOn) {
  start();
  poll();
  ASSERT_TRUE(main->runState().boardOn);
  ASSERT_TRUE(QDir(env.workDir).mkdir(QStringLiteral("ondal2.osc")));  // a folder where the file should be
  env.ui.queueAnswer(ModalUi::Answer::Yes);
  env.ui.queueDialog([&](QDialog& d) {
    auto& w = static_cast<TTestOscilloscopio&>(d);
    w.UpDown1->setValue(2);
    w.saveflag->setChecked(true);
    env.ui.queueAnswer(ModalUi::Answer::Ok);  // the file's message
    w.Capture->click();
    EXPECT_TRUE(ticksUntil(*main, [&] { return !w.saveflag->isChecked(); })) << "unticked after the failure";
    const QString first = w.Tazza->text();
    EXPECT_TRUE(ticksUntil(*main, [&] { return w.Tazza->text() != first; })) << "the capture goes on drawing";
    w.Capture->click();
    EXPECT_EQ(w.Capture->text(), QStringLiteral("cattura"));
    return int(QDialog::Rejected);
  });
  main->own<QAction>(QStringLiteral("Oscilloscopio1"))->trigger();
  EXPECT_TRUE(env.ui.allAnswersTaken());
  int told = 0;
  for (const QString& t : env.ui.shownTexts()) told += t.startsWith(QStringLiteral("Impossibile scrivere le tracce su ondal2.osc"));
  EXPECT_EQ(told, 1);
  EXPECT_TRUE(log().contains("oscilloscopio: ondal2.osc non scritto"));
}

TEST_F(RunFixture, TheInstallationIsOpenedByThePasswordSavedAndTheBoardSetUpAgain) {
  setKey("porta_aux", "0");
  start();
  poll();
  ASSERT_TRUE(main->runState().boardOn);
  const QString warning = QStringLiteral(
      "Attenzione! le modifiche apportate nel quadro che segue possono alterare il funzionamento della macchina. "
      "Si vuole proseguire?");
  // A wrong password: nothing opens, nothing is said, the lock stays shut.
  env.ui.expectMessage(warning, ModalUi::Answer::Yes);
  env.ui.queueDialog([&](QDialog& d) {
    auto& p = static_cast<Tpasswd&>(d);
    p.show();
    EXPECT_EQ(p.passwd->echoMode(), QLineEdit::Password);
    QTest::keyClicks(p.passwd, QStringLiteral("55"));
    QTest::keyClick(p.passwd, Qt::Key_Return);
    return d.result();
  });
  main->own<QAction>(QStringLiteral("Impostazione1"))->trigger();
  EXPECT_TRUE(env.ui.allAnswersTaken());
  EXPECT_FALSE(main->station().serviceLockOpen());
  EXPECT_FALSE(log().contains("55")) << "a password typed is never logged";

  // The right one, then the dialog changed with the keyboard.
  env.ui.expectMessage(warning, ModalUi::Answer::Yes);
  env.ui.queueDialog([&](QDialog& d) {
    auto& p = static_cast<Tpasswd&>(d);
    p.show();
    QTest::keyClicks(p.passwd, QStringLiteral("5"));
    QTest::keyClick(p.passwd, Qt::Key_Return);
    return d.result();
  });
  env.ui.queueDialog([&](QDialog& d) {
    auto& w = static_cast<TInstallazione&>(d);
    w.show();
    EXPECT_EQ(w.TipoAttivMagn1->count(), 4) << "a Dravo-1 has the three passes";
    EXPECT_EQ(w.ComSel[0]->currentText(), QStringLiteral("COM5"));
    EXPECT_TRUE(w.Button2->isVisible()) << "Stampa prints the installation sheet";
    w.NumTazze1->selectAll();
    QTest::keyClicks(w.NumTazze1, QStringLiteral("120"));
    w.TipoAttivMagn1->setFocus();
    QTest::keyClick(w.TipoAttivMagn1, Qt::Key_End);  // "100% /3 Passi"
    EXPECT_EQ(w.TipoAttivMagn1->currentIndex(), 3);
    w.Kappa[0]->selectAll();
    QTest::keyClick(w.Kappa[0], Qt::Key_Delete);
    env.ui.expectMessage(QStringLiteral("K-peso, Linea 1: scrivere un numero da 1 a 9999 (ora \"\")"));
    QTest::mouseClick(w.Button1, Qt::LeftButton);
    EXPECT_TRUE(w.isVisible()) << "a wrong field keeps the dialog open";
    EXPECT_EQ(main->configuration().config().numtazze, 100) << "and takes nothing";
    QTest::keyClicks(w.Kappa[0], QStringLiteral("985"));
    EXPECT_TRUE(w.grab().save(QStringLiteral(SCREENSHOT_DIR "/installation.png")));
    QTest::mouseClick(w.Button1, Qt::LeftButton);
    return d.result();
  });
  sim([](SimBoard& b) { b.clearReceived(); });
  main->own<QAction>(QStringLiteral("Impostazione1"))->trigger();
  EXPECT_TRUE(env.ui.allAnswersTaken());
  EXPECT_TRUE(main->station().serviceLockOpen());
  EXPECT_EQ(env.store->readText(QStringLiteral("morvel"), QStringLiteral("numtazze"), QString()), QStringLiteral("120"));
  EXPECT_EQ(env.store->readText(QStringLiteral("morvel"), QStringLiteral("tipoatt"), QString()), QStringLiteral("2"));
  EXPECT_EQ(main->configuration().config().kpeso[0], 985);
  EXPECT_EQ(env.readFile(QStringLiteral("c31.cfg")).mid(7, 4), QByteArray("0120")) << "the cups in the legacy record";
  EXPECT_FALSE(main->runState().boardOn) << "the board is met anew";
  EXPECT_EQ(main->runState().currentProgram, 9999);
  poll(2);
  EXPECT_TRUE(eventually([](SimBoard& b) {
    const QList<QByteArray> l = b.receivedLines();
    const qsizetype c = std::find_if(l.begin(), l.end(), [](const QByteArray& x) { return x.startsWith("C"); }) - l.begin();
    return l.contains("-41") && c < l.size() && l[c].mid(4, 3) == "120" && l.indexOf("Z") > c;
  })) << "magnet option on, the new configuration, then the reset";
  EXPECT_TRUE(main->runState().boardOn);

  // Opened again: no warning, no password. The board's port not enabled: no board link.
  env.ui.queueDialog([&](QDialog& d) {
    auto& w = static_cast<TInstallazione&>(d);
    EXPECT_EQ(w.TipoAttivMagn1->currentIndex(), 3) << "100% /3 Passi, as chosen";
    w.ComSel[0]->setCurrentIndex(0);
    QTest::mouseClick(w.Button1, Qt::LeftButton);
    return d.result();
  });
  main->own<QAction>(QStringLiteral("Impostazione1"))->trigger();
  EXPECT_TRUE(env.ui.allAnswersTaken());
  EXPECT_EQ(main->configuration().config().porta_com, 0);
  EXPECT_EQ(main->link(), nullptr);
}

TEST_F(RunFixture, SavingTheInstallationUnchangedResetsTheBoardAndTellsAPortThatIsMissing) {
  start();  // the scanner's COM2 has no device
  poll();
  ASSERT_TRUE(main->runState().boardOn);
  env.ui.queueAnswer(ModalUi::Answer::Yes);
  env.ui.queueDialog([&](QDialog& d) {
    auto& p = static_cast<Tpasswd&>(d);
    p.passwd->setText(QStringLiteral("5"));
    p.Entra->click();
    return d.result();
  });
  env.ui.queueDialog([&](QDialog& d) {
    auto& w = static_cast<TInstallazione&>(d);
    EXPECT_EQ(w.ComSel[1]->currentText(), QStringLiteral("COM2")) << "shown although its device is missing";
    w.Button1->click();
    return d.result();
  });
  env.ui.expectMessage(QStringLiteral(
      "Com non disponibile nel computer: COM2 (lettore barcode). La stazione continua senza questa linea e riprova ad aprirla."));
  sim([](SimBoard& b) { b.clearReceived(); });
  main->own<QAction>(QStringLiteral("Impostazione1"))->trigger();
  EXPECT_TRUE(env.ui.allAnswersTaken());
  EXPECT_TRUE(log().contains("installazione: porte non disponibili: COM2 (lettore barcode)"));
  EXPECT_NE(main->station().auxReader(), nullptr) << "tried again at every pass";
  poll(2);
  EXPECT_TRUE(eventually([](SimBoard& b) { return b.receivedLines().contains("Z"); })) << "reset although nothing changed";
  EXPECT_TRUE(main->runState().boardOn);
}

TEST_F(RunFixture, TheProgramParametersAreSavedAndTheRefreshChangesAtOnce) {
  start();
  poll();
  env.ui.queueFile(env.path(QStringLiteral("as400/lotti.txt")));
  env.ui.queueDialog([&](QDialog& d) {
    auto& w = static_cast<TParProg&>(d);
    w.show();
    EXPECT_EQ(w.direxp->text(), QStringLiteral("c:\\camp"));
    w.FinePartita->setFocus();
    QTest::keyClick(w.FinePartita, Qt::Key_Space);
    w.NumCopie->setFocus();
    QTest::keyClick(w.NumCopie, Qt::Key_Down);
    w.UpDown1->setFocus();
    for (int i = 0; i < 5; ++i) QTest::keyClick(w.UpDown1, Qt::Key_Up);
    EXPECT_EQ(w.Delay_refresh->text(), QStringLiteral(" 5"));
    EXPECT_EQ(main->runState().autoRefreshSetting, 5) << "at once, before Salva";
    w.UpDownQ[3]->setValue(12);
    QTest::mouseClick(w.BitBtn1, Qt::LeftButton);
    EXPECT_EQ(w.direxp->text(), env.path(QStringLiteral("as400")));
    EXPECT_TRUE(w.grab().save(QStringLiteral(SCREENSHOT_DIR "/program-parameters.png")));
    QTest::mouseClick(w.Button1, Qt::LeftButton);
    return d.result();
  });
  main->own<QAction>(QStringLiteral("Programma2"))->trigger();
  EXPECT_TRUE(env.ui.allAnswersTaken());
  ASSERT_EQ(env.ui.fileRequests().size(), 1);
  EXPECT_EQ(env.ui.fileRequests()[0].title, QStringLiteral("Directory Esportazione AS400"));
  const MachineConfig& c = main->configuration().config();
  EXPECT_EQ(c.fine_part_auto, 0);
  EXPECT_EQ(c.ncopie, 2);
  EXPECT_EQ(c.limpercq[3], 12);
  EXPECT_EQ(env.store->readText(QStringLiteral("morvel"), QStringLiteral("direxp"), QString()), env.path(QStringLiteral("as400")));
  EXPECT_EQ(env.store->readText(QStringLiteral("morvel"), QStringLiteral("autorefresh"), QStringLiteral("none")),
            QStringLiteral("none")) << "the refresh is not stored";
  EXPECT_EQ(main->configuration().configurationLine().size(), 106) << "the line keeps its suffix";
}

TEST_F(RunFixture, BarcodesFromTheScannerReachTheListOnePerPass) {
  auto* scanner = new SimScanner();
  PtyPeer scannerPeer{std::unique_ptr<SerialDevice>(scanner)};
  ASSERT_TRUE(scannerPeer.start());
  ASSERT_TRUE(PortMap::publish(*env.store, 2, scannerPeer.devicePath()));
  setKey("porta_aux", "2");
  station.auxPassMs = 40;
  start();
  ASSERT_NE(main->station().auxReader(), nullptr);
  ASSERT_TRUE(ticksUntil(*main, [&] { return main->station().auxReader()->portOpen(); }));
  scannerPeer.with<SimScanner>([](SimScanner& s) {
    s.scan(QStringLiteral("8012345678901"));
    s.scan(QStringLiteral("8012345678902"));
  });
  ASSERT_TRUE(ticksUntil(*main, [&] { return main->station().barcodes().size() == 2; }));
  EXPECT_EQ(main->station().barcodes(), (QStringList{QStringLiteral("8012345678901"), QStringLiteral("8012345678902")}));
  EXPECT_EQ(main->own<QPlainTextEdit>(QStringLiteral("Memo1"))->toPlainText(),
            QStringLiteral("8012345678901\n8012345678902"));
  const int passes = main->station().auxReader()->passes();
  EXPECT_GE(passes, 2) << "one line a pass";
  // Closing while the reader waits between passes returns at once.
  QElapsedTimer t;
  t.start();
  main->close();
  main.reset();
  EXPECT_LT(t.elapsed(), 1500);
}

TEST_F(RunFixture, PortZeroMeansNoReaderAndNoBoardLink) {
  setKey("porta_aux", "0");
  setKey("porta_com", "0");
  start();
  EXPECT_EQ(main->station().auxReader(), nullptr);
  EXPECT_EQ(main->link(), nullptr);
}

TEST_F(RunFixture, AResetMakesTheStationMeetTheBoardAnew) {
  start();
  poll();
  ASSERT_TRUE(main->runState().boardOn);
  env.ui.expectMessage(QStringLiteral("Verificare che la macchina sia vuota, premere Yes per eseguire la calibrazione."),
                       ModalUi::Answer::Yes);
  main->own<QAction>(QStringLiteral("ResetCentralina1"))->trigger();
  EXPECT_FALSE(main->runState().boardOn);
  EXPECT_EQ(main->runState().currentProgram, 9999);
  EXPECT_TRUE(log().contains("Reset da operatore\r\n"));
  sim([](SimBoard& b) { b.clearReceived(); });
  poll(2);
  EXPECT_TRUE(eventually([](SimBoard& b) { return b.receivedLines().contains("Z"); }))
      << "the reset follows the configuration";
  EXPECT_TRUE(main->runState().boardOn);
}

TEST_F(RunFixture, ClosingTheStationWithATestRunningEndsTheStreamCleanly) {
  start();
  poll();
  env.ui.queueDialog([&](QDialog& d) {
    EXPECT_EQ(main->link()->streaming(), 'T');
    main->close();  // the window's close button, with the encoder test open
    EXPECT_FALSE(main->station().closed()) << "the test ends first";
    return int(d.result());
  });
  main->own<QAction>(QStringLiteral("Encoder1"))->trigger();
  QCoreApplication::processEvents();
  EXPECT_TRUE(main->station().closed());
  EXPECT_TRUE(eventually([](SimBoard& b) { return b.streaming() == 0; })) << "ESC reached the board";
  main.reset();
}
