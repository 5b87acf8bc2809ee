#include "db/calcfields.h"

namespace calc {

double roundedHundredths(qint64 numerator, qint64 denominator) {
  if (denominator < 1) return 0.0;
  const bool negative = numerator < 0;
  const quint64 n = negative ? 0 - static_cast<quint64>(numerator) : static_cast<quint64>(numerator);
  const quint64 d = static_cast<quint64>(denominator);
  quint64 q = n / d;
  const quint64 r = n % d;
  // Compare twice the remainder with the divisor without overflowing.
  if (r > d - r || (r == d - r && (q & 1))) ++q;
  const double hundredths = static_cast<double>(q) / 100.0;
  return negative ? -hundredths : hundredths;
}

LotCalc lot(const LotInput& in) {
  LotCalc out;
  for (int q = 1; q <= kQualities; ++q)
    for (int c = 1; c <= kClasses; ++c) out.totaleq[q - 1] += in.tot[cell(c, q)];
  out.totale_gen = out.totaleq[0] + out.totaleq[1] + out.totaleq[2] + out.totaleq[3] + in.totq5;
  if (out.totale_gen >= 1) {
    for (int i = 0; i < kCells; ++i) out.perc[i] = roundedHundredths(in.tot[i] * 10000, out.totale_gen);
    for (int q = 0; q < kQualities; ++q) out.percq[q] = roundedHundredths(out.totaleq[q] * 10000, out.totale_gen);
    out.percq[4] = roundedHundredths(in.totq5 * 10000, out.totale_gen);
  }
  const double partita = static_cast<double>(in.totpartita);
  for (int q = 0; q < 5; ++q) out.ttotq[q] = partita * out.percq[q] / 100.0;
  for (int i = 0; i < kCells; ++i) out.ttot[i] = partita * out.perc[i] / 100.0;
  return out;
}

RunningCalc running(const RunningInput& in) {
  RunningCalc out;
  for (int q = 1; q <= kQualities; ++q)
    for (int c = 1; c <= kClasses; ++c) out.totq[q - 1] += in.tot[cell(c, q)];
  out.totgen = out.totq[0] + out.totq[1] + out.totq[2] + out.totq[3] + in.totq5;
  if (out.totgen < 1) return out;
  const double total = static_cast<double>(out.totgen);
  for (int i = 0; i < kCells; ++i) out.perc[i] = static_cast<double>(in.tot[i]) * 100.0 / total;
  for (int q = 0; q < kQualities; ++q) out.percq[q] = static_cast<double>(out.totq[q]) * 100.0 / total;
  out.percq[4] = static_cast<double>(in.totq5) * 100.0 / total;
  return out;
}

}  // namespace calc
