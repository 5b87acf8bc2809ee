#include <QElapsedTimer>
#include <QTcpServer>

#include "tests/db/dbfixture.h"

namespace {

QList<int> walk(TTable& t) {
  QList<int> nums;
  for (t.First(); !t.Eof(); t.Next()) nums << t.FieldByName(QStringLiteral("num")).AsInteger();
  return nums;
}

// A program row with every column the station requires.
bool storeProgram(TTable& t, const QString& code, const QString& description) {
  if (!t.Insert()) return false;
  t.FieldByName(QStringLiteral("codiceprog")).SetAsString(code);
  t.FieldByName(QStringLiteral("descrizione")).SetAsString(description);
  for (int b = 1; b <= 16; ++b) t.FieldByName(QStringLiteral("pesocal%1q1").arg(b)).SetAsInteger(50 + 10 * b);
  for (int c = 1; c <= 3; ++c) t.FieldByName(QStringLiteral("nomecal%1q1").arg(c)).SetAsString(QStringLiteral("C%1").arg(c));
  return t.Post();
}

}  // namespace

TEST_P(DbTest, LotsAreWalkedInOrderFoundByKeyAndRestrictedToARange) {
  TTable& t = dm->Table3;
  ASSERT_TRUE(t.Open());
  EXPECT_TRUE(t.IsEmpty());
  EXPECT_TRUE(t.Eof());
  for (int n : {30, 10, 20, 40}) ASSERT_TRUE(storeLot(t, n, QStringLiteral("B%1").arg(n)));
  EXPECT_EQ(walk(t), (QList<int>{10, 20, 30, 40}));
  EXPECT_EQ(t.RecordCount(), 4);

  ASSERT_TRUE(t.FindKey(20));
  EXPECT_EQ(t.FieldByName(QStringLiteral("bolla")).AsString(), QStringLiteral("B20"));
  ASSERT_TRUE(t.Next());
  EXPECT_EQ(t.FieldByName(QStringLiteral("num")).AsInteger(), 30);
  EXPECT_FALSE(t.FindKey(QStringLiteral("25")));
  EXPECT_EQ(t.FieldByName(QStringLiteral("num")).AsInteger(), 30) << "a key not found leaves the row";
  ASSERT_TRUE(t.Last());
  EXPECT_EQ(t.FieldByName(QStringLiteral("num")).AsInteger(), 40);
  EXPECT_FALSE(t.Next());
  EXPECT_TRUE(t.Eof());

  t.SetRange(20, 30);
  EXPECT_EQ(walk(t), (QList<int>{20, 30}));
  EXPECT_EQ(t.RecordCount(), 2);
  EXPECT_FALSE(t.FindKey(40)) << "outside the range";
  t.CancelRange();
  EXPECT_EQ(walk(t).size(), 4);

  // Edit, delete and empty.
  ASSERT_TRUE(t.FindKey(30));
  ASSERT_TRUE(t.Edit());
  t.FieldByName(QStringLiteral("note")).SetAsString(QStringLiteral("corretta"));
  ASSERT_TRUE(t.Post());
  ASSERT_TRUE(t.FindKey(30));
  EXPECT_EQ(t.FieldByName(QStringLiteral("note")).AsString(), QStringLiteral("corretta"));
  ASSERT_TRUE(t.Delete());
  EXPECT_EQ(t.FieldByName(QStringLiteral("num")).AsInteger(), 40) << "the next row becomes current";
  EXPECT_EQ(walk(t), (QList<int>{10, 20, 40}));
  t.Close();
  ASSERT_TRUE(t.Open());
  EXPECT_EQ(t.FieldByName(QStringLiteral("num")).AsInteger(), 10) << "opening goes to the first row";
  ASSERT_TRUE(t.EmptyTable());
  EXPECT_TRUE(t.IsEmpty());
  EXPECT_TRUE(env.ui.shown().isEmpty()) << env.ui.shownTexts().join('\n').toStdString();
}

TEST_P(DbTest, ValuesKeepTheirTypesAndTextsAreCutToTheirColumns) {
  TTable& p = dm->Table1;
  ASSERT_TRUE(p.Open());
  ASSERT_TRUE(storeProgram(p, QStringLiteral("05"), QString(60, QLatin1Char('d'))));
  ASSERT_TRUE(storeProgram(p, QStringLiteral("12"), QStringLiteral("Pesche")));
  ASSERT_TRUE(p.FindKey(QStringLiteral("05")));
  EXPECT_EQ(p.FieldByName(QStringLiteral("codiceprog")).AsString(), QStringLiteral("05"));
  EXPECT_EQ(p.FieldByName(QStringLiteral("descrizione")).AsString().size(), 45);
  EXPECT_EQ(p.FieldByName(QStringLiteral("PESOCAL16Q1")).AsInteger(), 210) << "names in any letter case";
  EXPECT_TRUE(p.FieldByName(QStringLiteral("pesocal1q2")).IsNull());
  EXPECT_EQ(p.FieldByName(QStringLiteral("pesocal1q2")).AsString(), QString());
  ASSERT_TRUE(p.Next());
  EXPECT_EQ(p.FieldByName(QStringLiteral("codiceprog")).AsString(), QStringLiteral("12"));

  TTable& lots = dm->Table3;
  ASSERT_TRUE(lots.Open());
  ASSERT_TRUE(lots.Insert());
  lots.FieldByName(QStringLiteral("num")).SetAsString(QStringLiteral(" 7 "));
  const QDateTime when(QDate(2026, 12, 31), QTime(23, 59, 58, 123));
  lots.FieldByName(QStringLiteral("data")).SetAsDateTime(when);
  lots.FieldByName(QStringLiteral("bolla")).SetAsString(QStringLiteral("DDT-2026-00001234"));
  lots.FieldByName(QStringLiteral("programma")).SetAsInteger(5);
  lots.FieldByName(QStringLiteral("totpartita")).SetAsString(QStringLiteral("900"));
  ASSERT_TRUE(lots.Post());
  ASSERT_TRUE(lots.FindKey(7));
  EXPECT_EQ(lots.FieldByName(QStringLiteral("data")).AsDateTime(), when);
  EXPECT_EQ(lots.FieldByName(QStringLiteral("bolla")).AsString(), QStringLiteral("DDT-2026-000012"));
  EXPECT_EQ(lots.FieldByName(QStringLiteral("programma")).AsString(), QStringLiteral("5"));
  EXPECT_EQ(lots.FieldByName(QStringLiteral("totpartita")).AsFloat(), 900.0);
  EXPECT_EQ(lots.FieldByName(QStringLiteral("totpartita")).DisplayText().size(), 6);  // "900,00"
}

TEST_P(DbTest, RowsMissingARequiredColumnOrHoldingANonNumberAreRefused) {
  TTable& lots = dm->Table3;
  ASSERT_TRUE(lots.Open());
  env.ui.expectMessage(QStringLiteral("Il campo 'bolla' della tabella bolle deve avere un valore"));
  EXPECT_FALSE(storeLot(lots, 1, QString()));
  ASSERT_EQ(env.ui.shown().size(), 1);
  lots.Cancel();
  EXPECT_TRUE(lots.IsEmpty());

  env.ui.clearRecord();
  ASSERT_TRUE(lots.Insert());
  lots.FieldByName(QStringLiteral("num")).SetAsInteger(2);
  lots.FieldByName(QStringLiteral("data")).SetAsDateTime(QDateTime::currentDateTime());
  lots.FieldByName(QStringLiteral("bolla")).SetAsString(QStringLiteral("X"));
  env.ui.expectMessage(QStringLiteral("'12a' non è un valore intero valido per il campo tot3q2"));
  EXPECT_FALSE(lots.FieldByName(QStringLiteral("tot3q2")).SetAsString(QStringLiteral("12a")));
  env.ui.expectMessage(QStringLiteral("Il record della tabella bolle contiene un valore non valido e non è stato salvato"));
  EXPECT_FALSE(lots.Post()) << "a row with a refused value is not stored";
  lots.Cancel();
  EXPECT_TRUE(lots.IsEmpty());

  TTable& p = dm->Table1;
  ASSERT_TRUE(p.Open());
  ASSERT_TRUE(p.Insert());
  p.FieldByName(QStringLiteral("codiceprog")).SetAsString(QStringLiteral("01"));
  p.FieldByName(QStringLiteral("descrizione")).SetAsString(QStringLiteral("Mele"));
  env.ui.expectMessage(QStringLiteral("Il campo 'pesocal1q1' della tabella programmi deve avere un valore"));
  EXPECT_FALSE(p.Post()) << "the weight limits of quality 1 are required";
  p.Cancel();
  EXPECT_TRUE(p.IsEmpty());
}

TEST_P(DbTest, TheRunningTotalsTableTakesOneRowPerFirstTotal) {
  TTable& t = dm->Table5;
  ASSERT_TRUE(t.Open());
  env.ui.queueAnswer(ModalUi::Answer::Ok);  // the engine's own words for the duplicate
  for (int i = 0; i < 2; ++i) {
    ASSERT_TRUE(t.Insert());
    t.FieldByName(QStringLiteral("tot1q1")).SetAsInteger(100);
    t.FieldByName(QStringLiteral("totq5")).SetAsInteger(200);
    EXPECT_EQ(t.Post(), i == 0);
  }
  t.Cancel();
  EXPECT_EQ(t.RecordCount(), 1);
  EXPECT_EQ(env.ui.shown().size(), 1) << "the refused second row is reported";
  EXPECT_TRUE(env.ui.shownTexts().front().startsWith(QStringLiteral("Errore del database sulla tabella totali_temp: ")));
  ASSERT_TRUE(t.First());
  EXPECT_EQ(t.FieldByName(QStringLiteral("totgen")).AsInteger(), 300);
  EXPECT_NEAR(t.FieldByName(QStringLiteral("percq1")).AsFloat(), 33.3333333, 1e-6);
  EXPECT_EQ(t.FieldByName(QStringLiteral("percq1")).DisplayText().left(2), QStringLiteral("33"));
  ASSERT_TRUE(t.EmptyTable());
  ASSERT_TRUE(t.Insert());
  t.FieldByName(QStringLiteral("tot1q1")).SetAsInteger(100);
  EXPECT_TRUE(t.Post());
}

TEST_P(DbTest, AnUpdateOfARowChangedByAnotherStationIsRefused) {
  ASSERT_TRUE(dm->Table3.Open());
  ASSERT_TRUE(storeLot(dm->Table3, 1, QStringLiteral("A")));
  TDataModule1 other(target, env.ui);
  TTable& mine = dm->Table3;
  TTable& theirs = other.Table3;
  ASSERT_TRUE(mine.FindKey(1));
  ASSERT_TRUE(theirs.FindKey(1));
  ASSERT_TRUE(theirs.Edit());
  theirs.FieldByName(QStringLiteral("note")).SetAsString(QStringLiteral("loro"));
  ASSERT_TRUE(theirs.Post());

  // A change of another column does not touch theirs.
  ASSERT_TRUE(mine.Edit());
  mine.FieldByName(QStringLiteral("produttore")).SetAsString(QStringLiteral("P1"));
  ASSERT_TRUE(mine.Post());
  // A change of the same column is refused: theirs is not overwritten.
  ASSERT_TRUE(mine.Edit());
  mine.FieldByName(QStringLiteral("note")).SetAsString(QStringLiteral("mia"));
  env.ui.expectMessage(QStringLiteral("Il record della tabella bolle è stato modificato o cancellato da un'altra stazione: la "
                                      "modifica non è stata salvata. Rileggere i dati e riprovare."));
  EXPECT_FALSE(mine.Post());
  mine.Cancel();
  ASSERT_TRUE(theirs.FindKey(1));
  EXPECT_EQ(theirs.FieldByName(QStringLiteral("note")).AsString(), QStringLiteral("loro"));
  EXPECT_EQ(theirs.FieldByName(QStringLiteral("produttore")).AsString(), QStringLiteral("P1"));
}

TEST_P(DbTest, CalculatedColumnsOfAStoredLot) {
  TTable& t = dm->Table3;
  ASSERT_TRUE(t.Open());
  ASSERT_TRUE(storeLot(t, 1, QStringLiteral("A"),
                       {{QStringLiteral("tot1q1"), 1}, {QStringLiteral("tot2q1"), 2}, {QStringLiteral("totpartita"), 900}}));
  ASSERT_TRUE(storeLot(t, 2, QStringLiteral("B"), {{QStringLiteral("tot4q3"), 300000}, {QStringLiteral("totq5"), 100000}}));
  ASSERT_TRUE(t.FindKey(1));
  EXPECT_EQ(t.FieldByName(QStringLiteral("totale_gen")).AsInteger(), 3);
  EXPECT_DOUBLE_EQ(t.FieldByName(QStringLiteral("perc1q1")).AsFloat(), 33.33);
  EXPECT_DOUBLE_EQ(t.FieldByName(QStringLiteral("perc2q1")).AsFloat(), 66.67);
  EXPECT_DOUBLE_EQ(t.FieldByName(QStringLiteral("Percq1")).AsFloat(), 100.0);
  EXPECT_NEAR(t.FieldByName(QStringLiteral("ttot1q1")).AsFloat(), 299.97, 1e-9);
  EXPECT_NEAR(t.FieldByName(QStringLiteral("ttot2q1")).AsFloat(), 600.03, 1e-9);
  EXPECT_NEAR(t.FieldByName(QStringLiteral("ttotq1")).AsFloat(), 900.0, 1e-9);
  EXPECT_TRUE(t.FieldByName(QStringLiteral("perc1q1")).DisplayText().endsWith(QStringLiteral("33")));
  ASSERT_TRUE(t.Next());
  EXPECT_EQ(t.FieldByName(QStringLiteral("totaleq3")).AsInteger(), 300000);
  EXPECT_DOUBLE_EQ(t.FieldByName(QStringLiteral("perc4q3")).AsFloat(), 75.0);
  EXPECT_DOUBLE_EQ(t.FieldByName(QStringLiteral("PERCQ5")).AsFloat(), 25.0);
  EXPECT_DOUBLE_EQ(t.FieldByName(QStringLiteral("ttotq5")).AsFloat(), 0.0) << "no lot quantity";
  // A change of a stored column shows in the calculated ones at once.
  ASSERT_TRUE(t.Edit());
  t.FieldByName(QStringLiteral("totq5")).SetAsInteger(0);
  EXPECT_DOUBLE_EQ(t.FieldByName(QStringLiteral("perc4q3")).AsFloat(), 100.0);
  t.Cancel();
}

TEST_P(DbTest, MissingTablesAndUnreachableDatabasesAreReportedNotCreated) {
  // A database without the tables: nothing is there to list, and nothing is created.
  TDatabase::Target empty = target;
  if (postgres()) {
    empty.database = pgName + QStringLiteral("_e");
    ASSERT_TRUE(admin(QStringLiteral("CREATE DATABASE %1").arg(empty.database)));
  } else {
    empty = TDatabase::parse(QStringLiteral("sqlite:empty.sqlite"), env.workDir);
  }
  {
    TDataModule1 bare(empty, env.ui);
    if (!postgres()) {
      env.ui.expectMessage(QStringLiteral("Il database %1 non esiste: crearlo con \"campionatrice --create-database\"")
                               .arg(env.path(QStringLiteral("empty.sqlite"))));
      EXPECT_FALSE(bare.Table3.Exists()) << "no such file: not connected";
      EXPECT_EQ(env.ui.shown().size(), 1);
      EXPECT_FALSE(QFileInfo::exists(env.path(QStringLiteral("empty.sqlite")))) << "the station creates no database";
    } else {
      EXPECT_FALSE(bare.Table3.Exists());
      EXPECT_TRUE(env.ui.shown().isEmpty());
      env.ui.expectMessage(QStringLiteral("La tabella bolle non esiste nel database"));
      EXPECT_FALSE(bare.Table3.Open());
      EXPECT_EQ(env.ui.shown().size(), 1);
    }
  }
  if (postgres()) admin(QStringLiteral("DROP DATABASE %1").arg(empty.database));

  env.ui.clearRecord();
  TDatabase::Target down = target;
  if (postgres()) down.port = 1;
  else down.error = QStringLiteral("Alias tavikdata non valido: nowhere");
  TDataModule1 unreachable(down, env.ui);
  if (postgres()) env.ui.queueAnswer(ModalUi::Answer::Ok);  // the client library's words
  else env.ui.expectMessage(down.error);
  EXPECT_FALSE(unreachable.Table1.Open());
  EXPECT_EQ(env.ui.shown().size(), 1);
  EXPECT_EQ(env.ui.shown().front().icon, ModalUi::Icon::Error);
}

TEST(Schema, TheScriptDefinesTheFiveTablesWithTheirColumns) {
  struct Case { const char* table; int columns; const char* key; };
  for (const Case& c : {Case{"programmi", 175, "codiceprog"}, Case{"produttori", 3, "codice"}, Case{"bolle", 69, "num"},
                        Case{"temporary", 2, "programma"}, Case{"totali_temp", 61, "tot1q1"}}) {
    const TableDef* t = schema::table(QString::fromLatin1(c.table));
    ASSERT_NE(t, nullptr) << c.table;
    EXPECT_EQ(t->columns.size(), c.columns) << c.table;
    EXPECT_EQ(t->orderKey, QString::fromLatin1(c.key));
    EXPECT_GE(t->statements.size(), 2) << "the table and its PRIMARY index";
  }
  const TableDef* lots = schema::table(QStringLiteral("bolle"));
  EXPECT_EQ(lots->columns[lots->indexOf(QStringLiteral("NOTE"))].length, 90);
  EXPECT_TRUE(lots->columns[lots->indexOf(QStringLiteral("bolla"))].notNull);
  EXPECT_EQ(schema::table(QStringLiteral("programmi"))->columns[schema::table(QStringLiteral("programmi"))->indexOf(QStringLiteral("codiceprog"))].type,
            ColumnDef::Type::FixedText);
}

TEST_P(DbTest, AStationWhoseConnectionWasDroppedConnectsAgainAtTheNextCommand) {
  if (!postgres()) GTEST_SKIP() << "a server connection";
  TTable& t = dm->Table3;
  ASSERT_TRUE(t.Open());
  ASSERT_TRUE(storeLot(t, 1, QStringLiteral("A")));
  t.Close();
  // The server ends every session of the station's database, as a restart would.
  ASSERT_TRUE(admin(QStringLiteral("SELECT pg_terminate_backend(pid) FROM pg_stat_activity "
                                   "WHERE datname = '%1' AND pid <> pg_backend_pid()").arg(pgName)));
  env.ui.expectMessage(QStringLiteral("La connessione al database %1 si è interrotta; riprovare il comando")
                           .arg(dm->Database1.target().describe()));
  EXPECT_FALSE(t.Open() && t.FindKey(1)) << "the command that meets the dropped connection fails";
  t.Close();
  env.ui.clearRecord();
  ASSERT_TRUE(t.Open());
  EXPECT_TRUE(t.FindKey(1)) << "the next command works again";
  EXPECT_EQ(t.FieldByName(QStringLiteral("bolla")).AsString(), QStringLiteral("A"));
  EXPECT_TRUE(env.ui.shown().isEmpty());
}

TEST_P(DbTest, FixedWidthKeysAreFoundWithOrWithoutTheirTrailingBlanks) {
  // Programs written by another program: "01" without the blank the station pads with,
  // "02 " as the station writes it, and "03".
  ASSERT_TRUE(dm->Database1.Connect());
  for (const char* code : {"01", "02 ", "03"}) {
    QSqlQuery q(dm->Database1.db());
    QString columns = QStringLiteral("codiceprog, descrizione"), values = QStringLiteral("'%1', 'P'").arg(QLatin1String(code));
    for (int b = 1; b <= 16; ++b) {
      columns += QStringLiteral(", pesocal%1q1").arg(b);
      values += QStringLiteral(", %1").arg(b);
    }
    for (int c = 1; c <= 3; ++c) {
      columns += QStringLiteral(", nomecal%1q1").arg(c);
      values += QStringLiteral(", 'x'");
    }
    ASSERT_TRUE(q.exec(QStringLiteral("INSERT INTO programmi (%1) VALUES (%2)").arg(columns, values))) << q.lastError().text().toStdString();
  }
  TTable& p = dm->Table1;
  ASSERT_TRUE(p.Open());
  for (const char* code : {"01", "02", "03", "01 ", "02 "}) {
    ASSERT_TRUE(p.FindKey(QString::fromLatin1(code))) << code;
    EXPECT_EQ(p.FieldByName(QStringLiteral("codiceprog")).AsString(), QString::fromLatin1(code).trimmed());
  }
  // After a look-up the walk goes on with the next program, never the same one again.
  ASSERT_TRUE(p.FindKey(QStringLiteral("01")));
  ASSERT_TRUE(p.Next());
  EXPECT_EQ(p.FieldByName(QStringLiteral("codiceprog")).AsString(), QStringLiteral("02"));
  ASSERT_TRUE(p.Next());
  EXPECT_EQ(p.FieldByName(QStringLiteral("codiceprog")).AsString(), QStringLiteral("03"));
  EXPECT_FALSE(p.Next());

  p.SetRange(QStringLiteral("01"), QStringLiteral("02"));
  QStringList walked;
  for (p.First(); !p.Eof(); p.Next()) walked << p.FieldByName(QStringLiteral("codiceprog")).AsString();
  EXPECT_EQ(walked, (QStringList{QStringLiteral("01"), QStringLiteral("02")}));
  p.CancelRange();

  ASSERT_TRUE(p.FindKey(QStringLiteral("02")));
  ASSERT_TRUE(p.Delete());
  EXPECT_FALSE(p.FindKey(QStringLiteral("02")));
  EXPECT_TRUE(p.FindKey(QStringLiteral("01")) && p.FindKey(QStringLiteral("03"))) << "the others stay";
  p.Close();
}

INSTANTIATE_TEST_SUITE_P(Engines, DbTest, ::testing::Values("sqlite", "postgresql"),
                         [](const auto& info) { return std::string(info.param); });

TEST(Archive, AFileThatIsNotADatabaseOrIsLockedIsToldAsSuch) {
  TestEnv env;
  env.writeFile(QStringLiteral("tavikdata.sqlite"), QByteArray(4096, 'x'));
  {
    TDataModule1 dm(TDatabase::parse(QStringLiteral("sqlite:tavikdata.sqlite"), env.workDir), env.ui);
    env.ui.queueAnswer(ModalUi::Answer::Ok);  // the engine's words follow the station's
    EXPECT_FALSE(dm.Table1.Open());
    ASSERT_EQ(env.ui.shown().size(), 1);
    const QString told = env.ui.shownTexts().front();
    EXPECT_TRUE(told.startsWith(QStringLiteral("Impossibile usare il database SQLite %1: ").arg(env.path(QStringLiteral("tavikdata.sqlite")))))
        << told.toStdString();
    EXPECT_TRUE(told.contains(QStringLiteral("not a database"))) << told.toStdString();
    EXPECT_EQ(env.readFile(QStringLiteral("tavikdata.sqlite")), QByteArray(4096, 'x')) << "the file is left as it was";
  }

  // Another program holds the archive locked.
  QFile::remove(env.path(QStringLiteral("tavikdata.sqlite")));
  const TDatabase::Target target = TDatabase::parse(QStringLiteral("sqlite:locked.sqlite"), env.workDir);
  {
    TDatabase setup(target, env.ui);
    ASSERT_FALSE(setup.createTables().has_value());
  }
  {
    QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
    other.setDatabaseName(target.file);
    ASSERT_TRUE(other.open());
    QSqlQuery q(other);
    ASSERT_TRUE(q.exec(QStringLiteral("PRAGMA locking_mode=EXCLUSIVE")));
    ASSERT_TRUE(q.exec(QStringLiteral("BEGIN EXCLUSIVE")));
    ASSERT_TRUE(q.exec(QStringLiteral("INSERT INTO produttori (num, codice) VALUES (1, 'x')")));
    env.ui.clearRecord();
    TDataModule1 dm(target, env.ui);
    dm.Database1.setLockTimeoutMs(50);
    env.ui.queueAnswer(ModalUi::Answer::Ok);
    EXPECT_FALSE(dm.Table2.Open());
    ASSERT_EQ(env.ui.shown().size(), 1);
    EXPECT_TRUE(env.ui.shownTexts().front().contains(QStringLiteral("locked"))) << env.ui.shownTexts().front().toStdString();
    EXPECT_FALSE(env.ui.shownTexts().front().contains(QStringLiteral("non esiste")));
    q.exec(QStringLiteral("ROLLBACK"));
    other.close();
  }
  QSqlDatabase::removeDatabase(QStringLiteral("other"));
}

TEST(Archive, AServerThatNeverAnswersIsToldWithinItsTimeOutAndOnceWhileItStaysSo) {
  TestEnv env;
  // Takes connections (the system does) and never says a word.
  QTcpServer silent;
  ASSERT_TRUE(silent.listen(QHostAddress::LocalHost));
  const TDatabase::Target target =
      TDatabase::parse(QStringLiteral("postgresql://127.0.0.1:%1/tavikdata").arg(silent.serverPort()), env.workDir);
  TDatabase db(target, env.ui);
  db.setQuietRepeats(true);  // as the main cycle's connection
  env.ui.queueAnswer(ModalUi::Answer::Ok);
  QElapsedTimer t;
  t.start();
  EXPECT_FALSE(db.Connect());
  EXPECT_LT(t.elapsed(), (TDatabase::kConnectTimeoutS + 3) * 1000);
  EXPECT_FALSE(db.Connect());
  ASSERT_EQ(env.ui.shown().size(), 1) << "the same failure is told once";
  EXPECT_TRUE(env.ui.shownTexts().front().startsWith(QStringLiteral("Impossibile aprire il database PostgreSQL")));
}
