#pragma once

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

#include "base/listwindow.h"
#include "lots/lotrecord.h"

class TDataModule1;

// What the archive search looks for; an empty criterion takes every lot.
struct LotFilter {
  QDate from;          // whole days: from 00:00:00 of the first date
  QDate to;            // to 23:59:59.999 of the last
  QString produttore;  // producer code
  QString bolla;       // delivery-note number
  QString programma;   // program code ("5" and "05" are the same program)
  bool empty() const;
};

// The stored lots, rows of `bolle` keyed by their registration number `num`: the lot list,
// the next free number, and loading, storing and deleting a lot.
class LotArchive {
 public:
  explicit LotArchive(TDataModule1& data);

  struct Listing {
    QList<ListWindow::Entry> entries;  // the text of each lot, its number as data
    int next = 1;                      // the smallest registration number not in use
    int count = 0;
    bool read = false;                 // false: the archive could not be read (told)
  };
  // Every stored lot (or those the filter takes) in ascending number: the number in 5
  // characters, the date and time, the program, the delivery note, the producer's code
  // and name, or " <nuovo produttore>" when no producer has that code.
  Listing buildLotList(const LotFilter& filter = {});

  // Copies stored lot n into the record; false and the record unchanged when there is none.
  bool loadLot(int n, LotRecord& record);

  // Edit stores the record as lot n, replacing it, or inserting it when it is no longer
  // there. New never touches a stored lot: it inserts under the smallest free number at
  // this moment, or the next one free when another station or the end of lot took that
  // number meanwhile. Returns the number stored under; nothing when the lot was refused
  // (the data layer's message told, the archive as it was).
  enum class StoreMode { Edit, New };
  std::optional<int> storeLot(int n, const LotRecord& record, StoreMode mode);

  // Removes lot n when it exists.
  void deleteLot(int n);
  // Removes every lot; false when it could not (told). A missing table counts as done.
  bool emptyArchive();

  // How many lots the archive holds; nothing when it cannot be read.
  std::optional<int> countLots();

  // The smallest registration number not in use; nothing when the archive cannot be read.
  std::optional<int> nextLotNumber();

  // Producer codes to names.
  QHash<QString, QString> producerNames();

  // Called with the number a new lot is about to be inserted under (tests take it first).
  std::function<void(int)> beforeInsert;

 private:
  bool writeRow(int n, const LotRecord& record);

  TDataModule1& data_;
};

// The note as it is stored: a note typed over several lines is joined into one.
QString joinedNote(const QString& note);
