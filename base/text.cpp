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

namespace text {

DateTimeFormat::DateTimeFormat(const QString& format) : format_(format) {
  const auto run = [&](int at) {
    int n = 1;
    while (at + n < format.size() && format.at(at + n) == format.at(at)) ++n;
    return n;
  };
  for (int i = 0; i < format.size() && !viaLocale_;) {
    const QChar c = format.at(i);
    const int n = run(i);
    Part p{Part::Literal, 0, {}};
    if (c == QLatin1Char('\'')) {
      // A quoted literal; two quotes stand for one.
      int j = i + 1;
      QString literal;
      for (; j < format.size(); ++j) {
        if (format.at(j) == QLatin1Char('\'')) {
          if (j + 1 < format.size() && format.at(j + 1) == QLatin1Char('\'')) {
            literal += QLatin1Char('\'');
            ++j;
            continue;
          }
          break;
        }
        literal += format.at(j);
      }
      if (i + 1 < format.size() && format.at(i + 1) == QLatin1Char('\'') && literal.isEmpty()) literal = QStringLiteral("'");
      p.text = literal;
      parts_.append(p);
      i = j + 1;
      continue;
    }
    const auto digits = [&](Part::Kind kind) {
      if (n > 2) viaLocale_ = true;
      p.kind = kind;
      p.width = n;
    };
    switch (c.unicode()) {
      case 'd': digits(Part::Day); break;
      case 'M': digits(Part::Month); break;
      case 'H': digits(Part::Hour24); break;
      case 'h': digits(Part::Hour12); break;
      case 'm': digits(Part::Minute); break;
      case 's': digits(Part::Second); break;
      case 'y':
        if (n == 2) p.kind = Part::Year2;
        else if (n == 4) p.kind = Part::Year4;
        else viaLocale_ = true;
        break;
      case 'z':
        p.kind = Part::Millis;
        p.width = n;
        break;
      case 'A': case 'a':
        if (n != 1 || i + 1 >= format.size() || (format.at(i + 1) != QLatin1Char('P') && format.at(i + 1) != QLatin1Char('p'))) {
          viaLocale_ = true;
          break;
        }
        p.kind = Part::AmPm;
        p.width = c == QLatin1Char('A') ? 1 : 2;
        parts_.append(p);
        i += 2;
        continue;
      case 't': case 'g': case 'w': case 'x': case 'X':
        viaLocale_ = true;
        break;
      default:
        p.text = QString(n, c);
        break;
    }
    parts_.append(p);
    i += n;
  }
}

QString DateTimeFormat::apply(const QDate& date, const QTime& time) const {
  QString out;
  out.reserve(24);
  appendTo(out, date, time);
  return out;
}

void DateTimeFormat::appendTo(QString& out, const QDate& date, const QTime& time) const {
  if (viaLocale_) {
    out += QLocale::system().toString(QDateTime(date, time), format_);
    return;
  }
  int year = 0, month = 0, day = 0;
  date.getDate(&year, &month, &day);
  const auto number = [&out](int v, int width) {
    if (v < 0) {
      out += QString::number(v);
      return;
    }
    char digits[12];
    int n = 0;
    do {
      digits[n++] = static_cast<char>('0' + v % 10);
      v /= 10;
    } while (v > 0);
    while (n < width) digits[n++] = '0';
    while (n > 0) out += QLatin1Char(digits[--n]);
  };
  for (const Part& p : parts_) {
    switch (p.kind) {
      case Part::Literal: out += p.text; break;
      case Part::Day: number(day, p.width); break;
      case Part::Month: number(month, p.width); break;
      case Part::Year2: number(year % 100, 2); break;
      case Part::Year4: number(year, 4); break;
      case Part::Hour24: number(time.hour(), p.width); break;
      case Part::Hour12: number(time.hour() % 12 == 0 ? 12 : time.hour() % 12, p.width); break;
      case Part::Minute: number(time.minute(), p.width); break;
      case Part::Second: number(time.second(), p.width); break;
      case Part::Millis: number(time.msec(), p.width == 3 ? 3 : 1); break;
      case Part::AmPm: {
        const QString t = time.hour() < 12 ? QLocale::system().amText() : QLocale::system().pmText();
        out += p.width == 1 ? t.toUpper() : t.toLower();
        break;
      }
    }
  }
}

DateTimeFormat listDateTimeFormat() { return DateTimeFormat(shortDateFormat() + QLatin1Char(' ') + longTimeFormat()); }

}  // namespace text
