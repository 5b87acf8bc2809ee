#pragma once

#include <QDateTime>
#include <QDir>
#include <QList>
#include <QMap>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <QVector>
#include <functional>
#include <memory>
#include <optional>

#include "db/schema.h"

class ModalUi;
class SettingsStore;
class TTable;

// The connection to the archive, reached through the alias "tavikdata": the section
// "databases" of the settings store gives a connection text, "sqlite:FILE" (relative to
// the working folder) or "postgresql://HOST:PORT/DBNAME" (a host of the form
// ?host=/socket/folder is allowed); with no entry it is the SQLite file "tavikdata.sqlite"
// of the working folder. The login is the station's own (Database1Login).
class TDatabase {
 public:
  static constexpr const char* kAlias = "tavikdata";
  static constexpr const char* kSection = "databases";

  struct Target {
    QString driver;    // "QSQLITE" or "QPSQL"
    QString file;      // SQLite
    QString host;      // PostgreSQL: host name or socket folder
    int port = 5432;
    QString database;
    QString error;     // the alias cannot be understood
    QString describe() const;
  };

  static Target resolve(const SettingsStore& store, const QDir& workDir);
  static Target parse(const QString& connection, const QDir& workDir);

  TDatabase(const Target& target, ModalUi& ui);
  ~TDatabase();
  TDatabase(const TDatabase&) = delete;
  TDatabase& operator=(const TDatabase&) = delete;

  // The login parameters the station answers the connection with.
  static void Database1Login(QMap<QString, QString>& params);

  // Opens the connection if it is not open; a failure is shown to the operator once per
  // attempt and false returned. `allowCreate` lets the setup command create a new SQLite
  // file; the station itself never does.
  bool Connect(bool allowCreate = false);
  bool connected() const;
  // Closes the connection and lets it go; the next command connects again. A connection
  // belongs to the thread that opened it: its owner thread closes it.
  void Disconnect();
  QString lastError() const { return lastError_; }
  const Target& target() const { return target_; }
  QSqlDatabase db() const;

  // SQLite waits this long for a database another program holds locked, PostgreSQL for a
  // row another station holds locked.
  static constexpr int kLockTimeoutMs = 3000;
  // PostgreSQL: the longest wait for a connection and for one statement.
  static constexpr int kConnectTimeoutS = 5;
  static constexpr int kStatementTimeoutMs = 10000;
  // A connection failure equal to the last one is not told again (for work that reaches
  // the archive by itself, such as the main cycle's; the operator's commands tell each).
  void setQuietRepeats(bool quiet) { quietRepeats_ = quiet; }
  // For tests, which must not wait the whole time-out.
  void setLockTimeoutMs(int ms) { lockTimeoutMs_ = ms; }

  // False also when the catalogue could not be read: lookupFailed() tells it apart, and
  // the cause was reported.
  bool tableExists(const QString& table);
  bool lookupFailed() const { return lookupFailed_; }
  // After a failed statement: closes a connection that no longer answers (a restarted
  // server), so that the next table open connects again. True when it was lost.
  // A statement the server refused for a reason of its own (its SQLSTATE says so: a key
  // taken, a transaction already aborted by it) does not mean a lost connection.
  bool dropIfLost(const QSqlError& cause = QSqlError());
  // Tells that the connection was lost, once per loss.
  void reportLost();
  // The setup command: creates the missing tables and indexes. Returns an error text on
  // failure.
  std::optional<QString> createTables();

  // A read of the station's own over a few columns (the lot list, the archive search), with
  // bound values, row by row: on SQLite straight from the engine (Qt's driver costs twice
  // the engine's own time on a list of 50,000 lots). The row gives its columns by
  // position. False when the table does not exist (`missing`, nothing told) or the
  // statement fails (told).
  class Row {
   public:
    virtual ~Row() = default;
    virtual bool isNull(int column) const = 0;
    virtual qint64 integer(int column) const = 0;
    virtual QString text(int column) const = 0;
    // As the engine gives it (a date-time column: text on SQLite, a date-time on PostgreSQL).
    virtual QVariant value(int column) const = 0;
    // The text of a column appended to `out` (without its outer blanks when `trimmed`),
    // with no text of its own built in between.
    virtual void appendText(int column, QString& out, bool trimmed) const;
    // A date-time column as a date and a time of day; false when it holds none.
    virtual bool dateTime(int column, QDate* date, QTime* time) const;
  };
  bool scan(const QString& table, const QString& sql, const QVariantList& binds,
            const std::function<void(const Row&)>& onRow, bool* missing = nullptr);

  // A stored date-time as the engines return it (text on SQLite), and the text it is
  // bound as.
  static QDateTime toDateTime(const QVariant& value);
  // The same as a date and a time of day, without building a date-time (a list of many
  // lots reads thousands); false when the value is no date-time.
  static bool toDateAndTime(const QVariant& value, QDate* date, QTime* time);
  static QString dateTimeText(const QDateTime& value);
  // An identifier quoted for this engine.
  QString quoted(const QString& identifier) const;

  // Reports an error to the operator; inside a batch the first error is kept and told
  // once when the batch fails.
  void report(const QString& error);

  // Work that writes more than one row: one transaction, all or nothing. Errors inside are
  // kept, not shown: the caller tells error() once, as suits its work.
  class Batch {
   public:
    explicit Batch(TDatabase& database);
    ~Batch();
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;
    // Whether the transaction began (the connection is open).
    bool begun() const { return begun_; }
    // Commits; false (and the error told) when the engine refuses.
    bool commit();
    // The error that ended the batch, empty while none.
    QString error() const { return database_.batchError_; }

   private:
    TDatabase& database_;
    bool begun_ = false;
    bool done_ = false;
  };
  ModalUi& ui() { return ui_; }

  // The tables of this connection. Before it writes, SQLite's connection lets go of the
  // walks its tables have under way (each table goes on after its current row at its next
  // step): an unfinished walk holds an old view of the file, and a write from that view is
  // refused as "database is locked" once another connection has written since.
  void attach(TTable* table) { tables_.append(table); }
  void detach(TTable* table) { tables_.removeAll(table); }
  void releaseReads();

 private:
  QList<TTable*> tables_;
  // Connected, with the table there; otherwise the cause is told (a missing table only
  // through `missing`).
  bool readable(const QString& table, bool* missing);
  void readFailed(const QString& table, const QSqlError& error);
  bool run(QSqlQuery& query, const QString& table, const QString& sql, const QVariantList& binds);
  Target target_;
  ModalUi& ui_;
  QString connectionName_;
  QString lastError_;
  QSet<QString> knownTables_;  // lower-case names of tables seen on this connection
  bool lookupFailed_ = false;
  QString lastConnectError_;
  bool quietRepeats_ = false;
  bool lostReported_ = false;
  int lockTimeoutMs_ = kLockTimeoutMs;
  int batchDepth_ = 0;
  QString batchError_;
};

// One column of the current row of a table: stored or calculated.
class TField {
 public:
  QString FieldName;
  ColumnDef::Type DataType = ColumnDef::Type::Integer;
  int Size = 0;
  bool Calculated = false;
  QString DisplayFormat;

  bool IsNull() const;
  qint32 AsInteger() const;
  qint64 AsLargeInt() const;
  QString AsString() const;
  double AsFloat() const;
  QDateTime AsDateTime() const;
  QString DisplayText() const;
  QVariant Value() const;

  // Writes into the current row (the table must be in edit or insert mode). Text written
  // into an integer column is converted; text that is not a whole number is refused with
  // an error naming the value and the column, and the row will not post. A text longer
  // than its column is cut to the column's length.
  bool SetAsInteger(qint64 value);
  bool SetAsString(const QString& value);
  bool SetAsFloat(double value);
  bool SetAsDateTime(const QDateTime& value);
  void Clear();

 private:
  friend class TTable;
  TField(TTable* table, int index, bool calculated);
  TTable* table_;
  int index_;
};

// One table of the archive, walked as the station walks it: in the order of its key
// column, row by row, with a current row that can be read, edited, inserted and deleted
// and, for two tables, calculated columns filled before any is read.
class TTable {
 public:
  enum class State { Inactive, Browse, Edit, Insert };

  struct CalcColumn {
    QString name;
    ColumnDef::Type type;
    QString displayFormat;
  };
  using CalcHandler = std::function<void(TTable&)>;

  TTable(TDatabase& database, const TableDef& def, QList<CalcColumn> calcColumns = {},
         CalcHandler onCalcFields = {});
  ~TTable();

  const TableDef& def() const { return def_; }
  QString TableName() const { return def_.name; }

  // Opening connects the database on first use; a failure is shown and false returned.
  bool Open();
  void Close();
  bool Active() const { return state_ != State::Inactive; }
  State state() const { return state_; }
  bool Exists();

  bool First();
  bool Next();
  bool Last();
  bool Eof() const { return eof_; }
  bool IsEmpty();
  int RecordCount();

  // Finds the first row whose key equals the value; it becomes current. When there is none
  // the current row stays as it was.
  bool FindKey(const QVariant& key);
  // Restricts the walks to the rows whose key lies between the two values (inclusive).
  void SetRange(const QVariant& low, const QVariant& high);
  void CancelRange();

  bool Edit();
  // Edits the current row as it was read earlier (when an editor opened on it): a column
  // another station changed since then, and this edit changes too, is a conflict at Post.
  bool EditFrom(const QVector<QVariant>& asRead);
  // The stored values of the current row, for EditFrom; empty without a row.
  QVector<QVariant> currentRow() const;
  bool Insert();
  bool Append() { return Insert(); }
  // Inserts a new row under the smallest free number at this moment (`nextFree`), filled
  // by `fill`; when another station took that number between the look and the insert, the
  // next free one. Never touches a stored row. Returns the number; nothing when the row
  // was refused (the error told, the table as it was). `beforeInsert` sees each number
  // about to be tried.
  std::optional<int> InsertNumbered(const std::function<std::optional<int>()>& nextFree,
                                    const std::function<bool(int)>& fill,
                                    const std::function<void(int)>& beforeInsert = {});
  bool Post();
  void Cancel();
  bool Delete();
  bool EmptyTable();

  TField& FieldByName(const QString& name);
  TField* FindField(const QString& name);

  // For the calculation handler: the calculated columns of the current row, in the order
  // of the table's calculated columns.
  QVector<QVariant>& calculated() { return calc_; }
  // The stored value of a column of the current row (null when empty).
  QVariant storedValue(int index) const { return row_.value(index); }

  QString lastError() const { return lastError_; }
  // Ends the walk under way; the next step goes on after the current row.
  void releaseCursor();

 private:
  friend class TField;
  bool ensureOpen();
  // True while a row is being edited or inserted; otherwise the error is shown.
  bool editing();
  QString selectList() const;
  QString quoted(const QString& identifier) const;
  QString keyColumn() const { return quoted(def_.orderKey); }
  bool startCursor(const QString& where, const QVariantList& binds, const QString& order, int limit = 0);
  bool fetch();
  void loadRow();
  void clearRow();
  void computeCalculated();
  QVariant toStored(int index, const QVariant& value, QString* error) const;
  QVariant keyValue(const QVariant& key) const;
  bool fixedKey() const;
  // The key as text without its trailing blanks, or padded to the column's width.
  QString keyText(const QVariant& key, bool padded) const;
  // "key = ?" for the key, in every spelling a fixed-width key may be stored with.
  QString keyEquals(const QVariant& key, QVariantList& binds) const;
  QString rangeWhere(QVariantList& binds) const;
  bool checkRequired();
  void fail(const QString& error);
  void lostConnection();
  bool exec(QSqlQuery& q, const QString& sql, const QVariantList& binds);

  TDatabase& database_;
  const TableDef& def_;
  QList<CalcColumn> calcColumns_;
  CalcHandler onCalcFields_;
  State state_ = State::Inactive;
  std::unique_ptr<QSqlQuery> cursor_;
  bool continueAfterCurrent_ = false;
  bool eof_ = true;
  bool hasRow_ = false;
  QVector<QVariant> row_;
  QVector<QVariant> original_;
  QVector<QVariant> calc_;
  bool calcDirty_ = true;
  bool conversionFailed_ = false;
  std::optional<std::pair<QVariant, QVariant>> range_;
  std::vector<std::unique_ptr<TField>> fields_;
  std::unique_ptr<TField> nullField_;
  QMap<QString, int> byName_;  // lower-case name -> field index (stored, then calculated)
  QString lastError_;
};

// The data-access object of the station: the connection `Database1` and the five tables
// `Table1` programmi, `Table2` produttori, `Table3` bolle, `Table4` temporary and `Table5`
// totali_temp. Every other part of the station reads and writes the archive through it.
class TDataModule1 {
 public:
  TDataModule1(const TDatabase::Target& target, ModalUi& ui);

  TDatabase Database1;
  TTable Table1;
  TTable Table2;
  TTable Table3;
  TTable Table4;
  TTable Table5;

  static void Table3CalcFields(TTable& table);
  static void Table5CalcFields(TTable& table);
  static QList<TTable::CalcColumn> lotCalcColumns();
  static QList<TTable::CalcColumn> runningCalcColumns();
};
