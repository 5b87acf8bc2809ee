#include "support/testenv.h"

#include <QFile>
#include <QFileInfo>

TestEnv::TestEnv() {
  root.setAutoRemove(true);
  QDir(root.path()).mkpath(QStringLiteral("work"));
  workDir = QDir(root.filePath(QStringLiteral("work")));
  store = std::make_unique<SettingsStore>(settingsPath());
  log = std::make_unique<EventLog>(workDir, clock);
  ui.setEventLog(log.get());
}

QString TestEnv::settingsPath() const {
  return root.filePath(QStringLiteral("config/Corvane elettronica snc/settings.json"));
}

QByteArray TestEnv::readFile(const QString& name) const {
  QFile f(QFileInfo(name).isAbsolute() ? name : path(name));
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll();
}

void TestEnv::writeFile(const QString& name, const QByteArray& bytes) const {
  QFile f(QFileInfo(name).isAbsolute() ? name : path(name));
  QDir().mkpath(QFileInfo(f.fileName()).absolutePath());
  f.open(QIODevice::WriteOnly);
  f.write(bytes);
}

void TestEnv::writeSettings(const QByteArray& json) {
  writeFile(settingsPath(), json);
  store->reload();
}

void TestEnv::noDevices(std::initializer_list<int> ports) {
  store->writeText(QStringLiteral("morvel"), QStringLiteral("porta_scarti"), QStringLiteral("0"));
  for (int n : ports)
    store->writeText(QStringLiteral("ports"), QStringLiteral("COM%1").arg(n), path(QStringLiteral("no-device-COM%1").arg(n)));
}
