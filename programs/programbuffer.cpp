#include "programs/programbuffer.h"

#include <cmath>

#include "base/text.h"

namespace program {

QString code(int n) { return text::fixedRight(QString::number(n), 2, QLatin1Char('0')); }

std::optional<QString> toStoredUnits(const QString& typed, int m) {
  if (typed.isEmpty()) return typed;
  if (typed.contains(QLatin1Char('.'))) {
    bool ok = false;
    const double kilograms = typed.trimmed().toDouble(&ok);
    if (!ok) return QStringLiteral("0");
    const qint64 grams = static_cast<qint64>(std::nearbyint(kilograms * 1000.0));
    return QString::number(grams / m);
  }
  const auto n = text::strictInt(typed.trimmed());
  if (!n) return std::nullopt;
  return QString::number(*n / m);
}

namespace {

QString timesM(const QString& boundary, int m) {
  if (boundary.isEmpty()) return boundary;
  const auto n = text::strictInt(boundary.trimmed());
  // A limit that is not a number (a row written by another program) is shown as it is,
  // never as a made-up 0: saving or sending it is then refused, naming it.
  if (!n) return boundary;
  return QString::number(static_cast<qint64>(*n) * m).rightJustified(4, QLatin1Char('0'));
}

}  // namespace

QString toEditorText(const QString& boundary, int m) { return m < 2 ? boundary : timesM(boundary, m); }

QString toRangeText(const QString& boundary, int m) { return m == 0 ? boundary : timesM(boundary, m); }

}  // namespace program
