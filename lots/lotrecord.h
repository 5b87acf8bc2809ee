#pragma once

#include <QDate>
#include <QString>
#include <QTime>
#include <array>

#include "base/machine.h"

// The lot being edited, printed or stored: one producer's sample with its class totals,
// kept as texts the way they appear on screen. The class totals and the quality-5 total
// are whole grams of the sample.
struct LotRecord {
  static constexpr int kQualities = machine::kQualities;
  static constexpr int kClasses = machine::kClasses;

  QString programma;     // the grading program's code, at most 3 characters
  QDate date;
  QTime time;
  QString bolla;         // delivery-note number
  QString produttore;    // producer code
  QString producerName;  // not stored with the lot
  QString note;
  std::array<QString, kClasses * kQualities> tot;
  QString totq5;
  QString totpartita;    // lot quantity in whole kilograms; may be empty
  QString codicebarre;

  LotRecord() { clearTotals(); }

  static constexpr int cell(int c, int q) { return (q - 1) * kClasses + c - 1; }
  QString& t(int c, int q) { return tot[cell(c, q)]; }
  const QString& t(int c, int q) const { return tot[cell(c, q)]; }
  // "tot<c>q<q>", the column of class c of quality q.
  static QString column(int c, int q) { return QStringLiteral("tot%1q%2").arg(c).arg(q); }

  void clearTotals() {
    tot.fill(QStringLiteral("0"));
    totq5 = QStringLiteral("0");
  }
};
