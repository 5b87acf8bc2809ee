#include <QCoreApplication>
#include <QElapsedTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QThread>
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
