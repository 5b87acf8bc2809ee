#include <gtest/gtest.h>

#include "base/text.h"

TEST(Text, FixedRightPadsAndKeepsTheFieldWidth) {
  EXPECT_EQ(text::fixedRight(QStringLiteral("7"), 3), QStringLiteral("  7"));
  EXPECT_EQ(text::fixedRight(42, 4, QLatin1Char('0')), QStringLiteral("0042"));
  EXPECT_EQ(text::fixedRight(QStringLiteral("12345"), 3), QStringLiteral("345"));
  EXPECT_EQ(text::fixedLeft(QStringLiteral("ab"), 4), QStringLiteral("ab  "));
  EXPECT_EQ(text::fixedLeft(QStringLiteral("abcdef"), 4), QStringLiteral("abcd"));
}

TEST(Text, StrictIntAcceptsOnlyWholeDecimalNumbers) {
  struct Case { const char* in; std::optional<int> out; };
  const Case cases[] = {
      {"0", 0},        {"100", 100},  {"-12", -12},          {"+5", 5},
      {"00", 0},       {"", {}},      {" 5", {}},            {"5 ", {}},
      {"abc", {}},     {"1e3", {}},   {"2147483647", 2147483647},
      {"2147483648", {}}, {"-2147483648", -2147483647 - 1}, {"-", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(text::strictInt(QString::fromLatin1(c.in)), c.out) << c.in;
}

TEST(Text, LenientIntSkipsLeadingBlanksAndStopsAtTheFirstOtherCharacter) {
  struct Case { const char* in; int out; };
  const Case cases[] = {{" 50", 50}, {"  7", 7}, {"255", 255}, {" -1", -1}, {"", 0},
                        {"abc", 0},  {"12x", 12}, {"   ", 0}};
  for (const Case& c : cases) EXPECT_EQ(text::lenientInt(QString::fromLatin1(c.in)), c.out) << c.in;
}

TEST(Text, ShortDateUsesSlashAsSeparator) {
  const QString date = text::formatShortDate(QDate(2026, 3, 9));
  EXPECT_TRUE(date.contains(QLatin1Char('/'))) << date.toStdString();
  EXPECT_FALSE(date.contains(QLatin1Char('.')) || date.contains(QLatin1Char('-'))) << date.toStdString();
  EXPECT_EQ(date.count(QLatin1Char('/')), 2);
  for (const QChar c : date) EXPECT_TRUE(c.isDigit() || c == QLatin1Char('/')) << date.toStdString();
}
