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

struct Finished {
  int exitCode = -1;
  QByteArray out;
  QByteArray err;
};

// Runs the setup command of the station in a working folder and waits for it.
Finished createDatabase(const QProcessEnvironment& env, const QString& work) {
  QProcess setup;
  setup.setProcessEnvironment(env);
  setup.setWorkingDirectory(work);
  setup.start(QStringLiteral(STATION_BINARY), {QStringLiteral("--create-database")});
  if (!setup.waitForFinished(60000)) return {};
  return {setup.exitCode(), setup.readAllStandardOutput(), setup.readAllStandardError()};
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
    const Finished setup = createDatabase(env, work);
    EXPECT_EQ(setup.exitCode, 0) << setup.err.toStdString();
    EXPECT_TRUE(setup.out.contains("tavikdata.sqlite"));
  }
  EXPECT_TRUE(QFileInfo::exists(work + QStringLiteral("/tavikdata.sqlite")));

  // An alias that cannot be understood is an error, and nothing is created.
  QFile settings(root.filePath(QStringLiteral("config/Corvane elettronica snc/settings.json")));
  QDir().mkpath(QFileInfo(settings).absolutePath());
  ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
  settings.write(R"({"databases": {"tavikdata": "oracle://nowhere"}})");
  settings.close();
  const Finished bad = createDatabase(env, work);
  EXPECT_NE(bad.exitCode, 0);
  EXPECT_TRUE(bad.err.contains("tavikdata"));

  // The station's login for a PostgreSQL server, as the README has the installer pass it
  // to psql.
  QProcess role;
  role.start(QStringLiteral(STATION_BINARY), {QStringLiteral("--database-role")});
  ASSERT_TRUE(role.waitForFinished(30000));
  EXPECT_EQ(role.exitCode(), 0);
  const QByteArray sql = role.readAllStandardOutput();
  EXPECT_TRUE(sql.startsWith("CREATE ROLE root LOGIN PASSWORD '") && sql.endsWith("';\n")) << sql.toStdString();
}

namespace {

// The station binary and the simulated machine as two processes: a fresh working folder
// with its archive, a settings store, and the trace of every line the board receives.
struct MachineRun : ::testing::Test {
  QTemporaryDir root;
  QString work = root.filePath(QStringLiteral("work"));
  QString settings = root.filePath(QStringLiteral("config/Corvane elettronica snc/settings.json"));
  QString trace = root.filePath(QStringLiteral("trace.txt"));
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  QProcess sim;
  QProcess station;

  void SetUp() override {
    QDir().mkpath(work);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), root.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const Finished setup = createDatabase(env, work);
    ASSERT_EQ(setup.exitCode, 0) << setup.err.toStdString();
  }
  void TearDown() override {
    for (QProcess* p : {&station, &sim}) {
      if (p->state() == QProcess::NotRunning) continue;
      ::kill(static_cast<pid_t>(p->processId()), SIGTERM);
      if (!p->waitForFinished(20000)) p->kill();
    }
    // The station never sends the board a line that breaks its layouts.
    EXPECT_FALSE(traced().contains("protocol error")) << traced().toStdString();
  }

  void startMachine(const QStringList& extra = {}) {
    sim.setProcessEnvironment(env);
    sim.start(QStringLiteral(SIM_BINARY), QStringList{QStringLiteral("--port"), QStringLiteral("1"),
                                                      QStringLiteral("--settings"), settings, QStringLiteral("--trace"),
                                                      trace, QStringLiteral("--phase-ms"), QStringLiteral("200")} +
                                              extra);
    ASSERT_TRUE(sim.waitForStarted(10000));
    ASSERT_TRUE(waitFor([&] {
      QFile f(settings);
      return f.open(QIODevice::ReadOnly) && f.readAll().contains("COM1");
    }, 20000));
    station.setProcessEnvironment(env);
    station.setWorkingDirectory(work);
    station.start(QStringLiteral(STATION_BINARY), {QStringLiteral("--unattended")});
    ASSERT_TRUE(station.waitForStarted(10000));
  }
  QByteArray traced() const {
    QFile f(trace);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  QByteArray log() const { return readLog(work); }
  void stopStation() {
    ::kill(static_cast<pid_t>(station.processId()), SIGTERM);
    ASSERT_TRUE(station.waitForFinished(30000));
    EXPECT_EQ(station.exitCode(), 0);
  }
  // A statement on the archive, as a second program would run it.
  QVariant sql(const QString& statement) {
    QVariant result;
    {
      QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
      db.setDatabaseName(work + QStringLiteral("/tavikdata.sqlite"));
      EXPECT_TRUE(db.open());
      QSqlQuery q(db);
      EXPECT_TRUE(q.exec(statement)) << statement.toStdString();
      if (q.next()) result = q.value(0);
      db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("check"));
    return result;
  }
};

}  // namespace

TEST_F(MachineRun, TheStationIdentifiesAndInitialisesTheBoardAndStoresTheTotals) {
  startMachine({QStringLiteral("--model"), QStringLiteral("2")});
  // By the time the board works it has been identified, initialised and asked for totals.
  ASSERT_TRUE(waitFor([&] { return log().contains("init Dravo board\r\n") && traced().contains("V23"); }, 60000))
      << log().toStdString() << traced().toStdString();
  stopStation();

  const QList<QByteArray> lines = traced().split('\n');
  ASSERT_GE(lines.size(), 8);
  EXPECT_EQ(lines[0], QByteArray("A0"));
  EXPECT_EQ(lines[1], QByteArray(">0"));
  EXPECT_EQ(lines[2], QByteArray(">1"));
  EXPECT_TRUE(lines.contains("-40")) << "a Dravo gets the magnet option";
  EXPECT_TRUE(lines.contains("C2081000020802080208020801000100010001000050" + QByteArray(60, '0') + "L50"));
  EXPECT_TRUE(log().contains("update program  vis 0\r\n"));
  EXPECT_TRUE(log().endsWith("Stop Pilto\r\n"));
  EXPECT_TRUE(log().contains("unattended: Bolla temporanea non presente!")) << "an empty lot in progress is reported";
  EXPECT_EQ(sql(QStringLiteral("SELECT COUNT(*) FROM totali_temp")).toInt(), 1);
}

TEST_F(MachineRun, TheProgramOfTheInterruptedLotIsSentToTheWorkingBoard) {
  // Two programs, and the lot in progress of the last run on program 2.
  for (int n = 1; n <= 2; ++n) {
    QString columns = QStringLiteral("codiceprog, descrizione"), values = QStringLiteral("'0%1 ', 'Programma %1'").arg(n);
    for (int b = 1; b <= 16; ++b) {
      columns += QStringLiteral(", pesocal%1q1").arg(b);
      values += QStringLiteral(", %1").arg(60 + 10 * n + 20 * b);
    }
    for (int c = 1; c <= 3; ++c) {
      columns += QStringLiteral(", nomecal%1q1").arg(c);
      values += QStringLiteral(", 'K%1'").arg(c);
    }
    for (int c = 1; c <= 12; ++c) {
      columns += QStringLiteral(", uscite%1q1").arg(c);
      values += QStringLiteral(", '01020304'");
    }
    sql(QStringLiteral("INSERT INTO programmi (%1) VALUES (%2)").arg(columns, values));
  }
  sql(QStringLiteral("INSERT INTO \"temporary\" (programma, produttore) VALUES (2, 1001)"));

  startMachine();
  ASSERT_TRUE(waitFor([&] { return traced().count("\nG") >= 48; }, 90000)) << log().toStdString() << traced().toStdString();
  ASSERT_TRUE(waitFor([&] { return log().contains("update program  vis 2\r\n"); }, 30000)) << log().toStdString();
  stopStation();
  EXPECT_TRUE(log().contains("reload prog (2)\r\n"));
  EXPECT_FALSE(log().contains("Bolla temporanea non presente!"));
  const QByteArray t = traced();
  EXPECT_TRUE(t.contains("\nF020100120140")) << "weight line 1 of program 2, boundaries from 100 g";
  EXPECT_EQ(t.count("\nF02"), 4);
}

TEST_F(MachineRun, WithTheBoardSwitchedOffSigtermEndsTheStationWithinTwoSeconds) {
  startMachine();
  ASSERT_TRUE(waitFor([&] { return log().contains("init Dravo board\r\n"); }, 60000)) << log().toStdString();
  sim.write("power off\n");
  // The worker is now inside polls that wait for echoes that never come.
  QThread::msleep(2500);
  QElapsedTimer closing;
  closing.start();
  ::kill(static_cast<pid_t>(station.processId()), SIGTERM);
  ASSERT_TRUE(station.waitForFinished(30000));
  EXPECT_LT(closing.elapsed(), 2000);
  EXPECT_EQ(station.exitCode(), 0);
  EXPECT_TRUE(log().endsWith("Stop Pilto\r\n")) << log().toStdString();
}
