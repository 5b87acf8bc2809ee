#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

class cPort;
class EventLog;

// Cutting the auxiliary line's input (a barcode scanner) into lines: CR, LF and CR LF all
// end a line, so a scanner that ends its lines with CR alone loses nothing, and an LF that
// arrives in the read after its CR ends nothing. Empty lines are dropped.
class AuxLineCutter {
 public:
  // Text that never meets a line end is not kept without bound: beyond this, the oldest
  // part of it is discarded.
  static constexpr int kPendingCap = 4096;

  // Adds what arrived; true when pending text had to be discarded.
  bool feed(const QByteArray& bytes);
  // The first complete non-empty line, taken out of the pending text; nothing when no
  // complete line is there.
  std::optional<QString> takeLine();
  const QByteArray& pending() const { return pending_; }

 private:
  QByteArray pending_;
};

// The auxiliary line reader: reads the barcode scanner's line on a thread of its own, one
// pass every two seconds (at most 25 bytes and one line a pass), and keeps the lines until
// the main cycle takes them. The station owns it and joins it; the thread waits between
// passes on a condition that the stop wakes, so closing never waits for a pass. The station
// never writes to this line.
class tPolling {
 public:
  static constexpr int kReadSize = 25;
  static constexpr int kQueueCap = 251;
  static constexpr int kPassMs = 2000;

  // `passMs`: the time between passes (tests shorten it).
  tPolling(int portNumber, QString devicePath, EventLog* log, int passMs = kPassMs);
  ~tPolling();
  tPolling(const tPolling&) = delete;
  tPolling& operator=(const tPolling&) = delete;

  // Opens the port and starts the thread; whether the port opened. A port that cannot be
  // opened is logged once and tried again at each pass (a scanner plugged in later).
  bool start();
  // Ends the thread and waits for it; lines not taken are discarded with the port.
  void stop();
  bool running() const { return thread_.joinable(); }

  int LineCount() const;
  // The oldest line, removed; empty when there is none.
  QString TakeLine();

  int portNumber() const { return port_; }
  bool portOpen() const;
  int passes() const;

 private:
  void run();
  void pass();
  bool openLine();
  void logOnce(bool& flag, const QString& text);

  int port_;
  QString devicePath_;
  EventLog* log_;
  int passMs_;
  std::unique_ptr<cPort> line_;  // used by the thread only
  AuxLineCutter cutter_;         // used by the thread only
  bool openFailureLogged_ = false, pendingCapLogged_ = false, queueFullLogged_ = false;

  mutable std::mutex mutex_;
  std::condition_variable wake_;
  bool stop_ = false;
  std::deque<QString> queue_;
  bool open_ = false;
  int passes_ = 0;
  std::thread thread_;
};
