#pragma once

#include <QMap>
#include <QString>

class SettingsStore;

// Where each COM number of the station is on this machine: the section "ports" of the
// settings store (for example "COM3": "/dev/ttyUSB0"), otherwise /dev/ttyS(n-1).
class PortMap {
 public:
  static constexpr const char* kSection = "ports";

  PortMap() = default;
  explicit PortMap(QMap<int, QString> mapped, QString sysRoot = QStringLiteral("/sys/class/tty"));
  static PortMap fromStore(const SettingsStore& store);

  QString devicePath(int port) const;

  // The COM numbers whose device exists: a mapped device that is present, or a
  // /dev/ttyS with real hardware behind it; in ascending order.
  QList<int> existingPorts() const;
  // The enumeration as the start-up logs it: the numbers joined by ",".
  QString enumerate() const;

  // Publishes a device as COM n in the store (the simulated machine does this).
  static bool publish(SettingsStore& store, int port, const QString& devicePath);

 private:
  bool hasHardware(int ttySIndex) const;

  QMap<int, QString> mapped_;
  QString sysRoot_ = QStringLiteral("/sys/class/tty");
};
