#pragma once

#include <QString>
#include <QStringList>
#include <array>

#include "base/machine.h"
#include "reports/page.h"

// What the lot report prints, as the texts it prints them with.
struct LotSheet {
  // QuickRep1: a stored lot with its sample totals; stp_totpart: a stored lot projected
  // onto its lot quantity; QuickRep_temp: the running totals of the lot in progress.
  enum class Layout { QuickRep1, stp_totpart, QuickRep_temp };
  static constexpr int kCells = machine::kQualities * machine::kClasses;
  static constexpr int cell(int c, int q) { return (q - 1) * machine::kClasses + c - 1; }

  Layout layout = Layout::QuickRep1;
  QStringList company;
  QString printDate;
  QString bolla;
  QString num;
  QString programCode;
  QString programDescription;
  QString producerCode;
  QString producerName;
  QString note;
  std::array<QString, kCells> names;
  std::array<QString, kCells> ranges;
  std::array<QString, kCells> totals;
  std::array<QString, kCells> percents;
  std::array<QString, 5> qualityTotals;    // qualities 1 to 5
  std::array<QString, 5> qualityPercents;  // with the mask "###.##"
  QString grandTotal;
  QString lotQuantity;                     // stp_totpart
  // The lot in progress: the hourly production and the crew's cost so far.
  QString production;
  QString cost;
};

namespace printboll {
// The page of the lot report in the sheet's layout.
report::Document document(const LotSheet& sheet);
}  // namespace printboll

namespace report {
// A number with a mask of '#' (a digit when there is one), '0' (always a digit) and '.'
// (the decimal separator): "###.##" writes 100 as "100", 12.5 as "12.5", 0 as "".
QString masked(double value, const QString& mask);
// A range of weight limits as the screens show them: the stored limits times the weight
// multiplier m when it is 2 or more.
QString weightRange(const QString& low, const QString& high, int m);
}  // namespace report
