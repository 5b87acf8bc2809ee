#include "sim/commands.h"

#include <QStringList>

#include "sim/simboard.h"

namespace simcommands {

QString help() {
  return QStringLiteral(
      "power on|off          switch the board off (no echo, no reply) or on again (state 0)\n"
      "end-lot               end the lot now (state 5, memorised totals kept)\n"
      "model 0|1|2|3|old     board model: Pilto, Piltomod, Dravo, Dravo-1, or an old board\n"
      "weights MEAN SD       fruit weights in grams\n"
      "lot-size N            fruits per lot (0: the lot ends only with end-lot)\n"
      "cadence N             cups per second times ten\n"
      "long-status on|off    status replies with the five fc values\n"
      "line-speed BAUD       emulate the line speed (0: as fast as possible)\n"
      "unit N                grams per board weight unit: the station's xmoltiply (1 when 0)\n"
      "plain-ends on|off     replies end at their CR and the CR of a command is not echoed\n"
      "fault none|no-echo|no-last-echo|no-reply|short-reply|garbled-reply|slow MS\n"
      "stream-fault none|fast|split|joined|short|bad-line|empty-value|noise|ignore-esc [off]\n"
      "status                what the board holds\n"
      "scan CODE             the barcode scanner sends a code (scan-end crlf|cr|lf, scan-raw TEXT)\n");
}

QString apply(SimBoard& b, const QString& line, qint64 nowMs) {
  const QStringList w = line.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
  if (w.isEmpty()) return {};
  const QString cmd = w[0].toLower();
  const QString arg = w.value(1).toLower();
  bool ok = true;
  const auto number = [&](int i) { return w.value(i).toInt(&ok); };
  const auto real = [&](int i) { return w.value(i).toDouble(&ok); };

  if (cmd == QLatin1String("help")) return help();
  if (cmd == QLatin1String("status")) return b.describe();
  if (cmd == QLatin1String("power") && (arg == QLatin1String("on") || arg == QLatin1String("off"))) {
    arg == QLatin1String("on") ? b.powerOn(nowMs) : b.powerOff();
    return QStringLiteral("ok: power %1").arg(arg);
  }
  if (cmd == QLatin1String("end-lot")) {
    b.endLotNow();
    return QStringLiteral("ok: lot ended");
  }
  if (cmd == QLatin1String("model")) {
    if (arg == QLatin1String("old")) {
      b.settings.oldBoard = true;
      return QStringLiteral("ok: old board");
    }
    const int m = number(1);
    if (!ok || m < 0 || m > 3) return QStringLiteral("error: model 0 to 3 or old");
    b.settings.oldBoard = false;
    b.settings.model = m;
    return QStringLiteral("ok: model %1").arg(m);
  }
  if (cmd == QLatin1String("weights")) {
    const double mean = real(1);
    const bool okMean = ok;
    const double sd = real(2);
    if (!okMean || !ok || mean <= 0 || sd < 0) return QStringLiteral("error: weights MEAN SD (grams)");
    b.settings.meanWeight = mean;
    b.settings.sdWeight = sd;
    return QStringLiteral("ok: weights %1 %2").arg(mean).arg(sd);
  }
  if (cmd == QLatin1String("unit")) {
    const int n = number(1);
    if (!ok || n < 0 || n > 999) return QStringLiteral("error: unit needs 0 to 999 grams");
    b.settings.unit = n < 1 ? 1 : n;
    return QStringLiteral("ok: unit %1").arg(b.settings.unit);
  }
  if (cmd == QLatin1String("plain-ends")) {
    const bool plain = arg == QLatin1String("on");
    b.settings.echoCr = !plain;
    b.settings.afterReply = plain ? QByteArray() : QByteArrayLiteral("\n");
    return QStringLiteral("ok: plain-ends %1").arg(plain ? "on" : "off");
  }
  if (cmd == QLatin1String("lot-size") || cmd == QLatin1String("cadence") ||
      cmd == QLatin1String("line-speed")) {
    const int n = number(1);
    if (!ok || n < 0) return QStringLiteral("error: %1 needs a number of 0 or more").arg(cmd);
    if (cmd == QLatin1String("lot-size")) b.settings.lotSize = n;
    else if (cmd == QLatin1String("cadence")) b.settings.cadence = n > 999 ? 999 : n;
    else b.lineSpeed = n;
    return QStringLiteral("ok: %1 %2").arg(cmd).arg(n);
  }
  if (cmd == QLatin1String("long-status")) {
    b.settings.longStatus = arg == QLatin1String("on");
    return QStringLiteral("ok: long-status %1").arg(b.settings.longStatus ? "on" : "off");
  }
  if (cmd == QLatin1String("stream-fault")) {
    SimBoard::StreamFaults& f = b.streamFaults;
    const bool on = w.value(2).toLower() != QLatin1String("off");
    if (arg == QLatin1String("none")) f = SimBoard::StreamFaults();
    else if (arg == QLatin1String("fast")) f.fast = on;
    else if (arg == QLatin1String("split")) f.split = on;
    else if (arg == QLatin1String("joined")) f.joined = on;
    else if (arg == QLatin1String("short")) f.shortFrames = on;
    else if (arg == QLatin1String("bad-line")) f.badLine = on;
    else if (arg == QLatin1String("empty-value")) f.emptyValue = on;
    else if (arg == QLatin1String("noise")) f.noise = on;
    else if (arg == QLatin1String("ignore-esc")) f.ignoreEsc = on;
    else return QStringLiteral("error: stream-fault none|fast|split|joined|short|bad-line|empty-value|noise|ignore-esc [off]");
    return QStringLiteral("ok: stream-fault %1").arg(w.mid(1).join(QLatin1Char(' ')));
  }
  if (cmd == QLatin1String("fault")) {
    SimBoard::Faults f;
    if (arg == QLatin1String("none")) {
    } else if (arg == QLatin1String("no-echo")) {
      f.noEcho = true;
    } else if (arg == QLatin1String("no-last-echo")) {
      f.noLastEcho = true;
    } else if (arg == QLatin1String("no-reply")) {
      f.noReply = true;
    } else if (arg == QLatin1String("short-reply")) {
      f.shortReply = true;
    } else if (arg == QLatin1String("garbled-reply")) {
      f.garbledReply = true;
    } else if (arg == QLatin1String("slow")) {
      f.slowCharMs = number(2);
      if (!ok || f.slowCharMs < 0) return QStringLiteral("error: fault slow MS");
    } else {
      return QStringLiteral("error: unknown fault %1").arg(arg);
    }
    b.faults = f;
    return QStringLiteral("ok: fault %1").arg(w.mid(1).join(QLatin1Char(' ')));
  }
  return QStringLiteral("error: unknown command '%1' (help lists them)").arg(w[0]);
}

}  // namespace simcommands
