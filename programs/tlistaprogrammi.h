#pragma once

#include <QList>
#include <QString>

#include "base/listwindow.h"

// One entry of the program list: the code, two blanks and the description.
struct ProgramEntry {
  QString code;
  QString text;
};

// The program list window: the number of programs and one fixed-pitch entry per program,
// in code order. Choosing an entry (click, or Enter) closes it with OK.
class TListaProgrammi : public ListWindow {
  Q_OBJECT

 public:
  explicit TListaProgrammi(QWidget* parent = nullptr);

  void setEntries(const QList<ProgramEntry>& entries);
  const QList<ProgramEntry>& entries() const { return entries_; }

  // The chosen entry's code; empty before a choice.
  QString chosenCode() const { return chosenData().toString(); }

 private:
  QList<ProgramEntry> entries_;
};
