#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include "update/updater.h"

namespace {

void write(const QString& path, const QByteArray& data, bool executable = false) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
  f.write(data);
  f.close();
  if (executable) f.setPermissions(f.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser);
}
QByteArray read(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
QByteArray sha256(const QByteArray& data) { return QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex(); }

// A station that tells its version, and marks its working folder when it starts.
QByteArray fakeStation(const char* version) {
  return QByteArray("#!/bin/sh\nif [ \"$1\" = --version ]; then echo \"campionatrice ") + version +
         "\"; exit 0; fi\necho " + version + " > started\n";
}

}  // namespace

TEST(Updater, ReleasesAreOrderedByVersionAndCheckedBeforeUse) {
  struct Case {
    const char *a, *b;
    int order;
  };
  for (const Case& c : {Case{"1.0.0", "1.0.0", 0}, Case{"1.2", "1.10", -1}, Case{"2", "1.9.9", 1}, Case{"1.0", "1.0.1", -1}})
    EXPECT_EQ(updater::compareVersions(QString::fromLatin1(c.a), QString::fromLatin1(c.b)), c.order) << c.a << " " << c.b;

  QTemporaryDir source;
  const QDir s(source.path());
  for (const char* v : {"1.0.0", "1.2.0", "1.10.0"}) {
    const QByteArray program = fakeStation(v);
    write(s.filePath(QStringLiteral("campionatrice-%1").arg(QLatin1String(v))), program);
    write(s.filePath(QStringLiteral("campionatrice-%1.sha256").arg(QLatin1String(v))), sha256(program) + "  campionatrice\n");
  }
  write(s.filePath(QStringLiteral("campionatrice-9.sha256.bak")), "x");
  const auto r = updater::newest(s, QStringLiteral("1.0.0"));
  ASSERT_TRUE(r.has_value());
  EXPECT_EQ(r->version, QStringLiteral("1.10.0"));
  EXPECT_FALSE(updater::verify(*r).has_value());
  EXPECT_FALSE(updater::newest(s, QStringLiteral("1.10.0")).has_value()) << "nothing newer";
  write(r->package, "tampered");
  EXPECT_TRUE(updater::verify(*r).has_value());
}

TEST(Updater, InstallingReplacesTheProgramInOneStepAndKeepsThePreviousOne) {
  QTemporaryDir dir;
  const QDir d(dir.path());
  const QString program = d.filePath(QStringLiteral("campionatrice"));
  write(program, fakeStation("1.0.0"), true);
  write(d.filePath(QStringLiteral("campionatrice-2.0.0")), fakeStation("2.0.0"));
  const updater::Release r{QStringLiteral("2.0.0"), d.filePath(QStringLiteral("campionatrice-2.0.0")), QString()};
  EXPECT_FALSE(updater::install(r, program).has_value());
  EXPECT_EQ(read(program), fakeStation("2.0.0"));
  EXPECT_TRUE(QFileInfo(program).isExecutable());
  EXPECT_EQ(read(program + QStringLiteral(".previous")), fakeStation("1.0.0"));
  EXPECT_TRUE(updater::running(program).isEmpty());
  // A package that cannot be read changes nothing.
  EXPECT_TRUE(updater::install({QStringLiteral("3"), d.filePath(QStringLiteral("missing")), QString()}, program).has_value());
  EXPECT_EQ(read(program), fakeStation("2.0.0"));
}

namespace {
// The updater program on a station folder whose name has spaces, with its own settings.
struct UpdaterRun {
  QTemporaryDir root;
  QString folder = root.filePath(QStringLiteral("stazione di prova"));
  QString program = folder + QStringLiteral("/campionatrice");
  QString source = root.filePath(QStringLiteral("chiavetta"));
  UpdaterRun() {
    QDir().mkpath(folder);
    QDir().mkpath(source);
    QDir().mkpath(root.filePath(QStringLiteral("config/Corvane elettronica snc")));
    write(root.filePath(QStringLiteral("config/Corvane elettronica snc/settings.json")),
          "{ \"update\": { \"source\": \"" + source.toUtf8() + "\" } }\n");
    write(program, fakeStation("1.0.0"), true);
  }
  void release(const char* version, const QByteArray& sumOf) {
    write(source + QStringLiteral("/campionatrice-%1").arg(QLatin1String(version)), fakeStation(version));
    write(source + QStringLiteral("/campionatrice-%1.sha256").arg(QLatin1String(version)), sha256(sumOf) + "\n");
  }
  int run() {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), root.filePath(QStringLiteral("config")));
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(folder);
    p.start(QStringLiteral(UPDATER_BINARY), {program});
    EXPECT_TRUE(p.waitForFinished(60000));
    return p.exitCode();
  }
  // The station started again (it marks the folder it runs in).
  QByteArray started() {
    for (int i = 0; i < 200 && !QFile::exists(folder + QStringLiteral("/started")); ++i) QThread::msleep(10);
    return read(folder + QStringLiteral("/started")).trimmed();
  }
};
}  // namespace

TEST(Updater, ANewerReleaseIsInstalledAndTheStationStartedAgain) {
  UpdaterRun u;
  u.release("1.1.0", fakeStation("1.1.0"));
  EXPECT_EQ(u.run(), 0);
  EXPECT_EQ(u.started(), QByteArray("1.1.0"));
  EXPECT_EQ(read(u.program + QStringLiteral(".previous")), fakeStation("1.0.0"));
  EXPECT_TRUE(read(u.folder + QStringLiteral("/campionatrice-update.log")).contains("versione 1.1.0 installata"));
}

TEST(Updater, AReleaseWithAWrongChecksumIsRefusedAndTheOldProgramKept) {
  UpdaterRun u;
  u.release("1.1.0", "something else");
  EXPECT_EQ(u.run(), 0);
  EXPECT_EQ(read(u.program), fakeStation("1.0.0"));
  EXPECT_EQ(u.started(), QByteArray("1.0.0")) << "the station as it was";
  EXPECT_TRUE(read(u.folder + QStringLiteral("/campionatrice-update.log")).contains("versione 1.1.0 rifiutata"));
}
