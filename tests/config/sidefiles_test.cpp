#include <gtest/gtest.h>

#include "config/configuration.h"
#include "config/inifile.h"
#include "support/testenv.h"

TEST(SideFiles, CompanyHeaderIsFourBlankPaddedLinesOf24) {
  TestEnv env;
  Configuration cfg(*env.store, env.workDir, env.ui);
  EXPECT_EQ(cfg.LoadCompanyHeader(), sidefiles::defaultCompanyHeader());
  ASSERT_TRUE(cfg.SaveCompanyHeader({QStringLiteral("Az. Agricola Rossi"),
                                     QStringLiteral("Via dei Frutteti 12 Ferrara long text"),
                                     QString(), QStringLiteral("Tel")}));
  const QByteArray content = env.readFile(QStringLiteral("pilto.az"));
  EXPECT_EQ(content.size(), 96);
  EXPECT_EQ(content.left(24), QByteArray("Az. Agricola Rossi      "));
  EXPECT_EQ(content.mid(24, 24), QByteArray("Via dei Frutteti 12 Ferr"));
  const QStringList lines = cfg.LoadCompanyHeader();
  ASSERT_EQ(lines.size(), 4);
  EXPECT_EQ(lines[0], QStringLiteral("Az. Agricola Rossi      "));
  EXPECT_EQ(lines[2], QString(24, QLatin1Char(' ')));
}

TEST(SideFiles, CostsAreCreatedWhenMissingAndReadBackByPosition) {
  TestEnv env;
  Configuration cfg(*env.store, env.workDir, env.ui);
  const sidefiles::Costs none = cfg.LoadCosts();
  EXPECT_EQ(none[2].persons, QStringLiteral("00"));
  EXPECT_EQ(none[2].cost, QStringLiteral("000000"));
  ASSERT_TRUE(cfg.SaveCosts({{{QStringLiteral("3"), QStringLiteral("15000")},
                              {QStringLiteral("12"), QStringLiteral("9000")},
                              {QStringLiteral("1"), QStringLiteral("123456")}}}));
  EXPECT_EQ(env.readFile(QStringLiteral("c31.cst")), QByteArray(" 3 1500012  9000 1123456"));
  const sidefiles::Costs back = cfg.LoadCosts();
  EXPECT_EQ(back[0].persons, QStringLiteral(" 3"));
  EXPECT_EQ(back[1].cost, QStringLiteral("  9000"));
  EXPECT_EQ(back[2].cost, QStringLiteral("123456"));
}

TEST(SideFiles, PrintSettingsGoToTheWorkingFolderFileWhenItExists) {
  TestEnv env;
  Configuration cfg(*env.store, env.workDir, env.ui);
  EXPECT_TRUE(cfg.printSettingsPath().endsWith(QStringLiteral("Corvane elettronica snc/pilto.ini")));
  env.writeFile(QStringLiteral("Piltol.INI"), "[other]\r\nkeep=1\r\n");
  EXPECT_EQ(cfg.printSettingsPath(), env.path(QStringLiteral("Piltol.INI")));
  ASSERT_TRUE(cfg.SavePrintSettings({QStringLiteral("Courier New"), 10, false, true, true, false, 5}));
  const QString path = cfg.printSettingsPath();
  EXPECT_EQ(inifile::readEntry(path, QStringLiteral("print"), QStringLiteral("font_set")),
            QStringLiteral(",fsItalic,fsUnderline."));
  EXPECT_EQ(inifile::readEntry(path, QStringLiteral("print"), QStringLiteral("font_name")),
            QStringLiteral("Courier New"));
  EXPECT_EQ(inifile::readEntry(path, QStringLiteral("custom"), QStringLiteral("autorefresh")),
            QStringLiteral("5"));
  EXPECT_EQ(inifile::readEntry(path, QStringLiteral("other"), QStringLiteral("keep")), QStringLiteral("1"));
  ASSERT_TRUE(cfg.SavePrintSettings({QStringLiteral("Arial"), 8, true, false, false, true, 0}));
  EXPECT_EQ(inifile::readEntry(path, QStringLiteral("print"), QStringLiteral("font_set")),
            QStringLiteral("fsBold,fsStrikeout."));
  EXPECT_EQ(env.readFile(path).count("font_set"), 1);
}

TEST(SideFiles, ACharacterTheSingleByteFilesCannotHoldIsRefusedAtEntry) {
  TestEnv env;
  Configuration cfg(*env.store, env.workDir, env.ui);
  ASSERT_TRUE(cfg.SaveCompanyHeader({QStringLiteral("Frutta & € srl"), {}, {}, {}}));
  EXPECT_EQ(env.readFile(QStringLiteral("pilto.az")).left(14), QByteArray("Frutta & \x80 srl"));
  EXPECT_EQ(cfg.LoadCompanyHeader().front().trimmed(), QStringLiteral("Frutta & € srl"));
  env.ui.expectMessage(QStringLiteral("Il carattere '中' non può essere scritto in pilto.az: usare solo lettere, cifre e "
                                      "segni dell'alfabeto latino"));
  EXPECT_FALSE(cfg.SaveCompanyHeader({QStringLiteral("中国水果"), {}, {}, {}}));
  EXPECT_EQ(env.readFile(QStringLiteral("pilto.az")).left(14), QByteArray("Frutta & \x80 srl")) << "the file is left as it was";

  // The event log writes what it cannot hold as its code.
  env.log->append(QStringLiteral("produttore 中 € ok"));
  EXPECT_TRUE(env.readFile(QStringLiteral("morvel.log")).endsWith("produttore <U+4E2D> \x80 ok"));
}
