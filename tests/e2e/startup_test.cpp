#include <QCoreApplication>
#include <QElapsedTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>
#include <functional>
#include <csignal>
#include <gtest/gtest.h>

// The real station binary, started in a fresh working folder and settings store, closed
// by a signal as the system would close it.
namespace {

QByteArray readLog(const QString& dir) {
  QFile f(dir + QStringLiteral("/morvel.log"));
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool waitFor(const std::function<bool()>& done, int ms) {
  QElapsedTimer t;
  t.start();
  while (!done()) {
    if (t.elapsed() > ms) return false;
    QThread::msleep(20);
  }
  return true;
}

}  // namespace

TEST(Station, StartsUnattendedAndClosesThroughItsCloseSequenceOnSigterm) {
  for (int sig : {SIGTERM, SIGINT}) {
    QTemporaryDir root;
    const QString work = root.filePath(QStringLiteral("work"));
    QDir().mkpath(work);
    QProcess station;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), root.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    station.setProcessEnvironment(env);
    station.setWorkingDirectory(work);
    station.start(QStringLiteral(STATION_BINARY), {QStringLiteral("--unattended")});
    ASSERT_TRUE(station.waitForStarted(10000));
    ASSERT_TRUE(waitFor([&] { return readLog(work).contains("start Pilto\r\n"); }, 30000))
        << station.readAllStandardError().toStdString();
    ::kill(static_cast<pid_t>(station.processId()), sig);
    ASSERT_TRUE(station.waitForFinished(30000));
    EXPECT_EQ(station.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(station.exitCode(), 0) << station.readAllStandardError().toStdString();
    const QByteArray log = readLog(work);
    EXPECT_TRUE(log.contains(">START<")) << log.toStdString();
    EXPECT_TRUE(log.endsWith("Stop Pilto\r\n")) << log.toStdString();
  }
}

TEST(Station, TheSetupCommandCreatesTheArchiveOnceAndLeavesItAlone) {
  QTemporaryDir root;
  const QString work = root.filePath(QStringLiteral("work"));
  QDir().mkpath(work);
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("XDG_CONFIG_HOME"), root.filePath(QStringLiteral("config")));
  for (int run = 0; run < 2; ++run) {
    QProcess setup;
    setup.setProcessEnvironment(env);
    setup.setWorkingDirectory(work);
    setup.start(QStringLiteral(STATION_BINARY), {QStringLiteral("--create-database")});
    ASSERT_TRUE(setup.waitForFinished(60000));
    EXPECT_EQ(setup.exitCode(), 0) << setup.readAllStandardError().toStdString();
    EXPECT_TRUE(setup.readAllStandardOutput().contains("tavikdata.sqlite"));
  }
  EXPECT_TRUE(QFileInfo::exists(work + QStringLiteral("/tavikdata.sqlite")));

  // An alias that cannot be understood is an error, and nothing is created.
  QFile settings(root.filePath(QStringLiteral("config/Corvane elettronica snc/settings.json")));
  QDir().mkpath(QFileInfo(settings).absolutePath());
  ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
  settings.write(R"({"databases": {"tavikdata": "oracle://nowhere"}})");
  settings.close();
  QProcess bad;
  bad.setProcessEnvironment(env);
  bad.setWorkingDirectory(work);
  bad.start(QStringLiteral(STATION_BINARY), {QStringLiteral("--create-database")});
  ASSERT_TRUE(bad.waitForFinished(60000));
  EXPECT_NE(bad.exitCode(), 0);
  EXPECT_TRUE(bad.readAllStandardError().contains("tavikdata"));
}

TEST(Station, AgainstTheSimulatedMachineItIdentifiesInitialisesAndStoresTheTotals) {
  QTemporaryDir root;
  const QString work = root.filePath(QStringLiteral("work"));
  QDir().mkpath(work);
  const QString settings = root.filePath(QStringLiteral("config/Corvane elettronica snc/settings.json"));
  const QString trace = root.filePath(QStringLiteral("trace.txt"));
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("XDG_CONFIG_HOME"), root.filePath(QStringLiteral("config")));
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));

  QProcess setup;
  setup.setProcessEnvironment(env);
  setup.setWorkingDirectory(work);
  setup.start(QStringLiteral(STATION_BINARY), {QStringLiteral("--create-database")});
  ASSERT_TRUE(setup.waitForFinished(60000));
  ASSERT_EQ(setup.exitCode(), 0);

  QProcess sim;
  sim.setProcessEnvironment(env);
  sim.start(QStringLiteral(SIM_BINARY), {QStringLiteral("--port"), QStringLiteral("1"), QStringLiteral("--settings"),
                                         settings, QStringLiteral("--trace"), trace, QStringLiteral("--model"),
                                         QStringLiteral("2"), QStringLiteral("--phase-ms"), QStringLiteral("200")});
  ASSERT_TRUE(sim.waitForStarted(10000));
  ASSERT_TRUE(waitFor([&] {
    QFile f(settings);
    return f.open(QIODevice::ReadOnly) && f.readAll().contains("COM1");
  }, 20000));

  QProcess station;
  station.setProcessEnvironment(env);
  station.setWorkingDirectory(work);
  station.start(QStringLiteral(STATION_BINARY), {QStringLiteral("--unattended")});
  ASSERT_TRUE(station.waitForStarted(10000));
  const auto traced = [&] {
    QFile f(trace);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  };
  // The board reaches work (state 4) after its phases; by then it has been identified,
  // initialised and asked for its totals.
  ASSERT_TRUE(waitFor([&] { return readLog(work).contains("init Dravo board\r\n") && traced().contains("V23"); }, 60000))
      << readLog(work).toStdString() << traced().toStdString();
  ::kill(static_cast<pid_t>(station.processId()), SIGTERM);
  ASSERT_TRUE(station.waitForFinished(30000));
  EXPECT_EQ(station.exitCode(), 0);
  ::kill(static_cast<pid_t>(sim.processId()), SIGTERM);
  sim.waitForFinished(10000);

  const QList<QByteArray> lines = traced().split('\n');
  ASSERT_GE(lines.size(), 8);
  EXPECT_EQ(lines[0], QByteArray("A0"));
  EXPECT_EQ(lines[1], QByteArray(">0"));
  EXPECT_EQ(lines[2], QByteArray(">1"));
  EXPECT_TRUE(lines.contains("-40")) << "a Dravo gets the magnet option";
  EXPECT_TRUE(lines.contains("C2081000020802080208020801000100010001000050" + QByteArray(60, '0') + "L50"));
  const QByteArray log = readLog(work);
  EXPECT_TRUE(log.contains("update program  vis 0\r\n"));
  EXPECT_TRUE(log.endsWith("Stop Pilto\r\n"));
  EXPECT_TRUE(log.contains("unattended: Bolla temporanea non presente!")) << "an empty lot in progress is reported";

  // The totals read landed in the archive.
  QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
  db.setDatabaseName(work + QStringLiteral("/tavikdata.sqlite"));
  ASSERT_TRUE(db.open());
  {
    QSqlQuery q(db);
    ASSERT_TRUE(q.exec(QStringLiteral("SELECT COUNT(*) FROM totali_temp")));
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toInt(), 1);
  }
  db.close();
  db = QSqlDatabase();
  QSqlDatabase::removeDatabase(QStringLiteral("check"));
}
