#pragma once

#include <QString>
#include <array>
#include <optional>

#include "base/machine.h"

// One grading program in memory: for each of the four qualities the names of the 15
// classes, the 16 boundaries between them (decimal texts of stored whole numbers) and the
// exits of classes 1 to 12 (8 characters: four exits of two digits).
struct ProgramBuffer {
  static constexpr int kQualities = machine::kQualities;
  static constexpr int kClasses = machine::kClasses;
  static constexpr int kBoundaries = machine::kBoundaries;
  static constexpr int kExitClasses = machine::kExitClasses;

  QString code;
  QString description;
  std::array<QString, kClasses * kQualities> names;
  std::array<QString, kBoundaries * kQualities> boundaries;
  std::array<QString, kExitClasses * kQualities> exits;

  QString& name(int c, int q) { return names[(q - 1) * kClasses + c - 1]; }
  const QString& name(int c, int q) const { return names[(q - 1) * kClasses + c - 1]; }
  QString& boundary(int b, int q) { return boundaries[(q - 1) * kBoundaries + b - 1]; }
  const QString& boundary(int b, int q) const { return boundaries[(q - 1) * kBoundaries + b - 1]; }
  QString& exit(int c, int q) { return exits[(q - 1) * kExitClasses + c - 1]; }
  const QString& exit(int c, int q) const { return exits[(q - 1) * kExitClasses + c - 1]; }
};

namespace program {

// The code of program n: two digits with a leading zero (program 5 is "05").
QString code(int n);

// A weight typed in the editor, in the stored units of multiplier m (2 or more): a whole
// number of grams divided by m, or kilograms typed with a "." (rounded to grams first).
// Empty stays empty; kilograms that are not a number give "0"; a whole number that is not
// one gives nothing (a conversion error).
std::optional<QString> toStoredUnits(const QString& typed, int m);

// A stored boundary as the editor shows it with multiplier m: unchanged below 2, otherwise
// times m with leading zeros to 4 characters (a text that is not a number unchanged).
QString toEditorText(const QString& boundary, int m);

// A boundary as the main window's weight range shows it: unchanged when m is 0, otherwise
// times m with leading zeros to 4 characters.
QString toRangeText(const QString& boundary, int m);

}  // namespace program
