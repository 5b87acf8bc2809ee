#include "reject/rejectsupervision.h"

#include <QCoreApplication>

namespace reject {

QString offText() { return QCoreApplication::translate("RejectUnit", "0-SCARTI off "); }
QString errorText() { return QCoreApplication::translate("RejectUnit", "? - errore scarti "); }

QString stateText(int digit) {
  static const char* const kTexts[] = {
      QT_TRANSLATE_NOOP("RejectUnit", "0 - SCARTI ON "),       QT_TRANSLATE_NOOP("RejectUnit", "1 - attesa scar."),
      QT_TRANSLATE_NOOP("RejectUnit", "2 - SCARICO"),          QT_TRANSLATE_NOOP("RejectUnit", "3 - ass. tara"),
      QT_TRANSLATE_NOOP("RejectUnit", "4 - tara in corso"),    QT_TRANSLATE_NOOP("RejectUnit", "5 - att. carico"),
      QT_TRANSLATE_NOOP("RejectUnit", "6 - Carico Sing."),     QT_TRANSLATE_NOOP("RejectUnit", "7 - Ass. e Accum."),
      QT_TRANSLATE_NOOP("RejectUnit", "8 - Doppia Carico"),    QT_TRANSLATE_NOOP("RejectUnit", "9 - Ass. Accum. Pos.")};
  return digit >= 0 && digit <= 9 ? QCoreApplication::translate("RejectUnit", kTexts[digit]) : QString();
}

Supervision supervise(tTrevik& unit, RejectState& s) {
  Supervision out;
  if (s.pCountdown == 0) {
    unit.request(tTrevik::P);
    s.pCountdown = 10;
  } else {
    --s.pCountdown;
  }
  const tTrevik::Results r = unit.results();
  unsigned requests = 0;
  if (r.tGeneration != s.seenT) {
    s.seenT = r.tGeneration;
    if (r.tOk && !r.tBeforeZero) out.weight = r.weight;
    // While a weight goes unanswered the panel says so; the next good status puts the
    // state back.
    if (!r.tOk) out.panel = errorText();
  }
  if (r.pGeneration != s.seenP) {
    s.seenP = r.pGeneration;
    if (r.pOk) {
      s.pCountdown = 50;
      const int delay = r.status.secondTimeMs + 1000;
      if (delay != s.endOfLotDelayMs) {
        s.endOfLotDelayMs = delay;
        out.endOfLotDelayMs = delay;
      }
      if (r.status.active == 0) requests |= tTrevik::M;
      if (r.status.active > 0) {
        if (const QString t = stateText(r.status.state); !t.isEmpty()) out.panel = t;
        if (r.status.state >= 2 && r.status.state <= 5) requests |= tTrevik::T;
      }
      if (!s.decimalsKnown) requests |= tTrevik::D;
    }
  }
  if (r.dGeneration != s.seenD) {
    s.seenD = r.dGeneration;
    // Only an answered D: a failed one is asked again at the next status.
    if (r.dOk) s.decimalsKnown = true;
  }
  if (requests) unit.request(requests);
  return out;
}

std::optional<qint64> readWeight(tTrevik& unit, int attempts, qint64 waitUs) {
  std::optional<qint64> weight;
  // A unit whose line is not open answers nothing: no attempt waits for it.
  for (int i = 0; i < attempts && !weight && unit.results().lineOpen; ++i) {
    const quint64 asked = unit.results().tGeneration;
    unit.request(tTrevik::T);
    unit.waitFor([asked](const tTrevik::Results& r) { return r.tGeneration > asked; }, waitUs);
    const tTrevik::Results r = unit.results();
    if (r.tGeneration > asked && r.tOk && !r.tBeforeZero) weight = r.weight;
  }
  return weight;
}

}  // namespace reject
