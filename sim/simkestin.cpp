#include "sim/simkestin.h"

#include <QStringList>
#include <algorithm>

QByteArray SimKestin::onBytes(const QByteArray& in, qint64) {
  pending_ += in;
  QByteArray out;
  qsizetype cr;
  while ((cr = pending_.indexOf('\r')) >= 0) {
    const QByteArray line = pending_.left(cr);
    pending_.remove(0, cr + 1);
    if (line.size() != 1 || line[0] < 'A' || line[0] > 'Z') continue;  // not a command of the unit
    ++counts_[line[0] - 'A'];
    if (faults.silent) continue;
    out += reply(line[0]);
  }
  return out;
}

int SimKestin::count(char command) const { return command >= 'A' && command <= 'Z' ? counts_[command - 'A'] : 0; }

QByteArray SimKestin::reply(char command) {
  if (!faults.garbage.isEmpty()) return faults.garbage;
  if (faults.errorCode >= 0) return "E" + QByteArray::number(faults.errorCode).rightJustified(2, '0') + "\r";
  switch (command) {
    case 'D': return "---" + QByteArray::number(settings.decimals) + "\r";
    case 'V': case 'M': return "---\r";
    case 'Z':
      grams_ = 0;
      return "---\r";
    case 'T': {
      // The weight in the unit's own scale, split over its two loads.
      static constexpr qint64 kScale[] = {1000, 100, 10, 1};
      const qint64 value = grams_ / kScale[std::clamp(settings.decimals, 0, 3)];
      const qint64 a = value / 2, b = value - a;
      return "---" + QByteArray::number(a).rightJustified(8, '0') + QByteArray::number(b).rightJustified(8, '0') + "\r";
    }
    case 'P':
      return "---" + QByteArray::number(settings.firstTime).rightJustified(3, '0') +
             QByteArray::number(settings.secondTime).rightJustified(3, '0') + QByteArray::number(settings.active) +
             QByteArray::number(settings.state) + "\r";
    default: return "E11\r";
  }
}

QString SimKestin::describe() const {
  return QStringLiteral("scarti: %1 g, stato %2, attiva %3, decimali %4%5")
      .arg(grams_)
      .arg(settings.state)
      .arg(settings.active)
      .arg(settings.decimals)
      .arg(faults.silent ? QStringLiteral(", muta") : faults.errorCode >= 0 ? QStringLiteral(", errore %1").arg(faults.errorCode)
                                                   : !faults.garbage.isEmpty() ? QStringLiteral(", risposte sbagliate")
                                                                              : QString());
}

namespace simcommands {

QString applyReject(SimKestin& u, const QString& command) {
  const QStringList w = command.split(QLatin1Char(' '), Qt::SkipEmptyParts);
  const QString what = w.value(1), value = w.value(2);
  if (what == QLatin1String("state")) u.settings.state = value.toInt();
  else if (what == QLatin1String("active")) u.settings.active = value.toInt();
  else if (what == QLatin1String("error")) u.faults.errorCode = value == QLatin1String("off") ? -1 : value.toInt();
  else if (what == QLatin1String("silent")) u.faults.silent = value != QLatin1String("off");
  else if (what == QLatin1String("garbage")) u.faults.garbage = value == QLatin1String("off") ? QByteArray() : value.toLatin1() + "\r";
  else if (what == QLatin1String("grams")) u.setGrams(value.toLongLong());
  else if (what == QLatin1String("times")) {
    u.settings.firstTime = value.toInt();
    u.settings.secondTime = w.value(3).toInt();
  } else if (!what.isEmpty() && what != QLatin1String("status")) {
    return QStringLiteral("scarti: state N | active 0/1 | error NN/off | silent on/off | garbage TEXT/off | grams G | "
                          "times FIRST SECOND | status");
  }
  return u.describe();
}

}  // namespace simcommands
