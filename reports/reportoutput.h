#pragma once

#include <QDir>
#include <QString>
#include <memory>
#include <optional>

#include "reports/page.h"

class ModalUi;
class QPrinter;

// Where a report goes: the preview, the printer (the system's default, or the one chosen
// in the print dialog), or, on a machine with no printer, a PDF in the working folder.
class ReportOutput {
 public:
  ReportOutput(ModalUi& ui, const QDir& workDir);

  struct Request {
    QString pdfName;          // the file when there is no printer: "bolla12.pdf" and the like
    bool preview = false;     // "Preview stampa"
    int copies = 1;
    QPrinter* printer = nullptr;  // chosen in the print dialog; none: the default printer
  };
  // True when the report was shown, printed or written; a failure is told with its cause.
  bool print(const report::Document& document, const Request& request);

  // The system print dialog on a printer of its own; nothing when the operator cancels.
  // With no printer installed there is nothing to choose: the default (a PDF) is taken.
  std::unique_ptr<QPrinter> askPrinter(const QString& title);

  // The document as a PDF file; an error text when it cannot be written.
  static std::optional<QString> writePdf(const report::Document& document, const QString& path);
  // Whether the system has a printer to print on (a PDF stands in otherwise).
  static bool printerInstalled();

 private:
  bool toPdf(const report::Document& document, const QString& name);

  ModalUi& ui_;
  QDir workDir_;
};
