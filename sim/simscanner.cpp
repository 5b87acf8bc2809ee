#include "sim/simscanner.h"

#include <algorithm>


void SimScanner::scan(const QString& code) {
  out_ += code.toLatin1() + lineEnd;
  ++sent_;
}

void SimScanner::feed(const QStringList& codes, int intervalMs) {
  codes_ += codes;
  intervalMs_ = std::max(intervalMs, 0);
  nextMs_ = -1;
}


QByteArray SimScanner::onBytes(const QByteArray&, qint64) { return {}; }

QByteArray SimScanner::onTick(qint64 nowMs) {
  // The first code of a list comes one interval after it was given, as from a person at
  // the scanner, not before the station has opened its line.
  if (nextMs_ < 0) nextMs_ = nowMs + intervalMs_;
  if (!codes_.isEmpty() && nowMs >= nextMs_) {
    scan(codes_.takeFirst());
    nextMs_ = nowMs + intervalMs_;
  }
  QByteArray out;
  out.swap(out_);
  return out;
}

namespace simcommands {

QString applyScanner(SimScanner& s, const QString& command) {
  const QString line = command.trimmed();
  const qsizetype space = line.indexOf(QLatin1Char(' '));
  const QString cmd = space < 0 ? line : line.left(space);
  const QString arg = space < 0 ? QString() : line.mid(space + 1);
  if (cmd == QLatin1String("scan")) {
    if (arg.isEmpty()) return QStringLiteral("error: scan CODE");
    s.scan(arg);
    return QStringLiteral("ok: scan %1").arg(arg);
  }
  if (cmd == QLatin1String("scan-end")) {
    if (arg == QLatin1String("crlf")) s.lineEnd = "\r\n";
    else if (arg == QLatin1String("cr")) s.lineEnd = "\r";
    else if (arg == QLatin1String("lf")) s.lineEnd = "\n";
    else return QStringLiteral("error: scan-end crlf|cr|lf");
    return QStringLiteral("ok: scan-end %1").arg(arg);
  }
  if (cmd == QLatin1String("scan-raw")) {
    QByteArray bytes = arg.toLatin1();
    bytes.replace("\\r", "\r");
    bytes.replace("\\n", "\n");
    s.sendRaw(bytes);
    return QStringLiteral("ok: scan-raw");
  }
  return QStringLiteral("error: scan CODE | scan-end crlf|cr|lf | scan-raw TEXT");
}

}  // namespace simcommands
