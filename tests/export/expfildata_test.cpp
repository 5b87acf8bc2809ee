#include <QDateEdit>
#include <QFile>
#include <QSqlQuery>
#include <gtest/gtest.h>

#include "config/drivemap.h"
#include "db/databaseacc.h"
#include "export/expfildata.h"
#include "support/testenv.h"

namespace {

ExportLot example() {
  ExportLot lot;
  lot.bolla = QStringLiteral("123");
  lot.programma = QStringLiteral("5");
  lot.produttore = QStringLiteral("00012");
  lot.totpartita = 1500;
  return lot;
}

// The lots of an archive exported into the folders of a working folder.
struct ExportFixture : ::testing::Test {
  TestEnv env;
  TDataModule1 data{TDatabase::parse(QStringLiteral("sqlite:tavikdata.sqlite"), env.workDir), env.ui};
  LotExport lotExport{data, *env.store, env.workDir, env.ui};

  void SetUp() override {
    ASSERT_FALSE(data.Database1.createTables().has_value());
    lotExport.decimalSeparator = [] { return QLatin1Char('.'); };
  }
  void lot(int num, const QDateTime& when, const char* bolla) {
    QSqlQuery q(data.Database1.db());
    ASSERT_TRUE(q.exec(QStringLiteral("INSERT INTO bolle (num, data, bolla, programma, produttore, totpartita, tot1q1) "
                                      "VALUES (%1, '%2', '%3', '7', '12', 100, 10)")
                           .arg(num)
                           .arg(TDatabase::dateTimeText(when), QLatin1String(bolla))));
  }
  QList<QByteArray> lines(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    QList<QByteArray> l = f.readAll().split('\n');
    if (!l.isEmpty() && l.last().isEmpty()) l.removeLast();
    return l;
  }
  QString today() const { return env.path(QStringLiteral("c/camp/") + expfil::fileName(QDate::currentDate())); }
};

}  // namespace

TEST(ExportLine, TheExampleLotByteForByteInBothDecimalSeparators) {
  for (const QChar sep : {QLatin1Char('.'), QLatin1Char(',')}) {
    QByteArray expected = "     123,  5,                  ,00012,   1500" + QByteArray(1, char(sep.unicode())) + "00";
    for (int i = 0; i < 24; ++i) expected += ",      0" + QByteArray(1, char(sep.unicode())) + "00";
    expected += "\r\n";
    const auto line = expfil::exportLine(example(), sep);
    ASSERT_TRUE(line.has_value());
    EXPECT_EQ(*line, expected) << QString(sep).toStdString();
    EXPECT_EQ(line->size(), 312 + 2);
  }
}

TEST(ExportLine, WideValuesAreWrittenWholeAndSharesFollowTheLot) {
  ExportLot lot = example();
  lot.bolla = QStringLiteral("ABCDEFGHIJKL");
  EXPECT_EQ(expfil::exportLine(lot, QLatin1Char('.'))->size(), 312 + 4 + 2) << "a 12-character delivery note";
  EXPECT_TRUE(expfil::exportLine(lot, QLatin1Char('.'))->startsWith("ABCDEFGHIJKL,  5,"));

  // 1 g and 2 g of quality 1 over a lot of 900 kg; class 1 of quality 3 and quality 5.
  lot = example();
  lot.totpartita = 900;
  lot.tot[0] = 1;
  lot.tot[1] = 2;
  const QList<QByteArray> f = expfil::exportLine(lot, QLatin1Char('.'))->trimmed().split(',');
  ASSERT_EQ(f.size(), 29);
  EXPECT_EQ(f[4], "    900.00");
  EXPECT_EQ(f[5], "    299.97");
  EXPECT_EQ(f[6], "    600.03");
  EXPECT_EQ(f[17], "     33.33");
  EXPECT_EQ(f[18], "     66.67");

  lot.totpartita.reset();
  EXPECT_EQ(expfil::exportLine(lot, QLatin1Char('.'))->split(',')[4], QByteArray(10, ' ')) << "no quantity: blanks";

  // A character the file cannot hold is refused, never written as "?".
  lot.bolla = QStringLiteral("B\u4e2d");
  QString error;
  EXPECT_FALSE(expfil::exportLine(lot, QLatin1Char('.'), &error).has_value());
  EXPECT_TRUE(error.contains(QStringLiteral("B\u4e2d"))) << error.toStdString();
}

TEST(DriveMapping, StoredPathsFindTheirFoldersOnThisMachine) {
  const QDir work(QStringLiteral("/srv/station"));
  const DriveMap drives({{QLatin1Char('D'), QStringLiteral("/mnt/usb")}}, work);
  EXPECT_EQ(drives.localPath(QStringLiteral("c:\\camp")), QStringLiteral("/srv/station/c/camp"));
  EXPECT_EQ(drives.localPath(QStringLiteral("D:\\export\\host")), QStringLiteral("/mnt/usb/export/host"));
  EXPECT_EQ(drives.localPath(QStringLiteral("/var/export")), QStringLiteral("/var/export"));
  EXPECT_EQ(drives.localPath(QStringLiteral("export")), QStringLiteral("/srv/station/export"));
  EXPECT_TRUE(drives.isDefaultDrive(QStringLiteral("c:\\camp")));
  EXPECT_FALSE(drives.isDefaultDrive(QStringLiteral("d:\\camp")));
}

TEST_F(ExportFixture, TheDailyExportTakesTheWholeDayAndARangeWholeDays) {
  const QDate day = QDate::currentDate();
  lot(1, QDateTime(day, QTime(0, 0, 0)), "MIDNIGHT");
  lot(2, QDateTime(day.addDays(-1), QTime(23, 59, 59)), "YESTERDAY");
  lot(3, QDateTime(day, QTime(23, 59, 59)), "LATE");
  ASSERT_TRUE(lotExport.exportDaily()) << "the default folder is made";
  QList<QByteArray> got = lines(today());
  ASSERT_EQ(got.size(), 2);
  EXPECT_TRUE(got[0].startsWith("MIDNIGHT,  7,"));
  EXPECT_TRUE(got[1].startsWith("    LATE,  7,"));

  // A range of whole days replaces the file of the day.
  ASSERT_TRUE(lotExport.exportRange(QDateTime(day.addDays(-1), QTime(0, 0)), QDateTime(day, QTime(23, 59, 59, 999))));
  EXPECT_EQ(lines(today()).size(), 3);
  ASSERT_TRUE(lotExport.exportRange(QDateTime(day, QTime(0, 0)), QDateTime(day.addDays(-1), QTime(23, 59, 59, 999))));
  EXPECT_TRUE(QFile::exists(today()));
  EXPECT_EQ(lines(today()).size(), 0) << "from after to: an empty file";
  EXPECT_TRUE(env.ui.shown().isEmpty()) << env.ui.shownTexts().join('\n').toStdString();
}

TEST_F(ExportFixture, AFolderThatIsMissingOrNotWritableIsToldAndNoFileIsLeft) {
  lot(1, QDateTime::currentDateTime(), "X");
  const QString missing = env.path(QStringLiteral("host/in"));
  lotExport.exportFolder = [missing] { return missing; };
  env.ui.expectMessage(QStringLiteral("La cartella di esportazione %1 (%1) non esiste: i dati per l'AS400 non sono stati esportati")
                           .arg(missing));
  EXPECT_FALSE(lotExport.exportDaily());
  EXPECT_FALSE(QDir(missing).exists()) << "only the default folder is made";

  // A folder nobody may write into, root included: refused with the system's reason.
  const QString locked = QStringLiteral("/proc");
  lotExport.exportFolder = [locked] { return locked; };
  const QString file = QDir(locked).filePath(expfil::fileName(QDate::currentDate()));
  env.ui.queueAnswer(ModalUi::Answer::Ok);
  EXPECT_FALSE(lotExport.exportDaily());
  ASSERT_EQ(env.ui.shown().size(), 2);
  EXPECT_TRUE(env.ui.shown().last().text.startsWith(QStringLiteral("Il file %1 non è stato scritto: ").arg(file)))
      << env.ui.shown().last().text.toStdString();
  EXPECT_FALSE(QFile::exists(file));
}

TEST_F(ExportFixture, AFailedLotLeavesNoHalfFile) {
  lot(1, QDateTime::currentDateTime(), "GOOD");
  QSqlQuery q(data.Database1.db());
  ASSERT_TRUE(q.exec(QStringLiteral("INSERT INTO bolle (num, data, bolla) VALUES (2, '%1', 'B\u4e2d')")
                         .arg(TDatabase::dateTimeText(QDateTime::currentDateTime()))));
  const QString path = env.path(QStringLiteral("out.txt"));
  QFile old(path);
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write("previous\r\n");
  old.close();
  env.ui.queueAnswer(ModalUi::Answer::Ok);
  EXPECT_FALSE(lotExport.exportLots({1, 2}, path));
  ASSERT_EQ(env.ui.shown().size(), 1);
  EXPECT_TRUE(env.ui.shown().first().text.contains(QStringLiteral("non può contenere")));
  EXPECT_EQ(lines(path), QList<QByteArray>{"previous\r"}) << "the file the host may be reading stays as it was";
}
