#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include "base/modalui.h"
#include "reports/printboll.h"
#include "reports/reportoutput.h"

namespace {

// A print system of the test's own (scripts/cups-test-server): its socket, or a reason
// why it cannot run here.
struct PrintSystem {
  QString dir;
  QString socket;
  QString failure;
  explicit PrintSystem(const QString& folder) : dir(folder) {
    QProcess p;
    p.start(QStringLiteral(SOURCE_DIR "/scripts/cups-test-server"), {QStringLiteral("start"), dir});
    p.waitForFinished(60000);
    if (p.exitCode() != 0) failure = QString::fromLocal8Bit(p.readAllStandardError()).trimmed();
    else socket = QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
  }
  ~PrintSystem() {
    QProcess::execute(QStringLiteral(SOURCE_DIR "/scripts/cups-test-server"), {QStringLiteral("stop"), dir});
  }
  // The jobs the queue has printed, waiting (for real) up to 20 s for `count` of them.
  QStringList jobs(int count) const {
    QElapsedTimer t;
    t.start();
    QStringList found;
    while (t.elapsed() < 20000) {
      found = QDir(dir + QStringLiteral("/out")).entryList({QStringLiteral("job*.pdf")}, QDir::Files, QDir::Name);
      if (found.size() >= count) break;
      QThread::msleep(50);
    }
    return found;
  }
};

}  // namespace

TEST(PrintQueue, AReportGoesThroughARealQueueAndARefusedJobIsTold) {
  QTemporaryDir root;
  // The queue's device runs as the print system's own user: it must reach the folder.
  QFile::setPermissions(root.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                         QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                         QFileDevice::ExeOther);
  PrintSystem cups(root.filePath(QStringLiteral("cups")));
  if (!cups.failure.isEmpty()) GTEST_SKIP() << "the print system cannot run here: " << cups.failure.toStdString();
  qputenv("CUPS_SERVER", cups.socket.toLocal8Bit());
  ASSERT_TRUE(ReportOutput::printerInstalled());

  ModalUi ui(ModalUi::Mode::Scripted);
  ReportOutput output(ui, QDir(root.path()));
  LotSheet sheet;
  sheet.num = QStringLiteral("12");
  sheet.bolla = QStringLiteral("DDT-12");
  sheet.company = {QStringLiteral("Cooperativa Ortofrutta")};
  const report::Document doc = printboll::document(sheet);
  EXPECT_TRUE(output.print(doc, {QStringLiteral("bolla12.pdf"), false, 2}));
  const QStringList jobs = cups.jobs(1);
  ASSERT_EQ(jobs.size(), 1) << "the queue printed nothing";
  QFile job(cups.dir + QStringLiteral("/out/") + jobs.first());
  ASSERT_TRUE(job.open(QIODevice::ReadOnly));
  EXPECT_TRUE(job.read(5).startsWith("%PDF")) << "the job is the report as a PDF";
  QProcess text;
  text.start(QStringLiteral("pdftotext"), {job.fileName(), QStringLiteral("-")});
  text.waitForFinished(30000);
  const QString printed = QString::fromUtf8(text.readAllStandardOutput());
  EXPECT_TRUE(printed.contains(QStringLiteral("STAMPA BOLLA")) && printed.contains(QStringLiteral("DDT-12")))
      << printed.toStdString();
  EXPECT_FALSE(QFile::exists(root.filePath(QStringLiteral("bolla12.pdf")))) << "a printer: no PDF fallback";
  EXPECT_TRUE(ui.shown().isEmpty()) << ui.shownTexts().join('\n').toStdString();

  // A queue that refuses jobs: the operator is told, never that it printed.
  QProcess::execute(QStringLiteral("cupsreject"), {QStringLiteral("-h"), cups.socket, QStringLiteral("campionatrice")});
  ui.expectMessage(QStringLiteral("La stampa su campionatrice non è riuscita: la coda non accetta lavori"));
  EXPECT_FALSE(output.print(doc, {QStringLiteral("bolla12.pdf"), false, 1}));
  EXPECT_TRUE(ui.allAnswersTaken());
}
