#pragma once

#include <QString>
#include <optional>

#include "sampling/runcontext.h"

// The board's side of the operator's commands while sampling: zero the totals (F8, after
// the operator's yes), read the running or memorised totals (F1), with the hourly
// production they compute. They run on the board's worker; the windows' side of F2, F6
// and F8 (the program list, the editor, the question) is the station's.
class RunCommands {
 public:
  static constexpr int kZeroPause = 400;          // 345.6 ms around "V1"
  static constexpr int kMemoZeroBefore = 5400;    // 4665.6 ms before "v1"
  static constexpr int kMemoZeroAfter = 9400;     // 8121.6 ms after it
  static constexpr int kRejectPause = 900;        // 777.6 ms around the reject reads
  static constexpr int kRejectAttempts = 6;
  static constexpr int kRejectWait = 1510;        // 151 waits of 8.64 ms for each answer
  static constexpr int kRejectMemoWait = 160;     // 16 waits of 8.64 ms

  explicit RunCommands(RunContext context);

  // F8 after the operator answered yes to zeroQuestion().
  void ZeroRunningTotals();
  static QString zeroQuestion();
  void StartClickMemo();
  void TotaliClick();
  void TotaliClickMemo();
  void Totali1Click() { TotaliClick(); }

  // The board must have answered the last poll; otherwise the operator is told.
  bool boardOnOrTell();
  // "Produzione oraria = " + quintals per hour + " ql/h".
  static QString productionText(qint64 quintals);
  // What the label `Costo` shows: the cost of the lot so far and, when the lot has grown
  // since the measure began, the cost per kilogram, in EUR.
  static QString costText(qint64 costLire, std::optional<double> perKgEur);

 private:
  // "V1" (running) or "v1" (memorised) between two pauses, then the totals again.
  void zeroBoardTotals(const QByteArray& letter, int pauseBefore, int pauseAfter);
  void readTotals(bool memorised);
  // The reject weight read now for the totals; a read that fails keeps the last weight
  // and says so.
  void readRejectWeight(bool memorised);
  // Zeroing: the reject unit zeroes too, and the new lot starts without reject.
  void zeroReject();
  void hourlyProduction();
  void crewCost();

  RunContext c_;
};
