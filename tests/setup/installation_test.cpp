#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "setup/installation.h"

TEST(Installation, TheFormShowsTheConfigurationAndTakesItBackWhole) {
  MachineConfig c;
  c.tipoatt = 2;
  c.numtazze = 100;
  c.kpeso = {985, 1000, 1010, 995};
  c.setTareIndex(4);  // incremental of 3 g
  const InstallationForm f = installation::fill(c, true, true, 0);
  EXPECT_EQ(f.magnetChoice, 3) << "100% with the option on a board that has the three passes";
  EXPECT_EQ(f.numTazze, QStringLiteral(" 100"));
  EXPECT_EQ(f.kappa[0], QStringLiteral(" 985"));
  EXPECT_EQ(f.faseZero, QStringLiteral(" 0"));
  EXPECT_EQ(f.tareIndex, 4);
  EXPECT_EQ(installation::fill(c, true, false, 0).magnetChoice, 1) << "no \"/3 Passi\" on a board of model 1";
  c.tipoatt = 0;
  EXPECT_EQ(installation::fill(c, false, true, 2).magnetChoice, 2) << "other values keep the choice shown";

  const auto taken = installation::take(f, MachineConfig(), false);
  ASSERT_TRUE(std::holds_alternative<installation::Taken>(taken));
  const installation::Taken& t = std::get<installation::Taken>(taken);
  EXPECT_EQ(t.config.tipoatt, 2);
  EXPECT_TRUE(t.magnetOption);
  EXPECT_EQ(t.config.kpeso[3], 995);
  EXPECT_EQ(t.config.lev_dtara, 3);
  EXPECT_TRUE(t.config.tarainc);
  EXPECT_EQ(t.config.tareLetter(), QLatin1Char('3'));

  struct Choice {
    int index, tipoatt;
    bool option;
  };
  for (const Choice& k : {Choice{0, 1, false}, Choice{1, 2, false}, Choice{2, 1, true}, Choice{3, 2, true}}) {
    InstallationForm g = f;
    g.magnetChoice = k.index;
    const auto r = std::get<installation::Taken>(installation::take(g, MachineConfig(), !k.option));
    EXPECT_EQ(r.config.tipoatt, k.tipoatt) << k.index;
    EXPECT_EQ(r.magnetOption, k.option) << k.index;
  }
}

TEST(Installation, AWrongFieldIsNamedAndNothingIsTaken) {
  const InstallationForm good = installation::fill(MachineConfig(), false, false, 0);
  struct Case {
    std::function<void(InstallationForm&)> spoil;
    const char* named;
  };
  const QList<Case> cases = {
      {[](InstallationForm& f) { f.kappa[1] = QString(); }, "K-peso, Linea 2"},
      {[](InstallationForm& f) { f.kappa[0] = QStringLiteral("   0"); }, "K-peso, Linea 1"},
      {[](InstallationForm& f) { f.numTazze = QStringLiteral("1000"); }, "Numero Tazze/L."},
      {[](InstallationForm& f) { f.rittara = QStringLiteral("ab"); }, "Rit. Tara"},
      {[](InstallationForm& f) { f.dist[29] = QStringLiteral(" "); }, "Us. 30"},
      {[](InstallationForm& f) { f.ini[0] = QStringLiteral("80"); }, "l'inizio (80) deve venire prima della fine (80)"},
  };
  for (const Case& c : cases) {
    InstallationForm f = good;
    c.spoil(f);
    const auto r = installation::take(f, MachineConfig(), false);
    ASSERT_TRUE(std::holds_alternative<QString>(r)) << c.named;
    EXPECT_TRUE(std::get<QString>(r).contains(QString::fromUtf8(c.named))) << std::get<QString>(r).toStdString();
  }
  // A window of a line the machine does not have may stay as it is.
  InstallationForm unused = good;
  unused.lines = 2;
  unused.ini[3] = QStringLiteral(" 0");
  unused.fin[3] = QStringLiteral(" 0");
  EXPECT_TRUE(std::holds_alternative<installation::Taken>(installation::take(unused, MachineConfig(), false)));
}

TEST(Installation, PortListsAlwaysHoldTheStoredPorts) {
  EXPECT_EQ(installation::portEntries({1, 3}, {1, 7, 0}), (QList<int>{0, 1, 3, 7}));
  EXPECT_EQ(installation::portEntries({}, {0, 0, 0}), (QList<int>{0}));

  TInstallazione w;
  InstallationForm f = installation::fill(MachineConfig(), false, true, 0);
  f.ports = {7, 0, 3};
  w.showForm(f, installation::portEntries({1, 3}, f.ports), true);
  EXPECT_EQ(w.ComSel[0]->currentText(), QStringLiteral("COM7")) << "a stored port whose device is missing is shown";
  EXPECT_EQ(w.ComSel[1]->currentText(), QStringLiteral("non abilitata"));
  EXPECT_EQ(w.TipoAttivMagn1->count(), 4);
  w.ComSel[0]->setCurrentIndex(0);
  EXPECT_EQ(w.form().ports[0], 0) << "read by the entry's number, never its text";
  // Digits only, in the field's width.
  w.NumTazze1->clear();
  QTest::keyClicks(w.NumTazze1, QStringLiteral("1a2b34567"));
  EXPECT_EQ(w.NumTazze1->text(), QStringLiteral("1234"));
  w.showForm(f, installation::portEntries({1, 3}, f.ports), false);
  EXPECT_EQ(w.TipoAttivMagn1->count(), 2) << "the \"/3 Passi\" entries go with the opening";
}

TEST(ProgramParameters, TheFormTakesTheOptionsAndTheExportFolder) {
  MachineConfig c;
  c.ncopie = 3;
  c.fine_part_auto = 0;
  c.limpercq = {5, 10, 15, 20};
  ProgramParametersForm f = programparameters::fill(c, false);
  EXPECT_EQ(f.copies, 3);
  EXPECT_FALSE(f.finePartita);
  f.finePartita = true;
  f.copies = 2;
  f.grams = false;
  f.direxp = QStringLiteral("/srv/as400");
  programparameters::take(f, c);
  EXPECT_EQ(c.fine_part_auto, 1);
  EXPECT_EQ(c.ncopie, 2);
  EXPECT_EQ(c.totaligrammi, 0);
  EXPECT_EQ(c.direxp, QStringLiteral("/srv/as400"));
  EXPECT_EQ(c.limpercq[3], 20);
  EXPECT_EQ(programparameters::folderOf(QStringLiteral("/srv/as400/export.txt")), QStringLiteral("/srv/as400"));
  EXPECT_EQ(programparameters::folderOf(QStringLiteral("/export.txt")), QStringLiteral("/"));
  EXPECT_TRUE(programparameters::fill(c, true).archiviazione);
  EXPECT_FALSE(programparameters::fill(c, true).archiviazioneEnabled);
}
