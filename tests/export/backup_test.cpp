#include <QFileInfo>
#include <gtest/gtest.h>

#include "config/configuration.h"
#include "export/backup.h"
#include "support/testenv.h"

namespace {
const QString kMorvel = QStringLiteral("morvel");
}

TEST(Backup, ABackupFollowedByARestoreGivesBackEveryValueWithItsKind) {
  TestEnv env;
  Configuration cfg(*env.store, env.workDir, env.ui);
  cfg.config().numlinee = 4;
  cfg.config().ncopie = 3;
  ASSERT_TRUE(cfg.SaveConfiguration());
  env.store->writeText(kMorvel, QStringLiteral("note"), QStringLiteral("a)=b"));
  const auto before = env.store->entries(kMorvel);

  ConfigBackup backup(*env.store, env.ui);
  QDir usb(env.root.filePath(QStringLiteral("usb")));
  usb.mkpath(QStringLiteral("."));
  env.writeFile(usb.filePath(QStringLiteral("morvelinst")), QByteArray(5000, '#'));
  env.ui.queueFile(usb.filePath(QStringLiteral("a")));
  env.ui.expectMessage(QStringLiteral("Salvataggio effettuato!"));
  ASSERT_TRUE(backup.backup());
  const QByteArray text = env.readFile(usb.filePath(QStringLiteral("morvelinst")));
  EXPECT_FALSE(text.contains('#')) << "an existing backup is replaced";
  EXPECT_TRUE(text.contains("String(numlinee)=4\r\n"));
  EXPECT_TRUE(text.contains("Integer(ncopie)=3\r\n"));
  EXPECT_TRUE(text.contains("String(durata magneti)= 50\r\n"));

  // Change everything, add a value, then restore.
  cfg.config().numlinee = 1;
  cfg.config().ncopie = 9;
  ASSERT_TRUE(cfg.SaveConfiguration());
  env.store->writeText(kMorvel, QStringLiteral("note"), QStringLiteral("other"));
  env.store->writeInteger(kMorvel, QStringLiteral("added_later"), 77);
  env.ui.queueFile(usb.filePath(QStringLiteral("morvelinst")));
  env.ui.expectMessage(QStringLiteral("Ripristino effettuato!"));
  ASSERT_TRUE(backup.restore());

  SettingsStore check(env.settingsPath());
  for (const auto& e : before) {
    EXPECT_EQ(check.kind(kMorvel, e.name), e.kind) << e.name.toStdString();
  }
  EXPECT_EQ(check.text(kMorvel, QStringLiteral("numlinee")), QStringLiteral("4"));
  EXPECT_EQ(check.integer(kMorvel, QStringLiteral("ncopie")), 3);
  EXPECT_EQ(check.text(kMorvel, QStringLiteral("note")), QStringLiteral("a)=b"));
  EXPECT_EQ(check.integer(kMorvel, QStringLiteral("added_later")), 77);
  EXPECT_EQ(check.text(kMorvel, QStringLiteral("durata magneti")), QStringLiteral(" 50"));
}

TEST(Backup, RestoreSkipsLinesOfAnotherFormAndTakesTheNameUpToTheFirstMarker) {
  TestEnv env;
  const QByteArray text =
      "String(a)=b)=c\r\n"
      "Integer(n)=12\n"
      "Integer(bad)=1x\r\n"
      "Integer(neg)=-4\r\n"
      "String(nomarker\r\n"
      "Float(f)=1.5\r\n"
      "\r\n";
  EXPECT_EQ(ConfigBackup::restoreText(*env.store, text), 3);
  EXPECT_EQ(env.store->text(kMorvel, QStringLiteral("a")), QStringLiteral("b)=c"));
  EXPECT_EQ(env.store->integer(kMorvel, QStringLiteral("n")), 12);
  EXPECT_EQ(env.store->integer(kMorvel, QStringLiteral("neg")), -4);
  EXPECT_FALSE(env.store->contains(kMorvel, QStringLiteral("bad")));
  EXPECT_EQ(env.store->entries(kMorvel).size(), 3);
}

TEST(Backup, CancelledOrFruitlessCommandsSayWhatHappened) {
  TestEnv env;
  ConfigBackup backup(*env.store, env.ui);
  for (int i = 0; i < 2; ++i) env.ui.expectMessage(QStringLiteral("Dischetto sul floppy non presente o non leggibile!"));
  EXPECT_FALSE(backup.backup());  // dialog cancelled
  EXPECT_FALSE(backup.restore());
  ASSERT_EQ(env.ui.shown().size(), 2);
  for (const auto& s : env.ui.shown()) {
    EXPECT_EQ(s.text, QStringLiteral("Dischetto sul floppy non presente o non leggibile!"));
    EXPECT_EQ(s.icon, ModalUi::Icon::Error);
  }

  // A file without valid lines changes nothing and says nothing.
  env.ui.clearRecord();
  env.writeFile(QStringLiteral("junk.ini"), "hello\r\nworld\r\n");
  env.ui.queueFile(env.path(QStringLiteral("junk.ini")));
  EXPECT_FALSE(backup.restore());
  EXPECT_TRUE(env.ui.shown().isEmpty());
  EXPECT_EQ(env.readFile(QStringLiteral("junk.ini")), QByteArray("hello\r\nworld\r\n"));

  // A folder that does not exist: stop without a message.
  env.ui.queueFile(env.root.filePath(QStringLiteral("nowhere/a")));
  EXPECT_FALSE(backup.backup());
  EXPECT_TRUE(env.ui.shown().isEmpty());

  // A value of another kind is not written, with a beep.
  env.writeSettings(R"({"morvel": {"a": "1", "f": 1.5, "l": [1]}})");
  int skipped = 0;
  EXPECT_EQ(ConfigBackup::backupText(*env.store, &skipped), QByteArray("String(a)=1\r\n"));
  EXPECT_EQ(skipped, 2);
  env.ui.queueFile(env.path(QStringLiteral("a")));
  env.ui.expectMessage(QStringLiteral("Salvataggio effettuato!"));
  EXPECT_TRUE(backup.backup());
  EXPECT_EQ(env.ui.beepCount(), 2);
}
