#pragma once

#include <QString>

class SimBoard;

// The command interface of the simulated machine: one text line, one answer.
//   power on|off, end-lot, model 0-3|old, weights MEAN SD, lot-size N, cadence N,
//   long-status on|off, line-speed BAUD, fault none|no-echo|no-last-echo|no-reply|
//   short-reply|garbled-reply|slow MS, status, help
namespace simcommands {

QString apply(SimBoard& board, const QString& line, qint64 nowMs);
QString help();

}  // namespace simcommands
