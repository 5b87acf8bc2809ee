// Exports a year of lots (50,000) by date range into the host computer's text file and
// prints the time beside sqlite3 producing the same rows (goal: within 2x).
//
//   cmake --build build/run --target export_bench && build/run/bench/export_bench [lots]

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

#include "base/modalui.h"
#include "bench/archive.h"
#include "config/settingsstore.h"
#include "export/expfildata.h"

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const int lots = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 50000;
  QTemporaryDir dir;
  const QDir work(dir.path());
  ModalUi ui(ModalUi::Mode::Scripted);
  SettingsStore store(work.filePath(QStringLiteral("settings.json")));
  const TDatabase::Target target = TDatabase::parse(QStringLiteral("sqlite:bench.sqlite"), work);
  TDataModule1 dm(target, ui);
  if (!bench::prepareArchive(dm, QStringLiteral("SQLite"), lots, 0, 365)) return 1;

  LotExport lotExport(dm, store, work, ui);
  const QDateTime from(QDate(2024, 9, 1), QTime(0, 0)), to(QDate(2025, 8, 31), QTime(23, 59, 59, 999));
  double best = 1e9;
  for (int round = 0; round < 5; ++round) {
    QElapsedTimer t;
    t.start();
    if (!lotExport.exportRange(from, to)) {
      std::fprintf(stderr, "export failed: %s\n", ui.shownTexts().join(QStringLiteral("; ")).toLocal8Bit().constData());
      return 1;
    }
    best = std::min(best, bench::seconds(t));
  }
  const QString file = QDir(*lotExport.folder()).filePath(expfil::fileName(QDate::currentDate()));
  const QByteArray sql = "SELECT " + expfil::selectColumns().toLatin1() + " FROM bolle WHERE data >= '" +
                         TDatabase::dateTimeText(from).toLatin1() + "' AND data <= '" +
                         TDatabase::dateTimeText(to).toLatin1() + "' ORDER BY num;\n";
  double client = 1e9;
  for (int round = 0; round < 5; ++round) client = std::min(client, bench::client(QStringLiteral("sqlite3"), {target.file}, sql));
  std::printf("goal: the export within 2x of sqlite3 producing the same rows (best of 5)\n");
  std::printf("export of %d lots by date range: %.3f s (%lld bytes)   sqlite3 %.3f s   ratio %.2f\n", lots, best,
              static_cast<long long>(QFileInfo(file).size()), client, client > 0 ? best / client : 0);
  return 0;
}
