#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QListWidget>
#include <QPrintPreviewDialog>
#include <QProcess>
#include <QSqlQuery>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/tmain.h"
#include "base/text.h"
#include "db/databaseacc.h"
#include "link/portmap.h"
#include "lots/tlistabolla.h"
#include "reports/reports.h"
#include "support/testenv.h"

namespace {

// The text of a PDF, as pdftotext reads it keeping the layout.
QString pdfText(const QString& path) {
  QProcess p;
  p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
  p.waitForFinished(30000);
  return QString::fromUtf8(p.readAllStandardOutput());
}

// The first page of a PDF as a PNG beside the screenshots, to be looked at.
void render(const QString& pdf, const char* name) {
  QProcess p;
  p.start(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("80"),
                                       QStringLiteral("-singlefile"), pdf,
                                       QStringLiteral(SCREENSHOT_DIR "/") + QString::fromLatin1(name)});
  p.waitForFinished(30000);
  EXPECT_EQ(p.exitCode(), 0) << name;
}

// The station with an archive: programs 05 and 07 (weights from 120 g in steps of 30 g),
// producers 1 and 2, a company header, and no board and no printer.
struct ReportsFixture : ::testing::Test {
  TestEnv env;
  StationEnvironment station{env.workDir, *env.store, env.ui, env.clock, *env.log, {}};
  std::unique_ptr<TDataModule1> data;
  std::unique_ptr<TMain> main;

  void SetUp() override {
    ASSERT_FALSE(ReportOutput::printerInstalled()) << "the tests print into PDF files: no printer may be installed";
    ASSERT_TRUE(PortMap::publish(*env.store, 1, env.path(QStringLiteral("no-board"))));
    env.noDevices();
    QByteArray header;
    for (const char* line : {"Cooperativa Ortofrutta", "Via dei Campi 12", "48018 Faenza (RA)", "Tel 0546 000000"})
      header += QByteArray(line).leftJustified(24, ' ');
    env.writeFile(QStringLiteral("pilto.az"), header);
    data = std::make_unique<TDataModule1>(TDatabase::parse(QStringLiteral("sqlite:tavikdata.sqlite"), env.workDir),
                                          env.ui);
    ASSERT_FALSE(data->Database1.createTables().has_value());
    for (const char* code : {"05", "07"}) {
      QString columns = QStringLiteral("codiceprog, descrizione"), values = QStringLiteral("'%1', 'Mele %1'").arg(code);
      for (int q = 1; q <= 4; ++q) {
        for (int b = 1; b <= 16; ++b) {
          columns += QStringLiteral(", pesocal%1q%2").arg(b).arg(q);
          values += QStringLiteral(", %1").arg(90 + 30 * b);
        }
        for (int c = 1; c <= 15; ++c) {
          columns += QStringLiteral(", nomecal%1q%2").arg(c).arg(q);
          values += QStringLiteral(", 'Cal%1-%2'").arg(c).arg(q);
        }
      }
      sql(QStringLiteral("INSERT INTO programmi (%1) VALUES (%2)").arg(columns, values));
    }
    sql(QStringLiteral("INSERT INTO produttori (num, codice, descrizione) VALUES (1, '1', 'Rossi Giovanni')"));
    sql(QStringLiteral("INSERT INTO produttori (num, codice, descrizione) VALUES (2, '2', 'Bianchi Maria')"));
  }
  void TearDown() override {
    if (main) main->close();
    main.reset();
  }
  void sql(const QString& statement) {
    QSqlQuery q(data->Database1.db());
    ASSERT_TRUE(q.exec(statement)) << statement.toStdString();
  }
  // Lot n of producer 1 on `programma`, with the given totals and lot quantity.
  void lot(int n, const char* programma, const QList<std::pair<const char*, int>>& totals, int quantity = 0,
           const char* when = "2026-12-01 09:30:00.000") {
    QString columns = QStringLiteral("num, data, programma, bolla, produttore, note, totpartita");
    QString values = QStringLiteral("%1, '%2', '%3', 'DDT%1', '1', 'nota %1', %4").arg(n).arg(QLatin1String(when),
                                                                                            QLatin1String(programma)).arg(quantity);
    for (const auto& [column, v] : totals) {
      columns += QStringLiteral(", ") + QLatin1String(column);
      values += QStringLiteral(", %1").arg(v);
    }
    sql(QStringLiteral("INSERT INTO bolle (%1) VALUES (%2)").arg(columns, values));
  }
  void start() {
    env.ui.expectMessage(QStringLiteral("Bolla temporanea non presente!"));
    main = std::make_unique<TMain>(station);
    main->show();
    main->timer1()->stop();
  }
  Reports& reports() { return *main->station().reports(); }
  void expectPdf(const QString& name) {
    env.ui.expectMessage(QStringLiteral("Nessuna stampante installata: la stampa è nel file %1").arg(env.path(name)));
  }
  // Prints lot n from the menu "Bolle", with "Partita" as given.
  void printLot(int n, bool partita) {
    env.ui.queueDialog([n, partita](QDialog& d) {
      auto& list = static_cast<TListaBolla&>(d);
      EXPECT_FALSE(list.Partita->isChecked()) << "unticked at every print";
      list.Partita->setChecked(partita);
      EXPECT_TRUE(list.chooseData(n));
      return int(QDialog::Accepted);
    });
    main->own<QAction>(QStringLiteral("StampaBolla1"))->trigger();
  }
};

}  // namespace

TEST_F(ReportsFixture, AStoredLotIsPrintedIntoAPdfWhenNoPrinterIsInstalled) {
  lot(1, "05", {{"tot1q1", 5}});
  lot(3, "5", {{"tot1q1", 1000}, {"tot2q1", 3000}, {"tot1q2", 500}, {"totq5", 500}}, 900);
  lot(4, "07", {{"tot1q1", 7}});
  start();
  expectPdf(QStringLiteral("bolla3.pdf"));
  printLot(3, false);
  ASSERT_TRUE(env.ui.allAnswersTaken());
  const QString text = pdfText(env.path(QStringLiteral("bolla3.pdf")));
  for (const char* expected : {"Cooperativa Ortofrutta", "48018 Faenza (RA)", "STAMPA BOLLA", "Numero Bolla:", "DDT3",
                               "Numero Registrazione :", "Codice Programma :", "Mele 05", "Codice Produttore :",
                               "Rossi Giovanni", "QUALITA 1", "QUALITA 4", "calibro", "peso", "Totali", "Perc.",
                               "Cal1-1", "Cal15-4", "120-150", "540-570", "Totale Generale", "Note:", "nota 3"})
    EXPECT_TRUE(text.contains(QString::fromLatin1(expected))) << expected << "\n" << text.toStdString();
  // Class 1 of quality 1: 1000 g, 20.00 % of 5000 g; quality 1 is 80 %, quality 5 is 10 %.
  EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Cal1-1\\s+120-150\\s+1000\\s+20.00")))) << text.toStdString();
  EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Totale Q1\\s+4000\\s+80\\b")))) << text.toStdString();
  EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Totale Q5\\s+500\\s+10\\b")))) << text.toStdString();
  EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Totale Generale\\s+5000")))) << text.toStdString();
  render(env.path(QStringLiteral("bolla3.pdf")), "report-lot");
}

TEST_F(ReportsFixture, PreviewStampaShowsTheReportInThePreviewInsteadOfPrintingIt) {
  lot(1, "05", {{"tot1q1", 5}});
  start();
  main->own<QCheckBox>(QStringLiteral("PreviewStampa"))->setChecked(true);
  env.ui.queueDialog([](QDialog& d) { return static_cast<ListWindow&>(d).chooseData(1) ? int(QDialog::Accepted) : 0; });
  env.ui.queueDialog([](QDialog& d) {
    EXPECT_NE(qobject_cast<QPrintPreviewDialog*>(&d), nullptr) << "the preview window";
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Bolla 1"));
    return int(QDialog::Accepted);
  });
  main->own<QAction>(QStringLiteral("StampaBolla1"))->trigger();
  EXPECT_FALSE(QFile::exists(env.path(QStringLiteral("bolla1.pdf"))));
  EXPECT_TRUE(env.ui.allAnswersTaken());
}

TEST_F(ReportsFixture, TheProjectionPrintsTheLotsKilogramsAndALotWithoutQuantityItsSample) {
  lot(1, "05", {{"tot1q1", 1}, {"tot2q1", 2}}, 900);
  lot(2, "05", {{"tot1q1", 1}, {"tot2q1", 2}}, 0);
  start();
  const auto projected = reports().storedLotSheet(1, true);
  ASSERT_TRUE(projected.has_value());
  EXPECT_EQ(projected->layout, LotSheet::Layout::stp_totpart);
  EXPECT_EQ(projected->totals[LotSheet::cell(1, 1)], QStringLiteral("299.97"));
  EXPECT_EQ(projected->totals[LotSheet::cell(2, 1)], QStringLiteral("600.03"));
  EXPECT_EQ(projected->qualityTotals[0], QStringLiteral("900.00"));
  EXPECT_EQ(projected->lotQuantity, QStringLiteral("900.00"));
  EXPECT_EQ(projected->percents[LotSheet::cell(1, 1)], QStringLiteral("33.33"));
  EXPECT_EQ(projected->qualityPercents[0], QStringLiteral("100"));
  EXPECT_EQ(projected->qualityPercents[1], QString()) << "the mask ###.## writes no 0";
  EXPECT_EQ(reports().storedLotSheet(2, true)->layout, LotSheet::Layout::QuickRep1) << "no quantity: the sample";

  expectPdf(QStringLiteral("bolla1.pdf"));
  printLot(1, true);
  EXPECT_TRUE(main->station().lots()->model.corr) << "the editor's Partita follows the list's";
  const QString text = pdfText(env.path(QStringLiteral("bolla1.pdf")));
  EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("299.97\\s+Kg\\s+33.33")))) << text.toStdString();
  EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Totale Generale\\s+900.00\\s+Kg")))) << text.toStdString();
  EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Totale Partita\\s+900.00\\s+Kg")))) << text.toStdString();
  EXPECT_FALSE(text.contains(QStringLiteral("Codice Produttore"))) << "the projection has no producer box";
  render(env.path(QStringLiteral("bolla1.pdf")), "report-lot-projected");
}

TEST_F(ReportsFixture, RangesFollowTheWeightMultiplierAndMissingDataAreTold) {
  lot(1, "5", {{"tot1q1", 10}});
  lot(2, "09", {{"tot1q1", 10}});
  env.store->writeText(QStringLiteral("morvel"), QStringLiteral("xmoltiply"), QStringLiteral("10"));
  start();
  const auto sheet = reports().storedLotSheet(1, false);
  ASSERT_TRUE(sheet.has_value());
  EXPECT_EQ(sheet->programDescription, QStringLiteral("Mele 05")) << "programma 5 is program 05";
  EXPECT_EQ(sheet->ranges[LotSheet::cell(1, 1)], QStringLiteral("1200-1500")) << "grams, as the screens show them";
  env.ui.expectMessage(QStringLiteral("Il programma 09 della bolla 2 non è in archivio: la bolla non può essere stampata"));
  EXPECT_FALSE(reports().storedLotSheet(2, false).has_value());
  env.ui.expectMessage(QStringLiteral("La bolla 7 non è più in archivio"));
  EXPECT_FALSE(reports().storedLotSheet(7, false).has_value());
  EXPECT_TRUE(env.ui.allAnswersTaken());
}

TEST_F(ReportsFixture, TheProgramProducerAndInstallationSheetsPrint) {
  lot(1, "05", {{"tot1q1", 1000}, {"tot2q2", 500}, {"totq5", 100}}, 0, "2026-11-03 08:00:00.000");
  lot(2, "07", {{"tot3q1", 2000}}, 0, "2026-11-20 18:30:00.000");
  lot(3, "07", {{"tot3q1", 9999}}, 0, "2026-12-05 07:00:00.000");  // outside the period
  start();
  // Program 07, chosen in the list titled for the print.
  env.ui.queueDialog([](QDialog& d) {
    EXPECT_EQ(d.windowTitle(), QStringLiteral(" Stampa Programma "));
    static_cast<TListaProgrammi&>(d).choose(1);
    return int(QDialog::Accepted);
  });
  expectPdf(QStringLiteral("programma07.pdf"));
  main->own<QAction>(QStringLiteral("StampaProgramma1"))->trigger();
  QString text = pdfText(env.path(QStringLiteral("programma07.pdf")));
  for (const char* expected : {"STAMPA PROGRAMMA", "Programma :", "07", "Descrizione:", "Mele 07", "Qualita 1",
                               "Qualita 4", "calibro", "Pesi", "Cal15-3", "540-570"})
    EXPECT_TRUE(text.contains(QString::fromLatin1(expected))) << expected << "\n" << text.toStdString();
  EXPECT_EQ(main->programList().windowTitle(), QStringLiteral("Lista Programmi"));
  render(env.path(QStringLiteral("programma07.pdf")), "report-program");

  // Producer 1 from 1 to 30 November: two lots and their sums.
  env.ui.queueDialog([](QDialog& d) {
    static_cast<ListWindow&>(d).chooseData(QStringLiteral("1"));
    return int(QDialog::Accepted);
  });
  env.ui.queueDialog([](QDialog& d) {
    auto& w = static_cast<TPeriodoStampa&>(d);
    w.DataDa->setDate(QDate(2026, 11, 1));
    w.DataA->setDate(QDate(2026, 11, 30));
    return int(QDialog::Accepted);
  });
  expectPdf(QStringLiteral("produttore1.pdf"));
  main->own<QAction>(QStringLiteral("StampaProduttore1"))->trigger();
  text = pdfText(env.path(QStringLiteral("produttore1.pdf")));
  for (const char* expected : {"RIEPILOGO BOLLE PRODUTTORE", "Rossi Giovanni", "DDT1", "DDT2", "TOTALE", "2 bolle"})
    EXPECT_TRUE(text.contains(QString::fromLatin1(expected))) << expected << "\n" << text.toStdString();
  EXPECT_FALSE(text.contains(QStringLiteral("DDT3"))) << "outside the period";
  EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("DDT1\\s+05\\s+1000\\s+62.5\\s+500\\s+31.3")))) << text.toStdString();
  EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("TOTALE\\s+2 bolle\\s+3000\\s+83.3")))) << text.toStdString();
  EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("\\b3600\\b")))) << "the grand total";
  render(env.path(QStringLiteral("produttore1.pdf")), "report-producer");

  // The installation, from the configuration; the end of the sample shows its values.
  env.store->writeText(QStringLiteral("morvel"), QStringLiteral("distanza fc"), QStringLiteral("35"));
  env.store->writeText(QStringLiteral("morvel"), QStringLiteral("point gest"), QStringLiteral("12"));
  main->ApplyConfiguration();
  expectPdf(QStringLiteral("installazione.pdf"));
  reports().printInstallation(reports().installationSheet(main->portSelectorItems()));
  text = pdfText(env.path(QStringLiteral("installazione.pdf")));
  for (const char* expected : {"STAMPA INSTALLAZIONE", "Numero Linee =", "Fine Campione", "punto iniz. peso L4 =",
                               "Seriale Centralina =", "sinistra"})
    EXPECT_TRUE(text.contains(QString::fromLatin1(expected))) << expected << "\n" << text.toStdString();
  EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Kappa\\s+L1 =\\s+1000")))) << text.toStdString();
  EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Distanza FC =\\s+35")))) << text.toStdString();
  EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Durata FC =\\s+12")))) << text.toStdString();
  render(env.path(QStringLiteral("installazione.pdf")), "report-installation");
  EXPECT_TRUE(env.ui.allAnswersTaken());
}

TEST(ReportMask, WritesAsTheMaskSays) {
  struct Case { double v; const char* mask; const char* out; };
  for (const Case& c : {Case{100, "###.##", "100"}, Case{12.5, "###.##", "12.5"}, Case{33.333, "###.##", "33.33"},
                        Case{0, "###.##", ""}, Case{0.5, "###.##", ".5"}, Case{7, "##0.00", "7.00"},
                        Case{0, "##0.00", "0.00"}})
    EXPECT_EQ(report::masked(c.v, QString::fromLatin1(c.mask)),
              QString::fromLatin1(c.out).replace(QLatin1Char('.'), text::decimalSeparator()))
        << c.v << " " << c.mask;
}
