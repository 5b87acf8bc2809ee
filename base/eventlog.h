#pragma once

#include <QDir>
#include <QString>
#include <mutex>

class Clock;

// The station's event log "morvel.log" in the working folder. Every entry is the date,
// a blank, the time, " | " and the message, cut to 255 single-byte characters. Callers end
// their messages with CR LF where they want a line break. The file is opened and closed
// for every entry, so the log is complete even if the station is killed.
class EventLog {
 public:
  static constexpr int kMaxEntry = 255;
  static constexpr const char* kFileName = "morvel.log";

  EventLog(const QDir& workDir, const Clock& clock);

  // Appends one entry. A failing write is swallowed: logging never stops the operation
  // that logs. Returns whether the entry reached the file. Safe from any thread: the
  // board's worker and the reject unit's thread log too, and an entry never lands on
  // another.
  bool append(const QString& message);

  // The entry as it would be written now, without writing it.
  QByteArray formatEntry(const QString& message) const;

  QString path() const { return path_; }
  // Why the last entry did not reach the file; empty after one that did.
  QString lastError() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return lastError_;
  }

 private:
  QString path_;
  const Clock& clock_;
  mutable std::mutex mutex_;
  QString lastError_;
};
