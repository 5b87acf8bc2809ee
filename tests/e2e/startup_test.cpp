#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
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
