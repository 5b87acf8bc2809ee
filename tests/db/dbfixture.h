#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <gtest/gtest.h>
#include <memory>
#include <unistd.h>

#include "db/databaseacc.h"
#include "support/testenv.h"

// Runs each database test on SQLite and on PostgreSQL. The PostgreSQL cases need the
// throwaway server that ./test starts (CAMPIONATRICE_TEST_PG); each test gets a database
// of its own there, dropped afterwards.
class DbTest : public ::testing::TestWithParam<const char*> {
 protected:
  TestEnv env;
  TDatabase::Target target;
  std::unique_ptr<TDataModule1> dm;
  QString pgName;

  bool postgres() const { return QString::fromLatin1(GetParam()) == QLatin1String("postgresql"); }

  void SetUp() override {
    if (postgres()) {
      const QString url = qEnvironmentVariable("CAMPIONATRICE_TEST_PG");
      if (url.isEmpty()) GTEST_SKIP() << "no PostgreSQL test server (./test starts one)";
      target = TDatabase::parse(url, env.workDir);
      static int counter = 0;
      pgName = QStringLiteral("t_%1_%2").arg(::getpid()).arg(counter++);
      ASSERT_TRUE(admin(QStringLiteral("CREATE DATABASE %1").arg(pgName)));
      target.database = pgName;
    } else {
      target = TDatabase::parse(QStringLiteral("sqlite:tavikdata.sqlite"), env.workDir);
    }
    dm = std::make_unique<TDataModule1>(target, env.ui);
    const auto error = dm->Database1.createTables();
    ASSERT_FALSE(error.has_value()) << error->toStdString();
  }

  void TearDown() override {
    dm.reset();
    if (!pgName.isEmpty()) admin(QStringLiteral("DROP DATABASE IF EXISTS %1").arg(pgName));
  }

  // A statement on the server's own database, as the station's role.
  bool admin(const QString& sql) {
    const TDatabase::Target base = TDatabase::parse(qEnvironmentVariable("CAMPIONATRICE_TEST_PG"), env.workDir);
    bool ok = false;
    {
      QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("admin"));
      d.setHostName(base.host);
      d.setPort(base.port);
      d.setDatabaseName(base.database);
      d.setUserName(QStringLiteral("root"));
      d.setPassword(QStringLiteral("47kolmar31"));
      if (d.open()) {
        QSqlQuery q(d);
        ok = q.exec(sql);
        if (!ok) ADD_FAILURE() << q.lastError().text().toStdString();
      } else {
        ADD_FAILURE() << d.lastError().text().toStdString();
      }
      d.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("admin"));
    return ok;
  }

  // Stores a lot with the given class totals (class c of quality q at cell(c, q)).
  bool storeLot(TTable& t, int num, const QString& bolla, const QList<std::pair<QString, qint64>>& values = {}) {
    if (!t.Insert()) return false;
    t.FieldByName(QStringLiteral("num")).SetAsInteger(num);
    t.FieldByName(QStringLiteral("data")).SetAsDateTime(QDateTime(QDate(2026, 9, 1), QTime(10, num % 60, 5)));
    t.FieldByName(QStringLiteral("bolla")).SetAsString(bolla);
    for (const auto& [name, v] : values) t.FieldByName(name).SetAsInteger(v);
    return t.Post();
  }
};
