#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include "config/machineconfig.h"
#include "db/databaseacc.h"
#include "link/cSelvik.h"
#include "programs/programcommands.h"
#include "programs/programs.h"
#include "programs/tlistaprogrammi.h"
#include "programs/tnewprogram.h"
#include "sim/ptypeer.h"
#include "sim/simboard.h"
#include "support/testenv.h"

namespace {

struct Display : ProgramDisplay {
  QString description;
  QMap<QPair<int, int>, QPair<QString, QString>> classes;
  int noProgram = 0;
  QString missing;
  void showProgramDescription(const QString& d) override { description = d; }
  void showMissingProgram(int, const QString& text) override { missing = text; }
  void showClass(int c, int q, const QString& name, const QString& range) override { classes[{c, q}] = {name, range}; }
  void showNoProgram() override { ++noProgram; }
};

// The program subsystem on a fresh SQLite archive.
struct ProgramsFixture : ::testing::Test {
  TestEnv env;
  MachineConfig config;
  TDataModule1 data{TDatabase::parse(QStringLiteral("sqlite:tavikdata.sqlite"), env.workDir), env.ui};
  TNewProgram editor{env.ui};
  TListaProgrammi list;
  Programs programs{data, &editor, &list, config, env.ui};
  ProgramCommands commands{programs, editor, list, env.ui};
  Display display;

  // The board runs `currentProgram`, last seen in `lastBoardState`; an edit of it goes to
  // the board as the station hands it over.
  int currentProgram = 0;
  int lastBoardState = 0;

  void SetUp() override {
    ASSERT_FALSE(data.Database1.createTables().has_value());
    programs.setDisplay(&display);
    commands.currentProgram = [this] { return currentProgram; };
    commands.onCurrentProgramEdited = [this](int n, const ProgramEditorModel& edited) {
      EXPECT_FALSE(programs.SendEditedProgram(n, lastBoardState, edited).has_value());
    };
  }

  // Fills the editor as an operator would: description, class names, boundaries.
  void fill(const QString& description, const QList<int>& bounds, int q = 1) {
    editor.NomeProgramma->setText(description);
    editor.setNeighbourLink(true);
    for (int c = 1; c <= 15; ++c) {
      editor.nomeCal(c, q)->setText(QStringLiteral("K%1").arg(c));
      editor.pesoCalMin(c, q)->setText(QString::number(bounds.value(c - 1)));
    }
    editor.pesoCalMax(15, q)->setText(QString::number(bounds.value(15)));
    editor.Button1Click();
  }
  QList<int> rising(int from, int step) {
    QList<int> b;
    for (int i = 0; i < 16; ++i) b << from + step * i;
    return b;
  }
  bool store(const QString& code, const QString& description, const QList<int>& bounds) {
    programs.ClearEditor();
    fill(description, bounds);
    editor.codprog->setText(code);
    return programs.StoreProgram(code);
  }
};

}  // namespace

TEST(ProgramUnits, WeightsConvertAsTheStationConvertsThem) {
  EXPECT_EQ(program::code(5), QStringLiteral("05"));
  EXPECT_EQ(program::code(42), QStringLiteral("42"));
  EXPECT_EQ(program::toStoredUnits(QStringLiteral("1205"), 10), QStringLiteral("120"));
  EXPECT_EQ(program::toStoredUnits(QStringLiteral("1.5"), 10), QStringLiteral("150"));
  EXPECT_EQ(program::toStoredUnits(QStringLiteral("x.5"), 10), QStringLiteral("0"));
  EXPECT_EQ(program::toStoredUnits(QString(), 10), QString());
  EXPECT_FALSE(program::toStoredUnits(QStringLiteral("12a"), 10).has_value());
  EXPECT_EQ(program::toEditorText(QStringLiteral("120"), 0), QStringLiteral("120"));
  EXPECT_EQ(program::toEditorText(QStringLiteral("12"), 10), QStringLiteral("0120"));
  EXPECT_EQ(program::toEditorText(QStringLiteral("abc"), 10), QStringLiteral("abc")) << "never a made-up 0";
  EXPECT_EQ(program::toRangeText(QStringLiteral("120"), 1), QStringLiteral("0120"));
  EXPECT_EQ(program::toRangeText(QStringLiteral("999"), 20), QStringLiteral("19980"));
}

TEST_F(ProgramsFixture, StoredProgramsComeBackAndShowOnTheMainWindow) {
  QList<int> bounds = rising(120, 30);
  ASSERT_TRUE(store(QStringLiteral("05"), QStringLiteral("Mele Golden"), bounds));
  for (int x = 0; x < 4; ++x) editor.uscita(1, x, 1)->setText(x < 2 ? QStringLiteral("0%1").arg(x + 1) : QStringLiteral("00"));
  ASSERT_TRUE(programs.StoreProgram(QStringLiteral("05")));
  ASSERT_TRUE(programs.LoadProgram(QStringLiteral("05")));
  EXPECT_EQ(programs.buffer.exit(1, 1).trimmed(), QStringLiteral("01020000"));
  EXPECT_EQ(programs.buffer.boundary(1, 1), QStringLiteral("120"));
  EXPECT_EQ(programs.buffer.boundary(16, 1), QStringLiteral("570"));
  EXPECT_EQ(programs.buffer.boundary(16, 2), QStringLiteral("0")) << "empty weights are stored as 0";
  EXPECT_FALSE(programs.LoadProgram(QStringLiteral("77")));
  EXPECT_EQ(programs.buffer.description, QStringLiteral("Mele Golden")) << "the buffer keeps the last program";

  struct Case { int m; QString range1; QString range2; };
  for (const Case& c : {Case{0, "120-150", "150-180"}, Case{1, "0120-0150", "0150-0180"},
                        Case{10, "1200-1500", "1500-1800"}}) {
    config.xmoltiply = c.m;
    programs.ShowCurrentProgram(5);
    EXPECT_EQ(display.description, QStringLiteral("Mele Golden"));
    EXPECT_EQ((display.classes[{1, 1}].second), c.range1) << c.m;
    EXPECT_EQ((display.classes[{2, 1}].second), c.range2) << c.m;
    EXPECT_EQ((display.classes[{15, 1}].first), QStringLiteral("K15"));
  }
  config.xmoltiply = 0;
  EXPECT_EQ((display.classes[{15, 1}].second), QStringLiteral("5400-5700")) << "class 15: boundaries 15 and 16";
  programs.ShowCurrentProgram(0);
  EXPECT_EQ(display.noProgram, 1);

  // m = 10: the editor shows grams; 1205 and 1.5 kg are stored as 120 and 150.
  config.xmoltiply = 10;
  editor.setMultiplier(10);
  programs.ShowProgramInEditor(QStringLiteral("05"));
  EXPECT_EQ(editor.pesoCalMin(1, 1)->text(), QStringLiteral("1200"));
  editor.setNeighbourLink(false);
  editor.pesoCalMin(1, 1)->setText(QStringLiteral("1205"));
  editor.pesoCalMin(2, 1)->setText(QStringLiteral("1.5"));
  ASSERT_TRUE(programs.StoreProgram(QStringLiteral("05")));
  ASSERT_TRUE(programs.LoadProgram(QStringLiteral("05")));
  EXPECT_EQ(programs.buffer.boundary(1, 1), QStringLiteral("120"));
  EXPECT_EQ(programs.buffer.boundary(2, 1), QStringLiteral("150"));
  EXPECT_TRUE(env.ui.shown().isEmpty()) << env.ui.shownTexts().join('\n').toStdString();
}

TEST_F(ProgramsFixture, ProgramsMissingRequiredValuesOrWithBadWeightsAreNotStored) {
  env.ui.expectMessage(QStringLiteral("Il campo 'descrizione' della tabella programmi deve avere un valore"));
  EXPECT_FALSE(store(QStringLiteral("01"), QString(), rising(100, 10)));

  env.ui.clearRecord();
  programs.ClearEditor();
  fill(QStringLiteral("Pere"), rising(100, 10));
  editor.nomeCal(2, 1)->clear();
  env.ui.expectMessage(QStringLiteral("Il campo 'nomecal2q1' della tabella programmi deve avere un valore"));
  EXPECT_FALSE(programs.StoreProgram(QStringLiteral("01")));

  env.ui.clearRecord();
  fill(QStringLiteral("Pere"), rising(100, 10));
  editor.setNeighbourLink(false);
  editor.pesoCalMin(4, 2)->setText(QStringLiteral("1x"));
  env.ui.expectMessage(QStringLiteral("'1x' non è un valore intero valido (peso 4 della qualità 2)"));
  EXPECT_FALSE(programs.StoreProgram(QStringLiteral("01")));
  ASSERT_EQ(env.ui.shown().size(), 1);
  programs.RefreshProgramList();
  EXPECT_TRUE(programs.programList().isEmpty()) << "nothing stored";
}

TEST_F(ProgramsFixture, ProgramLinesCarryTheQualityOfEachWeighingLine) {
  QList<int> bounds = {0, 100, 120, 140, 160, 180, 200, 220, 240, 260, 280, 300, 320, 340, 360, 380};
  ASSERT_TRUE(store(QStringLiteral("07"), QStringLiteral("Pesche"), bounds));
  // Quality 2: other boundaries and exits.
  editor.setNeighbourLink(false);
  for (int c = 1; c <= 15; ++c) editor.pesoCalMin(c, 2)->setText(QString::number(500 + c));
  editor.pesoCalMax(15, 2)->setText(QStringLiteral("999"));
  const QStringList exits = {QStringLiteral("05"), QStringLiteral("06"), QStringLiteral("07"), QStringLiteral("08")};
  for (int x = 0; x < 4; ++x) editor.uscita(2, x, 1)->setText(exits[x]);
  editor.uscita(3, 0, 2)->setText(QStringLiteral("11"));
  ASSERT_TRUE(programs.StoreProgram(QStringLiteral("07")));
  config.qualitaL = {0, 0, 1, 4};  // line 3 grades quality 2, line 4 the reject

  programs.PrepareProgramLines(7);
  const auto& t = programs.transfer;
  EXPECT_TRUE(t.weightLines[0].startsWith("070000100120"));
  EXPECT_EQ(t.weightLines[0].size(), 51);
  EXPECT_EQ(t.exitLines[0][1], QByteArray("02005060708"));
  EXPECT_TRUE(t.weightLines[2].startsWith("072501502"));
  EXPECT_EQ(t.weightLines[2].right(3), QByteArray("999"));
  EXPECT_EQ(t.exitLines[2][2], QByteArray("03211000000"));
  EXPECT_EQ(t.weightLines[3], QByteArray("073")) << "the reject line has no boundaries";
  EXPECT_EQ(t.exitLines[3][0], QByteArray("01300000000"));

  // With m = 10 the editor shows grams; 1500 is sent as 150, a longer value cut to 3.
  config.xmoltiply = 10;
  editor.setMultiplier(10);
  editor.pesoCalMin(2, 1)->setText(QStringLiteral("1500"));
  editor.pesoCalMin(3, 1)->setText(QStringLiteral("9990"));
  programs.PrepareProgramLines(7);
  EXPECT_TRUE(programs.transfer.weightLines[0].startsWith("070000150999"));
}

TEST_F(ProgramsFixture, TheTransferSendsAll52LinesAndTheBoardGradesWithThem) {
  auto* board = new SimBoard();
  PtyPeer peer{std::unique_ptr<SerialDevice>(board)};
  ASSERT_TRUE(peer.start());
  cSelvik link(1, 19200, peer.devicePath(), env.clock, env.ui);
  ASSERT_TRUE(link.Open());

  ASSERT_TRUE(store(QStringLiteral("03"), QStringLiteral("Albicocche"), rising(60, 20)));
  programs.LoadProgramForBoard(3, 0);
  EXPECT_FALSE(programs.transfer.running) << "a board in state 0 gets no transfer";
  programs.LoadProgramForBoard(3, 1);
  ASSERT_TRUE(programs.transfer.running);
  int calls = 0;
  while (programs.transfer.running && calls < 100) {
    programs.transfer.TransferStep(link);
    ++calls;
    if (calls == 4) {
      EXPECT_EQ(programs.transfer.progress, 75);
    }
  }
  EXPECT_EQ(calls, 55);
  EXPECT_EQ(programs.transfer.progress, ProgramTransfer::kEndProgress);

  QList<QByteArray> expected;
  for (const QByteArray& w : programs.transfer.weightLines) expected << "F" + w;
  for (int l = 0; l < 4; ++l)
    for (const QByteArray& g : programs.transfer.exitLines[l]) expected << "G" + g;
  QList<QByteArray> received;
  for (int i = 0; i < 200 && received.size() < 52; ++i) {
    peer.with<SimBoard>([&](SimBoard& b) { received = b.programLines(); });
    if (received.size() < 52) ::usleep(5000);
  }
  EXPECT_EQ(received, expected);
  peer.with<SimBoard>([](SimBoard& b) {
    EXPECT_EQ(b.program(), 3);
    EXPECT_EQ(b.boundary(0, 1), 80);
    EXPECT_EQ(b.boundary(1, 15), 360);
  });
  EXPECT_EQ(env.ui.beepCount(), 0);
}

TEST_F(ProgramsFixture, TheEditorKeepsWeightsInShape) {
  editor.setNeighbourLink(true);
  QLineEdit* f = editor.pesoCalMin(5, 1);
  f->setFocus();
  QTest::keyClicks(f, QStringLiteral("1234"));
  EXPECT_EQ(f->text(), QStringLiteral("123")) << "m = 0 keeps three characters";

  editor.setMultiplier(10);
  struct Case { const char* typed; const char* left; };
  for (const Case& c : {Case{"1234", "1230"}, Case{"1235", "1240"}, Case{"1225", "1220"}, Case{"9996", "9990"}}) {
    f->setText(QString::fromLatin1(c.typed));
    editor.weightLeft(f);
    EXPECT_EQ(f->text(), QString::fromLatin1(c.left)) << c.typed;
  }
  editor.setMultiplier(1);
  f->setText(QStringLiteral("999"));
  editor.weightLeft(f);
  EXPECT_EQ(f->text(), QStringLiteral("999"));
  f->setText(QStringLiteral("9a"));
  env.ui.expectMessage(QStringLiteral("'9a' non è un valore intero valido"));
  editor.weightLeft(f);
  EXPECT_EQ(f->text(), QStringLiteral("9a")) << "stays as typed";
  EXPECT_EQ(env.ui.shown().size(), 1);

  editor.setMultiplier(0);
  editor.pesoCalMax(3, 1)->setText(QStringLiteral("150"));
  EXPECT_EQ(editor.pesoCalMin(4, 1)->text(), QStringLiteral("150"));
  editor.pesoCalMin(4, 1)->setText(QStringLiteral("160"));
  EXPECT_EQ(editor.pesoCalMax(3, 1)->text(), QStringLiteral("160")) << "the copy works both ways";
  editor.pesoCalMin(1, 1)->setText(QStringLiteral("10"));
  editor.pesoCalMax(15, 1)->setText(QStringLiteral("700"));
  EXPECT_EQ(editor.pesoCalMax(1, 1)->text(), QString()) << "no neighbour for the first minimum";
  EXPECT_EQ(editor.pesoCalMin(15, 1)->text(), QString()) << "nor for the last maximum";
  editor.nomeCal(1, 1)->setText(QStringLiteral("ABCDEFG"));
  EXPECT_EQ(editor.nomeCal(1, 1)->text(), QStringLiteral("ABCDEF"));
}

TEST_F(ProgramsFixture, ListCommandsEditCreateAndDelete) {
  ASSERT_TRUE(store(QStringLiteral("01"), QStringLiteral("Uno"), rising(100, 10)));
  ASSERT_TRUE(store(QStringLiteral("02"), QStringLiteral("Due"), rising(100, 10)));
  ASSERT_TRUE(store(QStringLiteral("04"), QStringLiteral("Quattro"), rising(100, 10)));
  programs.RefreshProgramList();
  EXPECT_EQ(list.NumMax->text(), QStringLiteral("   3"));
  EXPECT_EQ(list.ListaBox->item(2)->text(), QStringLiteral("04  Quattro"));
  EXPECT_TRUE(list.ListaBox->font().fixedPitch() || QFontInfo(list.ListaBox->font()).fixedPitch());

  // New: the title announces program 4, whose code is taken, so the gap 03 is used.
  editor.setWindowTitle(QStringLiteral("Programma"));
  env.ui.queueDialog([&](QDialog& d) {
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Modifica programma N. 3"));
    fill(QStringLiteral("Tre"), rising(200, 5));  // ends with "Salva"
    return d.result();
  });
  commands.Nuovo1Click();
  EXPECT_EQ(editor.windowTitle(), QStringLiteral("Programma"));
  programs.RefreshProgramList();
  ASSERT_EQ(programs.programList().size(), 4);
  EXPECT_EQ(programs.programList()[2].text, QStringLiteral("03  Tre"));
  ASSERT_TRUE(programs.LoadProgram(QStringLiteral("04")));
  EXPECT_EQ(programs.buffer.description, QStringLiteral("Quattro")) << "no program was replaced";

  // Edit the program at position 2 while the board runs program 2: stored, shown, sent.
  env.ui.queueDialog([&](QDialog& d) {
    static_cast<TListaProgrammi&>(d).choose(1);
    return d.result();
  });
  env.ui.queueDialog([&](QDialog& d) {
    editor.NomeProgramma->setText(QStringLiteral("Due bis"));
    editor.Button1Click();
    return d.result();
  });
  currentProgram = 2;
  lastBoardState = 4;
  commands.Modifica1Click();
  ASSERT_TRUE(programs.LoadProgram(QStringLiteral("02")));
  EXPECT_EQ(programs.buffer.description, QStringLiteral("Due bis"));
  EXPECT_EQ(display.description, QStringLiteral("Due bis"));
  EXPECT_TRUE(programs.transfer.running);
  programs.transfer.running = false;

  // Cancelling the editor stores nothing.
  env.ui.queueDialog([&](QDialog& d) {
    static_cast<TListaProgrammi&>(d).choose(0);
    return d.result();
  });
  env.ui.queueDialog([&](QDialog&) {
    editor.NomeProgramma->setText(QStringLiteral("mai"));
    return int(QDialog::Rejected);
  });
  currentProgram = 9;
  commands.Modifica1Click();
  ASSERT_TRUE(programs.LoadProgram(QStringLiteral("01")));
  EXPECT_EQ(programs.buffer.description, QStringLiteral("Uno"));
  EXPECT_FALSE(programs.transfer.running);

  // Delete: the current program is refused, another one goes without a question.
  list.setWindowTitle(QStringLiteral("Lista Programmi"));
  env.ui.queueDialog([&](QDialog& d) {
    EXPECT_EQ(d.windowTitle(), QStringLiteral(" Cancella Programma "));
    static_cast<TListaProgrammi&>(d).choose(1);
    return d.result();
  });
  env.ui.expectMessage(QStringLiteral("Il programma è quello corrente; non è possibile cancellarlo!"));
  commands.Cancella1Click(2);
  EXPECT_TRUE(programs.LoadProgram(QStringLiteral("02")));
  EXPECT_EQ(list.windowTitle(), QStringLiteral("Lista Programmi"));
  env.ui.queueDialog([&](QDialog& d) {
    static_cast<TListaProgrammi&>(d).choose(0);
    return d.result();
  });
  commands.Cancella1Click(7);
  EXPECT_FALSE(programs.LoadProgram(QStringLiteral("01")));

  // A program stored under a blank code is removed by "Control dbase".
  ASSERT_TRUE(store(QStringLiteral("  "), QStringLiteral("Guasto"), rising(100, 10)));
  programs.RefreshProgramList();
  const int before = programs.programList().size();
  commands.Controldbase1Click();
  programs.RefreshProgramList();
  EXPECT_EQ(programs.programList().size(), before - 1);
  commands.Controldbase1Click();
  programs.RefreshProgramList();
  EXPECT_EQ(programs.programList().size(), before - 1);
}

TEST_F(ProgramsFixture, ANewProgramIsRefusedWhenAll99CodesAreTaken) {
  TTable& t = data.Table1;
  ASSERT_TRUE(t.Open());
  for (int n = 1; n <= 99; ++n) {
    ASSERT_TRUE(t.Insert());
    t.FieldByName(QStringLiteral("codiceprog")).SetAsString(program::code(n));
    t.FieldByName(QStringLiteral("descrizione")).SetAsString(QStringLiteral("P%1").arg(n));
    for (int b = 1; b <= 16; ++b) t.FieldByName(QStringLiteral("pesocal%1q1").arg(b)).SetAsInteger(b);
    for (int c = 1; c <= 3; ++c) t.FieldByName(QStringLiteral("nomecal%1q1").arg(c)).SetAsString(QStringLiteral("x"));
    ASSERT_TRUE(t.Post());
  }
  t.Close();
  env.ui.expectMessage(QStringLiteral("Sono già memorizzati 99 programmi: cancellarne uno prima di crearne un altro."));
  commands.Nuovo1Click();
  ASSERT_EQ(env.ui.shown().size(), 1);
  EXPECT_TRUE(env.ui.dialogTitles().isEmpty()) << "the editor is not opened";
}

TEST_F(ProgramsFixture, AProgramTypedWithTheKeyboardIsStoredAndReadBackUnchanged) {
  programs.ClearEditor();
  editor.codprog->setText(QStringLiteral("09"));
  editor.show();
  editor.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&editor));
  editor.NomeProgramma->setFocus();
  const auto type = [](const QString& text) { QTest::keyClicks(QApplication::focusWidget(), text); };
  const auto tab = [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); };

  type(QStringLiteral("Kiwi export"));
  tab();
  for (int c = 1; c <= 15; ++c) {
    type(QStringLiteral("C%1").arg(c));
    tab();
  }
  // The minimum of each class; the neighbour copy fills the maximum of the one before.
  for (int c = 1; c <= 15; ++c) {
    ASSERT_EQ(QApplication::focusWidget(), editor.pesoCalMin(c, 1)) << c;
    type(QString::number(60 + 10 * c));
    tab();
  }
  for (int c = 1; c <= 14; ++c) tab();
  ASSERT_EQ(QApplication::focusWidget(), editor.pesoCalMax(15, 1));
  type(QStringLiteral("230"));
  tab();
  ASSERT_EQ(QApplication::focusWidget(), editor.uscita(1, 0, 1));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
  type(QStringLiteral("03"));
  // Quality 2 from the keyboard.
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_2, Qt::AltModifier);
  EXPECT_EQ(editor.PageControl1->currentIndex(), 1);
  EXPECT_EQ(QApplication::focusWidget(), editor.nomeCal(1, 2));
  type(QStringLiteral("Extra"));

  EXPECT_EQ(editor.pesoCalMax(4, 1)->text(), QStringLiteral("110"));
  QTest::mouseClick(editor.Button1, Qt::LeftButton);
  EXPECT_EQ(editor.result(), QDialog::Accepted);
  QTest::qWait(0);
  EXPECT_TRUE(editor.grab().save(QStringLiteral(SCREENSHOT_DIR) + QStringLiteral("/program-editor.png")));
  ASSERT_TRUE(programs.StoreProgram(QStringLiteral("09")));

  ASSERT_TRUE(data.Table1.Open());
  ASSERT_TRUE(data.Table1.FindKey(QStringLiteral("09")));
  EXPECT_EQ(data.Table1.FieldByName(QStringLiteral("descrizione")).AsString(), QStringLiteral("Kiwi export"));
  EXPECT_EQ(data.Table1.FieldByName(QStringLiteral("pesocal16q1")).AsInteger(), 230);
  EXPECT_EQ(data.Table1.FieldByName(QStringLiteral("uscite1q1")).AsString(), QStringLiteral("03000000"));
  data.Table1.Close();

  // What was typed, then read back into a cleared editor.
  QStringList typed;
  for (int q = 1; q <= 4; ++q)
    for (int c = 1; c <= 15; ++c)
      typed << editor.nomeCal(c, q)->text() << editor.pesoCalMin(c, q)->text() << editor.pesoCalMax(c, q)->text();
  programs.ClearEditor();
  editor.codprog->clear();
  programs.ShowProgramInEditor(QStringLiteral("09"));
  QStringList back;
  for (int q = 1; q <= 4; ++q)
    for (int c = 1; c <= 15; ++c)
      back << editor.nomeCal(c, q)->text() << editor.pesoCalMin(c, q)->text() << editor.pesoCalMax(c, q)->text();
  EXPECT_EQ(back, typed);
  EXPECT_EQ(editor.NomeProgramma->text(), QStringLiteral("Kiwi export"));
  EXPECT_EQ(editor.codprog->text(), QStringLiteral("09"));
  EXPECT_EQ(editor.uscita(1, 0, 1)->text(), QStringLiteral("03"));
  EXPECT_EQ(editor.nomeCal(1, 2)->text(), QStringLiteral("Extra"));
  editor.hide();
}

TEST_F(ProgramsFixture, TheLimitOnScreenIsTheLimitTheBoardGets) {
  config.xmoltiply = 10;
  editor.setMultiplier(10);
  fill(QStringLiteral("Mele"), rising(1000, 100));
  editor.setNeighbourLink(true);
  editor.pesoCalMax(3, 1)->setText(QStringLiteral("1235"));
  editor.weightLeft(editor.pesoCalMax(3, 1));
  EXPECT_EQ(editor.pesoCalMax(3, 1)->text(), QStringLiteral("1240"));
  EXPECT_EQ(editor.pesoCalMin(4, 1)->text(), QStringLiteral("1240")) << "the rounding reaches the neighbour";
  ASSERT_FALSE(programs.PrepareProgramLines(7).has_value());
  EXPECT_EQ(programs.transfer.weightLines[0].mid(3 + 3 * 3, 3), QByteArray("124"));

  // From a multiplier of 11 a limit has five digits: shown whole, stored again unchanged.
  config.xmoltiply = 11;
  editor.setMultiplier(11);
  ASSERT_TRUE(store(QStringLiteral("05"), QStringLiteral("Meloni"), rising(1000, 650)));  // up to 10750 g
  ASSERT_TRUE(programs.LoadProgram(QStringLiteral("05")));
  const QString limit = programs.buffer.boundary(16, 1);
  ASSERT_TRUE(programs.ShowProgramInEditor(QStringLiteral("05")));
  EXPECT_EQ(limit, QStringLiteral("977"));
  EXPECT_EQ(editor.pesoCalMax(15, 1)->text(), QStringLiteral("10747")) << "five digits, whole";
  ASSERT_TRUE(programs.StoreProgram(QStringLiteral("05")));
  ASSERT_TRUE(programs.LoadProgram(QStringLiteral("05")));
  EXPECT_EQ(programs.buffer.boundary(16, 1), limit) << "a second save changes no limit";

  // Not a whole number of 0 or more: refused in its field, whatever the multiplier.
  for (int m : {0, 10}) {
    editor.setMultiplier(m);
    QLineEdit* f = editor.pesoCalMin(2, 1);
    f->setText(QStringLiteral("-5"));
    env.ui.expectMessage(QStringLiteral("'-5' non è un valore intero valido"));
    editor.weightLeft(f);
    EXPECT_EQ(f->text(), QStringLiteral("-5")) << "stays as typed, m = " << m;
  }
}

TEST_F(ProgramsFixture, RowsThatDoNotFitTheBoardAreRefusedForSendingNamingClassAndField) {
  struct Case { const char* column; const char* value; QString message; };
  const QString head = QStringLiteral("Il programma 06 non può essere inviato alla centralina: qualità 1, ");
  const Case cases[] = {
      {"pesocal3q1", "-5", head + QStringLiteral("classe 3, peso minimo '-5' non valido (ci vuole un numero intero da 0 a 999)")},
      {"pesocal16q1", "123456", head + QStringLiteral("classe 15, peso massimo '123456' non valido (ci vuole un numero intero da 0 a 999)")},
      {"uscite2q1", "'ZZ000000'", head + QStringLiteral("classe 2, uscita a 'ZZ' non valido (ci vogliono due cifre)")},
      {"uscite4q1", "NULL", head + QStringLiteral("classe 4, uscita a '' non valido (ci vogliono due cifre)")},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(store(QStringLiteral("06"), QStringLiteral("Kiwi"), rising(100, 10)));
    ASSERT_TRUE(data.Database1.Connect());
    QSqlQuery q(data.Database1.db());
    ASSERT_TRUE(q.exec(QStringLiteral("UPDATE programmi SET %1 = %2").arg(QLatin1String(c.column), QLatin1String(c.value))));
    programs.transfer.weightLines[0] = "before";
    const Programs::BoardLoad load = programs.LoadProgramForBoard(6, 4);
    EXPECT_EQ(load.result, Programs::BoardLoad::Refused) << c.column;
    EXPECT_EQ(load.message, c.message);
    EXPECT_FALSE(programs.transfer.running);
    EXPECT_EQ(programs.transfer.weightLines[0], QByteArray("before")) << "nothing cut, padded or half prepared";
    programs.DeleteProgram(QStringLiteral("06"));
  }
  // A line grading quality 2, which this program leaves empty, refuses it as well.
  config.qualitaL[1] = 1;
  ASSERT_TRUE(store(QStringLiteral("06"), QStringLiteral("Kiwi"), rising(100, 10)));
  EXPECT_EQ(programs.LoadProgramForBoard(6, 4).result, Programs::BoardLoad::Loaded) << "empty weights were saved as 0";
  ASSERT_TRUE(data.Database1.Connect());
  QSqlQuery q(data.Database1.db());
  ASSERT_TRUE(q.exec(QStringLiteral("UPDATE programmi SET pesocal1q2 = NULL")));
  EXPECT_EQ(programs.LoadProgramForBoard(6, 4).message,
            QStringLiteral("Il programma 06 non può essere inviato alla centralina: qualità 2, classe 1, peso minimo '' non "
                           "valido (ci vuole un numero intero da 0 a 999)"));
  // With a weight multiplier a limit that is text is refused too, never sent as 0.
  config.xmoltiply = 10;
  ASSERT_TRUE(q.exec(QStringLiteral("UPDATE programmi SET pesocal1q2 = 0, pesocal5q1 = 'abc'")));
  EXPECT_EQ(programs.LoadProgramForBoard(6, 4).message,
            QStringLiteral("Il programma 06 non può essere inviato alla centralina: qualità 1, classe 5, peso minimo 'abc' non "
                           "valido (ci vuole un numero intero da 0 a 9990)"));
  config.xmoltiply = 0;
  EXPECT_EQ(programs.LoadProgramForBoard(8, 4).result, Programs::BoardLoad::Missing);
  EXPECT_EQ(display.missing, QStringLiteral("Programma 08 non presente in archivio"));
}

TEST_F(ProgramsFixture, AnotherStationsWorkIsNeverOverwritten) {
  ASSERT_TRUE(store(QStringLiteral("01"), QStringLiteral("Uno"), rising(100, 10)));
  ASSERT_TRUE(store(QStringLiteral("02"), QStringLiteral("Due"), rising(100, 10)));
  TDataModule1 other(TDatabase::parse(QStringLiteral("sqlite:tavikdata.sqlite"), env.workDir), env.ui);
  const auto otherStores = [&](const QString& code, const QString& description) {
    TTable& t = other.Table1;
    ASSERT_TRUE(t.Open());
    if (t.FindKey(code)) ASSERT_TRUE(t.Edit());
    else {
      ASSERT_TRUE(t.Insert());
      t.FieldByName(QStringLiteral("codiceprog")).SetAsString(code);
      for (int b = 1; b <= 16; ++b) t.FieldByName(QStringLiteral("pesocal%1q1").arg(b)).SetAsInteger(b);
      for (int c = 1; c <= 3; ++c) t.FieldByName(QStringLiteral("nomecal%1q1").arg(c)).SetAsString(QStringLiteral("x"));
    }
    t.FieldByName(QStringLiteral("descrizione")).SetAsString(description);
    ASSERT_TRUE(t.Post());
    t.Close();
  };

  // "Nuovo" announces 03; another station stores 03 while the operator types.
  env.ui.queueDialog([&](QDialog& d) {
    otherStores(QStringLiteral("03"), QStringLiteral("Loro"));
    env.ui.expectMessage(QStringLiteral("Il codice 03 è stato usato nel frattempo da un'altra stazione: il programma è salvato con il codice 04."));
    fill(QStringLiteral("Nostro"), rising(200, 5));
    return d.result();
  });
  commands.Nuovo1Click();
  ASSERT_TRUE(programs.LoadProgram(QStringLiteral("03")));
  EXPECT_EQ(programs.buffer.description, QStringLiteral("Loro"));
  ASSERT_TRUE(programs.LoadProgram(QStringLiteral("04")));
  EXPECT_EQ(programs.buffer.description, QStringLiteral("Nostro"));

  // An edit of program 01 while another station changes its description: refused with the
  // conflict message, the editor stays open with what was typed.
  const QString conflict = QStringLiteral("Il record della tabella programmi è stato modificato o cancellato da un'altra stazione: "
                                          "la modifica non è stata salvata. Rileggere i dati e riprovare.");
  env.ui.queueDialog([&](QDialog& d) {
    static_cast<TListaProgrammi&>(d).choose(0);
    return d.result();
  });
  env.ui.queueDialog([&](QDialog&) {
    otherStores(QStringLiteral("01"), QStringLiteral("Loro uno"));
    editor.NomeProgramma->setText(QStringLiteral("Nostro uno"));
    env.ui.expectMessage(conflict);
    editor.Button1Click();
    EXPECT_FALSE(editor.saved()) << "a refused save keeps the editor open";
    EXPECT_EQ(editor.NomeProgramma->text(), QStringLiteral("Nostro uno"));
    // Nor does an empty description close it.
    editor.NomeProgramma->clear();
    env.ui.expectMessage(QStringLiteral("Il campo 'descrizione' della tabella programmi deve avere un valore"));
    editor.Button1Click();
    EXPECT_FALSE(editor.saved());
    return int(QDialog::Rejected);
  });
  currentProgram = 9;
  lastBoardState = 0;
  commands.Modifica1Click();
  ASSERT_TRUE(programs.LoadProgram(QStringLiteral("01")));
  EXPECT_EQ(programs.buffer.description, QStringLiteral("Loro uno"));
  EXPECT_TRUE(env.ui.allAnswersTaken());
}
