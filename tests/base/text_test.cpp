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

TEST(Text, SingleByteFilesAreWindows1252AndNeverGetAQuestionMark) {
  struct Case { QString text; QByteArray bytes; };
  const Case cases[] = {{QStringLiteral("qualità"), "qualit\xe0"},
                        {QStringLiteral("€ 12"), "\x80 12"},
                        {QStringLiteral("“Œ”"), "\x93\x8c\x94"}};
  for (const Case& c : cases) {
    EXPECT_EQ(text::toCp1252(c.text), std::optional<QByteArray>(c.bytes)) << c.text.toStdString();
    EXPECT_EQ(text::fromCp1252(c.bytes), c.text);
  }
  QChar unheld;
  EXPECT_FALSE(text::toCp1252(QStringLiteral("Mele 中"), &unheld).has_value());
  EXPECT_EQ(unheld, QChar(0x4E2D));
  EXPECT_EQ(text::toCp1252Visible(QStringLiteral("Mele 中 €")), QByteArray("Mele <U+4E2D> \x80"));
  EXPECT_EQ(text::fromCp1252("\x81"), QString(QChar(0x81))) << "an unused code keeps its byte";
}

TEST(Text, ControlBytesFromTheLineAreMadeVisible) {
  EXPECT_EQ(text::visible(QByteArray("A\r\n\x1b\x00\x7f\xff", 7)), QStringLiteral("A<CR><LF><ESC><NUL><0x7F><0xFF>"));
}

TEST(DateTimeFormat, WritesWhatTheLocaleWritesFaster) {
  const QDate d(2026, 3, 7);
  const QLocale locale = QLocale::system();
  for (const QTime t : {QTime(9, 5, 3, 7), QTime(0, 0, 0), QTime(12, 30, 59), QTime(23, 59, 59, 999)})
    for (const char* f : {"dd/MM/yyyy HH:mm:ss", "d/M/yy h:mm:ss AP", "yyyy-MM-dd'T'HH:mm:ss.zzz", "dd.MM.yyyy 'h' H",
                          "ddd d MMM yyyy hh:mm ap", "M/d/yyyy h:mm:ss ap", "HH 'o''clock'"}) {
      const QString format = QString::fromLatin1(f);
      EXPECT_EQ(text::DateTimeFormat(format).apply(d, t), locale.toString(QDateTime(d, t), format))
          << f << " " << t.toString().toStdString();
    }
}
