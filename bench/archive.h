#pragma once

// Shared by the archive benchmarks: filling `bolle` and `produttori` with reproducible
// rows, and timing the engine's own command-line client on a script.

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdio>

#include "db/databaseacc.h"

namespace bench {

inline double seconds(const QElapsedTimer& t) { return t.nsecsElapsed() / 1e9; }

// `lots` lots in one transaction: lot n of producer (n mod producers) + 1, dated over the
// `days` days from 1 September 2024; and, when `producers` is above 0, the producers.
inline bool fillArchive(TDatabase& db, int lots, int producers = 0, int days = 730) {
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
  const QDateTime origin(QDate(2024, 9, 1), QTime(6, 0));
  for (int n = 1; n <= lots; ++n) {
    q.bindValue(0, n);
    q.bindValue(1, origin.addSecs(static_cast<qint64>(n - 1) * days * 86400 / std::max(lots, 1))
                       .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")));
    q.bindValue(2, QStringLiteral("%1").arg(n % 40 + 1, -3));
    q.bindValue(3, QStringLiteral("DDT%1").arg(n));
    q.bindValue(4, producers > 0 ? QString::number(n % producers + 1) : QStringLiteral("P%1").arg(n % 500));
    q.bindValue(5, 500 + n % 5000);
    q.bindValue(6, static_cast<int>(rng.bounded(20000)));
    for (int i = 0; i < 60; ++i) q.bindValue(7 + i, i % 15 < 8 ? static_cast<int>(rng.bounded(300000)) : 0);
    if (!q.exec()) {
      std::fprintf(stderr, "fill: %s\n", q.lastError().text().toLocal8Bit().constData());
      return false;
    }
  }
  QSqlQuery p(d);
  p.prepare(QStringLiteral("INSERT INTO produttori (num, codice, descrizione) VALUES (?, ?, ?)"));
  for (int n = 1; n <= producers; ++n) {
    p.bindValue(0, n);
    p.bindValue(1, QString::number(n));
    p.bindValue(2, QStringLiteral("Azienda agricola %1").arg(n));
    if (!p.exec()) {
      std::fprintf(stderr, "fill: %s\n", p.lastError().text().toLocal8Bit().constData());
      return false;
    }
  }
  return d.commit();
}

// A fresh archive on the target, filled; false (and why on stderr) when it cannot be had.
inline bool prepareArchive(TDataModule1& dm, const QString& engine, int lots, int producers = 0, int days = 730) {
  if (const auto e = dm.Database1.createTables()) {
    std::fprintf(stderr, "%s: %s\n", engine.toLocal8Bit().constData(), e->toLocal8Bit().constData());
    return false;
  }
  QSqlQuery(dm.Database1.db()).exec(QStringLiteral("DELETE FROM bolle"));
  QSqlQuery(dm.Database1.db()).exec(QStringLiteral("DELETE FROM produttori"));
  if (!fillArchive(dm.Database1, lots, producers, days)) return false;
  if (engine == QLatin1String("PostgreSQL"))
    for (const char* table : {"ANALYZE bolle", "ANALYZE produttori"})
      QSqlQuery(dm.Database1.db()).exec(QString::fromLatin1(table));
  return true;
}

// The client's time for a script of statements, read from a file; -1 when it failed.
inline double client(const QString& program, const QStringList& args, const QByteArray& script,
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

// How psql reaches the server of a PostgreSQL target, as the station's role.
inline QStringList psqlArgs(const TDatabase::Target& target) {
  return {QStringLiteral("-X"), QStringLiteral("-q"), QStringLiteral("-h"), target.host, QStringLiteral("-p"),
          QString::number(target.port), QStringLiteral("-U"), QStringLiteral("root"), QStringLiteral("-d"),
          target.database};
}
inline QProcessEnvironment psqlEnvironment() {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("PGPASSWORD"), QStringLiteral("47kolmar31"));
  return env;
}

}  // namespace bench
