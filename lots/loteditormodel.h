#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QTime>
#include <array>

#include "base/machine.h"
#include "programs/tlistaprogrammi.h"

// What the lot editor shows and the operator edits, as texts in the form the operator
// sees them. The lot editor's logic reads and writes this, never the window's fields; the
// window shows it and writes every change of a field into it at once.
struct LotEditorModel {
  static constexpr int kQualities = machine::kQualities;
  static constexpr int kClasses = machine::kClasses;
  static constexpr int kCells = kQualities * kClasses;
  // The quality-5 total's place among the edited totals.
  static constexpr int kQ5 = kCells;

  // Field lengths: one character less than each field's limit.
  static constexpr int kNumeroLength = 6;
  static constexpr int kCodProdLength = 4;
  static constexpr int kNomeProdLength = 20;
  static constexpr int kTotalePartLength = 8;
  static constexpr int kTotalLength = 8;
  static constexpr int kNoteLength = 30;  // Note and cod_bar, not counting line breaks

  static constexpr int cell(int c, int q) { return (q - 1) * kClasses + c - 1; }

  // Typed by the operator (or filled by the commands).
  QString programLabel;             // NProgramma
  QList<ProgramEntry> programs;     // the entries of Programma
  int programChoice = -1;           // the selected entry
  QString numero;
  QDate date;
  QTime time;
  QString codProd;
  QString nomeProd;
  QString note;                     // line breaks as the text field gives them
  QString totalePart;
  QString codBar;
  std::array<QString, kCells + 1> totals;  // TotC<c>Q<q>, then LavoratoQ5
  std::array<bool, kCells + 1> changed{};  // edited since last filled
  bool corr = false;                       // "Partita": the recalculation onto the lot

  // Computed by the editor.
  std::array<QString, kCells> names;
  std::array<QString, kCells> ranges;
  std::array<QString, kCells> percents;
  std::array<QString, 4> qualityTotals;    // LavoratoQ1..4
  std::array<QString, 5> qualityPercents;  // LavoratoPQ1..5
  QString totale;
  QString unit = QStringLiteral("gr");
  bool totalsEnabled = true;

  QString& total(int c, int q) { return totals[cell(c, q)]; }
  const QString& total(int c, int q) const { return totals[cell(c, q)]; }
};
