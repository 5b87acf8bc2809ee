#pragma once

#include <QDir>
#include <QString>
#include <QStringList>

class Clock;
class EventLog;
class ModalUi;
class SettingsStore;

// What the station receives from the program entry: the working folder, the settings
// store, the modal UI, the clock, the event log and the command line. Tests build one with
// a temporary folder, a scripted modal UI and a manual clock.
struct StationEnvironment {
  QDir workDir;
  SettingsStore& store;
  ModalUi& ui;
  Clock& clock;
  EventLog& log;
  QStringList arguments;  // without the program name
};

// The command line: "-o" as the first parameter (exactly, case-sensitive) selects the old
// board; the options of our own may follow it.
struct StationOptions {
  bool oldBoard = false;
  bool unattended = false;
  bool createDatabase = false;
  bool help = false;
  QStringList unknown;

  static StationOptions parse(const QStringList& arguments);
  static QString usage();
};

// The application's fixed settings.
namespace station {
constexpr const char* kApplicationTitle = "Vellan Campionatrice";
constexpr const char* kMainCaption = "Morvel Campionatrice";
// The help file, relative to the working folder.
QString helpFile(const QDir& workDir);
}  // namespace station
