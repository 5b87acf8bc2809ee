#pragma once

#include <QString>
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "sim/serialdevice.h"

// Puts a simulated device on a pseudo-terminal: the station opens the terminal's device
// (/dev/pts/N) as its serial port, and a thread of the peer passes what the station writes
// to the device and writes the device's answers back, character by character when the
// device is slow.
class PtyPeer {
 public:
  // Takes ownership of the device.
  explicit PtyPeer(std::unique_ptr<SerialDevice> device);
  ~PtyPeer();
  PtyPeer(const PtyPeer&) = delete;
  PtyPeer& operator=(const PtyPeer&) = delete;

  // Creates the pseudo-terminal and starts the thread; false with errorString() on failure.
  bool start();
  void stop();

  // The device the station opens.
  QString devicePath() const { return slavePath_; }
  QString errorString() const { return error_; }

  // Runs f on the device under the peer's lock, so tests and the command interface can
  // change it while the line runs.
  template <typename Device>
  void with(const std::function<void(Device&)>& f) {
    std::lock_guard<std::mutex> lock(mutex_);
    f(static_cast<Device&>(*device_));
  }

  // Milliseconds since the peer started, the device's time.
  qint64 nowMs() const;

 private:
  void run();
  void send(const QByteArray& bytes, int charDelayUs);

  std::unique_ptr<SerialDevice> device_;
  std::mutex mutex_;
  std::thread thread_;
  std::atomic<bool> running_{false};
  int master_ = -1;
  int slaveKeep_ = -1;  // held open so the line survives the station closing it
  QString slavePath_;
  QString error_;
  std::chrono::steady_clock::time_point start_;
};
