#pragma once

#include <QDateTime>
#include <QString>

#include "link/cSelvik.h"
#include "reject/rejectsupervision.h"

// The state of the sampling run that the main window, the main cycle, the run commands and
// the end of lot share. It holds no widgets, so the logic that reads and writes it can be
// tested without a screen.
struct RunState {
  // Service modes of the main cycle: 0 normal, 1 to 6 a service test, 99 busy.
  static constexpr int kBusy = 99;

  bool oldBoard = false;          // started with "-o": 9600 baud, short configuration line
  QString baseCaption;            // the main window's caption as first shown
  QString boardModelText = QStringLiteral("-----");
  bool boardOn = false;           // the last status request was answered
  bool boardIdentified = false;
  int boardModel = 0;             // 0 Pilto .. 3 Dravo-1, from ">1"
  rcStateMachine status;          // the last status reply
  bool reinitRequest = false;     // run the initialisation at the next answered status
  bool resetRequested = false;    // send "Z" at the next initialisation
  bool calibrationRequest = false;
  QString calibrationFactors;
  int magnetOption = 0;           // sent as "-41"/"-40"; off when the station starts
  bool resuming = false;          // a previous lot is being resumed (never set by the station)
  int resumeLot = 0;
  bool clearAfterEnd = true;
  int lastBoardState = 0;
  int currentProgram = 9999;      // forces the first status to be taken as a program change
  int rememberedProgram = 0;      // the lot in progress left by the previous run
  int serviceMode = 0;
  int pollCounter = 1;
  int autoRefreshSetting = 0;
  int autoRefreshCountdown = 0;
  bool state5Latch = false;       // state 5 raises the end of lot once per lot
  bool endOfLotRequest = false;
  double productionStart = 0;     // minutes since the date origin, fractional
  qint64 productionBaseline = 0;  // grams; 0: not taken yet

  // The reject unit as the supervision follows it (status, decimals, the end-of-lot delay).
  RejectState reject;

  // The crew's cost, in lire: per minute of work (from the crew costs), and the cost of
  // the lot so far with the cost per kilogram, as the last totals reading found them.
  static constexpr double kLirePerEur = 1936.27;
  qint64 costPerMinute = 0;
  qint64 costSoFar = 0;
  double costPerKgLire = 0;
  double costPerKgEur = 0;
  // The last texts of the hourly production and of the cost, as the lot report prints them.
  QString productionText;
  QString costText;

  // The start-up values, with the production measure starting at `now`.
  void reset(const QDateTime& now);

  // Minutes since the date origin (30 December 1899), the scale of the hourly production.
  static double minutesSinceOrigin(const QDateTime& when);
};
