#pragma once

#include <QByteArray>
#include <QString>

// One serial line of the station: opens a numbered port (COM n) with the fixed settings
// (the given speed, 8 data bits, 1 stop bit, no parity, raw, no flow control), writes
// blocks of bytes and performs short reads. No framing, no locking: everything above bytes
// belongs to its users.
//
// COM n is the device the port map gives for it (the section "ports" of the settings
// store), by default /dev/ttyS(n-1). The device is used exclusively: a second cPort on the
// same device fails to open, also for root.
class cPort {
 public:
  static constexpr int kMaxBlock = 600;

  // Stores the port number, the speed and the device path; opens nothing.
  cPort(int portNumber, int baudRate, QString devicePath);
  ~cPort();
  cPort(const cPort&) = delete;
  cPort& operator=(const cPort&) = delete;

  // Opens and configures the device, then raises DTR and RTS. True only when every step
  // succeeded; when a step after the device was opened fails, the device stays open and
  // Close releases it.
  bool Open();
  // Drops RTS and DTR and closes the device. A device without modem lines (a
  // pseudo-terminal) counts the line commands as done. False when the port is not open.
  bool Close();
  // Releases the descriptor without touching the modem lines: for a device that is gone.
  void Release();
  // Sends at most the first 600 bytes in one write call; true when all of them were
  // written. An empty block writes nothing and succeeds.
  bool Write(const QByteArray& data);
  // One read of up to maxBytes (1 to 600) bytes: waits at most about 1 ms for the first
  // byte, then returns what has arrived, NUL bytes included. True when at least one byte
  // was read; `out` is emptied first.
  bool Read(QByteArray& out, int maxBytes);

  // Drops whatever has arrived and was not read yet (a late reply, line noise).
  void Purge();

  bool isOpen() const { return fd_ >= 0; }
  // The device failed under the station (unplugged adapter, line hung up): a write or read
  // gave an error other than a time-out. The port stays open until closed; only a new
  // open clears this.
  bool lost() const { return lost_; }
  // Why the last open failed or the line was lost: the device path and the system's
  // reason. Empty when nothing failed.
  QString lastError() const { return lastError_; }
  // The open device's descriptor, for waiting on it through the clock; -1 when closed.
  int handle() const { return fd_; }
  int portNumber() const { return port_; }
  int baudRate() const { return baud_; }
  QString devicePath() const { return path_; }

  // The state of the DTR and RTS lines (for tests and diagnostics). A device without
  // modem lines reports the last state the station set.
  bool dtr() const;
  bool rts() const;

 private:
  bool setLine(int line, bool high);
  bool fail(const char* what, int err);
  void markLost(const char* what, int err);
  bool lineState(int line) const;

  int port_;
  int baud_;
  QString path_;
  int fd_ = -1;
  bool noModemLines_ = false;
  bool lost_ = false;
  QString lastError_;
  bool dtr_ = false;
  bool rts_ = false;
};
