#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include "app/tmain.h"
#include "db/databaseacc.h"
#include "link/portmap.h"
#include "support/testenv.h"

namespace {

// The station installed in a folder whose name has spaces, without a board.
struct UpdateFixture : ::testing::Test {
  TestEnv env;
  QTemporaryDir install;
  QString folder = install.filePath(QStringLiteral("Campionatrice Morvel"));
  StationEnvironment station{env.workDir, *env.store, env.ui, env.clock, *env.log, {}};

  void SetUp() override {
    ASSERT_TRUE(QDir().mkpath(folder));
    station.programPath = folder + QStringLiteral("/campionatrice");
    ASSERT_TRUE(PortMap::publish(*env.store, 1, env.path(QStringLiteral("no-board"))));
    env.noDevices();
    env.store->writeText(QStringLiteral("morvel"), QStringLiteral("porta_aux"), QStringLiteral("0"));
    TDataModule1 data(TDatabase::parse(QStringLiteral("sqlite:tavikdata.sqlite"), env.workDir), env.ui);
    ASSERT_FALSE(data.Database1.createTables().has_value());
  }
  std::unique_ptr<TMain> start() {
    env.ui.expectMessage(QStringLiteral("Bolla temporanea non presente!"));
    auto main = std::make_unique<TMain>(station);
    main->show();
    return main;
  }
  QByteArray log() const { return env.readFile(QStringLiteral("morvel.log")); }
};

}  // namespace

TEST_F(UpdateFixture, TheUpdaterGetsTheProgramAsOneArgumentInItsFolderAndTheStationCloses) {
  // An updater that writes down what it was given.
  const QString updater = folder + QStringLiteral("/campionatrice-update");
  {
    QFile f(updater);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("#!/bin/sh\nprintf '%s|' \"$@\" > \"$PWD/args.txt\"\necho $# > \"$PWD/count.txt\"\n");
    f.close();
    f.setPermissions(f.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser);
  }
  auto main = start();
  env.ui.expectMessage(QStringLiteral("Vuoi esportare i dati verso AS400 ?"), ModalUi::Answer::No);
  main->own<QAction>(QStringLiteral("ControlloAggiornamentiOnline1"))->trigger();
  EXPECT_TRUE(env.ui.allAnswersTaken());
  for (int i = 0; i < 200 && !QFile::exists(folder + QStringLiteral("/count.txt")); ++i) QThread::msleep(10);
  EXPECT_EQ(env.readFile(folder + QStringLiteral("/count.txt")).trimmed(), QByteArray("1")) << "one argument";
  EXPECT_EQ(env.readFile(folder + QStringLiteral("/args.txt")), (station.programPath + QStringLiteral("|")).toUtf8())
      << "the program, spaces and all, started in its folder";
  EXPECT_TRUE(log().contains("update parameter=\"" + station.programPath.toUtf8() + "\"\r\n"));
  EXPECT_TRUE(log().contains("update directory=\"" + folder.toUtf8() + "\"\r\n"));
  QCoreApplication::processEvents();
  EXPECT_FALSE(main->isVisible()) << "the station closed for the updater";
}

TEST_F(UpdateFixture, AnUpdaterThatCannotStartIsToldAndTheStationStaysOpen) {
  auto main = start();
  env.ui.expectMessage(QStringLiteral("Vuoi esportare i dati verso AS400 ?"), ModalUi::Answer::No);
  env.ui.expectMessage(QStringLiteral("Il programma di aggiornamento %1 non si avvia: la stazione resta aperta")
                           .arg(folder + QStringLiteral("/campionatrice-update")));
  main->own<QAction>(QStringLiteral("ControlloAggiornamentiOnline1"))->trigger();
  EXPECT_TRUE(env.ui.allAnswersTaken());
  QCoreApplication::processEvents();
  EXPECT_TRUE(main->isVisible());
  EXPECT_TRUE(log().contains("campionatrice-update non avviato"));
  EXPECT_FALSE(main->own<QMenu>(QStringLiteral("ControlloRemoto1"))->isEnabled()) << "remote control stays off";
  main->close();
}
