#include "base/eventlog.h"

#include <QFile>

#include "base/clock.h"
#include "base/text.h"

EventLog::EventLog(const QDir& workDir, const Clock& clock)
    : path_(workDir.filePath(QString::fromLatin1(kFileName))), clock_(clock) {}

QByteArray EventLog::formatEntry(const QString& message) const {
  const QDateTime now = clock_.now();
  const QString entry = text::formatShortDate(now.date()) + QLatin1Char(' ') +
                        text::formatLongTime(now.time()) + QStringLiteral(" | ") + message;
  return entry.left(kMaxEntry).toLatin1();
}

bool EventLog::append(const QString& message) {
  QFile file(path_);
  if (!file.open(QIODevice::ReadWrite) || !file.seek(file.size())) {
    lastError_ = file.errorString();
    return false;
  }
  const QByteArray entry = formatEntry(message);
  const bool ok = file.write(entry) == entry.size();
  lastError_ = ok ? QString() : file.errorString();
  file.close();
  return ok;
}
