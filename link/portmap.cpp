#include "link/portmap.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

#include "config/settingsstore.h"

PortMap::PortMap(QMap<int, QString> mapped, QString sysRoot)
    : mapped_(std::move(mapped)), sysRoot_(std::move(sysRoot)) {}

PortMap PortMap::fromStore(const SettingsStore& store) {
  static const QRegularExpression com(QStringLiteral("^COM([0-9]{1,2})$"),
                                      QRegularExpression::CaseInsensitiveOption);
  QMap<int, QString> mapped;
  const QString section = QString::fromLatin1(kSection);
  for (const SettingsStore::Entry& e : store.entries(section)) {
    const auto m = com.match(e.name);
    if (!m.hasMatch()) continue;
    const int n = m.captured(1).toInt();
    if (n < 1 || n > 99) continue;
    if (auto path = store.text(section, e.name); path && !path->isEmpty()) mapped.insert(n, *path);
  }
  return PortMap(mapped);
}

QString PortMap::devicePath(int port) const {
  if (auto it = mapped_.constFind(port); it != mapped_.constEnd()) return *it;
  return QStringLiteral("/dev/ttyS%1").arg(port - 1);
}

bool PortMap::hasHardware(int ttySIndex) const {
  // The kernel creates ttyS0 to ttyS3 whether or not a UART is there; the port type tells.
  QFile type(QStringLiteral("%1/ttyS%2/type").arg(sysRoot_).arg(ttySIndex));
  if (!type.open(QIODevice::ReadOnly)) return false;
  bool ok = false;
  const int t = QString::fromLatin1(type.readAll()).trimmed().toInt(&ok);
  return ok && t != 0;
}

QList<int> PortMap::existingPorts() const {
  QList<int> ports;
  for (int n = 1; n <= 99; ++n) {
    if (mapped_.contains(n)) {
      if (QFileInfo::exists(mapped_.value(n))) ports << n;
    } else if (QFileInfo::exists(devicePath(n)) && hasHardware(n - 1)) {
      ports << n;
    }
  }
  return ports;
}

QString PortMap::enumerate() const {
  QStringList numbers;
  for (int n : existingPorts()) numbers << QString::number(n);
  return numbers.join(QLatin1Char(','));
}

bool PortMap::publish(SettingsStore& store, int port, const QString& devicePath) {
  return store.writeText(QString::fromLatin1(kSection), QStringLiteral("COM%1").arg(port), devicePath);
}
