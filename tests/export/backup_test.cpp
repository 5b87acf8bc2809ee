#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

#include "config/configuration.h"
#include "export/backup.h"
#include "support/testenv.h"

namespace {
const QString kMorvel = QStringLiteral("morvel");
}

TEST(Backup, ABackupFollowedByARestoreGivesBackEveryValueWithItsKind) {
  TestEnv env;
  Configuration cfg(*env.store, env.workDir, env.ui);
  cfg.config().numlinee = 4;
  cfg.config().ncopie = 3;
  ASSERT_TRUE(cfg.SaveConfiguration());
  env.store->writeText(kMorvel, QStringLiteral("note"), QStringLiteral("a)=b"));
  const auto before = env.store->entries(kMorvel);

  ConfigBackup backup(*env.store, env.ui);
  QDir usb(env.root.filePath(QStringLiteral("usb")));
  usb.mkpath(QStringLiteral("."));
  env.writeFile(usb.filePath(QStringLiteral("morvelinst")), QByteArray(5000, '#'));
  env.ui.queueFile(usb.filePath(QStringLiteral("a")));
  env.ui.expectMessage(QStringLiteral("Salvataggio effettuato!"));
  ASSERT_TRUE(backup.backup());
  const QByteArray text = env.readFile(usb.filePath(QStringLiteral("morvelinst")));
  EXPECT_FALSE(text.contains('#')) << "an existing backup is replaced";
  EXPECT_TRUE(text.contains("String(numlinee)=4\r\n"));
  EXPECT_TRUE(text.contains("Integer(ncopie)=3\r\n"));
  EXPECT_TRUE(text.contains("String(durata magneti)= 50\r\n"));

  // Change everything, add a value, then restore.
  cfg.config().numlinee = 1;
  cfg.config().ncopie = 9;
  ASSERT_TRUE(cfg.SaveConfiguration());
  env.store->writeText(kMorvel, QStringLiteral("note"), QStringLiteral("other"));
  env.store->writeInteger(kMorvel, QStringLiteral("added_later"), 77);
  env.ui.queueFile(usb.filePath(QStringLiteral("morvelinst")));
  env.ui.expectMessage(QStringLiteral("Ripristino effettuato!"));
  ASSERT_TRUE(backup.restore());

  SettingsStore check(env.settingsPath());
  for (const auto& e : before) {
    EXPECT_EQ(check.kind(kMorvel, e.name), e.kind) << e.name.toStdString();
  }
  EXPECT_EQ(check.text(kMorvel, QStringLiteral("numlinee")), QStringLiteral("4"));
  EXPECT_EQ(check.integer(kMorvel, QStringLiteral("ncopie")), 3);
  EXPECT_EQ(check.text(kMorvel, QStringLiteral("note")), QStringLiteral("a)=b"));
  EXPECT_EQ(check.integer(kMorvel, QStringLiteral("added_later")), 77);
  EXPECT_EQ(check.text(kMorvel, QStringLiteral("durata magneti")), QStringLiteral(" 50"));
}

TEST(Backup, RestoreSkipsLinesOfAnotherFormAndTakesTheNameUpToTheFirstMarker) {
  TestEnv env;
  const QByteArray text =
      "String(a)=b)=c\r\n"
      "Integer(n)=12\n"
      "Integer(bad)=1x\r\n"
      "Integer(neg)=-4\r\n"
      "String(nomarker\r\n"
      "Float(f)=1.5\r\n"
      "\r\n";
  EXPECT_EQ(ConfigBackup::restoreText(*env.store, text), 3);
  EXPECT_EQ(env.store->text(kMorvel, QStringLiteral("a")), QStringLiteral("b)=c"));
  EXPECT_EQ(env.store->integer(kMorvel, QStringLiteral("n")), 12);
  EXPECT_EQ(env.store->integer(kMorvel, QStringLiteral("neg")), -4);
  EXPECT_FALSE(env.store->contains(kMorvel, QStringLiteral("bad")));
  EXPECT_EQ(env.store->entries(kMorvel).size(), 3);
}

TEST(Backup, CancelledOrFruitlessCommandsSayWhatHappened) {
  TestEnv env;
  ConfigBackup backup(*env.store, env.ui);
  for (int i = 0; i < 2; ++i) env.ui.expectMessage(QStringLiteral("Dischetto sul floppy non presente o non leggibile!"));
  EXPECT_FALSE(backup.backup());  // dialog cancelled
  EXPECT_FALSE(backup.restore());
  ASSERT_EQ(env.ui.shown().size(), 2);
  for (const auto& s : env.ui.shown()) {
    EXPECT_EQ(s.text, QStringLiteral("Dischetto sul floppy non presente o non leggibile!"));
    EXPECT_EQ(s.icon, ModalUi::Icon::Error);
  }

  // A file without valid lines changes nothing and says nothing.
  env.ui.clearRecord();
  env.writeFile(QStringLiteral("junk.ini"), "hello\r\nworld\r\n");
  env.ui.queueFile(env.path(QStringLiteral("junk.ini")));
  EXPECT_FALSE(backup.restore());
  EXPECT_TRUE(env.ui.shown().isEmpty());
  EXPECT_EQ(env.readFile(QStringLiteral("junk.ini")), QByteArray("hello\r\nworld\r\n"));

  // A folder that does not exist: stop without a message.
  env.ui.queueFile(env.root.filePath(QStringLiteral("nowhere/a")));
  EXPECT_FALSE(backup.backup());
  EXPECT_TRUE(env.ui.shown().isEmpty());

  // A value of another kind is not written, with a beep.
  env.writeSettings(R"({"morvel": {"a": "1", "f": 1.5, "l": [1]}})");
  int skipped = 0;
  EXPECT_EQ(ConfigBackup::backupText(*env.store, &skipped), QByteArray("String(a)=1\r\n"));
  EXPECT_EQ(skipped, 2);
  env.ui.queueFile(env.path(QStringLiteral("a")));
  env.ui.expectMessage(QStringLiteral("Salvataggio effettuato!"));
  EXPECT_TRUE(backup.backup());
  EXPECT_EQ(env.ui.beepCount(), 2);
}

namespace {
// Answers the station's real windows as an operator at the screen would: a file dialog
// gets `file` typed into it and is confirmed, a message box is read and confirmed.
struct Operator {
  QString file;
  QStringList messages;
  QStringList dialogFiles;  // what each file dialog listed
  QTimer timer;
  int waited = 0;
  Operator() {
    timer.setInterval(20);
    QObject::connect(&timer, &QTimer::timeout, [this] { act(); });
    timer.start();
  }
  void act() {
    QWidget* w = QApplication::activeModalWidget();
    if (auto* d = qobject_cast<QFileDialog*>(w)) {
      // Qt's own dialog: wait until it has read its folder, then note what it lists.
      auto* view = d->findChild<QListView*>(QStringLiteral("listView"));
      // (An empty folder view after two seconds is taken as it is.)
      if ((!view || !view->model() || view->model()->rowCount(view->rootIndex()) == 0) && ++waited < 100) return;
      waited = 0;
      QStringList names;
      for (int r = 0; view && view->model() && r < view->model()->rowCount(view->rootIndex()); ++r)
        names << view->model()->index(r, 0, view->rootIndex()).data().toString();
      dialogFiles << names.join(QLatin1Char(','));
      auto* name = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
      name->setText(file);
      QMetaObject::invokeMethod(d, "accept", Qt::QueuedConnection);
    } else if (auto* box = qobject_cast<QMessageBox*>(w)) {
      messages << box->text();
      box->accept();
    }
  }
};
}  // namespace

TEST(Backup, TheRestoreDialogFindsTheFileTheBackupWrote) {
  TestEnv env;
  Configuration cfg(*env.store, env.workDir, env.ui);
  cfg.config().numlinee = 3;
  ASSERT_TRUE(cfg.SaveConfiguration());
  ModalUi ui(ModalUi::Mode::Interactive);
  ConfigBackup backup(*env.store, ui);
  const QString usb = env.root.filePath(QStringLiteral("usb"));
  QDir().mkpath(usb);
  env.writeFile(usb + QStringLiteral("/altro.txt"), "x");
  // The dialogs open in the home folder; here that is the stick.
  qputenv("HOME", usb.toLocal8Bit());

  Operator op;
  op.file = usb + QStringLiteral("/a");
  ASSERT_TRUE(backup.backup());
  EXPECT_TRUE(QFileInfo::exists(usb + QStringLiteral("/morvelinst")));

  cfg.config().numlinee = 1;
  ASSERT_TRUE(cfg.SaveConfiguration());
  op.file = QStringLiteral("morvelinst");
  ASSERT_TRUE(backup.restore());
  ASSERT_TRUE(cfg.LoadConfiguration());
  EXPECT_EQ(cfg.config().numlinee, 3);
  EXPECT_EQ(op.messages, (QStringList{QStringLiteral("Salvataggio effettuato!"), QStringLiteral("Ripristino effettuato!")}));
  ASSERT_EQ(op.dialogFiles.size(), 2);
  EXPECT_EQ(op.dialogFiles[1], QStringLiteral("morvelinst")) << "the restore dialog lists the backup, and only it";
}

TEST(Backup, TheFileIsWindows1252AndAValueItCannotHoldStopsTheBackup) {
  TestEnv env;
  ConfigBackup backup(*env.store, env.ui);
  env.store->writeText(kMorvel, QStringLiteral("copyrigth"), QStringLiteral("Frutta € srl"));
  EXPECT_EQ(ConfigBackup::backupText(*env.store), QByteArray("String(copyrigth)=Frutta \x80 srl\r\n"));
  ASSERT_EQ(ConfigBackup::restoreText(*env.store, "String(copyrigth)=\x80 2\r\n"), 1);
  EXPECT_EQ(env.store->readText(kMorvel, QStringLiteral("copyrigth"), {}), QStringLiteral("€ 2"));

  env.store->writeText(kMorvel, QStringLiteral("copyrigth"), QStringLiteral("果园"));
  env.ui.queueFile(env.path(QStringLiteral("a")));
  env.ui.expectMessage(QStringLiteral("Il carattere '果' non può essere scritto in morvelinst: usare solo lettere, cifre e "
                                      "segni dell'alfabeto latino (String(copyrigth)=果园)"));
  EXPECT_FALSE(backup.backup());
  EXPECT_FALSE(QFileInfo::exists(env.path(QStringLiteral("morvelinst")))) << "no backup with a value turned into '?'";
}
