#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

// Text and number helpers shared by every subsystem. The station keeps most values as
// decimal texts in fixed-width fields, and converts them by a few exact rules.
namespace text {

// The value right-aligned in exactly `width` characters, padded on the left with `fill`.
// A value wider than its field keeps its rightmost `width` characters, so that a fixed
// record never changes length and the fields after it never move.
QString fixedRight(const QString& value, int width, QChar fill = QLatin1Char(' '));
QString fixedRight(qint64 value, int width, QChar fill = QLatin1Char(' '));

// The value left-aligned in exactly `width` characters: cut, or padded with blanks.
QString fixedLeft(const QString& value, int width);

// A whole decimal number: an optional sign and digits, nothing else, within 32 bits.
std::optional<int> strictInt(const QString& value);

// Leading blanks skipped, then an optional sign and the digits up to the first other
// character. A text without digits gives 0.
int lenientInt(const QString& value);

// The system's short date format with '/' as the date separator, as the station uses it
// from the first steps of start-up on.
QString shortDateFormat();
// The system's long time format.
QString longTimeFormat();
QString formatShortDate(const QDate& date);
QString formatLongTime(const QTime& time);

// Text that came from a serial line, made safe for the event log: control characters
// and bytes above 126 become visible names ("<CR>", "<LF>", "<ESC>", "<NUL>", "<0x7F>").
QString visible(const QByteArray& bytes);
QString visible(const QString& text);

// Windows-1252, the single-byte set of the existing installations' files (event log,
// side files, backup): Latin-1 plus the euro sign and a few more in 0x80 to 0x9F.
QString fromCp1252(const QByteArray& bytes);
// The text in Windows-1252; nothing when a character cannot be held (it is never written
// as "?"). `unheld`, when given, receives the first such character.
std::optional<QByteArray> toCp1252(const QString& text, QChar* unheld = nullptr);
// For the event log: a character that cannot be held is written as "<U+20AC>"-style text.
QByteArray toCp1252Visible(const QString& text);
// The refusal of a text that holds a character the single-byte files cannot: the
// character and what the text is.
QString notSingleByteMessage(QChar c, const QString& what);

// The decimal separator of the system locale.
QChar decimalSeparator();

}  // namespace text

namespace text {

// A date and time format of Qt's kind ("dd/MM/yyyy HH:mm:ss"), read once and applied to
// many values: a list of thousands of lots formats each of them. Formats with names of
// days or months, or anything else it does not know, are left to the locale.
class DateTimeFormat {
 public:
  explicit DateTimeFormat(const QString& format);
  QString apply(const QDate& date, const QTime& time) const;
  // The same, appended to `out`.
  void appendTo(QString& out, const QDate& date, const QTime& time) const;

 private:
  struct Part {
    enum Kind { Literal, Day, Month, Year2, Year4, Hour24, Hour12, Minute, Second, Millis, AmPm } kind;
    int width = 0;  // digits: 1 (no padding) or 2; AmPm: 1 upper, 2 lower
    QString text;   // a literal
  };
  QString format_;
  QList<Part> parts_;
  bool viaLocale_ = false;
};

// The short date and long time of the system, as the lists show a lot's date.
DateTimeFormat listDateTimeFormat();

}  // namespace text
