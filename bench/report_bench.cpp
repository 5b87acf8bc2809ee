// Renders the lot report of a full lot (every class of the four qualities filled) into a
// PDF 100 times and prints the median and the worst time per report (goal: below 50 ms).
//
//   cmake --build build/run --target report_bench && build/run/bench/report_bench [reports]

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "reports/printboll.h"
#include "reports/reportoutput.h"

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const int reports = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 100;
  LotSheet s;
  s.company = {QStringLiteral("Cooperativa Ortofrutta"), QStringLiteral("Via dei Campi 12"),
               QStringLiteral("48018 Faenza (RA)"), QStringLiteral("Tel 0546 000000")};
  s.printDate = QStringLiteral("11/12/2026 10:00:00");
  s.bolla = QStringLiteral("DDT4711");
  s.num = QStringLiteral("12345");
  s.programCode = QStringLiteral("05");
  s.programDescription = QStringLiteral("Mele Golden Delicious");
  s.producerCode = QStringLiteral("1001");
  s.producerName = QStringLiteral("Az. Agr. Rossi Giovanni");
  s.note = QStringLiteral("calibro buono, pioggia");
  for (int i = 0; i < LotSheet::kCells; ++i) {
    s.names[i] = QStringLiteral("Cal %1").arg(i % 15 + 1);
    s.ranges[i] = QStringLiteral("%1-%2").arg(120 + 30 * (i % 15)).arg(150 + 30 * (i % 15));
    s.totals[i] = QString::number(100000 + i * 1234);
    s.percents[i] = QStringLiteral("%1.%2").arg(i % 7).arg(i % 100, 2, 10, QLatin1Char('0'));
  }
  for (int q = 0; q < 5; ++q) {
    s.qualityTotals[q] = QString::number(1500000 + q * 1000);
    s.qualityPercents[q] = QStringLiteral("19.87");
  }
  s.grandTotal = QStringLiteral("7510000");

  QTemporaryDir dir;
  std::vector<double> ms;
  for (int i = 0; i < reports; ++i) {
    QElapsedTimer t;
    t.start();
    const report::Document doc = printboll::document(s);
    if (const auto error = ReportOutput::writePdf(doc, dir.filePath(QStringLiteral("bolla%1.pdf").arg(i)))) {
      std::fprintf(stderr, "%s\n", error->toLocal8Bit().constData());
      return 1;
    }
    ms.push_back(t.nsecsElapsed() / 1e6);
  }
  std::sort(ms.begin(), ms.end());
  std::printf("goal: a lot report rendered into a PDF in below 50 ms\n");
  std::printf("lot report to PDF, %d reports: median %.1f ms, worst %.1f ms (the first includes loading the fonts)\n",
              reports, ms[ms.size() / 2], ms.back());
  return 0;
}
