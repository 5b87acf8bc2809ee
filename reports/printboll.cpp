#include "reports/printboll.h"

#include <QCoreApplication>
#include <cmath>

#include "base/text.h"
#include "programs/programbuffer.h"

namespace {

constexpr int kLeftAlign = 0x0001 | 0x0080;
constexpr int kRightAlign = 0x0002 | 0x0080;
constexpr int kCenter = 0x0004 | 0x0080;

// One quality's table: its title, the column heads and the 15 classes.
void qualityTable(report::Page& page, const LotSheet& s, int q, double x, double y, bool kilograms) {
  constexpr double w = 92, row = 4.8;
  page.box(x, y, w, 7 + 5 + 15 * row + 1);
  page.text(x, y, w, 7, QCoreApplication::translate("printboll", "QUALITA %1").arg(q), kCenter, 11, true);
  page.rule(x, y + 7, w);
  const double cName = x + 2, cRange = x + 29, cTotal = x + 56, cPerc = x + 78;
  page.text(cName, y + 7, 26, 5, QCoreApplication::translate("printboll", "calibro"), kLeftAlign, 9, true);
  page.text(cRange, y + 7, 26, 5, QCoreApplication::translate("printboll", "peso"), kLeftAlign, 9, true);
  page.text(cTotal, y + 7, 20, 5, QCoreApplication::translate("printboll", "Totali"), kRightAlign, 9, true);
  page.text(cPerc, y + 7, 12, 5, QCoreApplication::translate("printboll", "Perc."), kRightAlign, 9, true);
  page.rule(x, y + 12, w);
  for (int c = 1; c <= machine::kClasses; ++c) {
    const int i = LotSheet::cell(c, q);
    const double r = y + 12.5 + (c - 1) * row;
    page.text(cName, r, 27, row, s.names[i]);
    page.text(cRange, r, 27, row, s.ranges[i]);
    page.text(cTotal - 4, r, kilograms ? 18 : 24, row, s.totals[i], kRightAlign);
    if (kilograms) page.text(cTotal + 14.5, r, 6, row, QStringLiteral("Kg"), kLeftAlign, 8);
    page.text(cPerc, r, 12, row, s.percents[i], kRightAlign);
  }
}

}  // namespace

namespace report {

QString masked(double value, const QString& mask) {
  const qsizetype point = mask.indexOf(QLatin1Char('.'));
  const QString whole = point < 0 ? mask : mask.left(point);
  const QString fraction = point < 0 ? QString() : mask.mid(point + 1);
  const int decimals = static_cast<int>(fraction.size());
  const int required = static_cast<int>(fraction.lastIndexOf(QLatin1Char('0')) + 1);
  QString digits = QString::number(std::fabs(value), 'f', decimals);
  QString intPart = digits.section(QLatin1Char('.'), 0, 0);
  QString fracPart = decimals > 0 ? digits.section(QLatin1Char('.'), 1, 1) : QString();
  while (fracPart.size() > required && fracPart.endsWith(QLatin1Char('0'))) fracPart.chop(1);
  const int requiredWhole = static_cast<int>(whole.count(QLatin1Char('0')));
  if (intPart == QLatin1String("0") && requiredWhole == 0) intPart.clear();
  while (intPart.size() < requiredWhole) intPart.prepend(QLatin1Char('0'));
  QString t = intPart;
  if (!fracPart.isEmpty()) t += text::decimalSeparator() + fracPart;
  if (value < 0 && !t.isEmpty()) t.prepend(QLatin1Char('-'));
  return t;
}

QString weightRange(const QString& low, const QString& high, int m) {
  const auto shown = [m](const QString& v) { return m >= 2 ? program::toEditorText(v, m) : v; };
  return shown(low) + QLatin1Char('-') + shown(high);
}

}  // namespace report

namespace printboll {

report::Document document(const LotSheet& s) {
  using report::kLeft;
  using report::kRight;
  report::Document doc;
  doc.title = s.layout == LotSheet::Layout::QuickRep_temp ? QCoreApplication::translate("printboll", "Bolla in corso") : QCoreApplication::translate("printboll", "Bolla %1").arg(s.num);
  report::Page page;
  const bool projected = s.layout == LotSheet::Layout::stp_totpart;
  const bool running = s.layout == LotSheet::Layout::QuickRep_temp;

  // The company at the top left, the title and date at the right.
  const double top = report::companyHeader(page, s.company);
  page.text(110, report::kMargin, 90, 8, QCoreApplication::translate("printboll", "STAMPA BOLLA"), kRightAlign, 16, true);
  page.text(110, report::kMargin + 9, 90, 5, QCoreApplication::translate("printboll", "Data :") + QLatin1Char(' ') + s.printDate, kRightAlign);
  double y = std::max(top, report::kMargin + 15.0);
  page.rule(kLeft, y, kRight - kLeft);
  y += 1.5;
  if (running) {
    page.text(kLeft, y, 100, 6, QCoreApplication::translate("printboll", "Totali Temporanei"), kLeftAlign, 11, true);
  } else {
    page.text(kLeft, y, 30, 6, QCoreApplication::translate("printboll", "Numero Bolla:"), kLeftAlign, 10, true);
    page.text(kLeft + 30, y, 60, 6, s.bolla, kLeftAlign, 11, true);
    page.text(110, y, 50, 6, QCoreApplication::translate("printboll", "Numero Registrazione :"), kLeftAlign, 10, true);
    page.text(160, y, 40, 6, s.num, kLeftAlign, 11, true);
  }
  y += 7.5;

  // Program and producer.
  const auto infoBox = [&](const QString& codeCaption, const QString& code, const QString& descriptionCaption,
                           const QString& description) {
    page.box(kLeft, y, kRight - kLeft, 8);
    page.text(kLeft + 2, y + 1, 38, 6, codeCaption);
    page.text(kLeft + 40, y + 1, 22, 6, code, kLeftAlign, 10, true);
    page.text(kLeft + 64, y + 1, 44, 6, descriptionCaption);
    page.text(kLeft + 108, y + 1, 80, 6, description, kLeftAlign, 10, true);
    y += 9.5;
  };
  infoBox(QCoreApplication::translate("printboll", "Codice Programma :"), s.programCode, QCoreApplication::translate("printboll", "Descrizione programma"), s.programDescription);
  if (!projected) infoBox(QCoreApplication::translate("printboll", "Codice Produttore :"), s.producerCode, QCoreApplication::translate("printboll", "Descrizione produttore"), s.producerName);
  y += 1;

  // The four qualities, two by two.
  constexpr double tableHeight = 7 + 5 + 15 * 4.8 + 1;
  for (int q = 1; q <= 4; ++q)
    qualityTable(page, s, q, q % 2 == 1 ? kLeft : kLeft + 98, y + (q <= 2 ? 0 : tableHeight + 3), projected);
  y += 2 * tableHeight + 6;

  // The totals: three groups of "Totali" and "Perc." in the first two rows.
  const double boxTop = y;
  const double rows = running ? 4 : 3;
  page.box(kLeft, boxTop, kRight - kLeft, 6 + rows * 7);
  const double groupX[] = {kLeft + 2, kLeft + 65, kLeft + 128};
  for (double gx : groupX) {
    page.text(gx + 24, y + 0.5, 22, 5, QCoreApplication::translate("printboll", "Totali"), kRightAlign, 9, true);
    page.text(gx + 46, y + 0.5, 14, 5, QCoreApplication::translate("printboll", "Perc."), kRightAlign, 9, true);
  }
  y += 6;
  const auto qualityTotal = [&](int q, double gx, double ry) {
    page.text(gx, ry, 24, 6, QCoreApplication::translate("printboll", "Totale Q%1").arg(q), kLeftAlign, 10, true);
    page.text(gx + 22, ry, projected ? 19 : 24, 6, s.qualityTotals[q - 1], kRightAlign, 10, true);
    if (projected) page.text(gx + 41.5, ry, 6, 6, QStringLiteral("Kg"), kLeftAlign, 8);
    page.text(gx + 46, ry, 14, 6, s.qualityPercents[q - 1], kRightAlign);
  };
  qualityTotal(1, groupX[0], y);
  qualityTotal(3, groupX[1], y);
  qualityTotal(5, groupX[2], y);
  y += 7;
  qualityTotal(2, groupX[0], y);
  qualityTotal(4, groupX[1], y);
  y += 7;
  page.rule(kLeft, y - 0.5, kRight - kLeft);
  page.text(groupX[0], y, 32, 6, QCoreApplication::translate("printboll", "Totale Generale"), kLeftAlign, 11, true);
  page.text(groupX[0] + 30, y, projected ? 26 : 30, 6, projected ? s.lotQuantity : s.grandTotal, kRightAlign, 11, true);
  if (projected) {
    page.text(groupX[0] + 57, y, 6, 6, QStringLiteral("Kg"), kLeftAlign, 8);
    page.text(groupX[1] + 10, y, 30, 6, QCoreApplication::translate("printboll", "Totale Partita"), kLeftAlign, 11, true);
    page.text(groupX[1] + 40, y, 30, 6, s.lotQuantity, kRightAlign, 11, true);
    page.text(groupX[1] + 71, y, 6, 6, QStringLiteral("Kg"), kLeftAlign, 8);
  } else {
    page.text(groupX[1] + 10, y, 12, 6, QCoreApplication::translate("printboll", "Note:"), kLeftAlign, 10, true);
    page.text(groupX[1] + 22, y, kRight - groupX[1] - 24, 6, s.note);
  }
  if (running) {
    y += 7;
    page.text(groupX[0], y, 90, 6, s.production);
    page.text(groupX[1] + 10, y, kRight - groupX[1] - 12, 6, s.cost);
  }
  doc.pages.append(page);
  return doc;
}

}  // namespace printboll
