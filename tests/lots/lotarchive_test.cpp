#include <QSqlQuery>
#include <gtest/gtest.h>

#include "db/dbfixture.h"
#include "lots/lotarchive.h"
#include "lots/producers.h"

namespace {

// The archive of lots and the producers, on SQLite and on PostgreSQL.
struct LotDbTest : DbTest {
  LotRecord lot(const QString& bolla, const QString& producer = QStringLiteral("1")) {
    LotRecord r;
    r.programma = QStringLiteral("05");
    r.date = QDate(2026, 12, 1);
    r.time = QTime(9, 30, 15);
    r.bolla = bolla;
    r.produttore = producer;
    r.t(1, 1) = QStringLiteral("1000");
    r.t(15, 4) = QStringLiteral(" 2500");
    r.totq5 = QStringLiteral("70");
    r.totpartita = QStringLiteral("900");
    return r;
  }
  int count(const char* sql) {
    QSqlQuery q(dm->Database1.db());
    EXPECT_TRUE(q.exec(QString::fromLatin1(sql)));
    return q.next() ? q.value(0).toInt() : -1;
  }
};

}  // namespace

TEST_P(LotDbTest, NumbersGoToTheSmallestFreeAndNewLotsNeverReplaceStoredOnes) {
  LotArchive archive(*dm);
  EXPECT_EQ(archive.nextLotNumber(), 1);
  for (int n : {2, 3}) ASSERT_EQ(archive.storeLot(n, lot(QStringLiteral("B%1").arg(n)), LotArchive::StoreMode::Edit), n);
  EXPECT_EQ(archive.buildLotList().next, 1);
  ASSERT_EQ(archive.storeLot(1, lot(QStringLiteral("B1")), LotArchive::StoreMode::Edit), 1);
  EXPECT_EQ(archive.buildLotList().next, 4);
  archive.deleteLot(3);
  archive.deleteLot(77);  // not there: nothing happens
  ASSERT_EQ(archive.storeLot(4, lot(QStringLiteral("B4")), LotArchive::StoreMode::Edit), 4);
  const LotArchive::Listing l = archive.buildLotList();
  EXPECT_EQ(l.next, 3) << "lots 1, 2, 4";
  EXPECT_EQ(l.count, 3);

  // A new lot announced as 3 while another station takes 3, and then 5 at the last moment.
  LotRecord mine = lot(QStringLiteral("MINE"));
  TDataModule1 other(target, env.ui);
  LotArchive theirs(other);
  ASSERT_EQ(theirs.storeLot(3, lot(QStringLiteral("THEIRS")), LotArchive::StoreMode::Edit), 3);
  bool raced = false;
  archive.beforeInsert = [&](int n) {
    if (n == 5 && !raced) {
      raced = true;
      ASSERT_EQ(theirs.storeLot(5, lot(QStringLiteral("RACE")), LotArchive::StoreMode::Edit), 5);
    }
  };
  EXPECT_EQ(archive.storeLot(3, mine, LotArchive::StoreMode::New), 6);
  EXPECT_TRUE(raced);
  LotRecord back;
  for (const auto& [n, bolla] : {std::pair{3, "THEIRS"}, {5, "RACE"}, {6, "MINE"}}) {
    ASSERT_TRUE(archive.loadLot(n, back)) << n;
    EXPECT_EQ(back.bolla, QString::fromLatin1(bolla)) << n;
  }
  EXPECT_EQ(count("SELECT COUNT(*) FROM bolle"), 6);
  EXPECT_TRUE(env.ui.shown().isEmpty()) << env.ui.shownTexts().join('\n').toStdString();
}

TEST_P(LotDbTest, AStoredLotComesBackAsItWasStored) {
  LotArchive archive(*dm);
  LotRecord r = lot(QStringLiteral("4711"));
  r.note = QStringLiteral("ab\ncd\r\nef\rg");
  r.codicebarre = QStringLiteral("123456789012345678901234567890");
  r.totpartita.clear();
  ASSERT_EQ(archive.storeLot(100000, r, LotArchive::StoreMode::Edit), 100000);
  // Stored again with other values: replaced, never a second row.
  r.t(1, 1) = QStringLiteral("1234");
  ASSERT_EQ(archive.storeLot(100000, r, LotArchive::StoreMode::Edit), 100000);
  EXPECT_EQ(count("SELECT COUNT(*) FROM bolle"), 1);

  LotRecord back;
  back.producerName = QStringLiteral("kept");
  ASSERT_TRUE(archive.loadLot(100000, back));
  EXPECT_EQ(back.note, QStringLiteral("abcdef\rg")) << "line breaks joined, a lone CR kept";
  EXPECT_EQ(back.codicebarre, QStringLiteral("123456789012345678")) << "cut to its column";
  EXPECT_EQ(back.totpartita, QStringLiteral("0")) << "an empty lot quantity is 0";
  EXPECT_EQ(back.t(1, 1), QStringLiteral("1234"));
  EXPECT_EQ(back.t(15, 4), QStringLiteral("2500")) << "leading blanks accepted";
  EXPECT_EQ(back.t(2, 1), QStringLiteral("0"));
  EXPECT_EQ(back.totq5, QStringLiteral("70"));
  EXPECT_EQ(back.programma, QStringLiteral("05"));
  EXPECT_EQ(back.date, QDate(2026, 12, 1));
  EXPECT_EQ(back.time, QTime(9, 30, 15));
  EXPECT_EQ(back.producerName, QStringLiteral("kept")) << "the name is not part of the row";
  const LotArchive::Listing l = archive.buildLotList();
  ASSERT_EQ(l.entries.size(), 1);
  EXPECT_EQ(l.entries[0].data.toInt(), 100000) << "the entry keeps its number whatever its width";
  EXPECT_TRUE(l.entries[0].text.startsWith(QStringLiteral("100000 "))) << l.entries[0].text.toStdString();
  EXPECT_TRUE(l.entries[0].text.endsWith(QStringLiteral(" 05 4711 1 <nuovo produttore>")))
      << l.entries[0].text.toStdString();

  // A lot the store refuses leaves the archive as it was, and says why.
  LotRecord bad = lot(QString());
  env.ui.expectMessage(QStringLiteral("Il campo 'bolla' della tabella bolle deve avere un valore"));
  EXPECT_FALSE(archive.storeLot(1, bad, LotArchive::StoreMode::New).has_value());
  bad = lot(QStringLiteral("X"));
  bad.t(3, 2) = QStringLiteral("12a");
  env.ui.expectMessage(QStringLiteral("'12a' non è un valore intero valido per il campo tot3q2"));
  EXPECT_FALSE(archive.storeLot(100000, bad, LotArchive::StoreMode::Edit).has_value());
  EXPECT_EQ(count("SELECT COUNT(*) FROM bolle"), 1);
  ASSERT_TRUE(archive.loadLot(100000, back));
  EXPECT_EQ(back.bolla, QStringLiteral("4711"));
  EXPECT_FALSE(archive.loadLot(5, back));
  EXPECT_EQ(back.bolla, QStringLiteral("4711")) << "a missing lot leaves the record as it was";
  EXPECT_TRUE(env.ui.allAnswersTaken());
}

TEST_P(LotDbTest, TheArchiveSearchFindsLotsByDateProducerNoteAndProgram) {
  LotArchive archive(*dm);
  Producers producers(*dm);
  ASSERT_EQ(producers.newProducer(QStringLiteral("Rossi")), 1);
  const auto store = [&](int n, QDate d, const char* producer, const char* program, const char* bolla) {
    LotRecord r = lot(QString::fromLatin1(bolla), QString::fromLatin1(producer));
    r.date = d;
    r.time = QTime(23, 59, 59);
    r.programma = QString::fromLatin1(program);
    ASSERT_EQ(archive.storeLot(n, r, LotArchive::StoreMode::Edit), n);
  };
  store(1, QDate(2026, 11, 30), "1", "05", "A1");
  store(2, QDate(2026, 12, 1), "1", "5", "A2");   // the same program, written by another program
  store(3, QDate(2026, 12, 2), "2", "07", "A3");
  store(4, QDate(2026, 12, 3), "1", " 5", "A4");
  const auto found = [&](const LotFilter& f) {
    QList<int> nums;
    for (const ListWindow::Entry& e : archive.buildLotList(f).entries) nums << e.data.toInt();
    return nums;
  };
  LotFilter f;
  f.from = QDate(2026, 12, 1);
  f.to = QDate(2026, 12, 2);
  EXPECT_EQ(found(f), (QList<int>{2, 3})) << "whole days, the last one to its last second";
  f = {};
  f.produttore = QStringLiteral("1");
  EXPECT_EQ(found(f), (QList<int>{1, 2, 4}));
  f.programma = QStringLiteral("05");
  EXPECT_EQ(found(f), (QList<int>{1, 2, 4}));
  f.bolla = QStringLiteral("A2");
  EXPECT_EQ(found(f), (QList<int>{2}));
  const LotArchive::Listing all = archive.buildLotList();
  EXPECT_TRUE(all.entries[0].text.endsWith(QStringLiteral(" A1 1 Rossi"))) << all.entries[0].text.toStdString();
}

TEST_P(LotDbTest, ProducersAreListedByCodeAsTextAndNewOnesTakeTheFreeNumber) {
  Producers producers(*dm);
  EXPECT_EQ(producers.buildProducerList().next, 1);
  for (int n = 1; n <= 12; ++n) ASSERT_EQ(producers.newProducer(QStringLiteral("P%1").arg(n)), n);
  Producers::Listing l = producers.buildProducerList();
  QStringList codes;
  for (const ListWindow::Entry& e : l.entries) codes << e.data.toString();
  EXPECT_EQ(codes.join(','), QStringLiteral("1,10,11,12,2,3,4,5,6,7,8,9"));
  EXPECT_EQ(l.entries[1].text, QStringLiteral("(  10) P10"));
  EXPECT_EQ(l.next, 13);

  // The edit gives a new name and keeps number and code; a deleted number is given again.
  ASSERT_TRUE(producers.storeProducer(QStringLiteral("5"), QStringLiteral("Bianchi")));
  EXPECT_EQ(producers.loadProducer(QStringLiteral("5")), QStringLiteral("Bianchi"));
  EXPECT_FALSE(producers.loadProducer(QStringLiteral("99")).has_value());
  producers.deleteProducer(QStringLiteral("3"));
  EXPECT_EQ(producers.buildProducerList().next, 3);
  EXPECT_EQ(producers.newProducer(QStringLiteral("Nuovo")), 3);
  EXPECT_EQ(producers.loadProducer(QStringLiteral("3")), QStringLiteral("Nuovo"));
  // A name longer than its column is cut by the store.
  ASSERT_TRUE(producers.storeProducer(QStringLiteral("4"), QString(50, QLatin1Char('x'))));
  EXPECT_EQ(producers.loadProducer(QStringLiteral("4"))->size(), 45);
  EXPECT_TRUE(env.ui.shown().isEmpty()) << env.ui.shownTexts().join('\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Engines, LotDbTest, ::testing::Values("sqlite", "postgresql"),
                         [](const auto& info) { return std::string(info.param); });
