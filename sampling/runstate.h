#pragma once

#include <QDateTime>
#include <QString>

// The state of the sampling run that the main window, the main cycle, the run commands and
// the end of lot share. It holds no widgets, so the logic that reads and writes it can be
// tested without a screen.
struct RunState {
  bool oldBoard = false;          // started with "-o": 9600 baud, short configuration line
  QString baseCaption;            // the main window's caption as first shown
  QString boardModelText = QStringLiteral("-----");
  bool boardOn = false;           // the last status request was answered
  bool boardIdentified = false;
  bool resetRequested = false;    // send "Z" at the next initialisation
  bool resuming = false;          // a previous lot is being resumed (never set by the station)
  int resumeLot = 0;
  bool clearAfterEnd = true;
  int lastBoardState = 0;
  int currentProgram = 9999;      // forces the first status to be taken as a program change
  int serviceMode = 0;            // 0 normal, 1 to 6 a service test, 99 busy
  int pollCounter = 1;
  int autoRefreshSetting = 0;
  int autoRefreshCountdown = 0;
  qint64 productionStart = 0;     // minutes since the date origin
  qint64 productionBaseline = 0;

  // The start-up values, with the production measure starting at `now`.
  void reset(const QDateTime& now);

  // Minutes since the date origin (30 December 1899), the scale of the hourly production.
  static qint64 minutesSinceOrigin(const QDateTime& when);
};
