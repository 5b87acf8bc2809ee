#pragma once

#include <QString>
#include <optional>

#include "reject/thread_Trevik.h"

// What the station keeps of the reject unit between two ticks.
struct RejectState {
  int pCountdown = 10;        // ticks until the next status request
  bool decimalsKnown = false;
  quint64 seenP = 0, seenT = 0, seenD = 0;  // the results already taken
  int endOfLotDelayMs = 0;    // the unit's second time + 1000 ms
};

namespace reject {

// Panel 4's texts.
QString offText();    // "0-SCARTI off "
QString errorText();  // "? - errore scarti "
// The text of a state digit; empty for a digit without one.
QString stateText(int digit);

// What one tick of the supervision found.
struct Supervision {
  std::optional<qint64> weight;          // a new reject weight for the lot in progress
  std::optional<QString> panel;          // a new text for panel 4
  std::optional<int> endOfLotDelayMs;    // a new delay for the end of lot
};
// One tick: the status asked every 11 ticks (51 once the unit answers), the weight taken
// while the unit works, the decimals asked until it gives them, the unit woken while idle.
Supervision supervise(tTrevik& unit, RejectState& state);

// Reads the reject weight now: asks for it and waits for an answer newer than the request,
// `attempts` times at most, `waitUs` each; a weight read before a zeroing still to be done
// is never taken. Nothing when no attempt gave one.
std::optional<qint64> readWeight(tTrevik& unit, int attempts, qint64 waitUs);

}  // namespace reject
