#include "reports/reportoutput.h"

#include <QCoreApplication>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <cups/cups.h>

#include "base/modalui.h"

namespace {
QString tr(const char* s) { return QCoreApplication::translate("ReportOutput", s); }

// Why the print system will not take a job for the queue now (it refuses jobs, or it is
// stopped); empty when it will, or when the printer is no queue of its.
QString refusal(const QString& queue) {
  cups_dest_t* dests = nullptr;
  const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
  QString why;
  if (cups_dest_t* d = cupsGetDest(queue.toUtf8().constData(), nullptr, count, dests)) {
    const char* accepting = cupsGetOption("printer-is-accepting-jobs", d->num_options, d->options);
    const char* state = cupsGetOption("printer-state", d->num_options, d->options);
    if (accepting && qstrcmp(accepting, "false") == 0) why = QCoreApplication::translate("ReportOutput", "la coda non accetta lavori");
    else if (state && qstrcmp(state, "5") == 0) why = QCoreApplication::translate("ReportOutput", "la stampante è ferma");
  }
  cupsFreeDests(count, dests);
  return why;
}

void prepare(QPrinter& printer, const QString& title) {
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setPageOrientation(QPageLayout::Portrait);
  printer.setFullPage(true);
  printer.setDocName(title);
}
}  // namespace

ReportOutput::ReportOutput(ModalUi& ui, const QDir& workDir) : ui_(ui), workDir_(workDir) {}

bool ReportOutput::printerInstalled() { return !QPrinterInfo::availablePrinterNames().isEmpty(); }

std::optional<QString> ReportOutput::writePdf(const report::Document& document, const QString& path) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  prepare(printer, document.title);
  if (!report::paint(document, printer)) return tr("Impossibile scrivere il file %1").arg(path);
  return std::nullopt;
}

bool ReportOutput::toPdf(const report::Document& document, const QString& name) {
  const QString path = workDir_.filePath(name);
  if (const auto error = writePdf(document, path)) {
    ui_.message(*error, ModalUi::Icon::Error);
    return false;
  }
  ui_.message(tr("Nessuna stampante installata: la stampa è nel file %1").arg(QDir::toNativeSeparators(path)),
              ModalUi::Icon::Information);
  return true;
}

std::unique_ptr<QPrinter> ReportOutput::askPrinter(const QString& title) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  if (!printerInstalled()) return printer;
  prepare(*printer, title);
  QPrintDialog dialog(printer.get());
  dialog.setWindowTitle(title);
  if (ui_.exec(dialog) != QDialog::Accepted) return nullptr;
  return printer;
}

bool ReportOutput::print(const report::Document& document, const Request& request) {
  if (request.preview) {
    QPrinter printer(QPrinter::HighResolution);
    prepare(printer, document.title);
    QPrintPreviewDialog preview(&printer);
    preview.setWindowTitle(document.title);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&document](QPrinter* p) { report::paint(document, *p); });
    ui_.exec(preview);
    return true;
  }
  std::unique_ptr<QPrinter> own;
  QPrinter* printer = request.printer;
  if (!printer) {
    if (!printerInstalled()) return toPdf(document, request.pdfName);
    own = std::make_unique<QPrinter>(QPrinterInfo::defaultPrinter().isNull() ? QPrinterInfo::printerInfo(
                                                                                   QPrinterInfo::availablePrinterNames().first())
                                                                             : QPrinterInfo::defaultPrinter(),
                                     QPrinter::HighResolution);
    printer = own.get();
  }
  if (printer->outputFormat() == QPrinter::PdfFormat && printer->outputFileName().isEmpty())
    return toPdf(document, request.pdfName);
  prepare(*printer, document.title);
  printer->setCopyCount(std::max(1, request.copies));
  const bool queue = printer->outputFormat() == QPrinter::NativeFormat;
  const QString where = queue ? printer->printerName() : printer->outputFileName();
  const auto fail = [&](const QString& why) {
    ui_.message(tr("La stampa su %1 non è riuscita: %2").arg(where, why), ModalUi::Icon::Error);
    return false;
  };
  // The print system takes the job only when the painting ends, and the printing layer
  // does not say when it refuses it: the queue is asked first, and its answer read after.
  if (queue) {
    if (const QString why = refusal(where); !why.isEmpty()) return fail(why);
  }
  if (!report::paint(document, *printer) || printer->printerState() == QPrinter::Error)
    return fail(tr("la stampante non ha accettato il lavoro"));
  if (queue && cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE)
    return fail(QString::fromUtf8(cupsLastErrorString()));
  return true;
}
