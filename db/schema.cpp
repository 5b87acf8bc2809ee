#include "db/schema.h"

#include <QFile>
#include <QRegularExpression>

// The script is a resource of this library; a static library's resources are registered
// explicitly, and from the global namespace.
static void initSchemaResource() { Q_INIT_RESOURCE(schema); }

namespace {

QList<TableDef> parse(const QString& script) {
  static const QRegularExpression createTable(
      QString::fromLatin1(R"re(^CREATE TABLE IF NOT EXISTS "?(\w+)"? \($)re"));
  static const QRegularExpression column(
      QString::fromLatin1(R"re(^\s+(\w+) (INTEGER|BIGINT|VARCHAR|CHAR|TIMESTAMP|DOUBLE PRECISION)(?:\((\d+)\))?( NOT NULL)?,?$)re"));

  QList<TableDef> tables;
  TableDef* current = nullptr;
  QString statement;
  for (const QString& line : script.split(QLatin1Char('\n'))) {
    if (line.startsWith(QLatin1String("--")) || line.trimmed().isEmpty()) continue;
    statement += line + QLatin1Char('\n');
    if (line.trimmed().endsWith(QLatin1Char(';'))) {
      const QString s = statement.trimmed();
      statement.clear();
      if (current) current->statements << s.left(s.size() - 1);
    }
    if (auto m = createTable.match(line); m.hasMatch()) {
      tables.append(TableDef{});
      current = &tables.last();
      current->name = m.captured(1);
      continue;
    }
    if (auto m = column.match(line); m.hasMatch() && current) {
      ColumnDef c;
      c.name = m.captured(1);
      const QString type = m.captured(2);
      if (type == QLatin1String("INTEGER") || type == QLatin1String("BIGINT")) c.type = ColumnDef::Type::Integer;
      else if (type == QLatin1String("VARCHAR")) c.type = ColumnDef::Type::Text;
      else if (type == QLatin1String("CHAR")) c.type = ColumnDef::Type::FixedText;
      else if (type == QLatin1String("TIMESTAMP")) c.type = ColumnDef::Type::DateTime;
      else c.type = ColumnDef::Type::Float;
      c.length = m.captured(3).toInt();
      c.notNull = !m.captured(4).isEmpty();
      current->columns.append(c);
      continue;
    }
  }
  return tables;
}

QList<TableDef> build() {
  QList<TableDef> tables = parse(schema::script());
  for (TableDef& t : tables) {
    if (t.name == QLatin1String("programmi")) {
      t.orderKey = QStringLiteral("codiceprog");
      t.required << QStringLiteral("descrizione");
      for (int b = 1; b <= 16; ++b) t.required << QStringLiteral("pesocal%1q1").arg(b);
      for (int c = 1; c <= 3; ++c) t.required << QStringLiteral("nomecal%1q1").arg(c);
    } else if (t.name == QLatin1String("produttori")) {
      t.orderKey = QStringLiteral("codice");
    } else if (t.name == QLatin1String("bolle")) {
      t.orderKey = QStringLiteral("num");
      t.required << QStringLiteral("num") << QStringLiteral("data") << QStringLiteral("bolla");
    } else if (t.name == QLatin1String("temporary")) {
      t.orderKey = QStringLiteral("programma");
    } else if (t.name == QLatin1String("totali_temp")) {
      t.orderKey = QStringLiteral("tot1q1");
      t.required << QStringLiteral("tot1q1");
    }
  }
  return tables;
}

}  // namespace

int TableDef::indexOf(const QString& column) const {
  for (int i = 0; i < columns.size(); ++i)
    if (columns[i].name.compare(column, Qt::CaseInsensitive) == 0) return i;
  return -1;
}

namespace schema {

QString script() {
  static const QString text = [] {
    initSchemaResource();
    QFile f(QStringLiteral(":/db/schema/tables.sql"));
    f.open(QIODevice::ReadOnly);
    return QString::fromUtf8(f.readAll());
  }();
  return text;
}

const QList<TableDef>& tables() {
  static const QList<TableDef> all = build();
  return all;
}

const TableDef* table(const QString& name) {
  for (const TableDef& t : tables())
    if (t.name.compare(name, Qt::CaseInsensitive) == 0) return &t;
  return nullptr;
}

}  // namespace schema
