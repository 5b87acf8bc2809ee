#include "reports/printprog.h"

#include <QCoreApplication>

#include "base/text.h"
#include "reports/printboll.h"

namespace {
constexpr int kLeftAlign = 0x0001 | 0x0080;
constexpr int kRightAlign = 0x0002 | 0x0080;
constexpr int kCenter = 0x0004 | 0x0080;
using report::kLeft;
using report::kRight;

// The title at the right of the company header and the rule below both; returns where
// the page goes on.
double heading(report::Page& page, const QStringList& company, const QString& title, const QString& date) {
  const double top = report::companyHeader(page, company);
  page.text(100, report::kMargin, 100, 8, title, kRightAlign, 15, true);
  page.text(100, report::kMargin + 9, 100, 5, QCoreApplication::translate("printprog", "Data :") + QLatin1Char(' ') + date, kRightAlign);
  const double y = std::max(top, report::kMargin + 15.0);
  page.rule(kLeft, y, kRight - kLeft);
  return y + 2;
}

QString decimal(double v, int decimals) {
  return QString::number(v, 'f', decimals).replace(QLatin1Char('.'), text::decimalSeparator());
}

QString percent(qint64 part, qint64 whole) {
  return whole > 0 ? decimal(static_cast<double>(part) * 100.0 / static_cast<double>(whole), 1) : QString();
}

}  // namespace

namespace printprog {

report::Document document(const ProgramSheet& s) {
  report::Document doc;
  doc.title = QCoreApplication::translate("printprog", "Programma %1").arg(s.code);
  report::Page page;
  double y = heading(page, s.company, QCoreApplication::translate("printprog", "STAMPA PROGRAMMA"), s.printDate);
  page.text(kLeft, y, 30, 6, QCoreApplication::translate("printprog", "Programma :"), kLeftAlign, 10, true);
  page.text(kLeft + 30, y, 30, 6, s.code, kLeftAlign, 12, true);
  y += 6.5;
  page.text(kLeft, y, 30, 6, QCoreApplication::translate("printprog", "Descrizione:"), kLeftAlign, 10, true);
  page.text(kLeft + 30, y, 150, 6, s.description, kLeftAlign, 12, true);
  y += 7;
  page.rule(kLeft, y, kRight - kLeft);
  y += 3;
  constexpr double row = 6.0, w = 92, height = 7 + 5 + 15 * row + 1;
  for (int q = 1; q <= 4; ++q) {
    const double x = q % 2 == 1 ? kLeft : kLeft + 98;
    const double ty = y + (q <= 2 ? 0 : height + 4);
    page.box(x, ty, w, height);
    page.text(x, ty, w, 7, QCoreApplication::translate("printprog", "Qualita %1").arg(q), kCenter, 11, true);
    page.rule(x, ty + 7, w);
    page.text(x + 4, ty + 7, 40, 5, QCoreApplication::translate("printprog", "calibro"), kLeftAlign, 9, true);
    page.text(x + 46, ty + 7, 42, 5, QCoreApplication::translate("printprog", "Pesi"), kLeftAlign, 9, true);
    page.rule(x, ty + 12, w);
    for (int c = 1; c <= machine::kClasses; ++c) {
      const int i = (q - 1) * machine::kClasses + c - 1;
      const double r = ty + 12.5 + (c - 1) * row;
      page.text(x + 1, r, 6, row, QString::number(c), kRightAlign, 8);
      page.text(x + 9, r, 36, row, s.names[i]);
      page.text(x + 46, r, 44, row, s.ranges[i]);
    }
  }
  doc.pages.append(page);
  return doc;
}

}  // namespace printprog

namespace printinstall {

report::Document document(const InstallationSheet& s) {
  report::Document doc;
  doc.title = QCoreApplication::translate("printprog", "Installazione");
  report::Page page;
  double y = heading(page, s.company, QCoreApplication::translate("printprog", "STAMPA INSTALLAZIONE"), s.printDate) + 2;
  const auto pair = [&page](double x, double py, double captionWidth, const QString& caption, const QString& value) {
    page.text(x, py, captionWidth, 6, caption);
    page.text(x + captionWidth, py, 20, 6, value, kLeftAlign, 10, true);
  };
  const QString left[][2] = {{QCoreApplication::translate("printprog", "Numero Linee ="), s.lines},          {QCoreApplication::translate("printprog", "Numero Tazze ="), s.cups},
                             {QCoreApplication::translate("printprog", "Ritardo Tara ="), s.tareDelay},       {QCoreApplication::translate("printprog", "Tipo Tara ="), s.tareType},
                             {QCoreApplication::translate("printprog", "Direzione encoder ="), s.encoderDirection}, {QCoreApplication::translate("printprog", "Zero Encoder ="), s.encoderZero}};
  for (int i = 0; i < 6; ++i) pair(kLeft, y + i * 7, 42, left[i][0], left[i][1]);
  page.box(120, y, 80, 24);
  page.text(120, y + 1, 80, 6, QCoreApplication::translate("printprog", "Fine Campione"), kCenter, 10, true);
  pair(124, y + 9, 32, QCoreApplication::translate("printprog", "Distanza FC ="), s.endDistance);
  pair(124, y + 16, 32, QCoreApplication::translate("printprog", "Durata FC ="), s.endDuration);
  y += 6 * 7 + 3;
  page.rule(kLeft, y, kRight - kLeft);
  y += 3;
  for (int l = 0; l < machine::kWeighingLines; ++l) {
    const double x = kLeft + l * 47.5;
    const QString n = QString::number(l + 1);
    pair(x, y, 34, QCoreApplication::translate("printprog", "punto iniz. peso L%1 =").arg(n), s.startPoint[l]);
    pair(x, y + 7, 34, QCoreApplication::translate("printprog", "punto Fine peso L%1 =").arg(n), s.endPoint[l]);
    pair(x, y + 14, 34, QCoreApplication::translate("printprog", "Kappa  L%1 =").arg(n), s.kappa[l]);
    pair(x, y + 21, 34, QCoreApplication::translate("printprog", "Qualità  L%1 =").arg(n), s.quality[l]);
  }
  y += 4 * 7 + 3;
  page.rule(kLeft, y, kRight - kLeft);
  y += 3;
  pair(kLeft, y, 42, QCoreApplication::translate("printprog", "Seriale Centralina ="), s.boardPort);
  pair(kLeft, y + 7, 42, QCoreApplication::translate("printprog", "Seriale  Barcode   ="), s.barcodePort);
  pair(kLeft, y + 14, 42, QCoreApplication::translate("printprog", "Seriale  Scarti       ="), s.rejectPort);
  doc.pages.append(page);
  return doc;
}

}  // namespace printinstall

namespace printproducer {

QString amount(qint64 grams, bool inGrams) {
  return inGrams ? QString::number(grams) : decimal(static_cast<double>(grams) / 1000.0, 1);
}

report::Document document(const ProducerStatement& s) {
  report::Document doc;
  doc.title = QCoreApplication::translate("printprog", "Produttore %1").arg(s.producerCode);
  const bool grams = s.unit == QLatin1String("gr");
  // Columns: date, delivery note, program, five qualities with their shares, the total.
  const double xDate = kLeft, xBolla = kLeft + 17, xProg = kLeft + 32;
  const auto xQuality = [](int q) { return kLeft + 40 + (q - 1) * 26.0; };
  const double xTotal = kLeft + 170;
  constexpr double row = 5.0;
  const auto heads = [&](report::Page& page, double y) {
    page.text(xDate, y, 17, 5, QCoreApplication::translate("printprog", "Data"), kLeftAlign, 8, true);
    page.text(xBolla, y, 15, 5, QCoreApplication::translate("printprog", "Bolla"), kLeftAlign, 8, true);
    page.text(xProg, y, 8, 5, QCoreApplication::translate("printprog", "Prog."), kLeftAlign, 8, true);
    for (int q = 1; q <= 5; ++q) page.text(xQuality(q), y, 26, 5, QCoreApplication::translate("printprog", "Qualita %1 (%2 / %)").arg(q).arg(s.unit), kCenter, 8, true);
    page.text(xTotal, y, 20, 5, QCoreApplication::translate("printprog", "Totale %1").arg(s.unit), kRightAlign, 8, true);
    page.rule(kLeft, y + 5.5, kRight - kLeft);
  };
  const auto line = [&](report::Page& page, double y, const ProducerStatement::Line& l, bool bold) {
    page.text(xDate, y, 17, row, l.date, kLeftAlign, 8, bold);
    page.text(xBolla, y, 15, row, l.bolla, kLeftAlign, 8, bold);
    page.text(xProg, y, 8, row, l.programma, kLeftAlign, 8, bold);
    for (int q = 1; q <= 5; ++q) {
      page.text(xQuality(q), y, 16, row, amount(l.qualities[q - 1], grams), kRightAlign, 8, bold);
      page.text(xQuality(q) + 16, y, 9, row, percent(l.qualities[q - 1], l.total), kRightAlign, 8, bold);
    }
    page.text(xTotal, y, 20, row, amount(l.total, grams), kRightAlign, 8, bold);
  };

  ProducerStatement::Line sum;
  sum.date = QCoreApplication::translate("printprog", "TOTALE");
  for (const ProducerStatement::Line& l : s.lines) {
    for (int q = 0; q < 5; ++q) sum.qualities[q] += l.qualities[q];
    sum.total += l.total;
  }
  int next = 0;
  int pageNumber = 0;
  do {
    report::Page page;
    double y = heading(page, s.company, QCoreApplication::translate("printprog", "RIEPILOGO BOLLE PRODUTTORE"), s.printDate);
    page.text(kLeft, y, 120, 6, QCoreApplication::translate("printprog", "Produttore: %1  %2").arg(s.producerCode, s.producerName), kLeftAlign, 11, true);
    page.text(130, y, 70, 6, QCoreApplication::translate("printprog", "dal %1 al %2").arg(s.from, s.to), kRightAlign, 10);
    y += 8;
    heads(page, y);
    y += 7;
    while (next < s.lines.size() && y + row <= report::kBottom - 14) line(page, y, s.lines[next++], false), y += row;
    ++pageNumber;
    if (next >= s.lines.size()) {
      page.rule(kLeft, y + 0.5, kRight - kLeft);
      sum.bolla = QCoreApplication::translate("printprog", "%n bolle", nullptr, static_cast<int>(s.lines.size()));
      line(page, y + 1.5, sum, true);
    }
    page.text(kLeft, report::kBottom - 5, kRight - kLeft, 5, QCoreApplication::translate("printprog", "Pagina %1").arg(pageNumber), kRightAlign, 8);
    doc.pages.append(page);
  } while (next < s.lines.size());
  return doc;
}

}  // namespace printproducer
