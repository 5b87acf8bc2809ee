#include <gtest/gtest.h>

#include "db/calcfields.h"

using calc::cell;

TEST(CalcFields, RoundingHalvesGoToTheEvenHundredth) {
  struct Case { qint64 n; qint64 d; double out; };
  const Case cases[] = {
      {1 * 10000, 20000, 0.00}, {3 * 10000, 20000, 0.02}, {5 * 10000, 20000, 0.02}, {7 * 10000, 20000, 0.04},
      {1 * 10000, 3, 33.33},    {2 * 10000, 3, 66.67},    {0, 5, 0.0},            {5, 0, 0.0},
      {-3 * 10000, 20000, -0.02},
  };
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(calc::roundedHundredths(c.n, c.d), c.out) << c.n << "/" << c.d;
}

TEST(CalcFields, LotPercentagesAndShares) {
  calc::LotInput in;
  in.tot[cell(1, 1)] = 1;
  in.totq5 = 7;
  calc::LotCalc r = calc::lot(in);
  EXPECT_EQ(r.totale_gen, 8);
  EXPECT_DOUBLE_EQ(r.perc[cell(1, 1)], 12.5);
  EXPECT_DOUBLE_EQ(r.percq[4], 87.5);

  calc::LotInput onlyReject;
  onlyReject.totq5 = 500;
  onlyReject.totpartita = 1000;
  r = calc::lot(onlyReject);
  for (double p : r.perc) EXPECT_EQ(p, 0.0);
  EXPECT_DOUBLE_EQ(r.percq[4], 100.0);
  EXPECT_DOUBLE_EQ(r.ttotq[4], 1000.0);

  calc::LotInput zero;
  zero.totpartita = 900;
  r = calc::lot(zero);
  for (double p : r.perc) EXPECT_EQ(p, 0.0);
  for (double p : r.ttot) EXPECT_EQ(p, 0.0);
  for (double p : r.percq) EXPECT_EQ(p, 0.0);

  // Totals whose product with 10000 does not fit in 32 bits.
  calc::LotInput big;
  big.tot[cell(15, 4)] = 300000;
  big.tot[cell(1, 2)] = 100000;
  r = calc::lot(big);
  EXPECT_DOUBLE_EQ(r.perc[cell(15, 4)], 75.0);
  EXPECT_DOUBLE_EQ(r.percq[3], 75.0);
  EXPECT_EQ(r.totaleq[3], 300000);
}

TEST(CalcFields, RunningPercentagesKeepFullPrecision) {
  calc::RunningInput in;
  in.tot[cell(2, 3)] = 1;
  in.tot[cell(1, 1)] = 2;
  const calc::RunningCalc r = calc::running(in);
  EXPECT_EQ(r.totgen, 3);
  EXPECT_DOUBLE_EQ(r.perc[cell(2, 3)], 100.0 / 3.0);
  EXPECT_DOUBLE_EQ(r.percq[0], 200.0 / 3.0);
  EXPECT_EQ(calc::running({}).percq[4], 0.0);
}
