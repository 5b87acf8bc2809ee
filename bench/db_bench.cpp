// Measures the archive on SQLite and on PostgreSQL with 100,000 stored lots: an ordered
// walk of all lots reading their calculated columns, 10,000 look-ups by lot number and
// 1,000 inserts through the station's data layer, each beside the same work done by the
// engine's own command-line client (sqlite3, psql) on the same data.
//
//   bench/run-db-bench              (starts a throwaway PostgreSQL server, then this)
//   db_bench [lots] [postgresql-connection]

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <cstdio>

#include "base/modalui.h"
#include "bench/archive.h"
#include "db/databaseacc.h"

namespace {

using bench::client;
using bench::seconds;

void run(const QString& engine, const TDatabase::Target& target, int lots, const QString& clientProgram,
         const QStringList& clientArgs, const QProcessEnvironment& clientEnv) {
  ModalUi ui(ModalUi::Mode::Scripted);
  TDataModule1 dm(target, ui);
  if (!bench::prepareArchive(dm, engine, lots)) return;

  TTable& t = dm.Table3;
  t.Open();
  QElapsedTimer timer;
  timer.start();
  qint64 checksum = 0;
  int rows = 0;
  for (t.First(); !t.Eof(); t.Next()) {
    checksum += t.FieldByName(QStringLiteral("totale_gen")).AsLargeInt();
    checksum += static_cast<qint64>(t.FieldByName(QStringLiteral("Percq1")).AsFloat());
    ++rows;
  }
  const double walk = seconds(timer);
  const double walkClient =
      client(clientProgram, clientArgs, "SELECT * FROM bolle ORDER BY num;\n", clientEnv);

  QRandomGenerator rng(7);
  QByteArray lookups;
  QList<int> keys;
  for (int i = 0; i < 10000; ++i) keys << static_cast<int>(rng.bounded(lots)) + 1;
  for (int k : keys) lookups += "SELECT * FROM bolle WHERE num = " + QByteArray::number(k) + ";\n";
  timer.restart();
  int found = 0;
  for (int k : keys) found += t.FindKey(k) ? 1 : 0;
  const double find = seconds(timer);
  const double findClient = client(clientProgram, clientArgs, lookups, clientEnv);

  timer.restart();
  for (int i = 1; i <= 1000; ++i) {
    t.Insert();
    t.FieldByName(QStringLiteral("num")).SetAsInteger(lots + i);
    t.FieldByName(QStringLiteral("data")).SetAsDateTime(QDateTime(QDate(2026, 9, 2), QTime(9, 0)));
    t.FieldByName(QStringLiteral("bolla")).SetAsString(QStringLiteral("N%1").arg(i));
    t.FieldByName(QStringLiteral("tot1q1")).SetAsInteger(i);
    t.Post();
  }
  const double insert = seconds(timer);
  QByteArray inserts;
  for (int i = 1; i <= 1000; ++i)
    inserts += "INSERT INTO bolle (num, data, bolla, tot1q1) VALUES (" + QByteArray::number(lots + 1000 + i) +
               ", '2026-09-02 09:00:00.000', 'C" + QByteArray::number(i) + "', " + QByteArray::number(i) + ");\n";
  const double insertClient = client(clientProgram, clientArgs, inserts, clientEnv);

  std::printf("%-10s walk of %d lots with calculated columns %8.3f s   client SELECT %8.3f s   ratio %.2f\n",
              engine.toLocal8Bit().constData(), rows, walk, walkClient, walkClient > 0 ? walk / walkClient : 0);
  std::printf("%-10s 10000 look-ups (%d found)           %8.3f s   client        %8.3f s   ratio %.2f\n",
              engine.toLocal8Bit().constData(), found, find, findClient, findClient > 0 ? find / findClient : 0);
  std::printf("%-10s 1000 inserts, each committed          %8.3f s   client        %8.3f s   ratio %.2f\n",
              engine.toLocal8Bit().constData(), insert, insertClient, insertClient > 0 ? insert / insertClient : 0);
  if (!ui.shown().isEmpty())
    std::printf("  errors: %s\n", ui.shownTexts().join(QStringLiteral("; ")).toLocal8Bit().constData());
  (void)checksum;
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  const int lots = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 100000;
  const QString pg = argc > 2 ? QString::fromLocal8Bit(argv[2]) : qEnvironmentVariable("CAMPIONATRICE_TEST_PG");
  std::printf("goal: the walk with calculated columns within 2x of the client's plain SELECT\n");

  QTemporaryDir dir;
  const TDatabase::Target sqlite = TDatabase::parse(QStringLiteral("sqlite:bench.sqlite"), QDir(dir.path()));
  run(QStringLiteral("SQLite"), sqlite, lots, QStringLiteral("sqlite3"), {sqlite.file},
      QProcessEnvironment::systemEnvironment());

  if (pg.isEmpty()) {
    std::printf("PostgreSQL: no server given (bench/run-db-bench starts one)\n");
    return 0;
  }
  const TDatabase::Target target = TDatabase::parse(pg, QDir(dir.path()));
  run(QStringLiteral("PostgreSQL"), target, lots, QStringLiteral("psql"), bench::psqlArgs(target),
      bench::psqlEnvironment());
  return 0;
}
