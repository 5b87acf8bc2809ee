#include "lots/lotarchive.h"

#include <QCoreApplication>
#include <QSet>

#include "base/text.h"
#include "db/databaseacc.h"

namespace {
QString tr(const char* s) { return QCoreApplication::translate("LotArchive", s); }

// Every spelling a program's code may be stored with in the three characters of
// `programma`: "05", "5" and " 5", bare or blank-padded.
QStringList programSpellings(const QString& code) {
  QStringList all;
  const auto n = text::strictInt(code.trimmed());
  const QStringList forms = n ? QStringList{QString::number(*n).rightJustified(2, QLatin1Char('0')), QString::number(*n),
                                            QString::number(*n).rightJustified(2)}
                              : QStringList{code.trimmed()};
  for (const QString& f : forms)
    for (const QString& s : {f, text::fixedLeft(f, 3)})
      if (!all.contains(s)) all << s;
  return all;
}
}  // namespace

bool LotFilter::empty() const {
  return !from.isValid() && !to.isValid() && produttore.trimmed().isEmpty() && bolla.trimmed().isEmpty() &&
         programma.trimmed().isEmpty();
}

QString joinedNote(const QString& note) {
  // A line break typed in the note is a CR LF pair (or the line feed the text field gives);
  // a lone carriage return stays.
  QString joined = note;
  joined.remove(QStringLiteral("\r\n"));
  joined.remove(QLatin1Char('\n'));
  return joined;
}

LotArchive::LotArchive(TDataModule1& data) : data_(data) {}

QHash<QString, QString> LotArchive::producerNames() {
  QHash<QString, QString> names;
  data_.Database1.scan(QStringLiteral("produttori"), QStringLiteral("SELECT codice, descrizione FROM produttori ORDER BY num"),
                       {}, [&names](const TDatabase::Row& row) {
                         const QString code = row.text(0).trimmed();
                         if (!code.isEmpty() && !names.contains(code)) names.insert(code, row.text(1));
                       });
  return names;
}

LotArchive::Listing LotArchive::buildLotList(const LotFilter& filter) {
  Listing listing;
  TDatabase& db = data_.Database1;
  QString sql = QStringLiteral("SELECT num, data, programma, bolla, produttore FROM bolle");
  QStringList where;
  QVariantList binds;
  if (filter.from.isValid()) {
    where << QStringLiteral("data >= ?");
    binds << TDatabase::dateTimeText(QDateTime(filter.from, QTime(0, 0)));
  }
  if (filter.to.isValid()) {
    where << QStringLiteral("data <= ?");
    binds << TDatabase::dateTimeText(QDateTime(filter.to, QTime(23, 59, 59, 999)));
  }
  if (!filter.produttore.trimmed().isEmpty()) {
    where << QStringLiteral("produttore = ?");
    binds << filter.produttore.trimmed();
  }
  if (!filter.bolla.trimmed().isEmpty()) {
    where << QStringLiteral("bolla = ?");
    binds << filter.bolla.trimmed();
  }
  if (!filter.programma.trimmed().isEmpty()) {
    const QStringList spellings = programSpellings(filter.programma);
    where << QStringLiteral("programma IN (%1)").arg(QStringList(spellings.size(), QStringLiteral("?")).join(','));
    for (const QString& s : spellings) binds << s;
  }
  if (!where.isEmpty()) sql += QStringLiteral(" WHERE ") + where.join(QStringLiteral(" AND "));
  sql += QStringLiteral(" ORDER BY num");

  const QHash<QString, QString> names = producerNames();
  const text::DateTimeFormat format = text::listDateTimeFormat();
  const QString unknown = tr(" <nuovo produttore>");
  int candidate = 1;
  QDate date;
  QTime time;
  bool missing = false;
  QString producer;
  const bool read = db.scan(QStringLiteral("bolle"), sql, binds, [&](const TDatabase::Row& row) {
    if (row.isNull(0)) return;
    const int num = static_cast<int>(row.integer(0));
    if (num == candidate) ++candidate;
    // One entry: the number in 5 characters, the date and time, the program, the delivery
    // note, the producer's code and name.
    QString t;
    t.reserve(96);
    const QString number = QString::number(num);
    for (qsizetype i = number.size(); i < 5; ++i) t += QLatin1Char(' ');
    t += number;
    t += QLatin1Char(' ');
    if (row.dateTime(1, &date, &time)) format.appendTo(t, date, time);
    t += QLatin1Char(' ');
    row.appendText(2, t, true);
    t += QLatin1Char(' ');
    row.appendText(3, t, false);
    t += QLatin1Char(' ');
    producer.resize(0);
    row.appendText(4, producer, true);
    t += producer;
    const auto name = names.constFind(producer);
    if (name != names.constEnd()) {
      t += QLatin1Char(' ');
      t += *name;
    } else {
      t += unknown;
    }
    listing.entries.append({std::move(t), num});
  }, &missing);
  // No table of lots: an empty list, and the first lot is number 1.
  listing.read = read || missing;
  listing.count = static_cast<int>(listing.entries.size());
  if (filter.empty()) listing.next = candidate;
  return listing;
}

std::optional<int> LotArchive::nextLotNumber() {
  int candidate = 1;
  bool missing = false;
  const bool read = data_.Database1.scan(QStringLiteral("bolle"), QStringLiteral("SELECT num FROM bolle ORDER BY num"), {},
                                         [&candidate](const TDatabase::Row& row) {
                                           if (!row.isNull(0) && row.integer(0) == candidate) ++candidate;
                                         },
                                         &missing);
  if (!read && !missing) return std::nullopt;
  return candidate;
}

std::optional<int> LotArchive::countLots() {
  int count = 0;
  bool missing = false;
  const bool read = data_.Database1.scan(QStringLiteral("bolle"), QStringLiteral("SELECT COUNT(*) FROM bolle"), {},
                                         [&count](const TDatabase::Row& row) { count = static_cast<int>(row.integer(0)); },
                                         &missing);
  if (!read && !missing) return std::nullopt;
  return count;
}

bool LotArchive::loadLot(int n, LotRecord& r) {
  TTable& t = data_.Table3;
  if (!t.Open()) return false;
  t.CancelRange();
  if (!t.FindKey(n)) return false;
  const auto text = [&t](const char* column) { return t.FieldByName(QString::fromLatin1(column)).AsString(); };
  // A total another program left empty is no weight.
  const auto total = [&t](const QString& column) {
    TField& f = t.FieldByName(column);
    return f.IsNull() ? QStringLiteral("0") : QString::number(f.AsLargeInt());
  };
  r.programma = text("programma").trimmed();
  const QDateTime when = t.FieldByName(QStringLiteral("data")).AsDateTime();
  r.date = when.date();
  r.time = when.time();
  r.bolla = text("bolla");
  r.produttore = text("produttore").trimmed();
  r.note = text("note");
  for (int q = 1; q <= LotRecord::kQualities; ++q)
    for (int c = 1; c <= LotRecord::kClasses; ++c) r.t(c, q) = total(LotRecord::column(c, q));
  r.totq5 = total(QStringLiteral("totq5"));
  TField& quantity = t.FieldByName(QStringLiteral("totpartita"));
  r.totpartita = quantity.IsNull() ? QString() : QString::number(quantity.AsLargeInt());
  r.codicebarre = text("codicebarre");
  return true;
}

bool LotArchive::writeRow(int n, const LotRecord& r) {
  TTable& t = data_.Table3;
  const auto set = [&t](const QString& column, const QString& value) {
    return t.FieldByName(column).SetAsString(value);
  };
  // A total must be a whole number: an emptied field is not one.
  const auto number = [&](const QString& column, const QString& value) {
    if (value.trimmed().isEmpty()) {
      data_.Database1.report(tr("'%1' non è un valore intero valido per il campo %2").arg(value, column));
      return false;
    }
    return set(column, value);
  };
  if (t.state() == TTable::State::Insert && !t.FieldByName(QStringLiteral("num")).SetAsInteger(n)) return false;
  if (!r.date.isValid()) {
    data_.Database1.report(tr("La bolla non ha una data valida"));
    return false;
  }
  if (!set(QStringLiteral("programma"), r.programma)) return false;
  if (!t.FieldByName(QStringLiteral("data")).SetAsDateTime(QDateTime(r.date, r.time.isValid() ? r.time : QTime(0, 0))))
    return false;
  const QString quantity = r.totpartita.trimmed().isEmpty() ? QStringLiteral("0") : r.totpartita;
  if (!set(QStringLiteral("totpartita"), quantity)) return false;
  if (!set(QStringLiteral("bolla"), r.bolla) || !set(QStringLiteral("produttore"), r.produttore) ||
      !set(QStringLiteral("note"), joinedNote(r.note)) || !set(QStringLiteral("codicebarre"), r.codicebarre))
    return false;
  for (int q = 1; q <= LotRecord::kQualities; ++q)
    for (int c = 1; c <= LotRecord::kClasses; ++c)
      if (!number(LotRecord::column(c, q), r.t(c, q))) return false;
  return number(QStringLiteral("totq5"), r.totq5);
}

std::optional<int> LotArchive::storeLot(int n, const LotRecord& r, StoreMode mode) {
  TTable& t = data_.Table3;
  if (!t.Open()) return std::nullopt;
  t.CancelRange();
  if (mode == StoreMode::Edit) {
    const bool exists = t.FindKey(n);
    if (!(exists ? t.Edit() : t.Insert()) || !writeRow(n, r) || !t.Post()) {
      t.Cancel();
      return std::nullopt;
    }
    return n;
  }
  // A new lot never goes over a stored one.
  return t.InsertNumbered([this] { return nextLotNumber(); }, [&](int next) { return writeRow(next, r); },
                          beforeInsert);
}

void LotArchive::deleteLot(int n) {
  TTable& t = data_.Table3;
  if (!t.Open()) return;
  t.CancelRange();
  if (t.FindKey(n)) t.Delete();
}

bool LotArchive::emptyArchive() {
  TTable& t = data_.Table3;
  if (!t.Exists()) return !data_.Database1.lookupFailed() && data_.Database1.connected();
  if (!t.Open()) return false;
  return t.EmptyTable();
}
