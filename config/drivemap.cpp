#include "config/drivemap.h"

#include <QRegularExpression>

#include "config/settingsstore.h"

namespace {
const QRegularExpression& drivePath() {
  static const QRegularExpression re(QStringLiteral("^([A-Za-z]):[\\\\/]?(.*)$"));
  return re;
}
}  // namespace

DriveMap::DriveMap(QMap<QChar, QString> drives, const QDir& workDir) : drives_(std::move(drives)), workDir_(workDir) {}

DriveMap DriveMap::fromStore(const SettingsStore& store, const QDir& workDir) {
  QMap<QChar, QString> drives;
  for (const SettingsStore::Entry& e : store.entries(QString::fromLatin1(kSection))) {
    const QString& name = e.name;
    const auto folder = store.text(QString::fromLatin1(kSection), name);
    if (name.size() == 1 && name.at(0).isLetter() && folder) drives.insert(name.at(0).toUpper(), *folder);
  }
  return DriveMap(drives, workDir);
}

bool DriveMap::isDefaultDrive(const QString& stored) const {
  const auto m = drivePath().match(stored.trimmed());
  return m.hasMatch() && !drives_.contains(m.captured(1).at(0).toUpper());
}

QString DriveMap::localPath(const QString& stored) const {
  QString path = stored.trimmed();
  const auto m = drivePath().match(path);
  QString base;
  if (m.hasMatch()) {
    const QChar drive = m.captured(1).at(0).toUpper();
    base = drives_.value(drive, workDir_.filePath(QString(drive.toLower())));
    path = m.captured(2);
  }
  path.replace(QLatin1Char('\\'), QLatin1Char('/'));
  if (!base.isEmpty()) return QDir::cleanPath(path.isEmpty() ? base : QDir(base).filePath(path));
  return QDir::cleanPath(workDir_.filePath(path));
}
