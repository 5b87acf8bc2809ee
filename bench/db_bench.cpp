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
#include "db/databaseacc.h"

namespace {

double seconds(const QElapsedTimer& t) { return t.nsecsElapsed() / 1e9; }

// Fills bolle in one transaction with reproducible lots.
bool fill(TDatabase& db, int lots) {
  QSqlDatabase d = db.db();
  d.transaction();
  QSqlQuery q(d);
  QStringList names = {QStringLiteral("num"), QStringLiteral("data"), QStringLiteral("programma"),
                       QStringLiteral("bolla"), QStringLiteral("produttore"), QStringLiteral("totpartita"),
                       QStringLiteral("totq5")};
  for (int qq = 1; qq <= 4; ++qq)
    for (int c = 1; c <= 15; ++c) names << QStringLiteral("tot%1q%2").arg(c).arg(qq);
  QStringList marks;
  for (int i = 0; i < names.size(); ++i) marks << QStringLiteral("?");
  q.prepare(QStringLiteral("INSERT INTO bolle (%1) VALUES (%2)").arg(names.join(','), marks.join(',')));
  QRandomGenerator rng(42);
  for (int n = 1; n <= lots; ++n) {
    q.bindValue(0, n);
    q.bindValue(1, QStringLiteral("2026-09-01 10:00:00.000"));
    q.bindValue(2, QStringLiteral("%1").arg(n % 40 + 1, -3));
    q.bindValue(3, QStringLiteral("DDT%1").arg(n));
    q.bindValue(4, QStringLiteral("P%1").arg(n % 500));
    q.bindValue(5, 500 + n % 5000);
    q.bindValue(6, static_cast<int>(rng.bounded(20000)));
    for (int i = 0; i < 60; ++i) q.bindValue(7 + i, i % 15 < 8 ? static_cast<int>(rng.bounded(300000)) : 0);
    if (!q.exec()) {
      std::fprintf(stderr, "fill: %s\n", q.lastError().text().toLocal8Bit().constData());
      return false;
    }
  }
  return d.commit();
}

// The client's time for a script of statements, read from a file.
double client(const QString& program, const QStringList& args, const QByteArray& script,
              const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("script.sql"));
  QFile f(file);
  f.open(QIODevice::WriteOnly);
  f.write(script);
  f.close();
  QProcess p;
  p.setProcessEnvironment(env);
  p.setStandardInputFile(file);
  p.setStandardOutputFile(QProcess::nullDevice());
  QElapsedTimer t;
  t.start();
  p.start(program, args);
  if (!p.waitForFinished(600000) || p.exitCode() != 0) {
    std::fprintf(stderr, "%s failed: %s\n", program.toLocal8Bit().constData(), p.readAllStandardError().constData());
    return -1;
  }
  return seconds(t);
}

void run(const QString& engine, const TDatabase::Target& target, int lots, const QString& clientProgram,
         const QStringList& clientArgs, const QProcessEnvironment& clientEnv) {
  ModalUi ui(ModalUi::Mode::Scripted);
  TDataModule1 dm(target, ui);
  if (const auto e = dm.Database1.createTables()) {
    std::fprintf(stderr, "%s: %s\n", engine.toLocal8Bit().constData(), e->toLocal8Bit().constData());
    return;
  }
  QSqlQuery(dm.Database1.db()).exec(QStringLiteral("DELETE FROM bolle"));
  if (!fill(dm.Database1, lots)) return;
  if (engine == QLatin1String("PostgreSQL")) QSqlQuery(dm.Database1.db()).exec(QStringLiteral("ANALYZE bolle"));

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
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("PGPASSWORD"), QStringLiteral("47kolmar31"));
  run(QStringLiteral("PostgreSQL"), target, lots, QStringLiteral("psql"),
      {QStringLiteral("-X"), QStringLiteral("-q"), QStringLiteral("-h"), target.host, QStringLiteral("-p"),
       QString::number(target.port), QStringLiteral("-U"), QStringLiteral("root"), QStringLiteral("-d"),
       target.database},
      env);
  return 0;
}
