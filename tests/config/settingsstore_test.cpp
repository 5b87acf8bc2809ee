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
