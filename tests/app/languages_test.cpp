#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include "app/languages.h"
#include "app/tmain.h"
#include "db/databaseacc.h"
#include "link/portmap.h"
#include "lots/tmoddati.h"
#include "support/testenv.h"

namespace {

// The station without a board, with the language modules of the build beside it.
struct LanguageFixture : ::testing::Test {
  TestEnv env;
  StationEnvironment station{env.workDir, *env.store, env.ui, env.clock, *env.log, {}};

  void SetUp() override {
    ASSERT_TRUE(PortMap::publish(*env.store, 1, env.path(QStringLiteral("no-board"))));
    env.noDevices();
    env.store->writeText(QStringLiteral("morvel"), QStringLiteral("porta_aux"), QStringLiteral("0"));
    TDataModule1 data(TDatabase::parse(QStringLiteral("sqlite:tavikdata.sqlite"), env.workDir), env.ui);
    ASSERT_FALSE(data.Database1.createTables().has_value());
  }
  void installModules(const QStringList& only = {}) {
    const QDir built(QStringLiteral(LANGUAGE_DIR));
    for (const QString& f : built.entryList({QStringLiteral("tavik.*")}, QDir::Files))
      if (only.isEmpty() || only.contains(f)) {
        ASSERT_TRUE(QFile::copy(built.filePath(f), env.path(f))) << f.toStdString();
      }
  }
  std::unique_ptr<TMain> start() {
    env.ui.expectMessage(QStringLiteral("Bolla temporanea non presente!"));
    auto main = std::make_unique<TMain>(station);
    main->show();
    return main;
  }
};

// Every caption the operator reads on the main window: labels, buttons, group and tab
// titles, the menus and their entries.
QStringList captions(TMain& main) {
  QStringList texts;
  for (QLabel* l : main.findChildren<QLabel*>())
    if (l->isVisibleTo(&main) && l->window() == &main) texts << l->text();
  for (QAbstractButton* b : main.findChildren<QAbstractButton*>())
    if (b->isVisibleTo(&main) && b->window() == &main) texts << b->text();
  for (QGroupBox* g : main.findChildren<QGroupBox*>())
    if (g->window() == &main) texts << g->title();
  for (QTabWidget* t : main.findChildren<QTabWidget*>())
    for (int i = 0; i < t->count(); ++i) texts << t->tabText(i);
  std::function<void(QMenu*)> walk = [&](QMenu* m) {
    for (QAction* a : m->actions()) {
      if (!a->isVisible() || a->isSeparator()) continue;
      texts << a->text();
      if (a->menu()) walk(a->menu());
    }
  };
  for (QAction* a : main.menuBar()->actions()) {
    texts << a->text();
    if (a->menu()) walk(a->menu());
  }
  return texts;
}

bool hasWords(const QString& t) {
  int letters = 0;
  for (QChar c : t)
    if (c.isLetter()) ++letters;
  return letters >= 2;
}

}  // namespace

TEST_F(LanguageFixture, EveryLanguageRetranslatesTheMainWindowInPlaceAndItalianComesBack) {
  installModules();
  auto main = start();
  auto* lot = main->own<QLineEdit>(QStringLiteral("numBolla"));
  auto* quantity = main->own<QLineEdit>(QStringLiteral("totPartita"));
  lot->setText(QStringLiteral("4711"));
  quantity->setText(QStringLiteral("1250"));
  main->station().addBarcode(QStringLiteral("8001234567895"));
  const QStringList italian = captions(*main);
  ASSERT_GT(italian.size(), 100);

  // Names, units, codes and words that are the same in the language.
  const QStringList everywhere = {QStringLiteral("Kg"), QStringLiteral("gr"), QStringLiteral("Q1"), QStringLiteral("Q2"),
                                  QStringLiteral("Q3"), QStringLiteral("Q4"), QStringLiteral("Q5")};
  const std::map<QString, QStringList> same = {
      {QStringLiteral("es"), {QStringLiteral("Peso"), QStringLiteral("&Encoder"), QStringLiteral("Italiano")}},
      {QStringLiteral("pt"), {QStringLiteral("Peso"), QStringLiteral("&Encoder"), QStringLiteral("Italiano")}},
      {QStringLiteral("uk"), {QStringLiteral("&Encoder")}},
      {QStringLiteral("fr"), {}},
      {QStringLiteral("de"), {}},
      {QStringLiteral("el"), {}},
  };
  for (int l = 1; l < static_cast<int>(kLanguages.size()); ++l) {
    const QString code = QString::fromLatin1(kLanguages[l].code);
    env.ui.queueAnswer(ModalUi::Answer::Ok);  // the totals shown again: the board is off
    main->own<QAction>(QString::fromLatin1(kLanguages[l].item))->trigger();
    EXPECT_TRUE(env.ui.allAnswersTaken()) << "the totals command ran";
    EXPECT_EQ(main->station().language(), l) << code.toStdString();
    EXPECT_TRUE(main->own<QAction>(QString::fromLatin1(kLanguages[l].item))->isChecked());
    const QStringList now = captions(*main);
    ASSERT_EQ(now.size(), italian.size()) << code.toStdString();
    QStringList unchanged;
    for (int i = 0; i < now.size(); ++i)
      if (hasWords(italian[i]) && now[i] == italian[i] && !everywhere.contains(italian[i])) unchanged << italian[i];
    for (const QString& s : same.at(code)) unchanged.removeAll(s);
    EXPECT_TRUE(unchanged.isEmpty()) << code.toStdString() << ": " << unchanged.join(QStringLiteral(" | ")).toStdString();
    EXPECT_EQ(lot->text(), QStringLiteral("4711"));
    EXPECT_EQ(quantity->text(), QStringLiteral("1250"));
    EXPECT_EQ(main->own<QPlainTextEdit>(QStringLiteral("Memo1"))->toPlainText(), QStringLiteral("8001234567895"));
    EXPECT_TRUE(main->windowTitle().endsWith(QStringLiteral(" / -----"))) << main->windowTitle().toStdString();
    QCoreApplication::processEvents();  // the layouts take the new captions' sizes
    EXPECT_TRUE(main->grab().save(QStringLiteral(SCREENSHOT_DIR "/main-%1.png").arg(code)));
  }
  env.ui.expectMessage(QStringLiteral("La centralina è spenta, accenderla per favore!"));
  main->own<QAction>(QStringLiteral("Italiano1"))->trigger();
  EXPECT_EQ(captions(*main), italian) << "Italian restores every original text";
  EXPECT_EQ(main->windowTitle(), QStringLiteral("Morvel Campionatrice / -----"));
  EXPECT_TRUE(main->grab().save(QStringLiteral(SCREENSHOT_DIR "/main-it.png")));
  EXPECT_EQ(env.store->readText(QStringLiteral("morvel"), QStringLiteral("langinterface"), QString()), QStringLiteral("it"));
  main->close();
}

TEST_F(LanguageFixture, AnOpenDialogFollowsASwitchAndKeepsWhatWasTyped) {
  installModules({QStringLiteral("tavik.DEU")});
  auto main = start();
  env.ui.queueDialog([&](QDialog& d) {
    d.show();
    auto* note = d.findChild<QLineEdit*>();
    EXPECT_NE(note, nullptr);
    if (note) note->setText(QStringLiteral("Kiste 7"));
    const QString title = d.windowTitle();
    env.ui.queueAnswer(ModalUi::Answer::Ok);
    main->station().languageClick(5);  // German, while the window is open
    EXPECT_NE(d.windowTitle(), title);
    if (note) {
      EXPECT_EQ(note->text(), QStringLiteral("Kiste 7"));
    }
    return int(QDialog::Rejected);
  });
  main->own<QAction>(QStringLiteral("Dati1"))->trigger();
  EXPECT_EQ(main->station().language(), 5);
  main->close();
}

TEST_F(LanguageFixture, OnlyModulesThatArePresentCanBeChosenAndAMissingOneChangesNothing) {
  installModules({QStringLiteral("tavik.ENG")});
  // The two-letter fallback: "tavik.DE" for German.
  ASSERT_TRUE(QFile::copy(QStringLiteral(LANGUAGE_DIR "/tavik.DEU"), env.path(QStringLiteral("tavik.DE"))));
  auto main = start();
  EXPECT_TRUE(main->own<QAction>(QStringLiteral("Italiano1"))->isEnabled());
  EXPECT_TRUE(main->own<QAction>(QStringLiteral("Inglese1"))->isEnabled());
  EXPECT_TRUE(main->own<QAction>(QStringLiteral("Tedesco2"))->isEnabled());
  for (const char* off : {"Spagnolo1", "Portoghese1", "Francese1", "greco"})
    EXPECT_FALSE(main->own<QAction>(QString::fromLatin1(off))->isEnabled()) << off;
  EXPECT_FALSE(main->own<QAction>(QStringLiteral("Cinese1"))->isVisible());

  env.ui.queueAnswer(ModalUi::Answer::Ok);
  main->own<QAction>(QStringLiteral("Tedesco2"))->trigger();
  EXPECT_EQ(main->station().language(), 5);
  EXPECT_EQ(main->own<QMenu>(QStringLiteral("Lingua1"))->title(), QStringLiteral("&Sprache"));

  // English goes away under the station's feet: it stays German, German checked and saved.
  main->own<QAction>(QStringLiteral("Inglese1"))->setEnabled(true);
  ASSERT_TRUE(QFile::remove(env.path(QStringLiteral("tavik.ENG"))));
  main->own<QAction>(QStringLiteral("Inglese1"))->trigger();
  EXPECT_EQ(main->station().language(), 5);
  EXPECT_TRUE(main->own<QAction>(QStringLiteral("Tedesco2"))->isChecked());
  EXPECT_FALSE(main->own<QAction>(QStringLiteral("Inglese1"))->isChecked());
  EXPECT_FALSE(main->own<QAction>(QStringLiteral("Inglese1"))->isEnabled());
  EXPECT_EQ(main->own<QMenu>(QStringLiteral("Lingua1"))->title(), QStringLiteral("&Sprache"));
  EXPECT_EQ(env.store->readText(QStringLiteral("morvel"), QStringLiteral("langinterface"), QString()), QStringLiteral("de"));
  EXPECT_TRUE(env.readFile(QStringLiteral("morvel.log")).contains("lingua uk non caricata: tavik.ENG"));
  main->close();
}

TEST_F(LanguageFixture, TheStartUpTakesTheChosenLanguageThenTheInstallersOne) {
  installModules();
  env.store->writeText(QStringLiteral("sarnel"), QStringLiteral("langinterface"), QStringLiteral("pt"));
  {
    auto main = start();
    EXPECT_EQ(main->station().language(), 2) << "the installer's setting when none was chosen";
    EXPECT_TRUE(main->own<QAction>(QStringLiteral("Portoghese1"))->isChecked());
    EXPECT_EQ(main->own<QMenu>(QStringLiteral("Lingua1"))->title(), QStringLiteral("&Idioma"));
    env.ui.queueAnswer(ModalUi::Answer::Ok);
    main->own<QAction>(QStringLiteral("Francese1"))->trigger();
    main->close();
  }
  auto main = start();
  EXPECT_EQ(main->station().language(), 4) << "the language chosen at the station";
  main->close();
  main.reset();
  env.store->writeText(QStringLiteral("morvel"), QStringLiteral("langinterface"), QStringLiteral("xx"));
  auto other = start();
  EXPECT_EQ(other->station().language(), 0) << "a code outside the table switches nothing";
  for (const Language& l : kLanguages) EXPECT_FALSE(other->own<QAction>(QString::fromLatin1(l.item))->isChecked());
  other->close();
}

TEST(Translations, EveryTextOfTheStationIsTranslatedInEveryLanguage) {
  // The texts of the code as they are now.
  QTemporaryDir dir;
  const QString fresh = dir.filePath(QStringLiteral("fresh.ts"));
  QProcess lupdate;
  lupdate.setWorkingDirectory(QStringLiteral(SOURCE_DIR));
  lupdate.start(QStringLiteral(LUPDATE),
                {QStringLiteral("-silent"), QStringLiteral("-I"), QStringLiteral("."), QStringLiteral("app"),
                 QStringLiteral("base"), QStringLiteral("config"), QStringLiteral("db"), QStringLiteral("export"),
                 QStringLiteral("link"), QStringLiteral("lots"), QStringLiteral("programs"), QStringLiteral("reject"),
                 QStringLiteral("reports"), QStringLiteral("sampling"), QStringLiteral("service"), QStringLiteral("setup"),
                 QStringLiteral("-ts"), fresh});
  ASSERT_TRUE(lupdate.waitForFinished(120000));
  const auto read = [](const QString& path, QSet<QString>* unfinished) {
    QSet<QString> messages;
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader x(&f);
    QString context, source;
    while (!x.atEnd()) {
      x.readNext();
      if (!x.isStartElement()) continue;
      if (x.name() == QLatin1String("name")) context = x.readElementText();
      else if (x.name() == QLatin1String("source")) source = x.readElementText();
      else if (x.name() == QLatin1String("translation")) {
        const QString type = x.attributes().value(QLatin1String("type")).toString();
        const QString text = x.readElementText();
        messages.insert(context + QLatin1Char('|') + source);
        if (unfinished && (!type.isEmpty() || text.isEmpty())) unfinished->insert(context + QLatin1Char('|') + source);
      }
    }
    return messages;
  };
  const QSet<QString> code = read(fresh, nullptr);
  ASSERT_GT(code.size(), 400);
  for (const char* l : {"es", "pt", "en", "fr", "de", "el"}) {
    QSet<QString> unfinished;
    const QSet<QString> ts = read(QStringLiteral(SOURCE_DIR "/translations/tavik_%1.ts").arg(QLatin1String(l)), &unfinished);
    const QSet<QString> missing = code - ts;
    EXPECT_TRUE(missing.isEmpty()) << l << " has no entry for: " << QStringList(missing.values()).join(QStringLiteral(" ; ")).toStdString();
    EXPECT_TRUE(unfinished.isEmpty()) << l << " unfinished: " << QStringList(unfinished.values()).join(QStringLiteral(" ; ")).toStdString();
  }
}

namespace {
// The captions of a window that are cut: a label or button narrower than its text.
QStringList clipped(QWidget& window) {
  QStringList cut;
  for (QLabel* l : window.findChildren<QLabel*>()) {
    if (!l->isVisible() || l->wordWrap() || l->text().isEmpty() || !l->pixmap().isNull()) continue;
    const int needed = l->fontMetrics().horizontalAdvance(l->text()) + l->contentsMargins().left() + l->contentsMargins().right();
    if (l->width() + 1 < needed) cut << QStringLiteral("%1 \"%2\" (%3 < %4)").arg(l->objectName(), l->text()).arg(l->width()).arg(needed);
  }
  for (QAbstractButton* b : window.findChildren<QAbstractButton*>()) {
    if (!b->isVisible() || b->text().isEmpty()) continue;
    if (b->width() + 1 < b->minimumSizeHint().width())
      cut << QStringLiteral("%1 \"%2\" (%3 < %4)").arg(b->objectName(), b->text()).arg(b->width()).arg(b->minimumSizeHint().width());
  }
  return cut;
}
}  // namespace

TEST_F(LanguageFixture, EveryWindowHoldsItsLongestCaptionInEveryLanguage) {
  installModules();
  auto main = start();
  QList<QDialog*> windows;
  for (QDialog* d : main->findChildren<QDialog*>())
    if (d->parentWidget() == main.get() && !d->objectName().isEmpty()) windows << d;
  ASSERT_GT(windows.size(), 20);
  for (int l = 0; l < static_cast<int>(kLanguages.size()); ++l) {
    const QString code = QString::fromLatin1(kLanguages[l].code);
    env.ui.queueAnswer(ModalUi::Answer::Ok);  // the totals shown again: the board is off
    main->station().languageClick(l);
    for (QDialog* d : windows) {
      d->show();
      QCoreApplication::processEvents();
      const QStringList cut = clipped(*d);
      EXPECT_TRUE(cut.isEmpty()) << code.toStdString() << " " << d->objectName().toStdString() << ": "
                                 << cut.join(QStringLiteral("; ")).toStdString();
      EXPECT_TRUE(d->grab().save(QStringLiteral(SCREENSHOT_DIR "/%1-%2.png").arg(d->objectName(), code)));
      d->hide();
    }
  }
  main->close();
}
