#include "db/databaseacc.h"

#include <algorithm>
#include <QCoreApplication>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlRecord>
#include <QUrl>
#include <QUrlQuery>
#include <atomic>
#include <limits>
#include <sqlite3.h>

#include "base/modalui.h"
#include "base/text.h"
#include "config/settingsstore.h"
#include "db/calcfields.h"

namespace {


// Date-times travel as text in one fixed form on both engines, without a time zone.
const QString kDateTimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz");

// Reads "yyyy-MM-dd HH:mm:ss[.zzz]" (also with 'T'), the form the archive keeps date-times
// in, without the cost of a general parser; other forms go through Qt's.
template <typename Text>
bool parseFixedParts(const Text& s, QDate* date, QTime* time) {
  const auto digits = [&](int at, int n, int& out) {
    out = 0;
    for (int i = at; i < at + n; ++i) {
      const ushort c = s.at(i).unicode();
      if (c < '0' || c > '9') return false;
      out = out * 10 + (c - '0');
    }
    return true;
  };
  if (s.size() != 10 && s.size() != 19 && s.size() != 23) return false;
  int y, mo, d, h = 0, mi = 0, se = 0, ms = 0;
  if (!digits(0, 4, y) || s.at(4) != QLatin1Char('-') || !digits(5, 2, mo) || s.at(7) != QLatin1Char('-') ||
      !digits(8, 2, d))
    return false;
  if (s.size() >= 19) {
    if ((s.at(10) != QLatin1Char(' ') && s.at(10) != QLatin1Char('T')) || !digits(11, 2, h) ||
        s.at(13) != QLatin1Char(':') || !digits(14, 2, mi) || s.at(16) != QLatin1Char(':') || !digits(17, 2, se))
      return false;
  }
  if (s.size() == 23 && (s.at(19) != QLatin1Char('.') || !digits(20, 3, ms))) return false;
  *date = QDate(y, mo, d);
  *time = QTime(h, mi, se, ms);
  return date->isValid() && time->isValid();
}

QDateTime parseFixed(const QString& s) {
  QDate date;
  QTime time;
  if (!parseFixedParts(s, &date, &time)) return {};
  return QDateTime(date, time);
}

QDateTime parseDateTime(const QVariant& v) {
  if (v.metaType().id() == QMetaType::QDateTime) return v.toDateTime();
  if (v.metaType().id() == QMetaType::QDate) return QDateTime(v.toDate(), QTime(0, 0));
  const QString s = v.toString().trimmed();
  const QDateTime fixed = parseFixed(s);
  if (fixed.isValid()) return fixed;
  return QDateTime::fromString(s, Qt::ISODateWithMs);
}

QVariant bindable(const ColumnDef& c, const QVariant& v) {
  if (v.isNull()) return v;
  if (c.type == ColumnDef::Type::DateTime) return parseDateTime(v).toString(kDateTimeFormat);
  return v;
}

}  // namespace

// ---------------------------------------------------------------------------------------
// TDatabase

QString TDatabase::Target::describe() const {
  if (driver == QLatin1String("QSQLITE")) return QStringLiteral("SQLite %1").arg(file);
  return QStringLiteral("PostgreSQL %1:%2/%3").arg(host).arg(port).arg(database);
}

TDatabase::Target TDatabase::parse(const QString& connection, const QDir& workDir) {
  Target t;
  const QString c = connection.trimmed();
  if (c.startsWith(QLatin1String("sqlite:"), Qt::CaseInsensitive)) {
    t.driver = QStringLiteral("QSQLITE");
    const QString file = c.mid(7);
    if (file.isEmpty()) t.error = QCoreApplication::translate("TDataModule1", "Alias %1: manca il file del database SQLite").arg(QString::fromLatin1(kAlias));
    t.file = QDir::isAbsolutePath(file) ? file : workDir.filePath(file);
    return t;
  }
  if (c.startsWith(QLatin1String("postgresql://"), Qt::CaseInsensitive) ||
      c.startsWith(QLatin1String("postgres://"), Qt::CaseInsensitive)) {
    const QUrl url(c);
    t.driver = QStringLiteral("QPSQL");
    if (!url.isValid()) {
      t.error = QCoreApplication::translate("TDataModule1", "Alias %1 non valido: %2").arg(QString::fromLatin1(kAlias), c);
      return t;
    }
    t.host = url.host();
    const QUrlQuery query(url);
    if (query.hasQueryItem(QStringLiteral("host"))) t.host = query.queryItemValue(QStringLiteral("host"));
    if (t.host.isEmpty()) t.host = QStringLiteral("localhost");
    t.port = url.port(5432);
    if (query.hasQueryItem(QStringLiteral("port"))) t.port = query.queryItemValue(QStringLiteral("port")).toInt();
    t.database = url.path().mid(1);
    if (t.database.isEmpty()) t.database = QString::fromLatin1(kAlias);
    return t;
  }
  t.error = QCoreApplication::translate("TDataModule1", "Alias %1 non valido: %2 (atteso sqlite:FILE o postgresql://HOST:PORTA/DATABASE)")
                .arg(QString::fromLatin1(kAlias), c);
  return t;
}

TDatabase::Target TDatabase::resolve(const SettingsStore& store, const QDir& workDir) {
  const QString section = QString::fromLatin1(kSection), alias = QString::fromLatin1(kAlias);
  const auto connection = store.text(section, alias);
  if (!connection && store.contains(section, alias)) {
    // Never a default in silence: the archive the installer meant is not the local file.
    Target t;
    t.error = QCoreApplication::translate("TDataModule1", "L'alias %1 nelle impostazioni non è un testo: %2").arg(alias, store.jsonText(section, alias));
    return t;
  }
  if (!connection || connection->trimmed().isEmpty())
    return parse(QStringLiteral("sqlite:tavikdata.sqlite"), workDir);
  return parse(*connection, workDir);
}

TDatabase::TDatabase(const Target& target, ModalUi& ui) : target_(target), ui_(ui) {
  static std::atomic<int> counter{0};
  connectionName_ = QStringLiteral("tavikdata-%1").arg(counter++);
}

TDatabase::~TDatabase() { Disconnect(); }

void TDatabase::Disconnect() {
  knownTables_.clear();
  if (QSqlDatabase::contains(connectionName_)) {
    {
      QSqlDatabase d = QSqlDatabase::database(connectionName_, false);
      d.close();
    }
    QSqlDatabase::removeDatabase(connectionName_);
  }
}

void TDatabase::Database1Login(QMap<QString, QString>& params) {
  params[QStringLiteral("USER NAME")] = QStringLiteral("root");
  params[QStringLiteral("PASSWORD")] = QStringLiteral("47kolmar31");
}

void TDatabase::report(const QString& error) {
  lastError_ = error;
  if (batchDepth_ > 0) {
    if (batchError_.isEmpty()) batchError_ = error;
    return;
  }
  ui_.message(error, ModalUi::Icon::Error);
}

bool TDatabase::readable(const QString& table, bool* missing) {
  if (missing) *missing = false;
  if (!Connect()) return false;
  if (tableExists(table)) return true;
  if (lookupFailed_) return false;  // told with its cause
  if (dropIfLost()) {
    reportLost();
    return false;
  }
  if (missing) *missing = true;
  return false;
}

void TDatabase::readFailed(const QString& table, const QSqlError& error) {
  if (dropIfLost(error))
    reportLost();
  else
    report(QCoreApplication::translate("TDataModule1", "Errore del database sulla tabella %1: %2").arg(table, error.text()));
}

bool TDatabase::run(QSqlQuery& query, const QString& table, const QString& sql, const QVariantList& binds) {
  query.setForwardOnly(true);
  bool ok = query.prepare(sql);
  if (ok) {
    for (int i = 0; i < binds.size(); ++i) query.bindValue(i, binds[i]);
    ok = query.exec();
  }
  if (!ok) readFailed(table, query.lastError());
  return ok;
}

void TDatabase::Row::appendText(int column, QString& out, bool trimmed) const {
  out += trimmed ? text(column).trimmed() : text(column);
}

bool TDatabase::Row::dateTime(int column, QDate* date, QTime* time) const {
  return toDateAndTime(value(column), date, time);
}

namespace {

class QueryRow final : public TDatabase::Row {
 public:
  explicit QueryRow(const QSqlQuery& q) : q_(q) {}
  bool isNull(int c) const override { return q_.isNull(c); }
  qint64 integer(int c) const override { return q_.value(c).toLongLong(); }
  QString text(int c) const override { return q_.value(c).toString(); }
  QVariant value(int c) const override { return q_.value(c); }

 private:
  const QSqlQuery& q_;
};

class SqliteRow final : public TDatabase::Row {
 public:
  explicit SqliteRow(sqlite3_stmt* s) : s_(s) {}
  bool isNull(int c) const override { return sqlite3_column_type(s_, c) == SQLITE_NULL; }
  qint64 integer(int c) const override { return sqlite3_column_int64(s_, c); }
  QString text(int c) const override {
    const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(s_, c));
    return t ? QString::fromUtf8(t, sqlite3_column_bytes(s_, c)) : QString();
  }
  void appendText(int c, QString& out, bool trimmed) const override {
    const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(s_, c));
    if (!t) return;
    qsizetype from = 0, to = sqlite3_column_bytes(s_, c);
    if (trimmed) {
      while (from < to && t[from] == ' ') ++from;
      while (to > from && t[to - 1] == ' ') --to;
    }
    bool ascii = true;
    for (qsizetype i = from; i < to && ascii; ++i) ascii = static_cast<unsigned char>(t[i]) < 0x80;
    if (ascii) out.append(QLatin1StringView(t + from, to - from));
    else out += QString::fromUtf8(t + from, to - from);
  }
  bool dateTime(int c, QDate* date, QTime* time) const override {
    if (sqlite3_column_type(s_, c) != SQLITE_TEXT) return Row::dateTime(c, date, time);
    const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(s_, c));
    return parseFixedParts(QLatin1StringView(t, sqlite3_column_bytes(s_, c)), date, time) ||
           Row::dateTime(c, date, time);
  }
  QVariant value(int c) const override {
    switch (sqlite3_column_type(s_, c)) {
      case SQLITE_NULL: return {};
      case SQLITE_INTEGER: return QVariant(static_cast<qlonglong>(integer(c)));
      case SQLITE_FLOAT: return QVariant(sqlite3_column_double(s_, c));
      default: return QVariant(text(c));
    }
  }

 private:
  sqlite3_stmt* s_;
};

// The engine's own handle under Qt's SQLite connection; null for any other.
sqlite3* sqliteHandle(const QSqlDatabase& d) {
  const QVariant h = d.driver() ? d.driver()->handle() : QVariant();
  if (!h.isValid() || qstrcmp(h.typeName(), "sqlite3*") != 0) return nullptr;
  return *static_cast<sqlite3* const*>(h.constData());
}

}  // namespace

bool TDatabase::scan(const QString& table, const QString& sql, const QVariantList& binds,
                     const std::function<void(const Row&)>& onRow, bool* missing) {
  if (!readable(table, missing)) return false;
  if (sqlite3* handle = target_.driver == QLatin1String("QSQLITE") ? sqliteHandle(db()) : nullptr) {
    sqlite3_stmt* st = nullptr;
    const QByteArray utf8 = sql.toUtf8();
    int rc = sqlite3_prepare_v2(handle, utf8.constData(), static_cast<int>(utf8.size()), &st, nullptr);
    for (int i = 0; rc == SQLITE_OK && i < binds.size(); ++i) {
      const QVariant& v = binds[i];
      switch (v.metaType().id()) {
        case QMetaType::UnknownType: rc = sqlite3_bind_null(st, i + 1); break;
        case QMetaType::Int: case QMetaType::LongLong: case QMetaType::UInt: case QMetaType::Bool:
          rc = sqlite3_bind_int64(st, i + 1, v.toLongLong());
          break;
        case QMetaType::Double: rc = sqlite3_bind_double(st, i + 1, v.toDouble()); break;
        default: {
          const QByteArray t = v.toString().toUtf8();
          rc = sqlite3_bind_text(st, i + 1, t.constData(), static_cast<int>(t.size()), SQLITE_TRANSIENT);
        }
      }
    }
    if (rc == SQLITE_OK) {
      const SqliteRow row(st);
      while ((rc = sqlite3_step(st)) == SQLITE_ROW) onRow(row);
    }
    const QString error = QString::fromUtf8(sqlite3_errmsg(handle));
    sqlite3_finalize(st);
    if (rc == SQLITE_DONE) return true;
    report(QCoreApplication::translate("TDataModule1", "Errore del database sulla tabella %1: %2").arg(table, error));
    return false;
  }
  QSqlQuery q(db());
  if (!run(q, table, sql, binds)) return false;
  const QueryRow row(q);
  while (q.next()) onRow(row);
  return true;
}

QDateTime TDatabase::toDateTime(const QVariant& value) { return parseDateTime(value); }

bool TDatabase::toDateAndTime(const QVariant& value, QDate* date, QTime* time) {
  if (value.metaType().id() == QMetaType::QString && parseFixedParts(value.toString().trimmed(), date, time))
    return true;
  const QDateTime dt = parseDateTime(value);
  *date = dt.date();
  *time = dt.time();
  return dt.isValid();
}
QString TDatabase::dateTimeText(const QDateTime& value) { return value.toString(kDateTimeFormat); }

QString TDatabase::quoted(const QString& identifier) const {
  return db().driver()->escapeIdentifier(identifier, QSqlDriver::FieldName);
}

void TDatabase::reportLost() {
  // One loss is told once, however many statements of the command meet it; the next
  // connection that opens clears it.
  if (lostReported_) return;
  lostReported_ = true;
  report(QCoreApplication::translate("TDataModule1", "La connessione al database %1 si è interrotta; riprovare il comando").arg(target_.describe()));
}

TDatabase::Batch::Batch(TDatabase& database) : database_(database) {
  if (database_.batchDepth_++ == 0) database_.batchError_.clear();
  if (!database_.Connect()) return;
  database_.releaseReads();
  begun_ = database_.db().transaction();
  if (!begun_) database_.report(QCoreApplication::translate("TDataModule1", "Impossibile iniziare una transazione sul database %1: %2")
                                    .arg(database_.target().describe(), database_.db().lastError().text()));
}

bool TDatabase::Batch::commit() {
  if (!begun_ || done_) return false;
  if (!database_.batchError_.isEmpty()) return false;
  done_ = true;
  if (database_.db().commit()) return true;
  database_.report(QCoreApplication::translate("TDataModule1", "Il database %1 non ha accettato le modifiche: %2")
                       .arg(database_.target().describe(), database_.db().lastError().text()));
  database_.db().rollback();
  return false;
}

TDatabase::Batch::~Batch() {
  if (begun_ && !done_) database_.db().rollback();
  --database_.batchDepth_;
}

QSqlDatabase TDatabase::db() const { return QSqlDatabase::database(connectionName_, false); }

bool TDatabase::connected() const {
  return QSqlDatabase::contains(connectionName_) && db().isOpen();
}

bool TDatabase::Connect(bool allowCreate) {
  if (connected()) return true;
  if (!target_.error.isEmpty()) {
    report(target_.error);
    return false;
  }
  if (target_.driver == QLatin1String("QSQLITE") && !allowCreate && !QFileInfo::exists(target_.file)) {
    report(QCoreApplication::translate("TDataModule1", "Il database %1 non esiste: crearlo con \"campionatrice --create-database\"").arg(target_.file));
    return false;
  }
  if (!QSqlDatabase::isDriverAvailable(target_.driver)) {
    report(QCoreApplication::translate("TDataModule1", "Il driver di database %1 non è installato").arg(target_.driver));
    return false;
  }
  QSqlDatabase d = QSqlDatabase::contains(connectionName_) ? QSqlDatabase::database(connectionName_, false)
                                                           : QSqlDatabase::addDatabase(target_.driver, connectionName_);
  QMap<QString, QString> login;
  Database1Login(login);
  if (target_.driver == QLatin1String("QSQLITE")) {
    d.setDatabaseName(target_.file);
    // A database another program holds locked is waited for this long, then reported.
    d.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(lockTimeoutMs_));
  } else {
    d.setHostName(target_.host);
    d.setPort(target_.port);
    d.setDatabaseName(target_.database);
    d.setUserName(login.value(QStringLiteral("USER NAME")));
    d.setPassword(login.value(QStringLiteral("PASSWORD")));
    // Bounded waits: a server that does not take the connection within 5 s, a statement
    // that runs 10 s, or a row lock another station holds for 3 s is an error told to the
    // operator, never a station that hangs.
    d.setConnectOptions(QStringLiteral("connect_timeout=%1;options='-c statement_timeout=%2 -c lock_timeout=%3'")
                            .arg(kConnectTimeoutS)
                            .arg(kStatementTimeoutMs)
                            .arg(kLockTimeoutMs));
  }
  knownTables_.clear();
  if (!d.open()) {
    // With quiet repeats (the board's side, whose ticks reach the archive by themselves),
    // the same failure again (a server still down at the next automatic refresh) is not
    // told again; a different one, or one after the archive was reached, is.
    const QString error = QCoreApplication::translate("TDataModule1", "Impossibile aprire il database %1: %2").arg(target_.describe(), d.lastError().text());
    if (!quietRepeats_ || error != lastConnectError_) report(error);
    else lastError_ = error;
    lastConnectError_ = error;
    return false;
  }
  lastConnectError_.clear();
  if (target_.driver == QLatin1String("QSQLITE")) {
    // SQLite opens any file lazily: read its catalogue now, so a file that is not a
    // database, or one locked by another program, is told as such and not as a missing
    // table.
    QSqlQuery probe(d);
    if (!probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"))) {
      const QString cause = probe.lastError().text();
      probe.finish();
      d.close();
      report(QCoreApplication::translate("TDataModule1", "Impossibile usare il database %1: %2").arg(target_.describe(), cause));
      return false;
    }
    probe.finish();
    // Readers and a writer on other connections (a second station, the setup command) do
    // not block each other. A folder the station cannot write keeps the file's own mode.
    probe.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
  }
  lastError_.clear();
  lostReported_ = false;
  return true;
}

bool TDatabase::dropIfLost(const QSqlError& cause) {
  if (!QSqlDatabase::contains(connectionName_)) return false;
  // PostgreSQL names its errors: class 08 is the connection, 57 an operator's intervention
  // (a server shut down); anything else is the statement's own failure, and a probe inside
  // the transaction it aborted would fail as well.
  const QString state = cause.nativeErrorCode();
  if (target_.driver == QLatin1String("QPSQL") && state.size() == 5 && !state.startsWith(QLatin1String("08")) &&
      !state.startsWith(QLatin1String("57")))
    return false;
  QSqlDatabase d = db();
  knownTables_.clear();
  if (!d.isOpen()) return true;  // the driver has closed it already
  {
    QSqlQuery probe(d);
    if (probe.exec(QStringLiteral("SELECT 1"))) return false;
  }
  d.close();
  return true;
}

bool TDatabase::tableExists(const QString& table) {
  if (!connected()) return false;
  // The station never drops a table, so one seen on this connection is not asked for
  // again: every command opens its tables, and the catalogue need not be read each time.
  const QString name = table.toLower();
  lookupFailed_ = false;
  if (knownTables_.contains(name)) return true;
  // The catalogue is read with a query, so a failure shows its real cause (a locked
  // file, a server that stopped answering) instead of passing for a missing table.
  QSqlQuery q(db());
  const bool sqlite = target_.driver == QLatin1String("QSQLITE");
  q.prepare(sqlite ? QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND lower(name) = ?")
                   : QStringLiteral("SELECT table_name FROM information_schema.tables WHERE lower(table_name) = ? "
                                    "AND table_schema = ANY (current_schemas(false))"));
  q.addBindValue(name);
  if (!q.exec()) {
    lookupFailed_ = true;
    const QString cause = q.lastError().text();
    if (dropIfLost(q.lastError()))
      reportLost();
    else
      report(QCoreApplication::translate("TDataModule1", "Impossibile leggere il database %1: %2").arg(target_.describe(), cause));
    return false;
  }
  if (!q.next()) return false;
  knownTables_.insert(name);
  return true;
}

std::optional<QString> TDatabase::createTables() {
  if (!Connect(true)) return lastError_;
  QSqlQuery q(db());
  for (const TableDef& t : schema::tables()) {
    for (const QString& statement : t.statements) {
      if (!q.exec(statement)) return QCoreApplication::translate("TDataModule1", "Creazione della tabella %1 non riuscita: %2").arg(t.name, q.lastError().text());
    }
  }
  return std::nullopt;
}

// ---------------------------------------------------------------------------------------
// TField

TField::TField(TTable* table, int index, bool calculated) : Calculated(calculated), table_(table), index_(index) {}

QVariant TField::Value() const {
  if (index_ < 0) return {};
  if (Calculated) {
    table_->computeCalculated();
    return table_->calc_.value(index_);
  }
  return table_->row_.value(index_);
}

bool TField::IsNull() const { return Value().isNull(); }

qint64 TField::AsLargeInt() const {
  const QVariant v = Value();
  if (v.isNull()) return 0;
  switch (DataType) {
    case ColumnDef::Type::Integer: return v.toLongLong();
    case ColumnDef::Type::Float: return qRound64(v.toDouble());
    case ColumnDef::Type::DateTime: return 0;
    default: return text::strictInt(v.toString().trimmed()).value_or(0);
  }
}

qint32 TField::AsInteger() const { return static_cast<qint32>(AsLargeInt()); }

QString TField::AsString() const {
  const QVariant v = Value();
  if (v.isNull()) return {};
  switch (DataType) {
    case ColumnDef::Type::Integer: {
      // A row another program wrote may hold text in a number column: it is read as it
      // stands, never as a made-up 0, so the reader can refuse it.
      bool ok = false;
      const qlonglong n = v.toLongLong(&ok);
      return ok ? QString::number(n) : v.toString();
    }
    case ColumnDef::Type::Float: return QString::number(v.toDouble());
    case ColumnDef::Type::DateTime: {
      const QDateTime dt = parseDateTime(v);
      return text::formatShortDate(dt.date()) + QLatin1Char(' ') + text::formatLongTime(dt.time());
    }
    case ColumnDef::Type::FixedText: {
      QString s = v.toString();
      while (s.endsWith(QLatin1Char(' '))) s.chop(1);
      return s;
    }
    case ColumnDef::Type::Text: return v.toString();
  }
  return v.toString();
}

double TField::AsFloat() const {
  const QVariant v = Value();
  if (v.isNull()) return 0.0;
  if (DataType == ColumnDef::Type::Text || DataType == ColumnDef::Type::FixedText) {
    bool ok = false;
    const double d = v.toString().trimmed().toDouble(&ok);
    return ok ? d : 0.0;
  }
  return v.toDouble();
}

QDateTime TField::AsDateTime() const {
  const QVariant v = Value();
  if (v.isNull()) return {};
  return parseDateTime(v);
}

QString TField::DisplayText() const {
  if (!DisplayFormat.isEmpty() && !IsNull()) {
    // "##0.00" and the like: two decimals, the system's decimal separator.
    const int decimals = DisplayFormat.contains(QLatin1Char('.'))
                             ? static_cast<int>(DisplayFormat.size() - DisplayFormat.indexOf(QLatin1Char('.')) - 1)
                             : 0;
    return QString::number(AsFloat(), 'f', decimals).replace(QLatin1Char('.'), text::decimalSeparator());
  }
  return AsString();
}

bool TField::SetAsString(const QString& value) {
  if (Calculated || index_ < 0) return false;
  QString error;
  const QVariant stored = table_->toStored(index_, value, &error);
  if (!error.isEmpty()) {
    table_->conversionFailed_ = true;
    table_->fail(error);
    return false;
  }
  if (!table_->editing()) return false;
  table_->row_[index_] = stored;
  table_->calcDirty_ = true;
  return true;
}

bool TField::SetAsInteger(qint64 value) {
  if (index_ < 0) return false;
  if (DataType == ColumnDef::Type::Integer || DataType == ColumnDef::Type::Float) {
    if (!table_->editing()) return false;
    if (Calculated) return false;
    if (DataType == ColumnDef::Type::Integer &&
        (value > std::numeric_limits<qint32>::max() || value < std::numeric_limits<qint32>::min())) {
      table_->conversionFailed_ = true;
      table_->fail(QCoreApplication::translate("TDataModule1", "Il valore %1 non entra nel campo %2").arg(value).arg(FieldName));
      return false;
    }
    table_->row_[index_] = DataType == ColumnDef::Type::Integer ? QVariant(value) : QVariant(double(value));
    table_->calcDirty_ = true;
    return true;
  }
  return SetAsString(QString::number(value));
}

bool TField::SetAsFloat(double value) {
  if (DataType == ColumnDef::Type::Integer) return SetAsInteger(qRound64(value));
  return SetAsString(QString::number(value));
}

bool TField::SetAsDateTime(const QDateTime& value) {
  if (index_ < 0) return false;
  if (DataType != ColumnDef::Type::DateTime) return SetAsString(value.toString(kDateTimeFormat));
  if (Calculated) return false;
  if (!table_->editing()) return false;
  table_->row_[index_] = value.isValid() ? QVariant(value) : QVariant();
  return true;
}

void TField::Clear() {
  if (Calculated || index_ < 0) return;
  if (table_->state_ == TTable::State::Edit || table_->state_ == TTable::State::Insert) {
    table_->row_[index_] = QVariant();
    table_->calcDirty_ = true;
  }
}

// ---------------------------------------------------------------------------------------
// TTable

TTable::TTable(TDatabase& database, const TableDef& def, QList<CalcColumn> calcColumns, CalcHandler onCalcFields)
    : database_(database), def_(def), calcColumns_(std::move(calcColumns)), onCalcFields_(std::move(onCalcFields)) {
  database_.attach(this);
  row_.resize(def_.columns.size());
  calc_.resize(calcColumns_.size());
  for (int i = 0; i < def_.columns.size(); ++i) {
    auto f = std::unique_ptr<TField>(new TField(this, i, false));
    f->FieldName = def_.columns[i].name;
    f->DataType = def_.columns[i].type;
    f->Size = def_.columns[i].length;
    if (f->FieldName == QLatin1String("totpartita")) f->DisplayFormat = QStringLiteral("######0.00");
    byName_.insert(f->FieldName.toLower(), static_cast<int>(fields_.size()));
    fields_.push_back(std::move(f));
  }
  for (int i = 0; i < calcColumns_.size(); ++i) {
    auto f = std::unique_ptr<TField>(new TField(this, i, true));
    f->FieldName = calcColumns_[i].name;
    f->DataType = calcColumns_[i].type;
    f->DisplayFormat = calcColumns_[i].displayFormat;
    byName_.insert(f->FieldName.toLower(), static_cast<int>(fields_.size()));
    fields_.push_back(std::move(f));
  }
}

TTable::~TTable() { database_.detach(this); }

void TTable::releaseCursor() {
  if (!cursor_) return;
  cursor_.reset();
  continueAfterCurrent_ = hasRow_ && !eof_;
}

void TDatabase::releaseReads() {
  if (target_.driver != QLatin1String("QSQLITE")) return;
  for (TTable* t : tables_) t->releaseCursor();
}

bool TTable::editing() {
  if (state_ == State::Edit || state_ == State::Insert) return true;
  fail(QCoreApplication::translate("TDataModule1", "La tabella %1 non è in modifica").arg(def_.name));
  return false;
}

void TTable::lostConnection() {
  lastError_ = QCoreApplication::translate("TDataModule1", "La connessione al database %1 si è interrotta; riprovare il comando").arg(database_.target().describe());
  database_.reportLost();
}

void TTable::fail(const QString& error) {
  lastError_ = error;
  database_.report(error);
}

QString TTable::quoted(const QString& identifier) const {
  return database_.db().driver()->escapeIdentifier(identifier, QSqlDriver::FieldName);
}

QString TTable::selectList() const {
  QStringList names;
  for (const ColumnDef& c : def_.columns) names << quoted(c.name);
  return names.join(QLatin1Char(','));
}

bool TTable::exec(QSqlQuery& q, const QString& sql, const QVariantList& binds) {
  bool ok = q.prepare(sql);
  if (ok) {
    for (int i = 0; i < binds.size(); ++i) q.bindValue(i, binds[i]);
    ok = q.exec();
  }
  if (ok) return true;
  const QString error = q.lastError().text();
  // A connection the server dropped is closed, so the next command connects again.
  if (database_.dropIfLost(q.lastError()))
    lostConnection();
  else
    fail(QCoreApplication::translate("TDataModule1", "Errore del database sulla tabella %1: %2").arg(def_.name, error));
  return false;
}

bool TTable::Exists() {
  if (!database_.Connect()) return false;
  if (database_.tableExists(def_.name)) return true;
  if (database_.lookupFailed()) return false;  // told with its cause
  if (database_.dropIfLost()) {
    lostConnection();
  }
  return false;
}

bool TTable::Open() {
  if (state_ != State::Inactive) return true;
  if (!database_.Connect()) return false;
  if (!database_.tableExists(def_.name)) {
    if (database_.lookupFailed()) return false;  // told with its cause
    // No table in the list may also mean a connection the server dropped.
    if (database_.dropIfLost())
      lostConnection();
    else
      fail(QCoreApplication::translate("TDataModule1", "La tabella %1 non esiste nel database").arg(def_.name));
    return false;
  }
  state_ = State::Browse;
  First();
  return true;
}

void TTable::Close() {
  cursor_.reset();
  state_ = State::Inactive;
  eof_ = true;
  hasRow_ = false;
  continueAfterCurrent_ = false;
  clearRow();
}

bool TTable::ensureOpen() { return state_ != State::Inactive || Open(); }

void TTable::clearRow() {
  for (QVariant& v : row_) v = QVariant();
  calcDirty_ = true;
}

bool TTable::fixedKey() const {
  return def_.columns[def_.indexOf(def_.orderKey)].type == ColumnDef::Type::FixedText;
}

QString TTable::keyText(const QVariant& key, bool padded) const {
  // A fixed-width key compares without its trailing blanks: rows written by another
  // program (the sqlite3 client, an import) may hold "01" where the station writes "01 ".
  QString t = keyValue(key).toString();
  while (t.endsWith(QLatin1Char(' '))) t.chop(1);
  return padded ? text::fixedLeft(t, def_.columns[def_.indexOf(def_.orderKey)].length) : t;
}

QString TTable::keyEquals(const QVariant& key, QVariantList& binds) const {
  if (!fixedKey()) {
    binds << keyValue(key);
    return keyColumn() + QStringLiteral(" = ?");
  }
  // Every spelling the key may be stored with, so the key's index still serves.
  const QString bare = keyText(key, false);
  const int length = def_.columns[def_.indexOf(def_.orderKey)].length;
  QStringList marks;
  for (int n = static_cast<int>(bare.size()); n <= std::max(length, static_cast<int>(bare.size())); ++n) {
    binds << QVariant(bare + QString(n - bare.size(), QLatin1Char(' ')));
    marks << QStringLiteral("?");
  }
  return keyColumn() + QStringLiteral(" IN (") + marks.join(QLatin1Char(',')) + QLatin1Char(')');
}

QString TTable::rangeWhere(QVariantList& binds) const {
  if (!range_) return {};
  if (fixedKey()) {
    // From the bare low key to the high key padded to the column's width.
    binds << QVariant(keyText(range_->first, false)) << QVariant(keyText(range_->second, true));
  } else {
    binds << keyValue(range_->first) << keyValue(range_->second);
  }
  return QStringLiteral("%1 >= ? AND %1 <= ?").arg(keyColumn());
}

bool TTable::startCursor(const QString& where, const QVariantList& binds, const QString& order, int limit) {
  // The previous walk ends before the next one starts: an engine may stream a result and
  // lose it to the next statement on the same connection.
  cursor_.reset();
  auto q = std::make_unique<QSqlQuery>(database_.db());
  // SQLite steps through its rows as they are asked for. A PostgreSQL result is taken
  // whole, so other statements on the connection (a look-up during a walk) leave it intact.
  q->setForwardOnly(database_.target().driver == QLatin1String("QSQLITE"));
  QString sql = QStringLiteral("SELECT %1 FROM %2").arg(selectList(), quoted(def_.name));
  if (!where.isEmpty()) sql += QStringLiteral(" WHERE ") + where;
  sql += QStringLiteral(" ORDER BY ") + order;
  if (limit > 0) sql += QStringLiteral(" LIMIT %1").arg(limit);
  if (!exec(*q, sql, binds)) {
    eof_ = true;
    return false;
  }
  cursor_ = std::move(q);
  const bool found = fetch();
  // A single-row look-up has nothing more to give; let the engine release it at once.
  if (limit == 1) cursor_.reset();
  return found;
}

bool TTable::fetch() {
  if (!cursor_ || !cursor_->next()) {
    eof_ = true;
    if (cursor_) cursor_.reset();
    return false;
  }
  loadRow();
  hasRow_ = true;
  eof_ = false;
  return true;
}

void TTable::loadRow() {
  // Values are kept as the engine gives them and converted when a column is read, so a
  // walk pays only for the columns it looks at.
  for (int i = 0; i < row_.size(); ++i) row_[i] = cursor_->value(i);
  calcDirty_ = true;
}

bool TTable::First() {
  if (!ensureOpen()) return false;
  continueAfterCurrent_ = false;
  QVariantList binds;
  const QString where = rangeWhere(binds);
  startCursor(where, binds, keyColumn() + QStringLiteral(" ASC NULLS FIRST"));
  return !eof_;
}

bool TTable::Next() {
  if (!ensureOpen()) return false;
  if (continueAfterCurrent_ && hasRow_) {
    continueAfterCurrent_ = false;
    QVariantList binds;
    QString where = rangeWhere(binds);
    const QVariant key = row_.value(def_.indexOf(def_.orderKey));
    if (!where.isEmpty()) where += QStringLiteral(" AND ");
    if (key.isNull()) {
      where += keyColumn() + QStringLiteral(" IS NOT NULL");
    } else {
      where += keyColumn() + QStringLiteral(" > ?");
      // After a fixed-width key in every spelling it may be stored with.
      binds << (fixedKey() ? QVariant(keyText(key, true)) : bindable(def_.columns[def_.indexOf(def_.orderKey)], key));
    }
    startCursor(where, binds, keyColumn() + QStringLiteral(" ASC NULLS FIRST"));
    return !eof_;
  }
  fetch();
  return !eof_;
}

bool TTable::Last() {
  if (!ensureOpen()) return false;
  continueAfterCurrent_ = false;
  QVariantList binds;
  const QString where = rangeWhere(binds);
  startCursor(where, binds, keyColumn() + QStringLiteral(" DESC NULLS LAST"), 1);
  return !eof_;
}

bool TTable::IsEmpty() {
  if (!ensureOpen()) return true;
  QVariantList binds;
  const QString where = rangeWhere(binds);
  QSqlQuery q(database_.db());
  QString sql = QStringLiteral("SELECT 1 FROM %1").arg(quoted(def_.name));
  if (!where.isEmpty()) sql += QStringLiteral(" WHERE ") + where;
  if (!exec(q, sql + QStringLiteral(" LIMIT 1"), binds)) return true;
  return !q.next();
}

int TTable::RecordCount() {
  if (!ensureOpen()) return 0;
  QVariantList binds;
  const QString where = rangeWhere(binds);
  QSqlQuery q(database_.db());
  QString sql = QStringLiteral("SELECT COUNT(*) FROM %1").arg(quoted(def_.name));
  if (!where.isEmpty()) sql += QStringLiteral(" WHERE ") + where;
  if (!exec(q, sql, binds) || !q.next()) return 0;
  return q.value(0).toInt();
}

QVariant TTable::keyValue(const QVariant& key) const {
  const int k = def_.indexOf(def_.orderKey);
  QString error;
  const QVariant v = toStored(k, key.metaType().id() == QMetaType::QDateTime ? key : QVariant(key.toString()), &error);
  return bindable(def_.columns[k], v);
}

bool TTable::FindKey(const QVariant& key) {
  if (!ensureOpen()) return false;
  // Keep the current row, in case the key is not there; the walk then goes on after it.
  const QVector<QVariant> savedRow = row_;
  const bool savedEof = eof_, savedHasRow = hasRow_;

  QVariantList binds;
  QString where = rangeWhere(binds);
  if (!where.isEmpty()) where += QStringLiteral(" AND ");
  where += keyEquals(key, binds);
  if (startCursor(where, binds, keyColumn(), 1)) {
    continueAfterCurrent_ = true;
    return true;
  }
  row_ = savedRow;
  calcDirty_ = true;
  eof_ = savedEof;
  hasRow_ = savedHasRow;
  continueAfterCurrent_ = savedHasRow && !savedEof;
  return false;
}

void TTable::SetRange(const QVariant& low, const QVariant& high) {
  range_ = std::make_pair(low, high);
  if (state_ != State::Inactive) First();
}

void TTable::CancelRange() {
  range_.reset();
  if (state_ != State::Inactive) First();
}

bool TTable::Edit() {
  if (!ensureOpen()) return false;
  if (state_ == State::Edit || state_ == State::Insert) return true;
  if (!hasRow_) {
    fail(QCoreApplication::translate("TDataModule1", "La tabella %1 non ha un record corrente da modificare").arg(def_.name));
    return false;
  }
  original_ = row_;
  conversionFailed_ = false;
  state_ = State::Edit;
  return true;
}

bool TTable::EditFrom(const QVector<QVariant>& asRead) {
  if (!Edit()) return false;
  if (asRead.size() == original_.size()) original_ = asRead;
  return true;
}

QVector<QVariant> TTable::currentRow() const { return hasRow_ ? row_ : QVector<QVariant>(); }

bool TTable::Insert() {
  if (!ensureOpen()) return false;
  if (state_ == State::Edit || state_ == State::Insert) Cancel();
  original_ = row_;
  clearRow();
  conversionFailed_ = false;
  state_ = State::Insert;
  return true;
}

void TTable::Cancel() {
  if (state_ == State::Edit || state_ == State::Insert) {
    row_ = original_;
    calcDirty_ = true;
    state_ = State::Browse;
  }
  conversionFailed_ = false;
}

QVariant TTable::toStored(int index, const QVariant& value, QString* error) const {
  const ColumnDef& c = def_.columns[index];
  if (value.isNull()) return {};
  switch (c.type) {
    case ColumnDef::Type::Integer: {
      if (value.metaType().id() != QMetaType::QString) return QVariant(value.toLongLong());
      const QString t = value.toString().trimmed();
      if (t.isEmpty()) return {};
      const auto n = text::strictInt(t);
      if (!n) {
        *error = QCoreApplication::translate("TDataModule1", "'%1' non è un valore intero valido per il campo %2").arg(value.toString(), c.name);
        return {};
      }
      return QVariant(static_cast<qlonglong>(*n));
    }
    case ColumnDef::Type::Float: {
      bool ok = false;
      const double d = value.toString().trimmed().replace(text::decimalSeparator(), QLatin1Char('.')).toDouble(&ok);
      if (!ok) {
        *error = QCoreApplication::translate("TDataModule1", "'%1' non è un numero valido per il campo %2").arg(value.toString(), c.name);
        return {};
      }
      return QVariant(d);
    }
    case ColumnDef::Type::DateTime: {
      const QDateTime dt = parseDateTime(value);
      if (!dt.isValid()) {
        *error = QCoreApplication::translate("TDataModule1", "'%1' non è una data valida per il campo %2").arg(value.toString(), c.name);
        return {};
      }
      return QVariant(dt);
    }
    case ColumnDef::Type::FixedText:
      return QVariant(text::fixedLeft(value.toString(), c.length));
    case ColumnDef::Type::Text: {
      const QString s = value.toString();
      return QVariant(c.length > 0 && s.size() > c.length ? s.left(c.length) : s);
    }
  }
  return value;
}

bool TTable::checkRequired() {
  for (const QString& name : def_.required) {
    const int i = def_.indexOf(name);
    const QVariant& v = row_[i];
    const bool missing = v.isNull() || ((def_.columns[i].type == ColumnDef::Type::Text ||
                                         def_.columns[i].type == ColumnDef::Type::FixedText) &&
                                        v.toString().trimmed().isEmpty());
    if (missing) {
      fail(QCoreApplication::translate("TDataModule1", "Il campo '%1' della tabella %2 deve avere un valore").arg(def_.columns[i].name, def_.name));
      return false;
    }
  }
  return true;
}

std::optional<int> TTable::InsertNumbered(const std::function<std::optional<int>()>& nextFree,
                                          const std::function<bool(int)>& fill,
                                          const std::function<void(int)>& beforeInsert) {
  constexpr int kAttempts = 20;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    const std::optional<int> n = nextFree();
    if (!n) return std::nullopt;
    if (beforeInsert) beforeInsert(*n);
    QString error;
    bool stored = false;
    {
      // Errors are kept: a number taken meanwhile is no error to tell.
      TDatabase::Batch batch(database_);
      if (!batch.begun()) return std::nullopt;
      stored = Insert() && fill(*n) && Post() && batch.commit();
      if (!stored) {
        Cancel();
        error = batch.error();
      }
    }
    if (stored) return n;
    // Anything but a number taken meanwhile is the row's own fault or the archive's.
    const std::optional<int> again = nextFree();
    if (!again || *again == *n) {
      if (!error.isEmpty()) database_.report(error);
      return std::nullopt;
    }
  }
  database_.report(QCoreApplication::translate("TDataModule1", "Nessun numero libero nella tabella %1: altre stazioni la cambiano senza sosta").arg(def_.name));
  return std::nullopt;
}

bool TTable::Post() {
  if (state_ != State::Edit && state_ != State::Insert) return state_ == State::Browse;
  if (conversionFailed_) {
    fail(QCoreApplication::translate("TDataModule1", "Il record della tabella %1 contiene un valore non valido e non è stato salvato").arg(def_.name));
    return false;
  }
  if (!checkRequired()) return false;
  database_.releaseReads();
  QSqlQuery q(database_.db());
  if (state_ == State::Insert) {
    QStringList names, marks;
    QVariantList binds;
    for (int i = 0; i < def_.columns.size(); ++i) {
      names << quoted(def_.columns[i].name);
      marks << QStringLiteral("?");
      binds << bindable(def_.columns[i], row_[i]);
    }
    if (!exec(q, QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                     .arg(quoted(def_.name), names.join(QLatin1Char(',')), marks.join(QLatin1Char(','))),
              binds))
      return false;
  } else {
    QStringList sets, conditions;
    QVariantList setBinds, whereBinds;
    const int k = def_.indexOf(def_.orderKey);
    const auto condition = [&](int i, const QVariant& previous) {
      if (previous.isNull()) {
        conditions << quoted(def_.columns[i].name) + QStringLiteral(" IS NULL");
      } else {
        conditions << quoted(def_.columns[i].name) + QStringLiteral(" = ?");
        whereBinds << bindable(def_.columns[i], previous);
      }
    };
    condition(k, original_[k]);
    for (int i = 0; i < def_.columns.size(); ++i) {
      if (row_[i] == original_[i] && row_[i].isNull() == original_[i].isNull()) continue;
      sets << quoted(def_.columns[i].name) + QStringLiteral(" = ?");
      setBinds << bindable(def_.columns[i], row_[i]);
      if (i != k) condition(i, original_[i]);
    }
    if (!sets.isEmpty()) {
      if (!exec(q, QStringLiteral("UPDATE %1 SET %2 WHERE %3")
                       .arg(quoted(def_.name), sets.join(QLatin1Char(',')), conditions.join(QStringLiteral(" AND "))),
                setBinds + whereBinds))
        return false;
      if (q.numRowsAffected() == 0) {
        fail(QCoreApplication::translate("TDataModule1", "Il record della tabella %1 è stato modificato o cancellato da un'altra stazione: la modifica "
                "non è stata salvata. Rileggere i dati e riprovare.")
                 .arg(def_.name));
        return false;
      }
    }
  }
  state_ = State::Browse;
  hasRow_ = true;
  eof_ = false;
  cursor_.reset();
  continueAfterCurrent_ = true;
  return true;
}

bool TTable::Delete() {
  if (!ensureOpen()) return false;
  if (state_ != State::Browse) Cancel();
  if (!hasRow_ || eof_) {
    fail(QCoreApplication::translate("TDataModule1", "La tabella %1 non ha un record corrente da cancellare").arg(def_.name));
    return false;
  }
  // The row is named by all its values, so that a second row with the same key is left
  // alone and a row changed meanwhile by another station is not deleted unseen.
  QStringList conditions;
  QVariantList binds;
  for (int i = 0; i < def_.columns.size(); ++i) {
    if (row_[i].isNull()) {
      conditions << quoted(def_.columns[i].name) + QStringLiteral(" IS NULL");
    } else {
      conditions << quoted(def_.columns[i].name) + QStringLiteral(" = ?");
      binds << bindable(def_.columns[i], row_[i]);
    }
  }
  database_.releaseReads();
  QSqlQuery q(database_.db());
  if (!exec(q, QStringLiteral("DELETE FROM %1 WHERE %2").arg(quoted(def_.name), conditions.join(QStringLiteral(" AND "))),
            binds))
    return false;
  if (q.numRowsAffected() == 0) {
    fail(QCoreApplication::translate("TDataModule1", "Il record della tabella %1 è stato modificato o cancellato da un'altra stazione: non è stato cancellato.")
             .arg(def_.name));
    return false;
  }
  // The next row becomes current, or the last one when the deleted row was the last.
  continueAfterCurrent_ = true;
  if (!Next()) {
    if (!Last()) {
      hasRow_ = false;
      clearRow();
    }
  }
  return true;
}

bool TTable::EmptyTable() {
  if (!ensureOpen()) return false;
  if (state_ != State::Browse) Cancel();
  database_.releaseReads();
  QSqlQuery q(database_.db());
  if (!exec(q, QStringLiteral("DELETE FROM %1").arg(quoted(def_.name)), {})) return false;
  cursor_.reset();
  eof_ = true;
  hasRow_ = false;
  continueAfterCurrent_ = false;
  clearRow();
  return true;
}

TField* TTable::FindField(const QString& name) {
  const auto it = byName_.constFind(name.toLower());
  return it == byName_.constEnd() ? nullptr : fields_[static_cast<size_t>(*it)].get();
}

TField& TTable::FieldByName(const QString& name) {
  if (TField* f = FindField(name)) return *f;
  // A column the table does not have is a fault of the caller: the error is shown and the
  // caller gets a field that reads empty and refuses every write.
  fail(QCoreApplication::translate("TDataModule1", "La tabella %1 non ha il campo %2").arg(def_.name, name));
  if (!nullField_) {
    nullField_.reset(new TField(this, -1, false));
    nullField_->FieldName = name;
  }
  return *nullField_;
}

void TTable::computeCalculated() {
  if (!calcDirty_ || !onCalcFields_) return;
  calcDirty_ = false;
  for (QVariant& v : calc_) v = QVariant();
  onCalcFields_(*this);
}
