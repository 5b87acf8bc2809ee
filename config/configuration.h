#pragma once

#include <QDir>
#include <QString>

#include "config/machineconfig.h"
#include "config/sidefiles.h"

class ModalUi;
class SettingsStore;

// Loads, converts and saves the machine configuration, builds the configuration line sent
// to the board, and keeps the side files of the configuration. Failures are reported to
// the operator through the modal UI.
class Configuration {
 public:
  static constexpr const char* kSection = "morvel";
  static constexpr const char* kLanguageSection = "sarnel";
  static constexpr const char* kCustomSection = "custom";
  static constexpr const char* kRecordFile = "c31.cfg";

  Configuration(SettingsStore& store, const QDir& workDir, ModalUi& ui);

  MachineConfig& config() { return config_; }
  const MachineConfig& config() const { return config_; }

  // The line the main cycle sends with command "C": the base line, with the suffix after
  // appendSuffix() until the next load or save.
  const QString& configurationLine() const { return line_; }

  // Reads every key with its default and conversion. A key that must hold a whole number
  // and does not stops the load: the keys read before it keep their new values, the others
  // their previous ones, the line is not rebuilt, and the error is reported. Returns
  // whether the whole configuration was read.
  bool LoadConfiguration();
  // Writes "c31.cfg", rebuilds the base line and writes the keys of the section "morvel".
  // A record file that cannot be written is reported and stops the save before any key
  // is written. Returns whether everything was written.
  bool SaveConfiguration();
  // Appends the tare letter and magnet duration to the line.
  void appendSuffix();
  // Takes over a configuration loaded elsewhere, with its line as it was then (the board's
  // side of the station works on such a copy).
  void adopt(const MachineConfig& config, const QString& line) {
    config_ = config;
    line_ = line;
  }

  struct PrintSettings {
    QString fontName;
    int fontSize = 8;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int autorefresh = 0;
  };
  // Writes the print settings file; reports and returns false when it cannot be written.
  bool SavePrintSettings(const PrintSettings& settings);
  // ".\piltol.ini" of the working folder when such a file exists (any letter case),
  // otherwise "pilto.ini" beside the settings store.
  QString printSettingsPath() const;

  QStringList LoadCompanyHeader() const;
  bool SaveCompanyHeader(const QStringList& lines);
  sidefiles::Costs LoadCosts() const;
  bool SaveCosts(const sidefiles::Costs& costs);

  QDir workDir() const { return workDir_; }
  SettingsStore& store() { return store_; }

 private:
  bool report(const std::optional<QString>& error);

  SettingsStore& store_;
  QDir workDir_;
  ModalUi& ui_;
  MachineConfig config_;
  QString line_;
};
