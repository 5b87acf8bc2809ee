#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include "support/testenv.h"

TEST(SettingsStore, ValuesKeepTheirKindAcrossARoundTrip) {
  TestEnv env;
  EXPECT_FALSE(env.store->contains(QStringLiteral("morvel"), QStringLiteral("porta_com")));
  EXPECT_EQ(env.store->readText(QStringLiteral("morvel"), QStringLiteral("porta_com"), QStringLiteral("1")),
            QStringLiteral("1"));
  EXPECT_FALSE(QFileInfo::exists(env.settingsPath())) << "reading never creates the store";

  ASSERT_TRUE(env.store->writeText(QStringLiteral("morvel"), QStringLiteral("porta_com"), QStringLiteral("3")));
  ASSERT_TRUE(env.store->writeInteger(QStringLiteral("morvel"), QStringLiteral("ncopie"), 2));
  ASSERT_TRUE(env.store->writeText(QStringLiteral("ports"), QStringLiteral("COM3"), QStringLiteral("/dev/ttyUSB0")));

  SettingsStore again(env.settingsPath());
  EXPECT_EQ(again.kind(QStringLiteral("morvel"), QStringLiteral("porta_com")), SettingsStore::Kind::Text);
  EXPECT_EQ(again.kind(QStringLiteral("morvel"), QStringLiteral("ncopie")), SettingsStore::Kind::Integer);
  EXPECT_EQ(again.text(QStringLiteral("morvel"), QStringLiteral("porta_com")), QStringLiteral("3"));
  EXPECT_EQ(again.integer(QStringLiteral("morvel"), QStringLiteral("ncopie")), 2);
  EXPECT_FALSE(again.text(QStringLiteral("morvel"), QStringLiteral("ncopie")).has_value());
  EXPECT_EQ(again.readText(QStringLiteral("ports"), QStringLiteral("COM3"), {}), QStringLiteral("/dev/ttyUSB0"));
  EXPECT_EQ(again.entries(QStringLiteral("morvel")).size(), 2);
}

TEST(SettingsStore, AWriteKeepsWhatAnotherProgramWroteMeanwhile) {
  TestEnv env;
  SettingsStore other(env.settingsPath());
  ASSERT_TRUE(other.writeText(QStringLiteral("ports"), QStringLiteral("COM9"), QStringLiteral("/dev/pts/4")));
  ASSERT_TRUE(env.store->writeText(QStringLiteral("morvel"), QStringLiteral("numlinee"), QStringLiteral("4")));
  SettingsStore check(env.settingsPath());
  EXPECT_EQ(check.readText(QStringLiteral("ports"), QStringLiteral("COM9"), {}), QStringLiteral("/dev/pts/4"));
  EXPECT_EQ(check.readText(QStringLiteral("morvel"), QStringLiteral("numlinee"), {}), QStringLiteral("4"));
}

TEST(SettingsStore, ADamagedFileIsSetAsideNotOverwritten) {
  TestEnv env;
  env.writeSettings("{ \"morvel\": { \"porta_com\": \"2\", ");
  EXPECT_FALSE(env.store->lastError().isEmpty());
  EXPECT_EQ(env.store->readText(QStringLiteral("morvel"), QStringLiteral("porta_com"), QStringLiteral("1")),
            QStringLiteral("1"));
  ASSERT_TRUE(env.store->writeText(QStringLiteral("morvel"), QStringLiteral("numlinee"), QStringLiteral("3")));
  EXPECT_EQ(env.readFile(env.settingsPath() + ".damaged"), QByteArray("{ \"morvel\": { \"porta_com\": \"2\", "));
  SettingsStore check(env.settingsPath());
  EXPECT_TRUE(check.lastError().isEmpty());
  EXPECT_EQ(check.readText(QStringLiteral("morvel"), QStringLiteral("numlinee"), {}), QStringLiteral("3"));
}

TEST(SettingsStore, ABatchIsWrittenOnceOnCommit) {
  TestEnv env;
  env.store->beginBatch();
  env.store->writeText(QStringLiteral("morvel"), QStringLiteral("a"), QStringLiteral("1"));
  env.store->writeInteger(QStringLiteral("morvel"), QStringLiteral("b"), 2);
  EXPECT_FALSE(QFileInfo::exists(env.settingsPath()));
  ASSERT_TRUE(env.store->commit());
  SettingsStore check(env.settingsPath());
  EXPECT_EQ(check.entries(QStringLiteral("morvel")).size(), 2);
}

TEST(SettingsStore, AFileThatCannotBeReadIsReportedAndNeverReplaced) {
  TestEnv env;
  // A store in the way that cannot be read, also by root: a folder under its name.
  QDir().mkpath(env.settingsPath());
  env.store->reload();
  EXPECT_TRUE(env.store->unreadable());
  EXPECT_TRUE(env.store->lastError().startsWith(QStringLiteral("Impossibile leggere il file delle impostazioni ")))
      << env.store->lastError().toStdString();
  EXPECT_FALSE(env.store->writeText(QStringLiteral("morvel"), QStringLiteral("numlinee"), QStringLiteral("3")));
  EXPECT_EQ(env.store->lastError(),
            QStringLiteral("Il file delle impostazioni %1 non è leggibile: nessun valore è stato scritto").arg(env.settingsPath()));
  EXPECT_TRUE(QFileInfo(env.settingsPath()).isDir()) << "neither renamed nor replaced";
  EXPECT_FALSE(QFileInfo::exists(env.settingsPath() + ".damaged"));
}

TEST(SettingsStore, ASaveThatCannotWriteSaysSoAndALeftoverTemporaryFileGoes) {
  TestEnv env;
  ASSERT_TRUE(env.store->writeText(QStringLiteral("morvel"), QStringLiteral("numlinee"), QStringLiteral("2")));
  // A save killed after writing its temporary file left it behind.
  env.writeFile(env.store->temporaryPath(), "{ half");
  SettingsStore next(env.settingsPath());
  EXPECT_FALSE(QFileInfo::exists(next.temporaryPath()));
  EXPECT_EQ(next.readText(QStringLiteral("morvel"), QStringLiteral("numlinee"), {}), QStringLiteral("2"));

  // The temporary file cannot be made (a folder in its way): the store stays as it was.
  QDir().mkpath(next.temporaryPath());
  EXPECT_FALSE(next.writeText(QStringLiteral("morvel"), QStringLiteral("numlinee"), QStringLiteral("4")));
  EXPECT_TRUE(next.lastError().startsWith(QStringLiteral("Impossibile scrivere %1: ").arg(env.settingsPath())))
      << next.lastError().toStdString();
  QDir().rmdir(next.temporaryPath());
  EXPECT_EQ(SettingsStore(env.settingsPath()).readText(QStringLiteral("morvel"), QStringLiteral("numlinee"), {}),
            QStringLiteral("2"));
}
