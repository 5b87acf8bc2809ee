// campionatrice-update: started by the station's "Controllo Aggiornamenti On-line" with the
// station's program file as its parameter and the program's folder as its working folder.
// It looks in the update source (the settings store's section "update", key "source") for a
// release newer than the station, checks its SHA-256, waits for the station to close,
// replaces the program in one step (the previous one kept beside it) and starts the
// station again in its working folder. With nothing newer, or a release that does not
// check, it says so and starts the station again as it was.
#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <cstdio>

#include "config/settingsstore.h"
#include "update/updater.h"

namespace {

QString logPath;

void say(const QString& text) {
  std::fprintf(stderr, "campionatrice-update: %s\n", text.toLocal8Bit().constData());
  QFile log(logPath);
  if (log.open(QIODevice::Append))
    log.write((QDateTime::currentDateTime().toString(Qt::ISODate) + QStringLiteral(" ") + text + QStringLiteral("\n")).toUtf8());
}

QString installedVersion(const QString& program) {
  QProcess p;
  p.start(program, {QStringLiteral("--version")});
  if (!p.waitForFinished(10000) || p.exitCode() != 0) return QStringLiteral("0");
  const QList<QByteArray> words = p.readAllStandardOutput().simplified().split(' ');
  return words.size() >= 2 ? QString::fromLatin1(words[1]) : QStringLiteral("0");
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  const QStringList args = app.arguments().mid(1);
  if (args.size() != 1) {
    std::fputs("Uso: campionatrice-update PROGRAMMA_DELLA_STAZIONE\n", stderr);
    return 2;
  }
  const QString program = QFileInfo(args[0]).absoluteFilePath();
  logPath = QFileInfo(program).absolutePath() + QStringLiteral("/campionatrice-update.log");

  // The station's working folder, read while it still runs, to start it again there.
  QString workDir = QFileInfo(program).absolutePath();
  QList<updater::Running> stations = updater::running(program);
  if (!stations.isEmpty() && !stations.first().workDir.isEmpty()) workDir = stations.first().workDir;

  const SettingsStore store;
  const QString source = store.readText(QStringLiteral("update"), QStringLiteral("source"), QString());
  const QString installed = installedVersion(program);
  std::optional<updater::Release> release;
  if (source.isEmpty()) say(QStringLiteral("nessuna sorgente di aggiornamento (sezione \"update\", chiave \"source\")"));
  else if (!QDir(source).exists()) say(QStringLiteral("la sorgente di aggiornamento %1 non esiste").arg(source));
  else if (!(release = updater::newest(QDir(source), installed)))
    say(QStringLiteral("nessuna versione più recente della %1 in %2").arg(installed, source));

  if (release) {
    if (const auto bad = updater::verify(*release)) {
      say(QStringLiteral("versione %1 rifiutata: %2").arg(release->version, *bad));
      release.reset();
    }
  }
  // The station closes by itself after starting the updater; it is waited for.
  QElapsedTimer waited;
  waited.start();
  while (!(stations = updater::running(program)).isEmpty() && waited.elapsed() < 120000) QThread::msleep(200);
  if (!stations.isEmpty()) {
    say(QStringLiteral("la stazione non si è chiusa: nessun aggiornamento"));
    return 1;
  }
  if (release) {
    if (const auto failed = updater::install(*release, program)) say(QStringLiteral("installazione non riuscita, resta la versione %1: %2").arg(installed, *failed));
    else say(QStringLiteral("versione %1 installata (la %2 resta come %3.previous)").arg(release->version, installed, program));
  }
  if (!QProcess::startDetached(program, {}, workDir)) {
    say(QStringLiteral("%1 non riparte").arg(program));
    return 1;
  }
  return 0;
}
