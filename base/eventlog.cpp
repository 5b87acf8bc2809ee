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
  // Windows-1252 as the installations' logs are; a character it cannot hold is written
  // as its code ("<U+4E2D>"), never as "?". The entry is cut to 255 bytes.
  return text::toCp1252Visible(entry).left(kMaxEntry);
}

bool EventLog::append(const QString& message) {
  std::lock_guard<std::mutex> lock(mutex_);
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
