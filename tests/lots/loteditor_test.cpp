#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTest>
#include <gtest/gtest.h>

#include "config/machineconfig.h"
#include "db/databaseacc.h"
#include "lots/costs.h"
#include "lots/lots.h"
#include "lots/tlistabolla.h"
#include "lots/tnewbolla.h"
#include "lots/tricercabolle.h"
#include "programs/programs.h"
#include "programs/tlistaprogrammi.h"
#include "support/testenv.h"

namespace {

// The lots on a fresh SQLite archive, with every window they show.
struct LotsFixture : ::testing::Test {
  TestEnv env;
  MachineConfig config;
  TDataModule1 data{TDatabase::parse(QStringLiteral("sqlite:tavikdata.sqlite"), env.workDir), env.ui};
  TListaProgrammi programList;
  Programs programs{data, nullptr, &programList, config, env.ui};
  TNewBolla editorWindow;
  TListaBolla lotList;
  TModDati lotDataWindow;
  TListaProduttori producerList;
  TProduttori producerWindow;
  TImpCosti costsWindow;
  TImpAzienda companyWindow;
  TRicercaBolle searchWindow;
  std::unique_ptr<Lots> lots;

  void SetUp() override {
    ASSERT_FALSE(data.Database1.createTables().has_value());
    config.totaligrammi = 1;
    lots = std::make_unique<Lots>(data, programs, config, env.ui, env.workDir,
                                  LotWindows{&editorWindow, &lotList, &lotDataWindow, &producerList, &producerWindow,
                                             &costsWindow, &companyWindow, &searchWindow, &programList});
  }

  // Program `code` with weights from `first` in steps of 30 on every quality.
  void storeProgram(const QString& code, int first = 120) {
    ProgramEditorModel& e = programs.editing;
    e = ProgramEditorModel();
    e.description = QStringLiteral("Programma ") + code;
    e.code = code;
    for (int q = 1; q <= 4; ++q)
      for (int c = 1; c <= 15; ++c) {
        e.name(c, q) = QStringLiteral("C%1Q%2").arg(c).arg(q);
        e.min(c, q) = QString::number(first + 30 * (c - 1));
        e.max(c, q) = QString::number(first + 30 * c);
      }
    ASSERT_TRUE(programs.StoreProgram(code, Programs::StoreMode::New));
  }
  LotEditorModel& m() { return lots->model; }
  LotRecord& r() { return lots->record; }
};

QString trimmed(const QString& s) { return s.trimmed(); }

}  // namespace

TEST_F(LotsFixture, TotalsShowTheirSharesAndProjectOntoTheLotQuantity) {
  storeProgram(QStringLiteral("01"));
  programs.RefreshProgramList();
  lots->editor.prepareNewLot();
  r().t(1, 1) = QStringLiteral("1000");
  r().t(2, 1) = QStringLiteral("3000");
  lots->editor.refreshLotEditor();
  EXPECT_EQ(m().unit, QStringLiteral("gr"));
  EXPECT_EQ(m().total(1, 1), QStringLiteral("    1000"));
  EXPECT_EQ(m().percents[LotEditorModel::cell(1, 1)], QStringLiteral("25.00"));
  EXPECT_EQ(m().percents[LotEditorModel::cell(2, 1)], QStringLiteral("75.00"));
  EXPECT_EQ(trimmed(m().totale), QStringLiteral("4000"));
  EXPECT_EQ(m().qualityPercents[0], QStringLiteral("100.00"));

  // "Partita" with no lot quantity stays unticked.
  lots->editor.corrClicked(true);
  EXPECT_FALSE(m().corr);
  EXPECT_TRUE(m().totalsEnabled);
  m().totalePart = QStringLiteral("900");
  lots->editor.corrClicked(true);
  EXPECT_TRUE(m().corr);
  EXPECT_FALSE(m().totalsEnabled);
  EXPECT_EQ(m().unit, QStringLiteral("Kg"));
  EXPECT_EQ(trimmed(m().total(1, 1)), QStringLiteral("225"));
  EXPECT_EQ(trimmed(m().total(2, 1)), QStringLiteral("675"));
  EXPECT_EQ(trimmed(m().qualityTotals[0]), QStringLiteral("900"));
  EXPECT_EQ(trimmed(m().totale), QStringLiteral("900"));
  EXPECT_EQ(m().percents[LotEditorModel::cell(1, 1)], QStringLiteral("25.00"));
  // The projected kilograms are shown only: the record keeps the sample's grams.
  m().date = QDate(2026, 12, 11);
  m().numero = QStringLiteral("77");
  const LotRecord& taken = lots->editor.takeAll();
  EXPECT_EQ(taken.t(1, 1), QStringLiteral("1000"));
  EXPECT_EQ(taken.t(2, 1), QStringLiteral("3000"));

  // Every total 0 with the projection: 0 everywhere and "0.00" for every share.
  r().clearTotals();
  lots->editor.refreshLotEditor();
  EXPECT_EQ(trimmed(m().total(1, 1)), QStringLiteral("0"));
  EXPECT_EQ(trimmed(m().totale), QStringLiteral("0"));
  for (const QString& p : m().qualityPercents) EXPECT_EQ(p, QStringLiteral("0.00"));
  EXPECT_EQ(m().percents[0], QStringLiteral("0.00"));
}

TEST_F(LotsFixture, InKilogramsOnlyTheTotalsTheOperatorChangedBecomeGrams) {
  config.totaligrammi = 0;
  r().t(1, 1) = QStringLiteral("1234");
  r().t(2, 1) = QStringLiteral("5678");
  lots->editor.refreshLotEditor();
  EXPECT_EQ(m().unit, QStringLiteral("Kg"));
  EXPECT_EQ(m().total(1, 1), QStringLiteral("   1.2"));
  // The operator types 2.5 into class 2; class 1 keeps its exact grams.
  m().total(2, 1) = QStringLiteral("2.5");
  m().changed[LotEditorModel::cell(2, 1)] = true;
  lots->editor.totalLeft();
  EXPECT_EQ(r().t(2, 1), QStringLiteral("2500"));
  EXPECT_EQ(r().t(1, 1), QStringLiteral("1234"));
  EXPECT_EQ(m().total(2, 1), QStringLiteral("   2.5"));
  EXPECT_EQ(LotEditor::kilogramsToGrams(QStringLiteral("0,0005")), 1) << "rounded to whole grams";
  EXPECT_FALSE(LotEditor::kilogramsToGrams(QStringLiteral("abc")).has_value());
}

TEST_F(LotsFixture, ProgramRangesFollowTheWeightMultiplier) {
  storeProgram(QStringLiteral("01"));
  struct Case { int m; const char* range; };
  for (const Case& c : {Case{0, "0120-0150"}, Case{1, "0120-0150"}, Case{10, "1200-1500"}}) {
    config.xmoltiply = c.m;
    lots->editor.showProgram(1);
    EXPECT_EQ(m().ranges[0], QString::fromLatin1(c.range)) << c.m;
    EXPECT_EQ(m().names[0], QStringLiteral("C1Q1"));
  }
  config.xmoltiply = 0;
  lots->editor.showProgram(1);
  EXPECT_EQ(m().ranges[LotEditorModel::cell(15, 1)], QStringLiteral("0540-0570")) << "class 15: boundaries 15 and 16";
  lots->editor.showProgram(2);
  EXPECT_TRUE(m().names[0].isEmpty()) << "a missing program shows no class of another";
  EXPECT_TRUE(m().ranges[0].isEmpty());
}

TEST_F(LotsFixture, ALotWhoseProgramIsMissingTakesTheChosenProgramsCode) {
  for (const char* code : {"01", "03", "07"}) storeProgram(QString::fromLatin1(code));
  LotRecord lot;
  lot.programma = QStringLiteral("09");
  lot.date = QDate(2026, 12, 1);
  lot.bolla = QStringLiteral("55");
  lot.produttore = QStringLiteral("8");  // not in produttori
  lot.t(3, 1) = QStringLiteral("300");
  ASSERT_EQ(lots->archive.storeLot(1, lot, LotArchive::StoreMode::Edit), 1);

  // Cancel ends the choice: the lot keeps its program, and no class is shown.
  env.ui.queueDialog([](QDialog& d) {
    auto& list = static_cast<TListaProgrammi&>(d);
    EXPECT_EQ(list.windowTitle(), QStringLiteral("Caricamento Programma "));
    EXPECT_EQ(list.Label2->text(), QStringLiteral("Programma dell archivio INESISTENTE, selezionarne uno dalla lista."));
    EXPECT_EQ(list.Label1->text(), QStringLiteral("Numero Programmi"));
    return int(QDialog::Rejected);
  });
  ASSERT_TRUE(lots->editor.openLotInEditor(1, lots->archive));
  EXPECT_EQ(m().programLabel, QStringLiteral("09"));
  EXPECT_TRUE(m().names[0].isEmpty());
  EXPECT_EQ(m().programChoice, -1);
  EXPECT_EQ(programList.windowTitle(), QStringLiteral("Lista Programmi")) << "the list's own captions come back";
  EXPECT_TRUE(m().nomeProd.isEmpty()) << "a producer code nobody has";

  // The third entry is program 07: the lot is stored with 07, never with its position.
  env.ui.queueDialog([](QDialog& d) {
    static_cast<TListaProgrammi&>(d).choose(2);
    return int(QDialog::Accepted);
  });
  ASSERT_TRUE(lots->editor.openLotInEditor(1, lots->archive));
  EXPECT_EQ(m().programLabel, QStringLiteral("07"));
  EXPECT_EQ(m().programChoice, 2);
  EXPECT_EQ(m().names[0], QStringLiteral("C1Q1"));
  EXPECT_EQ(trimmed(m().total(3, 1)), QStringLiteral("300"));
  ASSERT_EQ(lots->archive.storeLot(1, lots->editor.takeAll(), LotArchive::StoreMode::Edit), 1);
  LotRecord back;
  ASSERT_TRUE(lots->archive.loadLot(1, back));
  EXPECT_EQ(back.programma, QStringLiteral("07"));
  EXPECT_EQ(back.t(3, 1), QStringLiteral("300")) << "opened and stored again without changes: the same values";

  // With no program at all the operator is told, and the lot opens without one.
  QSqlQuery(data.Database1.db()).exec(QStringLiteral("DELETE FROM programmi"));
  back.programma = QStringLiteral("09");
  ASSERT_EQ(lots->archive.storeLot(1, back, LotArchive::StoreMode::Edit), 1);
  env.ui.expectMessage(QStringLiteral("Archivio Programmi Vuoto, Rilavorazione impossibile."));
  ASSERT_TRUE(lots->editor.openLotInEditor(1, lots->archive));
  EXPECT_TRUE(m().names[0].isEmpty());
  EXPECT_TRUE(env.ui.allAnswersTaken());
}

TEST_F(LotsFixture, NoteAndBarcodeKeepThirtyCharactersOnOneLine) {
  EXPECT_EQ(LotEditor::limitedNote(QStringLiteral("ab\ncd")), QStringLiteral("ab\ncd")) << "stays as typed";
  EXPECT_EQ(LotEditor::limitedNote(QString(35, QLatin1Char('x'))), QString(30, QLatin1Char('x')));
  EXPECT_EQ(LotEditor::limitedNote(QString(20, QLatin1Char('a')) + QLatin1Char('\n') + QString(15, QLatin1Char('b'))),
            QString(20, QLatin1Char('a')) + QString(10, QLatin1Char('b')));
  // Typed into the window.
  editorWindow.show();
  QTest::keyClicks(editorWindow.Note, QString(35, QLatin1Char('n')));
  EXPECT_EQ(m().note, QString(30, QLatin1Char('n')));
  QTest::keyClicks(editorWindow.Numero, QStringLiteral("12345678"));
  EXPECT_EQ(editorWindow.Numero->text(), QStringLiteral("123456"));
  EXPECT_EQ(m().numero, QStringLiteral("123456"));
  editorWindow.hide();
}

TEST_F(LotsFixture, CrewCostsConvertBetweenLireAndEuro) {
  crew::CostModel& c = lots->costs;
  costsWindow.show();
  QTest::keyClicks(costsWindow.NPers[0], QStringLiteral("1"));
  costsWindow.CostoE[0]->clear();
  QTest::keyClicks(costsWindow.CostoE[0], QStringLiteral("19.36"));
  EXPECT_EQ(c.lire[0].trimmed(), QStringLiteral("37486"));
  EXPECT_EQ(costsWindow.CostoL[0]->text().trimmed(), QStringLiteral("37486"));
  EXPECT_EQ(c.hourLire.trimmed(), QStringLiteral("37486"));
  EXPECT_EQ(c.hourEur, QStringLiteral("19.360"));
  EXPECT_EQ(c.minuteLire.trimmed(), QStringLiteral("625"));
  EXPECT_EQ(c.minuteEur, QStringLiteral("0.323"));
  EXPECT_EQ(costsWindow.CostoMinutoE->text(), QStringLiteral("0.323"));
  EXPECT_EQ(crew::take(c).costPerMinute, 625);
  // Persons typed recompute at once; persons that are no number add nothing.
  QTest::keyClicks(costsWindow.NPers[0], QStringLiteral("x"));
  EXPECT_EQ(c.minuteLire.trimmed(), QStringLiteral("0"));
  costsWindow.hide();

  // Only values that fit the cost file are stored; the stored ones come back at start-up.
  qint64 taken = -1;
  lots->onCostsTaken = [&](const crew::Taken& t) { taken = t.costPerMinute; };
  env.ui.queueDialog([&](QDialog& d) {
    auto& w = static_cast<TImpCosti&>(d);
    w.NPers[0]->setText(QStringLiteral("100"));
    w.model().persons[0] = QStringLiteral("100");
    env.ui.expectMessage(QStringLiteral("Categoria 1: il numero di persone deve essere un numero intero da 0 a 99"));
    EXPECT_FALSE(w.saveAction());
    w.model().persons[0] = QStringLiteral("2");
    crew::recompute(w.model());
    EXPECT_TRUE(w.saveAction());
    return int(QDialog::Accepted);
  });
  EXPECT_TRUE(lots->CostiClick());
  EXPECT_EQ(taken, 1250);
  lots->costs = {};
  lots->loadCosts();
  EXPECT_EQ(lots->costs.lire[0], QStringLiteral("37486"));
  EXPECT_EQ(lots->costs.eur[0], QStringLiteral("19.36"));
  EXPECT_EQ(taken, 1250);
  EXPECT_TRUE(env.ui.allAnswersTaken());
}

TEST_F(LotsFixture, TheCompanyHeaderKeepsItsFirstFourLines) {
  lots->loadCompanyHeader();
  env.ui.queueDialog([](QDialog& d) {
    auto& w = static_cast<TImpAzienda&>(d);
    EXPECT_EQ(w.Memo1->textCursor().position(), 1) << "the caret after the first character";
    w.Memo1->setPlainText(QStringLiteral("Frutta Rossi srl\nVia Roma 1\n37100 Verona\nTel 045 123456\nquinta"));
    return int(w.saveAction() ? QDialog::Accepted : QDialog::Rejected);
  });
  EXPECT_TRUE(lots->AziendaClick());
  EXPECT_EQ(lots->companyHeader.size(), 4);
  EXPECT_EQ(lots->companyHeader[3].trimmed(), QStringLiteral("Tel 045 123456"));
  EXPECT_EQ(env.readFile(QStringLiteral("pilto.az")).size(), 96);
}
