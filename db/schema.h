#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The definitions of the station's tables, read from the schema script db/schema/tables.sql
// (built into the program), so that the script that creates the tables and the data layer
// that uses them never disagree.
struct ColumnDef {
  enum class Type { Integer, Text, FixedText, DateTime, Float };
  QString name;
  Type type = Type::Integer;
  int length = 0;  // characters of a text column
  bool notNull = false;
};

struct TableDef {
  QString name;
  QList<ColumnDef> columns;
  QString orderKey;        // the column the station walks and looks rows up by
  QStringList required;    // columns the station refuses to leave empty when it stores a row
  QStringList statements;  // the script's statements that create the table and its indexes

  // The column's position, found without regard to letter case; -1 when there is none.
  int indexOf(const QString& column) const;
};

namespace schema {

// The whole script.
QString script();
// Every table of the script, in its order: programmi, produttori, bolle, temporary,
// totali_temp.
const QList<TableDef>& tables();
const TableDef* table(const QString& name);

}  // namespace schema
