#pragma once

#include <QString>
#include <array>

#include "base/machine.h"

class EventLog;
class ModalUi;
class RunView;
class TDataModule1;

// The running totals of the lot in progress, in grams: the class totals T(q, c) of
// qualities 1 to 4, the quality totals, the reject total R and the grand total G; and their
// display and storage in `totali_temp`.
class RunningTotals {
 public:
  static constexpr int kQualities = machine::kQualities;
  static constexpr int kClasses = machine::kClasses;

  std::array<std::array<qint64, kClasses>, kQualities> T{};
  std::array<qint64, kQualities> Q{};
  qint64 R = 0;
  qint64 G = 0;
  // Percentages of qualities 2 to 5 in the stored lot in progress, for the quality limits.
  std::array<double, 4> qualityPercentages{};

  qint64& t(int q, int c) { return T[q - 1][c - 1]; }
  void clearClasses();
  // Q(q) from the class totals and G from them and R.
  void sum();
  void zero();

  // A total as the main window shows it: whole grams right-aligned in 8 characters, or
  // kilograms with one decimal right-aligned in at least 6.
  static QString totalText(qint64 grams, bool inGrams);
  // A percentage as ShowTotals writes it: two decimals, '.' as the decimal point.
  static QString percentText(double percent);
  // A stored percentage as shown after a store: rounded to three significant digits,
  // then two decimals with the system's decimal separator.
  static QString storedPercentText(double percent);

  void ShowTotals(RunView& view, bool inGrams) const;
  // Rewrites the single row of `totali_temp` in one transaction and shows its stored
  // percentages. Does nothing when the table does not exist. A refused store leaves the
  // previous row as it was; it is told once, and again only when the cause changes (the
  // event log gets every one). Returns whether the row was stored.
  bool StoreLotInProgress(TDataModule1& data, RunView& view, ModalUi& ui, EventLog* log = nullptr);

 private:
  QString lastStoreError_;
};

// The header of the lot in progress, kept in `temporary` across a restart.
struct LotHeader {
  QString program = QStringLiteral("000");
  QString producer = QStringLiteral("00000");

  enum class Read { Found, Empty, Failed };
  // Found when `temporary` holds a row; then `rememberedProgram` is its program number.
  // Empty only when the table was read and holds no lot; Failed when it could not be
  // read (the cause was told).
  Read ReadLotHeader(TDataModule1& data, int* rememberedProgram);
  // Writes the header as the single row of `temporary` (nothing when the table does not
  // exist); false when the archive refused it (told).
  bool StoreLotHeader(TDataModule1& data) const;
};
