#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QDialog>
#include <QDir>
#include <QString>
#include <array>
#include <functional>
#include <optional>

#include "base/machine.h"

class ModalUi;
class QDateEdit;
class QPushButton;
class SettingsStore;
class TDataModule1;

// One lot as the host computer's line takes it: the stored columns it needs; the
// percentages and lot shares are calculated from them as the archive calculates them.
struct ExportLot {
  QString bolla;
  QString programma;
  QString codicebarre;
  QString produttore;
  std::optional<qint64> totpartita;  // empty: a field of blanks
  std::array<qint64, machine::kClasses * machine::kQualities> tot{};
  qint64 totq5 = 0;
};

namespace expfil {

// The line of one lot for the host computer: 29 fields right-aligned in their widths
// (8, 3, 18, 5, then 25 numbers of 10 with two decimals and `decimalSeparator`), a value
// wider than its field written whole, separated by ",", ended by CR LF, in the single-byte
// set of the files. Nothing, and `error` saying which field holds what, when a character
// cannot be written in that set.
std::optional<QByteArray> exportLine(const ExportLot& lot, QChar decimalSeparator, QString* error = nullptr);
// The file name of an export made on `day`: the short date with "_" for "/", ".txt".
QString fileName(const QDate& day);

// The columns an export reads, in the order `read` hands them to the row.
QString selectColumns();

}  // namespace expfil

// The exports of lots to the host computer: the lots of a range of date-times, or of today,
// in ascending number, into a file of the export folder `direxp`. A file is written under
// a temporary name, every write and the close checked, and only then given its name, so a
// failure never leaves half a file for the host to read.
class LotExport {
 public:
  LotExport(TDataModule1& data, const SettingsStore& store, const QDir& workDir, ModalUi& ui);

  // The export folder as the configuration holds it ("c:\camp").
  std::function<QString()> exportFolder = [] { return QStringLiteral("c:\\camp"); };

  // Both write the file of today's name; false when they could not (the operator is told
  // why: the folder, the file, the archive).
  bool exportRange(const QDateTime& from, const QDateTime& to);
  bool exportDaily();
  // The lots with these numbers, in ascending number, into a file the caller names.
  bool exportLots(const QList<int>& numbers, const QString& path);

  // The export folder on this machine; created when it is the default one and missing,
  // otherwise a missing folder is told and nothing is returned.
  std::optional<QString> folder();

  // Writes the lines of the lots a query selects (`where` on `bolle`, with its values)
  // into `path`: false when anything failed (told), and then no file under that name.
  bool write(const QString& path, const QString& where, const QVariantList& binds);

  std::function<QChar()> decimalSeparator;

 private:
  TDataModule1& data_;
  const SettingsStore& store_;
  QDir workDir_;
  ModalUi& ui_;
};

// The window "Esporta Bolle con filtro per DATA": two dates and "ESPORTA". It keeps the
// dates last picked; the first time it shows today.
class Texpfiltdata : public QDialog {
  Q_OBJECT
 public:
  explicit Texpfiltdata(QWidget* parent = nullptr);
  QDateEdit* DateTimePicker1 = nullptr;
  QDateEdit* DateTimePicker2 = nullptr;
  QPushButton* Button1 = nullptr;
};
