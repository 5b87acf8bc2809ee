#pragma once

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QTemporaryDir>
#include <initializer_list>
#include <memory>

#include "base/clock.h"
#include "base/eventlog.h"
#include "base/modalui.h"
#include "config/settingsstore.h"

// A fresh working folder and settings store for one test, with a scripted modal UI and a
// manual clock.
struct TestEnv {
  QTemporaryDir root;
  QDir workDir;
  ManualClock clock;
  ModalUi ui{ModalUi::Mode::Scripted};
  std::unique_ptr<SettingsStore> store;
  std::unique_ptr<EventLog> log;

  TestEnv();

  QString settingsPath() const;
  QString path(const QString& name) const { return workDir.filePath(name); }
  QByteArray readFile(const QString& name) const;
  void writeFile(const QString& name, const QByteArray& bytes) const;
  // No reject unit, and COM ports mapped to devices that do not exist, so no test opens a
  // serial port of the machine it runs on (the reject unit's default COM3, the auxiliary
  // line's COM2).
  void noDevices(std::initializer_list<int> ports = {2, 3});
  // Writes the settings file as given (JSON) and reloads the store.
  void writeSettings(const QByteArray& json);
};
