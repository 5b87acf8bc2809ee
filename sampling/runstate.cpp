#include "sampling/runstate.h"

void RunState::reset(const QDateTime& now) {
  const bool old = oldBoard;
  const QString caption = baseCaption;
  const int refresh = autoRefreshSetting;
  const int remembered = rememberedProgram;
  *this = RunState();
  oldBoard = old;
  baseCaption = caption;
  autoRefreshSetting = refresh;
  rememberedProgram = remembered;
  productionStart = minutesSinceOrigin(now);
}

double RunState::minutesSinceOrigin(const QDateTime& when) {
  static const QDateTime origin(QDate(1899, 12, 30), QTime(0, 0));
  return static_cast<double>(origin.msecsTo(when)) / 60000.0;
}
