#pragma once

#include <QString>
#include <array>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "reject/clKestin.h"

class Clock;
class EventLog;

// The reject unit's polling thread. The station raises requests (V arm the end of lot,
// Z zero, P status, D decimals, T weight, M wake); the thread serves them in that order on
// its own line and publishes each result whole, with a generation number, under a lock.
// Between requests it waits on a condition, costing no processor time.
class tTrevik {
 public:
  enum Request : unsigned { V = 1, Z = 2, P = 4, D = 8, T = 16, M = 32 };

  struct Results {
    // P: the unit's times, whether it works and its state.
    quint64 pGeneration = 0;
    bool pOk = false;
    kestin::Status status;
    // T: the reject weight in grams, from the last answer whose decimals were known.
    quint64 tGeneration = 0;
    bool tOk = false;
    bool tBeforeZero = false;  // read while a zeroing was still to be done
    qint64 weight = 0;
    // D: the decimals code, -1 until a D was answered.
    quint64 dGeneration = 0;
    bool dOk = false;
    int decimals = -1;
    bool lineOpen = false;    // the unit's line is open (a read on a closed one fails at once)
    quint64 zGeneration = 0;  // zeroings done
    quint64 vGeneration = 0;  // end-of-lot armings done
    std::array<bool, kestin::kErrorCodes> errors{};
  };

  // A port outside 1 to 98 means no reject unit: the thread never starts.
  tTrevik(int portNumber, QString devicePath, Clock& clock, EventLog* log = nullptr);
  ~tTrevik();
  tTrevik(const tTrevik&) = delete;
  tTrevik& operator=(const tTrevik&) = delete;

  static bool validPort(int port) { return port >= 1 && port <= 98; }

  // Opens the line and starts serving; false without a valid port.
  bool start();
  // Tells the thread to end and waits for it (an exchange under way ends at its time-out,
  // or at once when the clock is interrupted).
  void stop();
  bool running() const { return thread_.joinable(); }
  // The processor time the thread has used, in milliseconds (for the benchmarks).
  double cpuMs() const;
  int portNumber() const { return port_; }

  void request(unsigned requests);
  Results results() const;

  // Waits, through the clock, until `ready` holds for the published results or `us`
  // passed; true when it holds. The wait is on a descriptor the thread signals at each
  // result, so it costs nothing and a test clock lets the time pass at once.
  bool waitFor(const std::function<bool(const Results&)>& ready, qint64 us);

  // The pause between two attempts of a V or Z the unit did not take.
  static constexpr int kRetryMs = 500;

 private:
  void run();
  void publish(const std::function<void(Results&)>& change);

  int port_;
  QString devicePath_;
  Clock& clock_;
  EventLog* log_;
  std::unique_ptr<cKestin> link_;
  std::thread thread_;
  mutable std::mutex mutex_;
  std::condition_variable wake_;
  unsigned requests_ = 0;
  bool stop_ = false;
  Results results_;
  int resultFd_ = -1;  // an eventfd, readable after each published result
};
