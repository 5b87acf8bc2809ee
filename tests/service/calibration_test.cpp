#include <gtest/gtest.h>

#include "service/calibration.h"

TEST(LineCalibration, SampleWeightCoefficientsAndCorrectionsFollowTheirRules) {
  EXPECT_EQ(calibration::sampleWeight(QStringLiteral("200"), 0)->perLine, 200);
  const auto two = calibration::sampleWeight(QStringLiteral("401"), 2);
  ASSERT_TRUE(two.has_value());
  EXPECT_EQ(two->perLine, 200);
  EXPECT_EQ(two->shown, QStringLiteral(" 400"));
  EXPECT_FALSE(calibration::sampleWeight(QStringLiteral("2x0"), 0).has_value());

  std::array<QString, 4> k = {QStringLiteral(" 985"), QStringLiteral("1000"), QStringLiteral("1010"), QStringLiteral("995")};
  EXPECT_EQ(calibration::coefficientString(k), QStringLiteral("0985100010100995"));
  EXPECT_FALSE(calibration::validCoefficient(QStringLiteral("0")).has_value());
  EXPECT_FALSE(calibration::validCoefficient(QStringLiteral("10000")).has_value());
  EXPECT_EQ(calibration::validCoefficient(QStringLiteral(" 985")), 985);

  struct Case { const char* before; calibration::Correction c; const char* after; };
  for (const Case& t : {Case{"1100", calibration::Correction::Plus5, "1100"}, Case{"1099", calibration::Correction::Plus5, "1149"},
                        Case{"1099", calibration::Correction::Plus1, "1119"}, Case{"700", calibration::Correction::Minus1, " 700"},
                        Case{"701", calibration::Correction::Minus5, " 651"}, Case{"abc", calibration::Correction::Plus1, "  20"}}) {
    std::array<QString, 4> one = {QString::fromLatin1(t.before), QString::fromLatin1(t.before), QString::fromLatin1(t.before),
                                  QString::fromLatin1(t.before)};
    calibration::correct(one, t.c);
    EXPECT_EQ(one[2], QString::fromLatin1(t.after)) << t.before;
  }

  CalibrationModel m;
  calibration::apply(m, rcCalibrazioneLinee{QStringLiteral("2"), QStringLiteral("0012"), QStringLiteral("0985"),
                                            QStringLiteral("0100")}, 2);
  EXPECT_EQ(m.npass[1], QStringLiteral("  12"));
  EXPECT_EQ(m.kappa[1], QStringLiteral(" 985"));
  EXPECT_EQ(m.peso[1], QStringLiteral("0200")) << "times the multiplier, leading zeros";
  calibration::apply(m, rcCalibrazioneLinee{QStringLiteral("7"), QStringLiteral("0001"), QStringLiteral("0001"),
                                            QStringLiteral("0001")}, 0);
  EXPECT_TRUE(m.npass[0].isEmpty()) << "a line outside 1 to 4 changes nothing";
}
