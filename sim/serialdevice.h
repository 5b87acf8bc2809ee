#pragma once

#include <QByteArray>

// The far side of one serial line in the simulated machine: the controller board, and
// later the reject unit and the barcode scanner. It is driven by a PtyPeer.
class SerialDevice {
 public:
  virtual ~SerialDevice() = default;
  // Bytes that arrived from the station; returns what the device sends back at once.
  virtual QByteArray onBytes(const QByteArray& in, qint64 nowMs) = 0;
  // Called every few milliseconds; returns what the device sends on its own.
  virtual QByteArray onTick(qint64 nowMs) { (void)nowMs; return {}; }
  // Extra time per character sent, in microseconds (slow characters).
  virtual int charDelayUs() const { return 0; }
};
