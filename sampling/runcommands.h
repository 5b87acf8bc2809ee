#pragma once

#include <QString>

#include "sampling/runcontext.h"

// The operator's commands while sampling: load a program into the board (F2), edit the
// current program (F6), zero the totals (F8), read the running or memorised totals (F1),
// with the hourly production they compute.
class RunCommands {
 public:
  static constexpr int kZeroPause = 400;          // 345.6 ms around "V1"
  static constexpr int kMemoZeroBefore = 5400;    // 4665.6 ms before "v1"
  static constexpr int kMemoZeroAfter = 9400;     // 8121.6 ms after it

  explicit RunCommands(RunContext context);

  void Programma1Click();
  void ModificaPU1Click();
  void Start1Click();
  void StartClickMemo();
  void TotaliClick();
  void TotaliClickMemo();
  void Totali1Click() { TotaliClick(); }

  // The board must have answered the last poll; otherwise the operator is told.
  bool boardOnOrTell();
  // "Produzione oraria = " + quintals per hour + " ql/h".
  static QString productionText(qint64 quintals);

 private:
  // "V1" (running) or "v1" (memorised) between two pauses, then the totals again.
  void zeroBoardTotals(const QByteArray& letter, int pauseBefore, int pauseAfter);
  void readTotals(bool memorised);
  void hourlyProduction();

  RunContext c_;
};
