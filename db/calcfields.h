#pragma once

#include <QtGlobal>
#include <array>

#include "base/machine.h"

// The calculated columns of a stored lot (`bolle`) and of the running totals
// (`totali_temp`): quality totals, grand total, percentages and, for a lot, the share of
// the whole lot quantity that falls to every class and quality.
namespace calc {

constexpr int kClasses = machine::kClasses;
constexpr int kQualities = machine::kQualities;
constexpr int kCells = kClasses * kQualities;

// Index of class c (1..15) of quality q (1..4) in the arrays below, in the columns' order.
constexpr int cell(int c, int q) { return (q - 1) * kClasses + (c - 1); }

// R(numerator / denominator) / 100: the quotient rounded to the nearest whole number, an
// exact half to the even one, in hundredths. Exact for every 64-bit numerator; 0 when the
// denominator is below 1.
double roundedHundredths(qint64 numerator, qint64 denominator);

struct LotInput {
  std::array<qint64, kCells> tot{};
  qint64 totq5 = 0;
  qint64 totpartita = 0;
};

struct LotCalc {
  std::array<qint64, kQualities> totaleq{};
  qint64 totale_gen = 0;
  std::array<double, kCells> perc{};
  std::array<double, 5> percq{};   // Percq1, percq2 .. percq5
  std::array<double, kCells> ttot{};
  std::array<double, 5> ttotq{};
};

// The lot's percentages are rounded to hundredths; its lot shares are taken from them.
LotCalc lot(const LotInput& in);

struct RunningInput {
  std::array<qint64, kCells> tot{};
  qint64 totq5 = 0;
};

struct RunningCalc {
  std::array<qint64, kQualities> totq{};
  qint64 totgen = 0;
  std::array<double, kCells> perc{};
  std::array<double, 5> percq{};
};

// The running totals' percentages keep their full precision.
RunningCalc running(const RunningInput& in);

}  // namespace calc
