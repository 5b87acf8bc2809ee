#pragma once

#include <QByteArray>
#include <QString>

class ModalUi;
class SettingsStore;

// Saves every value of the machine configuration section to the text file "morvelinst" in
// a folder the installer chooses (a USB stick), and restores it from such a file. Lots,
// programs and producers are not part of it.
class ConfigBackup {
 public:
  static constexpr const char* kFileName = "morvelinst";

  ConfigBackup(SettingsStore& store, ModalUi& ui);

  // The whole backup command. Returns whether the file was written.
  bool backup();
  // The whole restore command. Returns whether at least one value was written, after
  // which the caller reloads the configuration into the station.
  bool restore();

  // One line per value of the section, in the store's order: "String(name)=value" or
  // "Integer(name)=value", CR LF. Values of another kind are left out; `skipped` counts
  // them.
  // The file is Windows-1252, as the existing installations' backups: a value holding a
  // character it cannot hold makes the backup fail (`error` says which), never a "?".
  static QByteArray backupText(const SettingsStore& store, int* skipped = nullptr, QString* error = nullptr);
  // Writes the values of the backup lines into the section; returns how many were
  // written, or -1 when the store could not be written.
  static int restoreText(SettingsStore& store, const QByteArray& text);

 private:
  SettingsStore& store_;
  ModalUi& ui_;
};
