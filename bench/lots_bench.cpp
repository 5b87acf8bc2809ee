// Measures the lot list and the archive search with 50,000 stored lots and 2,000
// producers, on SQLite and on PostgreSQL: the station's lot list (every lot with its
// producer's name), the search of one producer's lots, and the filling of the list window,
// each beside the same query run by the engine's own client (sqlite3, psql).
//
//   bench/run-lots-bench            (starts a throwaway PostgreSQL server, then this)
//   lots_bench [lots] [producers] [postgresql-connection]

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

#include "base/modalui.h"
#include "bench/archive.h"
#include "db/databaseacc.h"
#include "lots/lotarchive.h"
#include "lots/tlistabolla.h"

namespace {

using bench::seconds;

constexpr int kRounds = 5;

const QByteArray kListQuery =
    "SELECT b.num, b.data, b.programma, b.bolla, b.produttore, p.descrizione FROM bolle b "
    "LEFT JOIN produttori p ON p.codice = b.produttore";

// The best of a few rounds: the figure of a quiet machine.
template <typename F>
double best(F&& work) {
  double t = 1e9;
  for (int i = 0; i < kRounds; ++i) {
    QElapsedTimer timer;
    timer.start();
    work();
    t = std::min(t, seconds(timer));
  }
  return t;
}

double bestClient(const QString& program, const QStringList& args, const QByteArray& script,
                  const QProcessEnvironment& env) {
  return best([&] { bench::client(program, args, script, env); });
}

void run(const QString& engine, const TDatabase::Target& target, int lots, int producers, const QString& program,
         const QStringList& args, const QProcessEnvironment& env) {
  ModalUi ui(ModalUi::Mode::Scripted);
  TDataModule1 dm(target, ui);
  if (!bench::prepareArchive(dm, engine, lots, producers)) return;

  LotArchive archive(dm);
  LotArchive::Listing listing;
  const double list = best([&] { listing = archive.buildLotList(); });
  const double listClient = bestClient(program, args, kListQuery + " ORDER BY b.num;\n", env);

  const QString producer = QString::number(producers / 2);
  LotFilter filter;
  filter.produttore = producer;
  LotArchive::Listing found;
  const double search = best([&] { found = archive.buildLotList(filter); });
  const double searchClient =
      bestClient(program, args, kListQuery + " WHERE b.produttore = '" + producer.toLatin1() + "' ORDER BY b.num;\n",
                 env);

  TListaBolla window;
  const double fillWindow = best([&] { window.setEntries(listing.entries); });

  const QByteArray name = engine.toLocal8Bit();
  const char* e = name.constData();
  std::printf("%-10s lot list of %d lots              %8.3f s   client %8.3f s   ratio %.2f\n", e,
              static_cast<int>(listing.entries.size()), list, listClient, listClient > 0 ? list / listClient : 0);
  std::printf("%-10s search of producer %s (%d lots)   %8.3f s   client %8.3f s   ratio %.2f\n", e,
              producer.toLocal8Bit().constData(), static_cast<int>(found.entries.size()), search, searchClient,
              searchClient > 0 ? search / searchClient : 0);
  std::printf("%-10s the list window filled with them %8.3f s\n", e, fillWindow);
  if (!ui.shown().isEmpty())
    std::printf("  errors: %s\n", ui.shownTexts().join(QStringLiteral("; ")).toLocal8Bit().constData());
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const int lots = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 50000;
  const int producers = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 2000;
  const QString pg = argc > 3 ? QString::fromLocal8Bit(argv[3]) : qEnvironmentVariable("CAMPIONATRICE_TEST_PG");
  std::printf("goal: the lot list and the search within 1.5x of the client's query (best of %d)\n", kRounds);

  QTemporaryDir dir;
  const TDatabase::Target sqlite = TDatabase::parse(QStringLiteral("sqlite:bench.sqlite"), QDir(dir.path()));
  run(QStringLiteral("SQLite"), sqlite, lots, producers, QStringLiteral("sqlite3"), {sqlite.file},
      QProcessEnvironment::systemEnvironment());
  if (pg.isEmpty()) {
    std::printf("PostgreSQL: no server given (bench/run-lots-bench starts one)\n");
    return 0;
  }
  const TDatabase::Target target = TDatabase::parse(pg, QDir(dir.path()));
  run(QStringLiteral("PostgreSQL"), target, lots, producers, QStringLiteral("psql"), bench::psqlArgs(target),
      bench::psqlEnvironment());
  return 0;
}
