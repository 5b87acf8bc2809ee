#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTabWidget>
#include <gtest/gtest.h>

#include "app/tmain.h"
#include "db/databaseacc.h"
#include "sampling/maincycle.h"
#include "sampling/runcommands.h"
#include "link/portmap.h"
#include "sim/ptypeer.h"
#include "sim/simboard.h"
#include "base/text.h"
#include "support/testenv.h"

namespace {

struct MainFixture : ::testing::Test {
  TestEnv env;
  StationEnvironment station{env.workDir, *env.store, env.ui, env.clock, *env.log, {}};

  // COM1 is a device that is not there, so no test touches this machine's serial ports.
  void SetUp() override {
    ASSERT_TRUE(PortMap::publish(*env.store, 1, noBoard()));
    env.noDevices();
  }
  QString noBoard() const { return env.path(QStringLiteral("no-board")); }
  // A working folder without an archive: the station says so once, at start-up.
  void expectNoArchive() {
    env.ui.expectMessage(QStringLiteral("Il database %1 non esiste: crearlo con \"campionatrice --create-database\"")
                             .arg(env.path(QStringLiteral("tavikdata.sqlite"))));
  }

  QByteArray stamp() const {
    const QDateTime now = env.clock.now();
    return (text::formatShortDate(now.date()) + QLatin1Char(' ') + text::formatLongTime(now.time()) +
            QStringLiteral(" | "))
        .toLatin1();
  }
};

}  // namespace

TEST_F(MainFixture, ShowAndCloseWriteTheirLogEntriesInAnEmptyWorkingFolder) {
  {
    expectNoArchive();
    TMain main(station);
    main.show();
    EXPECT_EQ(main.windowTitle(), QStringLiteral("Morvel Campionatrice / -----")) << "the start-up language sets it";
    EXPECT_EQ(main.panelText(3), QStringLiteral("0 - Centralina off "));
    EXPECT_EQ(main.runState().boardModelText, QStringLiteral("-----"));
    EXPECT_EQ(main.runState().currentProgram, 9999);
    EXPECT_EQ(main.runState().baseCaption, QStringLiteral("Morvel Campionatrice"));
    EXPECT_EQ(main.configuration().configurationLine().right(3), QStringLiteral("L50"));
    main.close();
  }
  const QByteArray s = stamp();
  const QByteArray ports = PortMap::fromStore(*env.store).enumerate().toLatin1();
  EXPECT_EQ(env.readFile(QStringLiteral("morvel.log")),
            s + ">START<" + s + ports + s + "start Pilto\r\n" + s + "linea centralina: impossibile aprire COM1 (" +
                noBoard().toLocal8Bit() + ": apertura: No such file or directory)\r\n" + s +
                "linea ausiliaria: impossibile aprire COM2 (" + env.path(QStringLiteral("no-device-COM2")).toLocal8Bit() +
                ": apertura: No such file or directory)\r\n" + s + "Stop Pilto\r\n");
}

TEST_F(MainFixture, TheMainWindowHasEveryNamedControl) {
  expectNoArchive();
  TMain main(station);
  main.show();
  for (int q = 1; q <= 4; ++q)
    for (int c = 1; c <= 15; ++c)
      for (const char* p : {"NomeCal", "PesoCal", "TotC", "TotP"}) {
        const QString name = QString::fromLatin1(p) + QString::number(c) + 'Q' + QString::number(q);
        EXPECT_NE(main.own<QLabel>(name), nullptr) << name.toStdString();
      }
  for (int q = 1; q <= 5; ++q) {
    EXPECT_NE(main.own<QLabel>(QStringLiteral("LavoratoQ%1").arg(q)), nullptr);
    EXPECT_NE(main.own<QLabel>(QStringLiteral("LavoratoPQ%1").arg(q)), nullptr);
  }
  for (int u = 1; u <= 66; ++u) {
    auto* unit = main.own<QLabel>(QStringLiteral("unit%1").arg(u));
    ASSERT_NE(unit, nullptr) << u;
    EXPECT_EQ(unit->text(), QStringLiteral("gr"));
  }
  for (const char* name : {"TotaleG", "Label53", "Label55", "Image1", "Image2", "Production",
                           "LavorPrec", "Costo"})
    EXPECT_NE(main.own<QLabel>(QString::fromLatin1(name)), nullptr) << name;
  for (const char* name : {"numBolla", "totPartita", "numtazza", "tazzebad"})
    EXPECT_NE(main.own<QLineEdit>(QString::fromLatin1(name)), nullptr) << name;
  EXPECT_NE(main.own<QPlainTextEdit>(QStringLiteral("Memo1")), nullptr);
  auto* preview = main.own<QCheckBox>(QStringLiteral("PreviewStampa"));
  ASSERT_NE(preview, nullptr);
  EXPECT_EQ(preview->text(), QStringLiteral("Preview stampa"));
  auto* tabs = main.centralWidget()->findChild<QTabWidget*>();
  ASSERT_NE(tabs, nullptr);
  ASSERT_EQ(tabs->count(), 4);
  EXPECT_EQ(tabs->tabText(3), QStringLiteral("Qualita 4"));
  EXPECT_EQ(main.own<QLineEdit>(QStringLiteral("totPartita"))->text(), QStringLiteral("0"));
  EXPECT_FALSE(main.own<QLabel>(QStringLiteral("Label53"))->isVisible());
  EXPECT_FALSE(main.own<QLabel>(QStringLiteral("Production"))->isVisible());
  EXPECT_FALSE(main.own<QLabel>(QStringLiteral("Label55"))->isVisible()) << "v_tazzebad off";
  EXPECT_NE(main.own<QAction>(QStringLiteral("SalvasuFloppy1")), nullptr);
  EXPECT_NE(main.own<QAction>(QStringLiteral("RipristinadaFloppy1")), nullptr);

  auto* bar = main.own<QStatusBar>(QStringLiteral("StatusBar1"));
  ASSERT_NE(bar, nullptr);
  // At least the machine's own widths; the two state panels hold the longest translation.
  const int widths[] = {205, 90, 240, 145, 130};
  for (int i = 0; i < 5; ++i) {
    auto* panel = bar->findChild<QLabel*>(QStringLiteral("StatusBar1Panel%1").arg(i));
    ASSERT_NE(panel, nullptr);
    EXPECT_GE(panel->width(), widths[i]);
  }
  EXPECT_TRUE(bar->findChild<QLabel*>(QStringLiteral("StatusBar1Panel2"))->alignment() & Qt::AlignRight);

  // Representative figures, so the screenshot shows the grid as the operator reads it.
  for (int c = 1; c <= 15; ++c) {
    main.own<QLabel>(QStringLiteral("NomeCal%1Q1").arg(c))->setText(QStringLiteral("Cal %1").arg(c));
    main.own<QLabel>(QStringLiteral("PesoCal%1Q1").arg(c))->setText(QStringLiteral("%1 - %2").arg(60 + c * 20).arg(80 + c * 20));
    main.own<QLabel>(QStringLiteral("TotC%1Q1").arg(c))->setText(QString::number(123456 + c * 1111));
    main.own<QLabel>(QStringLiteral("TotP%1Q1").arg(c))->setText(QStringLiteral("6,25"));
  }
  main.own<QLabel>(QStringLiteral("TotaleG"))->setText(QStringLiteral("2123456"));
  main.resize(1280, 800);
  QApplication::processEvents();
  const QString shot = QStringLiteral(SCREENSHOT_DIR) + QStringLiteral("/main-window.png");
  EXPECT_TRUE(main.grab().save(shot));
}

TEST_F(MainFixture, TheConfigurationShapesTheWindow) {
  env.store->writeText(QStringLiteral("morvel"), QStringLiteral("totaligrammi"), QStringLiteral("0"));
  env.store->writeText(QStringLiteral("morvel"), QStringLiteral("v_tazzebad"), QStringLiteral("si"));
  QImage logo(40, 20, QImage::Format_RGB32);
  logo.fill(Qt::blue);
  ASSERT_TRUE(logo.save(env.path(QStringLiteral("customer.bmp")), "BMP"));
  expectNoArchive();
  TMain main(station);
  main.show();
  EXPECT_FALSE(main.own<QLabel>(QStringLiteral("Image1"))->pixmap().isNull());
  EXPECT_EQ(main.own<QLabel>(QStringLiteral("unit1"))->text(), QStringLiteral("Kg"));
  EXPECT_EQ(main.own<QLabel>(QStringLiteral("unit66"))->text(), QStringLiteral("Kg"));
  EXPECT_TRUE(main.own<QLabel>(QStringLiteral("Label55"))->isVisible());
  EXPECT_TRUE(main.own<QLineEdit>(QStringLiteral("tazzebad"))->isVisible());
}

TEST_F(MainFixture, OldBoardModeKeepsTheLineWithoutSuffix) {
  station.arguments = {QStringLiteral("-o")};
  expectNoArchive();
  TMain main(station);
  main.show();
  EXPECT_TRUE(main.runState().oldBoard);
  EXPECT_EQ(main.configuration().configurationLine().size(), 103);
}

TEST_F(MainFixture, AFaultyConfigurationIsReportedAndStartUpGoesOn) {
  env.store->writeText(QStringLiteral("morvel"), QStringLiteral("numtazze"), QStringLiteral("cento"));
  env.ui.expectMessage(QStringLiteral("'cento' non è un valore intero valido (numtazze)"));
  expectNoArchive();
  TMain main(station);
  main.show();
  ASSERT_FALSE(env.ui.shown().isEmpty());
  EXPECT_TRUE(env.ui.shown().front().text.contains(QStringLiteral("cento")));
  EXPECT_EQ(main.panelText(3), QStringLiteral("0 - Centralina off "));
  EXPECT_TRUE(env.readFile(QStringLiteral("morvel.log")).contains("start Pilto"));
}

TEST_F(MainFixture, TheRestoreCommandReappliesTheConfiguration) {
  expectNoArchive();
  TMain main(station);
  main.show();
  EXPECT_EQ(main.configuration().config().numlinee, 2);
  env.writeFile(QStringLiteral("morvelinst"), "String(numlinee)=4\r\nString(totaligrammi)=1\r\n");
  env.ui.queueFile(env.path(QStringLiteral("morvelinst")));
  env.ui.expectMessage(QStringLiteral("Ripristino effettuato!"));
  main.own<QAction>(QStringLiteral("RipristinadaFloppy1"))->trigger();
  EXPECT_EQ(env.ui.shownTexts().last(), QStringLiteral("Ripristino effettuato!"));
  EXPECT_EQ(main.configuration().config().numlinee, 4);
  EXPECT_TRUE(main.configuration().configurationLine().startsWith(QLatin1Char('4')));
  EXPECT_EQ(main.configuration().configurationLine().right(3), QStringLiteral("L50"));

  const QString usb = env.root.filePath(QStringLiteral("usb"));
  QDir().mkpath(usb);
  env.ui.queueFile(usb + QStringLiteral("/a"));
  env.ui.expectMessage(QStringLiteral("Salvataggio effettuato!"));
  main.own<QAction>(QStringLiteral("SalvasuFloppy1"))->trigger();
  EXPECT_EQ(env.ui.shownTexts().last(), QStringLiteral("Salvataggio effettuato!"));
  EXPECT_TRUE(env.readFile(usb + QStringLiteral("/morvelinst")).contains("String(numlinee)=4\r\n"));
}

TEST_F(MainFixture, TheControllerLinkOpensOnTheConfiguredPortAndClosesWithTheWindow) {
  PtyPeer peer{std::make_unique<SimBoard>()};
  ASSERT_TRUE(peer.start());
  ASSERT_TRUE(PortMap::publish(*env.store, 12, peer.devicePath()));
  env.store->writeText(QStringLiteral("morvel"), QStringLiteral("porta_com"), QStringLiteral("12"));
  {
    station.arguments = {QStringLiteral("-o")};
    expectNoArchive();
    TMain main(station);
    main.show();
    ASSERT_NE(main.link(), nullptr);
    EXPECT_TRUE(main.link()->port().isOpen());
    EXPECT_EQ(main.link()->port().baudRate(), 9600);
    EXPECT_FALSE(main.link()->qualityAlarm);
    EXPECT_TRUE(main.portSelectorItems().contains(QStringLiteral("COM12")));
    EXPECT_EQ(main.portSelectorItems().front(), QStringLiteral("non abilitata"));
    EXPECT_EQ(main.panelText(3), QStringLiteral("0 - Centralina off "));
    // The board answers on the link the station opened.
    ASSERT_TRUE(main.link()->RequestStatus(cSelvik::kShortTimeout));
    EXPECT_EQ(main.link()->GetStatus().state, QStringLiteral("0"));
    main.close();
    EXPECT_EQ(main.link(), nullptr);
  }
  const QByteArray ports = PortMap::fromStore(*env.store).enumerate().toLatin1();
  EXPECT_TRUE(ports.contains("12"));
  EXPECT_TRUE(env.readFile(QStringLiteral("morvel.log")).contains(" | " + ports)) << "the ports found, COM12 among them";

  env.store->writeText(QStringLiteral("morvel"), QStringLiteral("porta_com"), QStringLiteral("99"));
  station.arguments = {};
  expectNoArchive();
  TMain noLink(station);
  noLink.show();
  EXPECT_EQ(noLink.link(), nullptr);
  EXPECT_EQ(noLink.panelText(3), QStringLiteral("0 - Centralina off "));
}

TEST_F(MainFixture, AnEventLogThatCannotBeWrittenIsToldOnceAtStartUp) {
  env.workDir.mkdir(QStringLiteral("morvel.log"));  // in the way, also for root
  env.ui.queueAnswer(ModalUi::Answer::Ok);
  expectNoArchive();
  {
    TMain main(station);
    main.show();
    main.close();
  }
  ASSERT_EQ(env.ui.shown().size(), 2);
  const QString told = env.ui.shownTexts().front();
  EXPECT_TRUE(told.startsWith(QStringLiteral("Il registro eventi %1 non può essere scritto (").arg(env.path(QStringLiteral("morvel.log")))))
      << told.toStdString();
  EXPECT_TRUE(told.endsWith(QStringLiteral("): la stazione lavora senza registro")));
  EXPECT_EQ(env.ui.shown().front().icon, ModalUi::Icon::Warning);
}
