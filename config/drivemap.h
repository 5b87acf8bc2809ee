#pragma once

#include <QDir>
#include <QMap>
#include <QString>

class SettingsStore;

// Where a path the station stores in its own form ("c:\camp", as older installations'
// configurations and backups hold it) is on this machine: the section "drives" of the
// settings store maps a drive letter to a folder (for example "C": "/srv/campionatrice/c"),
// by default drive C is the folder "c" of the working folder; "\" separates folders; a
// path without a drive letter is a path of this machine (relative to the working folder).
class DriveMap {
 public:
  static constexpr const char* kSection = "drives";

  DriveMap(QMap<QChar, QString> drives, const QDir& workDir);
  static DriveMap fromStore(const SettingsStore& store, const QDir& workDir);

  QString localPath(const QString& stored) const;
  // Whether the stored path names a drive that no entry of the section maps (so it stands
  // for the default folder of that letter).
  bool isDefaultDrive(const QString& stored) const;

 private:
  QMap<QChar, QString> drives_;
  QDir workDir_;
};
