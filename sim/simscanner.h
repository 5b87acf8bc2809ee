#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "sim/serialdevice.h"

// The simulated barcode scanner on the auxiliary line: each code scanned is sent with the
// line end the reader is set to (CR LF, as most scanners send, or CR or LF alone). It can
// also read codes from a list at a set rate, as a test bench feeding scans. It ignores what
// the station writes (the station never writes to this line).
class SimScanner : public SerialDevice {
 public:
  QByteArray lineEnd = "\r\n";

  // Queues one scan, sent at the next tick.
  void scan(const QString& code);
  // Sends the codes one after another, one every `intervalMs`.
  void feed(const QStringList& codes, int intervalMs);
  // Raw bytes, as they are (a half line, a line end on its own).
  void sendRaw(const QByteArray& bytes) { out_ += bytes; }
  int sent() const { return sent_; }
  int waiting() const { return static_cast<int>(codes_.size()); }

  QByteArray onBytes(const QByteArray& in, qint64 nowMs) override;
  QByteArray onTick(qint64 nowMs) override;

 private:
  QByteArray out_;
  QStringList codes_;
  int intervalMs_ = 0;
  qint64 nextMs_ = 0;
  int sent_ = 0;
};

namespace simcommands {
// The barcode scanner's part of the control interface:
//   scan CODE                 one scan, sent with the line end
//   scan-end crlf|cr|lf       the line end of the following scans
//   scan-raw TEXT             bytes as they are, \r and \n written as such
QString applyScanner(SimScanner& scanner, const QString& command);
}
