#include <gtest/gtest.h>

#include "config/configuration.h"
#include "support/testenv.h"

namespace {

const QString kMorvel = QStringLiteral("morvel");

struct ConfigFixture : ::testing::Test {
  TestEnv env;
  Configuration cfg{*env.store, env.workDir, env.ui};

  void set(const char* key, const char* value, const char* section = "morvel") {
    ASSERT_TRUE(env.store->writeText(QString::fromLatin1(section), QString::fromLatin1(key),
                                     QString::fromUtf8(value)));
  }
  QString stored(const char* key) const {
    return env.store->readText(kMorvel, QString::fromLatin1(key), QStringLiteral("<absent>"));
  }
};

const QString kDefaultBase =
    QStringLiteral("2081000020802080208020801000100010001000050") + QString(60, QLatin1Char('0'));

}  // namespace

TEST_F(ConfigFixture, AnEmptyStoreGivesTheDefaultLineAndTheL50Suffix) {
  ASSERT_TRUE(cfg.LoadConfiguration());
  EXPECT_EQ(cfg.configurationLine(), kDefaultBase);
  EXPECT_EQ(cfg.configurationLine().size(), 103);
  cfg.appendSuffix();
  EXPECT_EQ(cfg.configurationLine(), kDefaultBase + QStringLiteral("L50"));
  const MachineConfig& c = cfg.config();
  EXPECT_EQ(c.porta_com, 1);
  EXPECT_EQ(c.porta_scarti, 3);
  EXPECT_EQ(c.direxp, QStringLiteral("c:\\camp"));
  EXPECT_TRUE(c.prnBold);
  EXPECT_FALSE(c.prnItalic);
  EXPECT_EQ(c.ritfc, 1);
  EXPECT_EQ(c.fine_part_auto, 1);
  EXPECT_TRUE(env.ui.shown().isEmpty());
}

TEST_F(ConfigFixture, SavingTheDefaultsWritesThe151CharacterRecord) {
  ASSERT_TRUE(cfg.LoadConfiguration());
  ASSERT_TRUE(cfg.SaveConfiguration());
  const QByteArray expected = QByteArray("1192208010011SSSN00") + QByteArray("2080").repeated(4) +
                              QByteArray("1000").repeated(12) + "000000" + "50" + QByteArray(60, '0');
  EXPECT_EQ(expected.size(), 151);
  EXPECT_EQ(env.readFile(QStringLiteral("c31.cfg")), expected);
  // The save writes texts and integers by their kinds.
  EXPECT_EQ(env.store->kind(kMorvel, QStringLiteral("numtazze")), SettingsStore::Kind::Text);
  EXPECT_EQ(env.store->kind(kMorvel, QStringLiteral("ncopie")), SettingsStore::Kind::Integer);
  EXPECT_EQ(stored("qualitaL1"), QStringLiteral("1"));
  EXPECT_EQ(stored("rotdirection"), QStringLiteral("left"));
  EXPECT_EQ(stored("taratazza"), QStringLiteral("N"));
  EXPECT_EQ(stored("durata magneti"), QStringLiteral(" 50"));
  // Keys the station never writes.
  EXPECT_EQ(stored("xmoltiply"), QStringLiteral("<absent>"));
  EXPECT_EQ(stored("password_inst"), QStringLiteral("<absent>"));
}

TEST_F(ConfigFixture, TheRecordFileIsOverwrittenFromItsStartAndNotShortened) {
  env.writeFile(QStringLiteral("c31.cfg"), QByteArray(160, 'x'));
  ASSERT_TRUE(cfg.SaveConfiguration());
  const QByteArray content = env.readFile(QStringLiteral("c31.cfg"));
  EXPECT_EQ(content.size(), 160);
  EXPECT_TRUE(content.startsWith("1192208010011SSSN00"));
  EXPECT_TRUE(content.endsWith("000000000xxxxxxxxx"));
}

TEST_F(ConfigFixture, KeysAreConvertedAsTheStationReadsThem) {
  set("rotdirection", "right");
  set("v_tazzebad", "SI");
  set("taratazza", "si");
  set("tarainc", "S");
  set("lev_dtara", "9");
  set("qualitaL1", "3");
  set("qualitaL4", "5");
  set("point gest", " 7");
  set("delay tara", "  12");
  set("durata magneti", "  5");
  set("distanza fc", "abc");
  set("prn_font_set", ",fsItalic.");
  set("autorefresh", "15", "custom");
  set("langinterface", "de", "sarnel");
  ASSERT_TRUE(cfg.LoadConfiguration());
  const MachineConfig& c = cfg.config();
  EXPECT_FALSE(c.rotdirectionRight);
  EXPECT_FALSE(c.v_tazzebad);
  EXPECT_TRUE(c.taratazza);
  EXPECT_TRUE(c.tarainc);
  EXPECT_EQ(c.lev_dtara, 1);
  EXPECT_EQ(c.tareLetter(), QLatin1Char('1'));
  EXPECT_EQ(c.tareIndex(), 2);
  EXPECT_EQ(c.qualitaL[0], 2);
  EXPECT_EQ(c.qualitaL[3], 4);
  EXPECT_EQ(c.point_gest, 7);
  EXPECT_EQ(c.delay_tara, 12);
  EXPECT_EQ(c.durata_magneti, 5);
  EXPECT_EQ(c.distanza_fc, 0);
  EXPECT_FALSE(c.prnBold);
  EXPECT_TRUE(c.prnItalic);
  EXPECT_EQ(c.autorefresh, 15);
  EXPECT_EQ(c.langinterface, QStringLiteral("de"));
  cfg.appendSuffix();
  EXPECT_TRUE(cfg.configurationLine().endsWith(QStringLiteral("105")));

  set("rotdirection", "rigth");
  set("v_tazzebad", "si");
  set("lev_dtara", "0");
  set("tarainc", "n");
  ASSERT_TRUE(cfg.LoadConfiguration());
  EXPECT_TRUE(cfg.config().rotdirectionRight);
  EXPECT_TRUE(cfg.config().v_tazzebad);
  EXPECT_EQ(cfg.config().lev_dtara, 1);
  EXPECT_EQ(cfg.config().tareLetter(), QLatin1Char('T'));
  ASSERT_TRUE(cfg.SaveConfiguration());
  EXPECT_EQ(stored("qualitaL1"), QStringLiteral("3"));
  EXPECT_EQ(stored("rotdirection"), QStringLiteral("rigth"));
  EXPECT_EQ(stored("taratazza"), QStringLiteral("S"));
  EXPECT_EQ(stored("tarainc"), QStringLiteral("N"));
  EXPECT_EQ(stored("langinterface"), QStringLiteral("de")) << "the save writes it into morvel";
}

TEST_F(ConfigFixture, ANonNumericKeyStopsTheLoadAndIsReported) {
  set("numlinee", "4");
  set("numtazze", "12a");
  set("apermagn", "70");
  env.ui.expectMessage(QStringLiteral("'12a' non è un valore intero valido (numtazze)"));
  EXPECT_FALSE(cfg.LoadConfiguration());
  EXPECT_EQ(env.ui.shown().last().icon, ModalUi::Icon::Error);
  EXPECT_EQ(cfg.config().numlinee, 4) << "keys read before the faulty one keep their new values";
  EXPECT_EQ(cfg.config().apermagn, 50) << "keys after it keep their previous values";
  EXPECT_EQ(cfg.configurationLine(), kDefaultBase) << "the line is not rebuilt";
}

TEST_F(ConfigFixture, SaveWritesTheBoundedMachineParameters) {
  struct Case { int value; const char* key; const char* written; };
  const Case cases[] = {
      {120, "point gest", "94"},       {7, "point gest", " 7"},
      {300, "delay tara", "255"},      {40, "delay tara", " 40"},
      {1500, "distanza fc", "999"},    {25, "distanza fc", " 25"},
      {150, "durata magneti", "255"},  {100, "durata magneti", "100"},
  };
  for (const Case& c : cases) {
    MachineConfig& m = cfg.config();
    const QString key = QString::fromLatin1(c.key);
    if (key == QLatin1String("point gest")) m.point_gest = c.value;
    if (key == QLatin1String("delay tara")) m.delay_tara = c.value;
    if (key == QLatin1String("distanza fc")) m.distanza_fc = c.value;
    if (key == QLatin1String("durata magneti")) m.durata_magneti = c.value;
    ASSERT_TRUE(cfg.SaveConfiguration());
    EXPECT_EQ(stored(c.key), QString::fromLatin1(c.written)) << c.key << " " << c.value;
  }
  // A negative delay or duration leaves the stored value unchanged.
  cfg.config().delay_tara = -1;
  cfg.config().durata_magneti = -1;
  ASSERT_TRUE(cfg.SaveConfiguration());
  EXPECT_EQ(stored("delay tara"), QStringLiteral(" 40"));
  EXPECT_EQ(stored("durata magneti"), QStringLiteral("100"));
}

TEST_F(ConfigFixture, TheSuffixCarriesTheTareChoiceAndTheMagnetDuration) {
  MachineConfig& m = cfg.config();
  m.durata_magneti = 5;
  EXPECT_EQ(m.suffix(), QStringLiteral("L05"));
  m.setTareIndex(1);
  EXPECT_EQ(m.suffix(), QStringLiteral("T05"));
  m.setTareIndex(7);
  EXPECT_EQ(m.lev_dtara, 6);
  EXPECT_EQ(m.suffix(), QStringLiteral("605"));
  m.tipoatt = 2;
  m.numtazze = 1234;  // does not fit its 3 digits: held at the largest it can carry
  m.uscita[29] = 7;
  const QString base = m.baseLine();
  EXPECT_EQ(base.size(), 103);
  EXPECT_EQ(base.mid(3, 3), QStringLiteral("999"));
  EXPECT_EQ(base.mid(40, 1), QStringLiteral("1"));
  EXPECT_EQ(base.right(2), QStringLiteral("07"));
}

TEST_F(ConfigFixture, ASaveThatCannotWriteTheRecordWritesNoKey) {
  env.workDir.mkdir(QStringLiteral("c31.cfg"));  // a folder in the way of the record file
  env.ui.expectMessage(QStringLiteral("Impossibile scrivere il file %1: Is a directory").arg(env.path(QStringLiteral("c31.cfg"))));
  EXPECT_FALSE(cfg.SaveConfiguration());
  EXPECT_EQ(env.ui.shown().size(), 1);
  EXPECT_EQ(env.ui.shown().front().icon, ModalUi::Icon::Error);
  EXPECT_TRUE(env.store->entries(kMorvel).isEmpty());
}

TEST_F(ConfigFixture, ValuesOfTheWrongKindOrBeyondTheStationsArithmeticAreReportedByKey) {
  struct Case { const char* json; const char* message; };
  const Case cases[] = {
      {R"({"morvel": {"numtazze": [100]}})", "'[100]' non è un valore valido (numtazze): ci vuole un testo o un numero intero"},
      {R"({"morvel": {"numtazze": 1.5}})", "'1.5' non è un valore valido (numtazze): ci vuole un testo o un numero intero"},
      {R"({"morvel": {"ncopie": 5000000000}})", "'5000000000' non è un valore valido (ncopie): ci vuole un testo o un numero intero"},
      {R"({"morvel": {"copyrigth": {"a": 1}}})", "'{\"a\":1}' non è un valore valido (copyrigth): ci vuole un testo o un numero intero"},
      {R"({"custom": {"autorefresh": "48806447"}})", "'48806447' è troppo grande (autorefresh): al massimo 48806446"},
  };
  for (const Case& c : cases) {
    env.writeSettings(c.json);
    env.ui.expectMessage(QString::fromUtf8(c.message));
    EXPECT_FALSE(cfg.LoadConfiguration()) << c.json;
  }
  EXPECT_EQ(cfg.config().autorefresh, 0) << "a refused value is not taken";
  env.writeSettings(R"({"custom": {"autorefresh": "48806446"}})");
  EXPECT_TRUE(cfg.LoadConfiguration());
  EXPECT_EQ(cfg.config().autorefresh, 48806446);
}
