#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTimer>
#include <QTest>
#include <gtest/gtest.h>

#include "app/tmain.h"
#include "db/databaseacc.h"
#include "link/portmap.h"
#include "lots/costs.h"
#include "lots/producers.h"
#include "lots/tlistabolla.h"
#include "lots/tmoddati.h"
#include "lots/tnewbolla.h"
#include "lots/tricercabolle.h"
#include "export/expfildata.h"
#include "programs/programs.h"
#include "support/testenv.h"

namespace {

// The station with an archive of three programs and three producers, and no board.
struct LotsWindowFixture : ::testing::Test {
  TestEnv env;
  StationEnvironment station{env.workDir, *env.store, env.ui, env.clock, *env.log, {}};
  std::unique_ptr<TDataModule1> data;
  std::unique_ptr<TMain> main;

  void SetUp() override {
    ASSERT_TRUE(PortMap::publish(*env.store, 1, env.path(QStringLiteral("no-board"))));
    env.noDevices();
    data = std::make_unique<TDataModule1>(TDatabase::parse(QStringLiteral("sqlite:tavikdata.sqlite"), env.workDir),
                                          env.ui);
    ASSERT_FALSE(data->Database1.createTables().has_value());
    QSqlQuery q(data->Database1.db());
    for (const char* code : {"01", "03", "07"}) {
      QString columns = QStringLiteral("codiceprog, descrizione"), values = QStringLiteral("'%1', 'Programma %1'").arg(code);
      for (int b = 1; b <= 16; ++b) {
        columns += QStringLiteral(", pesocal%1q1").arg(b);
        values += QStringLiteral(", %1").arg(100 + 20 * b);
      }
      for (int c = 1; c <= 15; ++c) {
        columns += QStringLiteral(", nomecal%1q1").arg(c);
        values += QStringLiteral(", 'K%1'").arg(c);
      }
      ASSERT_TRUE(q.exec(QStringLiteral("INSERT INTO programmi (%1) VALUES (%2)").arg(columns, values)));
    }
    for (int n = 1; n <= 3; ++n)
      ASSERT_TRUE(q.exec(QStringLiteral("INSERT INTO produttori (num, codice, descrizione) VALUES (%1, '%1', 'Azienda %1')").arg(n)));
  }
  void TearDown() override {
    if (main) main->close();
    main.reset();
  }
  void start(bool lotInProgress = false) {
    if (!lotInProgress) env.ui.expectMessage(QStringLiteral("Bolla temporanea non presente!"));
    main = std::make_unique<TMain>(station);
    main->show();
    main->timer1()->stop();
  }
  void menu(const char* action) { main->own<QAction>(QString::fromLatin1(action))->trigger(); }
  int lots() {
    QSqlQuery q(data->Database1.db());
    EXPECT_TRUE(q.exec(QStringLiteral("SELECT COUNT(*) FROM bolle")));
    return q.next() ? q.value(0).toInt() : -1;
  }
  QVariantList row(int num, const QString& columns) {
    QSqlQuery q(data->Database1.db());
    EXPECT_TRUE(q.exec(QStringLiteral("SELECT %1 FROM bolle WHERE num = %2").arg(columns).arg(num)));
    QVariantList values;
    if (q.next())
      for (int i = 0; i < q.record().count(); ++i) values << q.value(i);
    return values;
  }
  // Picks an entry of a list window with the keyboard, as an operator does.
  static int pickWithKeyboard(QDialog& d, int downs) {
    d.show();
    auto* list = d.findChild<QListWidget*>(QStringLiteral("ListaBox"));
    list->setFocus();
    list->setCurrentRow(0);
    for (int i = 0; i < downs; ++i) QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    return d.result();
  }
  static void shot(QWidget& w, const char* name) {
    EXPECT_TRUE(w.grab().save(QStringLiteral(SCREENSHOT_DIR "/") + QString::fromLatin1(name)));
  }
};

}  // namespace

TEST_F(LotsWindowFixture, ALotIsCreatedByHandEditedAndDeleted) {
  start();
  // New: program 07 and producer 2 chosen, two totals and the delivery note typed.
  env.ui.queueDialog([&](QDialog& d) {
    auto& w = static_cast<TNewBolla&>(d);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Nuova Bolla N:    1"));
    w.show();
    EXPECT_EQ(w.NProgramma->text(), QStringLiteral("01")) << "the label names the program the choice shows";
    EXPECT_FALSE(w.Corr->isChecked());
    QTest::keyClicks(w.Numero, QStringLiteral("B-4711"));
    w.Programma->setFocus();
    QTest::keyClick(w.Programma, Qt::Key_Down);
    QTest::keyClick(w.Programma, Qt::Key_Down);
    EXPECT_EQ(w.NProgramma->text(), QStringLiteral("07"));
    EXPECT_EQ(w.findChild<QLabel*>(QStringLiteral("PesoCal1Q1"))->text(), QStringLiteral("0120-0140"));
    QTest::mouseClick(w.Cambia, Qt::LeftButton);
    EXPECT_EQ(w.CodProd->text(), QStringLiteral("2"));
    EXPECT_EQ(w.NomeProd->text(), QStringLiteral("Azienda 2"));
    w.totC(1, 1)->selectAll();
    QTest::keyClicks(w.totC(1, 1), QStringLiteral("1000"));
    QTest::keyClick(w.totC(1, 1), Qt::Key_Return);
    w.totC(2, 1)->selectAll();
    QTest::keyClicks(w.totC(2, 1), QStringLiteral("3000"));
    QTest::keyClick(w.totC(2, 1), Qt::Key_Return);
    EXPECT_EQ(w.findChild<QLabel*>(QStringLiteral("TotP2Q1"))->text(), QStringLiteral("75.00"));
    EXPECT_EQ(w.findChild<QLineEdit*>(QStringLiteral("Totale"))->text().trimmed(), QStringLiteral("4000"));
    QTest::keyClicks(w.Note, QStringLiteral("prima riga"));
    QTest::keyClick(w.Note, Qt::Key_Return);
    QTest::keyClicks(w.Note, QStringLiteral("seconda"));
    QTest::keyClicks(w.TotalePart, QStringLiteral("900"));
    shot(w, "lot-editor.png");
    QTest::mouseClick(w.Salva, Qt::LeftButton);
    return d.result();
  });
  env.ui.queueDialog([&](QDialog& d) {
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Lista Produttori"));
    EXPECT_EQ(static_cast<ListWindow&>(d).Label2->text(), QStringLiteral("selezionare il produttore"));
    return pickWithKeyboard(d, 1);
  });
  menu("NuovaBolla1");
  ASSERT_EQ(lots(), 1);
  const QVariantList stored = row(1, QStringLiteral("programma, bolla, produttore, note, tot1q1, tot2q1, totq5, totpartita"));
  ASSERT_EQ(stored.size(), 8);
  EXPECT_EQ(stored[0].toString().trimmed(), QStringLiteral("07"));
  EXPECT_EQ(stored[1].toString(), QStringLiteral("B-4711"));
  EXPECT_EQ(stored[2].toString(), QStringLiteral("2"));
  EXPECT_EQ(stored[3].toString(), QStringLiteral("prima rigaseconda"));
  EXPECT_EQ(stored[4].toLongLong(), 1000);
  EXPECT_EQ(stored[5].toLongLong(), 3000);
  EXPECT_EQ(stored[6].toLongLong(), 0);
  EXPECT_EQ(stored[7].toLongLong(), 900);

  // Edit: the lot from the list, a total corrected, the projection looked at and left.
  env.ui.queueDialog([&](QDialog& d) {
    auto& list = static_cast<TListaBolla&>(d);
    EXPECT_EQ(list.NumMax->text(), QStringLiteral("    1"));
    EXPECT_TRUE(list.ListaBox->item(0)->text().endsWith(QStringLiteral(" 07 B-4711 2 Azienda 2")))
        << list.ListaBox->item(0)->text().toStdString();
    shot(d, "lot-list.png");
    return pickWithKeyboard(d, 0);
  });
  env.ui.queueDialog([&](QDialog& d) {
    auto& w = static_cast<TNewBolla&>(d);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Modifica Bolla N:  1"));
    w.show();
    EXPECT_EQ(w.Numero->text(), QStringLiteral("B-4711"));
    EXPECT_EQ(w.Programma->currentIndex(), 2);
    EXPECT_EQ(w.NomeProd->text(), QStringLiteral("Azienda 2"));
    QTest::mouseClick(w.Corr, Qt::LeftButton);
    EXPECT_EQ(w.totC(1, 1)->text().trimmed(), QStringLiteral("225"));
    EXPECT_FALSE(w.totC(1, 1)->isEnabled());
    QTest::mouseClick(w.Corr, Qt::LeftButton);
    w.totC(1, 1)->selectAll();
    QTest::keyClicks(w.totC(1, 1), QStringLiteral("1500"));
    QTest::mouseClick(w.Salva, Qt::LeftButton);
    return d.result();
  });
  menu("ModificaBolla1");
  EXPECT_EQ(lots(), 1);
  EXPECT_EQ(row(1, QStringLiteral("tot1q1")).value(0).toLongLong(), 1500);
  EXPECT_EQ(row(1, QStringLiteral("tot2q1")).value(0).toLongLong(), 3000);

  // A second lot announced as 2 while another station stores lot 2: both lots exist.
  env.ui.queueDialog([&](QDialog& d) {
    auto& w = static_cast<TNewBolla&>(d);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Nuova Bolla N:    2"));
    w.show();
    QTest::keyClicks(w.Numero, QStringLiteral("B-9"));
    TDataModule1 other(TDatabase::parse(QStringLiteral("sqlite:tavikdata.sqlite"), env.workDir), env.ui);
    QSqlQuery q(other.Database1.db());
    other.Database1.Connect();
    EXPECT_TRUE(QSqlQuery(other.Database1.db())
                    .exec(QStringLiteral("INSERT INTO bolle (num, data, bolla) VALUES (2, '2026-12-11 08:00:00.000', 'ALTRA')")));
    other.Database1.Disconnect();
    env.ui.expectMessage(QStringLiteral("La bolla è stata registrata con il numero 3: il numero 2 è stato preso nel frattempo"));
    QTest::mouseClick(w.Salva, Qt::LeftButton);
    return d.result();
  });
  menu("NuovaBolla1");
  EXPECT_EQ(lots(), 3);
  EXPECT_EQ(row(2, QStringLiteral("bolla")).value(0).toString(), QStringLiteral("ALTRA"));
  EXPECT_EQ(row(3, QStringLiteral("bolla")).value(0).toString(), QStringLiteral("B-9"));

  // A lot without its delivery note is refused and what was typed stays.
  env.ui.queueDialog([&](QDialog& d) {
    auto& w = static_cast<TNewBolla&>(d);
    w.show();
    QTest::keyClicks(w.NomeProd, QStringLiteral("a mano"));
    env.ui.expectMessage(QStringLiteral("Il campo 'bolla' della tabella bolle deve avere un valore"));
    QTest::mouseClick(w.Salva, Qt::LeftButton);
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.NomeProd->text(), QStringLiteral("a mano"));
    w.reject();
    return d.result();
  });
  menu("NuovaBolla1");
  EXPECT_EQ(lots(), 3);

  // Delete: the chosen lot goes at once.
  env.ui.queueDialog([&](QDialog& d) { return pickWithKeyboard(d, 1); });
  menu("CancellaBolla1");
  EXPECT_EQ(lots(), 2);
  EXPECT_TRUE(row(2, QStringLiteral("bolla")).isEmpty());
  EXPECT_TRUE(env.ui.allAnswersTaken());
}

TEST_F(LotsWindowFixture, TheLotDataOfF3ReachTheMainWindowAndACancelPutsThemBack) {
  start();
  auto* numBolla = main->own<QLineEdit>(QStringLiteral("numBolla"));
  numBolla->setText(QStringLiteral("77"));
  QTest::keyClick(numBolla, Qt::Key_Return);
  env.ui.queueDialog([&](QDialog& d) {
    auto& w = static_cast<TModDati&>(d);
    w.show();
    EXPECT_EQ(w.Numero->text(), QStringLiteral("77")) << "Enter in the main window's field took it";
    QTest::keyClicks(w.Note, QStringLiteral("calibro piccolo"));
    QTest::mouseClick(w.Cambia, Qt::LeftButton);
    EXPECT_EQ(w.Descrizione->text(), QStringLiteral("Azienda 3"));
    w.totPartita->selectAll();
    QTest::keyClicks(w.totPartita, QStringLiteral("1200"));
    shot(w, "lot-data.png");
    QTest::mouseClick(w.Salva, Qt::LeftButton);
    return d.result();
  });
  env.ui.queueDialog([&](QDialog& d) { return pickWithKeyboard(d, 2); });
  main->FormKeyDown(Qt::Key_F3);
  EXPECT_EQ(main->own<QLineEdit>(QStringLiteral("totPartita"))->text(), QStringLiteral("1200"));
  Lots& lots = *main->station().lots();
  EXPECT_EQ(lots.lotData.codice, QStringLiteral("3"));

  env.ui.queueDialog([&](QDialog& d) {
    auto& w = static_cast<TModDati&>(d);
    w.show();
    QTest::keyClicks(w.Note, QStringLiteral(" e medio"));
    w.totPartita->selectAll();
    QTest::keyClicks(w.totPartita, QStringLiteral("900"));
    w.reject();
    return d.result();
  });
  main->FormKeyDown(Qt::Key_F3);
  EXPECT_EQ(lots.lotData.note, QStringLiteral("calibro piccolo")) << "a cancelled note is put back";
  EXPECT_EQ(lots.lotData.totPartita, QStringLiteral("900")) << "the quantity typed stays";
  EXPECT_EQ(main->own<QLineEdit>(QStringLiteral("totPartita"))->text(), QStringLiteral("1200"));
}

TEST_F(LotsWindowFixture, ProducersAreKeptFromTheirMenu) {
  start();
  env.ui.queueDialog([&](QDialog& d) {
    auto& w = static_cast<TProduttori&>(d);
    EXPECT_EQ(w.Edit1->text(), QStringLiteral("4"));
    w.show();
    QTest::keyClicks(w.Edit2, QStringLiteral("Verdi Frutta"));
    shot(w, "producer.png");
    QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("Salva")), Qt::LeftButton);
    return d.result();
  });
  menu("NuovoProduttore1");
  // Edit: whatever code is typed, producer 4 keeps its number.
  env.ui.queueDialog([&](QDialog& d) {
    auto& list = static_cast<ListWindow&>(d);
    EXPECT_EQ(list.ListaBox->item(3)->text(), QStringLiteral("(   4) Verdi Frutta"));
    shot(d, "producer-list.png");
    return pickWithKeyboard(d, 3);
  });
  env.ui.queueDialog([&](QDialog& d) {
    auto& w = static_cast<TProduttori&>(d);
    w.show();
    EXPECT_EQ(w.Edit2->text(), QStringLiteral("Verdi Frutta"));
    w.Edit1->setText(QStringLiteral("99"));
    w.Edit2->setText(QStringLiteral("Verdi & figli"));
    QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("Salva")), Qt::LeftButton);
    return d.result();
  });
  menu("ModificaProduttore1");
  Producers producers(*data);
  EXPECT_EQ(producers.loadProducer(QStringLiteral("4")), QStringLiteral("Verdi & figli"));
  EXPECT_FALSE(producers.loadProducer(QStringLiteral("99")).has_value());
  env.ui.queueDialog([&](QDialog& d) { return pickWithKeyboard(d, 0); });
  menu("CancellaProduttore1");
  EXPECT_FALSE(producers.loadProducer(QStringLiteral("1")).has_value());
  EXPECT_FALSE(main->own<QAction>(QStringLiteral("AzzeraProduttori1"))->isEnabled());

  // The settings dialogs of the installation menu.
  env.ui.queueDialog([&](QDialog& d) {
    auto& w = static_cast<TImpCosti&>(d);
    w.show();
    QTest::keyClicks(w.NPers[0], QStringLiteral("2"));
    w.CostoE[0]->selectAll();
    QTest::keyClicks(w.CostoE[0], QStringLiteral("12.50"));
    shot(w, "costs.png");
    QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("Salva")), Qt::LeftButton);
    return d.result();
  });
  menu("CostiPersonale1");
  EXPECT_EQ(main->runState().costPerMinute, 807) << "2 x 24203 lire an hour, by the minute";
  env.ui.queueDialog([&](QDialog& d) {
    auto& w = static_cast<TImpAzienda&>(d);
    w.show();
    w.Memo1->setPlainText(QStringLiteral("Cooperativa Ortofrutta\nVia dei Campi 12\n48018 Faenza (RA)\nTel 0546 000000"));
    shot(w, "company.png");
    QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("Salva")), Qt::LeftButton);
    return d.result();
  });
  menu("DatiAzienda1");
  EXPECT_EQ(main->station().lots()->companyHeader.value(2).trimmed(), QStringLiteral("48018 Faenza (RA)"));
}

TEST_F(LotsWindowFixture, TheArchiveIsEmptiedOnlyWithoutALotInProgressOrWithBolleDat) {
  QSqlQuery q(data->Database1.db());
  ASSERT_TRUE(q.exec(QStringLiteral("INSERT INTO bolle (num, data, bolla) VALUES (1, '2026-12-11 08:00:00.000', 'X')")));
  ASSERT_TRUE(q.exec(QStringLiteral("INSERT INTO \"temporary\" (programma, produttore) VALUES (1, '00000')")));
  start(true);
  env.ui.expectMessage(QStringLiteral("Cancellazione non possibile, Bolla precedente in corso."));
  menu("AzzeramentoBolle1");
  EXPECT_EQ(lots(), 1);
  env.writeFile(QStringLiteral("bolle.dat"), "");
  env.ui.expectMessage(QStringLiteral("Cancellare archivio Bolle? non sarà possibile recuperarlo."), ModalUi::Answer::No);
  menu("AzzeramentoBolle1");
  EXPECT_EQ(lots(), 1);
  env.ui.expectMessage(QStringLiteral("Cancellare archivio Bolle? non sarà possibile recuperarlo."), ModalUi::Answer::Yes);
  env.ui.expectMessage(QStringLiteral("Archivio Bolle cancellato!"));
  menu("AzzeramentoBolle1");
  EXPECT_EQ(lots(), 0);
}

TEST_F(LotsWindowFixture, TheArchiveSearchFindsAProducersLotsAndOpensOne) {
  QSqlQuery q(data->Database1.db());
  const char* lots[] = {"(1, '2026-12-01 08:00:00.000', '01', 'A1', '1')", "(2, '2026-12-02 09:00:00.000', '03', 'A2', '2')",
                        "(3, '2026-12-03 10:00:00.000', '01', 'A3', '1')", "(4, '2026-12-04 11:00:00.000', '07', 'A4', '1')"};
  for (const char* lot : lots)
    ASSERT_TRUE(q.exec(QStringLiteral("INSERT INTO bolle (num, data, programma, bolla, produttore) VALUES ") +
                       QString::fromLatin1(lot)));
  start();
  env.ui.queueDialog([&](QDialog& d) {
    auto& w = static_cast<TRicercaBolle&>(d);
    w.show();
    EXPECT_EQ(w.NumMax->text().trimmed(), QStringLiteral("4")) << "every lot at first";
    QTest::keyClicks(w.CodProd, QStringLiteral("1"));
    w.FiltroData->setChecked(true);
    w.DataDa->setDate(QDate(2026, 12, 2));
    w.DataA->setDate(QDate(2026, 12, 4));
    QTest::mouseClick(w.Cerca, Qt::LeftButton);
    EXPECT_EQ(w.NumMax->text().trimmed(), QStringLiteral("2"));
    w.Programma->setCurrentIndex(w.Programma->findData(QStringLiteral("07")));
    QTest::mouseClick(w.Cerca, Qt::LeftButton);
    EXPECT_EQ(w.ListaBox->count(), 1);
    shot(w, "archive-search.png");
    w.selectRow(0);
    QTest::mouseClick(w.Apri, Qt::LeftButton);
    w.reject();
    return d.result();
  });
  env.ui.queueDialog([&](QDialog& d) {
    auto& w = static_cast<TNewBolla&>(d);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Modifica Bolla N:  4"));
    w.show();
    EXPECT_EQ(w.Numero->text(), QStringLiteral("A4"));
    EXPECT_EQ(w.NomeProd->text(), QStringLiteral("Azienda 1"));
    w.reject();
    return d.result();
  });
  menu("OpzioniArchivio1");
  EXPECT_TRUE(env.ui.allAnswersTaken());
}

TEST_F(LotsWindowFixture, TheExitCommandExportsTheDayAndClosesOrStaysOpenWhenTheExportFails) {
  QSqlQuery q(data->Database1.db());
  ASSERT_TRUE(q.exec(QStringLiteral("INSERT INTO bolle (num, data, bolla, produttore) VALUES (1, '%1', 'OGGI', '1')")
                         .arg(TDatabase::dateTimeText(QDateTime::currentDateTime()))));
  // An export folder that is not there: told, and the station stays open.
  env.store->writeText(QStringLiteral("morvel"), QStringLiteral("direxp"), QStringLiteral("d:\\host"));
  start();
  const QString question = QStringLiteral("Vuoi esportare i dati verso AS400 ?");
  env.ui.expectMessage(question, ModalUi::Answer::Yes);
  env.ui.expectMessage(QStringLiteral("La cartella di esportazione d:\\host (%1) non esiste: i dati per l'AS400 non sono "
                                      "stati esportati")
                           .arg(env.path(QStringLiteral("d/host"))));
  menu("fine2");
  QCoreApplication::processEvents();
  EXPECT_FALSE(main->station().closed());
  EXPECT_TRUE(main->isVisible());

  // The default folder: the day's lots are exported and the station closes.
  env.store->writeText(QStringLiteral("morvel"), QStringLiteral("direxp"), QStringLiteral("c:\\camp"));
  main->ApplyConfiguration();
  env.ui.expectMessage(question, ModalUi::Answer::Yes);
  menu("fine2");
  QCoreApplication::processEvents();
  EXPECT_TRUE(main->station().closed());
  QFile exported(env.path(QStringLiteral("c/camp/") + expfil::fileName(QDate::currentDate())));
  ASSERT_TRUE(exported.open(QIODevice::ReadOnly));
  EXPECT_TRUE(exported.readAll().startsWith("    OGGI,"));
  EXPECT_TRUE(env.ui.allAnswersTaken());
}

TEST_F(LotsWindowFixture, TheDateRangeExportTakesWholeDaysAndKeepsTheRangeLastUsed) {
  QSqlQuery q(data->Database1.db());
  ASSERT_TRUE(q.exec(QStringLiteral("INSERT INTO bolle (num, data, bolla) VALUES (1, '2026-03-02 23:59:59.000', 'LAST')")));
  ASSERT_TRUE(q.exec(QStringLiteral("INSERT INTO bolle (num, data, bolla) VALUES (2, '2026-03-03 00:00:00.000', 'AFTER')")));
  start();
  EXPECT_EQ(main->exportRangeWindow().DateTimePicker1->date(), QDate::currentDate()) << "today, the first time";
  env.ui.queueDialog([](QDialog& d) {
    auto& w = static_cast<Texpfiltdata&>(d);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Esporta Bolle con filtro per DATA"));
    w.DateTimePicker1->setDate(QDate(2026, 3, 1));
    w.DateTimePicker2->setDate(QDate(2026, 3, 2));
    w.Button1->click();
    return d.result();
  });
  menu("exportfrom1");
  QFile exported(env.path(QStringLiteral("c/camp/") + expfil::fileName(QDate::currentDate())));
  ASSERT_TRUE(exported.open(QIODevice::ReadOnly));
  const QByteArray content = exported.readAll();
  EXPECT_TRUE(content.startsWith("    LAST,")) << content.constData();
  EXPECT_EQ(content.count("\r\n"), 1);
  EXPECT_EQ(main->exportRangeWindow().DateTimePicker1->date(), QDate(2026, 3, 1)) << "the range last used";
}
