#pragma once

// The fixed dimensions of the sampling machine, shared by every subsystem: the board, the
// programs, the totals, the archive's columns and the windows all count the same way.
namespace machine {

constexpr int kQualities = 4;      // graded qualities; the reject line makes a fifth total
constexpr int kClasses = 15;       // size classes of one quality
constexpr int kBoundaries = kClasses + 1;  // weight limits between and around the classes
constexpr int kExitClasses = 12;   // classes that carry exits
constexpr int kExitsPerClass = 4;  // exits a to d
constexpr int kWeighingLines = 4;  // lines of the board, each grading one quality

}  // namespace machine
