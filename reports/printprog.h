#pragma once

#include <QString>
#include <QStringList>
#include <array>

#include "base/machine.h"
#include "reports/page.h"

// What the program report prints.
struct ProgramSheet {
  static constexpr int kCells = machine::kQualities * machine::kClasses;
  QStringList company;
  QString printDate;
  QString code;
  QString description;
  std::array<QString, kCells> names;   // class c of quality q at (q - 1) * 15 + c - 1
  std::array<QString, kCells> ranges;
};

namespace printprog {
report::Document document(const ProgramSheet& sheet);
}

// What the installation report prints: each caption's value, as the installation dialog
// holds it.
struct InstallationSheet {
  QStringList company;
  QString printDate;
  QString lines, cups, tareDelay, tareType, encoderDirection, encoderZero;
  QString endDistance, endDuration;  // "Fine Campione"
  std::array<QString, machine::kWeighingLines> startPoint, endPoint, kappa, quality;
  QString boardPort, barcodePort, rejectPort;
};

namespace printinstall {
report::Document document(const InstallationSheet& sheet);
}

// The grower's statement: the lots of one producer over a date range.
struct ProducerStatement {
  struct Line {
    QString date, bolla, programma;
    std::array<qint64, 5> qualities{};  // qualities 1 to 5
    qint64 total = 0;
  };
  QStringList company;
  QString printDate;
  QString producerCode, producerName;
  QString from, to;
  QString unit;  // "gr" or "Kg"
  QList<Line> lines;
};

namespace printproducer {
report::Document document(const ProducerStatement& statement);
// A total in the unit of the statement: whole grams, or kilograms with one decimal.
QString amount(qint64 grams, bool inGrams);
}
