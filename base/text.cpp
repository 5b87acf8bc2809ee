#include "base/text.h"

#include <QCoreApplication>
#include <QLocale>
#include <limits>

namespace text {

QString fixedRight(const QString& value, int width, QChar fill) {
  if (width <= 0) return {};
  if (value.size() >= width) return value.right(width);
  return QString(width - value.size(), fill) + value;
}

QString fixedRight(qint64 value, int width, QChar fill) {
  return fixedRight(QString::number(value), width, fill);
}

QString fixedLeft(const QString& value, int width) {
  if (width <= 0) return {};
  if (value.size() >= width) return value.left(width);
  return value + QString(width - value.size(), QLatin1Char(' '));
}

QString visible(const QByteArray& bytes) {
  QString out;
  out.reserve(bytes.size());
  for (char ch : bytes) {
    const auto c = static_cast<unsigned char>(ch);
    switch (c) {
      case 0: out += QStringLiteral("<NUL>"); break;
      case 10: out += QStringLiteral("<LF>"); break;
      case 13: out += QStringLiteral("<CR>"); break;
      case 27: out += QStringLiteral("<ESC>"); break;
      default:
        if (c < 32 || c > 126) out += QStringLiteral("<0x%1>").arg(c, 2, 16, QLatin1Char('0')).toUpper().replace(QLatin1String("<0X"), QLatin1String("<0x"));
        else out += QLatin1Char(ch);
    }
  }
  return out;
}

QString visible(const QString& text) { return visible(text.toLatin1()); }

namespace {
// 0x80 to 0x9F of Windows-1252; 0 where the code is not used.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

std::optional<char> cp1252Byte(QChar c) {
  const char16_t u = c.unicode();
  if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return static_cast<char>(u);
  for (int i = 0; i < 32; ++i)
    if (kCp1252High[i] != 0 && kCp1252High[i] == u) return static_cast<char>(0x80 + i);
  return std::nullopt;
}
}  // namespace

QString fromCp1252(const QByteArray& bytes) {
  QString out;
  out.reserve(bytes.size());
  for (char ch : bytes) {
    const auto b = static_cast<unsigned char>(ch);
    // An unused code keeps its Latin-1 reading, so no byte of an old file is lost.
    out += (b >= 0x80 && b <= 0x9F && kCp1252High[b - 0x80] != 0) ? QChar(kCp1252High[b - 0x80]) : QChar(b);
  }
  return out;
}

std::optional<QByteArray> toCp1252(const QString& text, QChar* unheld) {
  QByteArray out;
  out.reserve(text.size());
  for (QChar c : text) {
    const auto b = cp1252Byte(c);
    if (!b) {
      if (unheld) *unheld = c;
      return std::nullopt;
    }
    out += *b;
  }
  return out;
}

QByteArray toCp1252Visible(const QString& text) {
  QByteArray out;
  for (QChar c : text) {
    if (const auto b = cp1252Byte(c)) out += *b;
    else out += "<U+" + QByteArray::number(c.unicode(), 16).toUpper().rightJustified(4, '0') + ">";
  }
  return out;
}

QString notSingleByteMessage(QChar c, const QString& what) {
  return QCoreApplication::translate("text", "Il carattere '%1' non può essere scritto in %2: usare solo lettere, cifre e "
                                             "segni dell'alfabeto latino")
      .arg(c, what);
}

std::optional<int> strictInt(const QString& value) {
  int i = 0;
  bool negative = false;
  if (i < value.size() && (value[i] == QLatin1Char('-') || value[i] == QLatin1Char('+'))) {
    negative = value[i] == QLatin1Char('-');
    ++i;
  }
  if (i >= value.size()) return std::nullopt;
  qint64 result = 0;
  for (; i < value.size(); ++i) {
    const QChar c = value[i];
    if (c < QLatin1Char('0') || c > QLatin1Char('9')) return std::nullopt;
    result = result * 10 + (c.unicode() - '0');
    if (result > qint64(std::numeric_limits<int>::max()) + 1) return std::nullopt;
  }
  if (negative) result = -result;
  if (result > std::numeric_limits<int>::max() || result < std::numeric_limits<int>::min())
    return std::nullopt;
  return static_cast<int>(result);
}

int lenientInt(const QString& value) {
  int i = 0;
  while (i < value.size() && value[i] == QLatin1Char(' ')) ++i;
  bool negative = false;
  if (i < value.size() && (value[i] == QLatin1Char('-') || value[i] == QLatin1Char('+'))) {
    negative = value[i] == QLatin1Char('-');
    ++i;
  }
  qint64 result = 0;
  for (; i < value.size(); ++i) {
    const QChar c = value[i];
    if (c < QLatin1Char('0') || c > QLatin1Char('9')) break;
    result = result * 10 + (c.unicode() - '0');
    if (result > std::numeric_limits<int>::max()) {
      result = std::numeric_limits<int>::max();
      break;
    }
  }
  return static_cast<int>(negative ? -result : result);
}

QString shortDateFormat() {
  // Every run of separators between the day, month and year fields becomes one '/'. A
  // short date is all digits: a locale without one of its own (the "C" locale of a bare
  // system) gets day/month/year, and month names become month numbers.
  const QLocale locale = QLocale::system();
  if (locale.language() == QLocale::C) return QStringLiteral("dd/MM/yyyy");
  QString format = locale.dateFormat(QLocale::ShortFormat);
  format.replace(QLatin1String("MMMM"), QLatin1String("MM")).replace(QLatin1String("MMM"), QLatin1String("MM"));
  QString result;
  bool inQuote = false;
  bool pendingSeparator = false;
  for (const QChar c : format) {
    if (c == QLatin1Char('\'')) {
      inQuote = !inQuote;
      continue;
    }
    if (!inQuote && c.isLetter()) {
      if (pendingSeparator && !result.isEmpty()) result += QLatin1Char('/');
      pendingSeparator = false;
      result += c;
    } else {
      pendingSeparator = true;
    }
  }
  return result.isEmpty() ? QStringLiteral("dd/MM/yyyy") : result;
}

QString longTimeFormat() {
  const QString format = QLocale::system().timeFormat(QLocale::LongFormat);
  // The long format of some locales names the time zone; the log wants the clock time.
  QString cleaned = format;
  cleaned.remove(QLatin1Char('t')).remove(QLatin1String("  "));
  cleaned = cleaned.trimmed();
  return cleaned.isEmpty() ? QStringLiteral("HH:mm:ss") : cleaned;
}

QString formatShortDate(const QDate& date) {
  return QLocale::system().toString(date, shortDateFormat());
}

QString formatLongTime(const QTime& time) {
  return QLocale::system().toString(time, longTimeFormat());
}

QChar decimalSeparator() {
  const QString sep = QLocale::system().decimalPoint();
  return sep.isEmpty() ? QLatin1Char(',') : sep.front();
}

}  // namespace text
