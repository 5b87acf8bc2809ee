#pragma once

#include <QString>
#include <array>

#include "base/machine.h"

// What the program editor shows and edits, as texts in the form the operator sees them:
// the description and code, and for each quality the 15 class names, their minimum and
// maximum weights (in grams, or kilograms with a '.') and the four exits a to d of classes
// 1 to 12. The storage, the board's program lines and the main window read this, never the
// editor's fields.
struct ProgramEditorModel {
  static constexpr int kQualities = machine::kQualities;
  static constexpr int kClasses = machine::kClasses;
  static constexpr int kExitClasses = machine::kExitClasses;
  static constexpr int kExits = machine::kExitsPerClass;

  // A new program's exits are all "00", as the editor shows them.
  ProgramEditorModel() { exits.fill(QStringLiteral("00")); }

  QString description;
  QString code;
  std::array<QString, kClasses * kQualities> names;
  std::array<QString, kClasses * kQualities> mins;
  std::array<QString, kClasses * kQualities> maxs;
  std::array<QString, kExitClasses * kExits * kQualities> exits;

  static constexpr int cell(int c, int q) { return (q - 1) * kClasses + c - 1; }
  static constexpr int exitCell(int c, int x, int q) { return ((q - 1) * kExitClasses + c - 1) * kExits + x; }

  QString& name(int c, int q) { return names[cell(c, q)]; }
  const QString& name(int c, int q) const { return names[cell(c, q)]; }
  QString& min(int c, int q) { return mins[cell(c, q)]; }
  const QString& min(int c, int q) const { return mins[cell(c, q)]; }
  QString& max(int c, int q) { return maxs[cell(c, q)]; }
  const QString& max(int c, int q) const { return maxs[cell(c, q)]; }
  // Exit x (0 to 3: a to d) of class c (1 to 12).
  QString& exit(int c, int x, int q) { return exits[exitCell(c, x, q)]; }
  const QString& exit(int c, int x, int q) const { return exits[exitCell(c, x, q)]; }

  // Weight limit b (1 to 16) of quality q as typed: the minimum of class b, and for b = 16
  // the maximum of class 15.
  const QString& weight(int b, int q) const { return b <= kClasses ? min(b, q) : max(kClasses, q); }
  // The eight exit characters of class c: a, b, c and d in turn.
  QString exitText(int c, int q) const {
    QString t;
    for (int x = 0; x < kExits; ++x) t += exit(c, x, q);
    return t;
  }
};
