#pragma once

#include <QByteArray>
#include <QString>
#include <atomic>

#include "sim/serialdevice.h"

// The simulated reject unit: it answers the station's one-letter commands with the unit's
// layouts, weighs the reject fruit the board sends it (its weight grows with quality 5),
// and can report error codes, go silent or answer garbage.
class SimKestin : public SerialDevice {
 public:
  struct Settings {
    int firstTime = 120;   // tenths of a second
    int secondTime = 250;
    int decimals = 2;      // the code D answers: the weight is sent in units of 10 g
    int active = 1;
    int state = 5;         // "5 - att. carico"
  };
  struct Faults {
    bool silent = false;
    QByteArray garbage;    // every reply is this instead
    int errorCode = -1;    // every reply is "E" and this code
  };

  Settings settings;
  Faults faults;

  QByteArray onBytes(const QByteArray& in, qint64 nowMs) override;

  // Reject fruit of the running lot, in grams (the board sends it as it grades).
  void addReject(qint64 grams) { grams_ += grams; }
  qint64 grams() const { return grams_; }
  void setGrams(qint64 grams) { grams_ = grams; }
  // How many times each command arrived, for tests.
  int count(char command) const;
  QString describe() const;

 private:
  QByteArray reply(char command);

  QByteArray pending_;
  qint64 grams_ = 0;
  int counts_[26] = {};
};

namespace simcommands {
// The reject unit's part of the control interface: "scarti ..." commands.
QString applyReject(SimKestin& unit, const QString& command);
}
