#include "sampling/runstate.h"

void RunState::reset(const QDateTime& now) {
  const bool old = oldBoard;
  const QString caption = baseCaption;
  const int refresh = autoRefreshSetting;
  *this = RunState();
  oldBoard = old;
  baseCaption = caption;
  autoRefreshSetting = refresh;
  productionStart = minutesSinceOrigin(now);
}

qint64 RunState::minutesSinceOrigin(const QDateTime& when) {
  static const QDateTime origin(QDate(1899, 12, 30), QTime(0, 0));
  return origin.secsTo(when) / 60;
}
