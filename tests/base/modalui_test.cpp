#include <QDialog>
#include <QDir>
#include <gtest/gtest.h>

#include "support/testenv.h"

TEST(ModalUi, ScriptedAnswersAreTakenInOrderAndEverythingShownIsRecorded) {
  TestEnv env;
  env.ui.queueAnswer(ModalUi::Answer::No);
  EXPECT_EQ(env.ui.message(QStringLiteral("Cancellare?"), ModalUi::Icon::Question, ModalUi::Buttons::YesNo),
            ModalUi::Answer::No);
  env.ui.expectMessage(QStringLiteral("Ancora?"), ModalUi::Answer::Yes);
  EXPECT_EQ(env.ui.message(QStringLiteral("Ancora?"), ModalUi::Icon::Question, ModalUi::Buttons::YesNo),
            ModalUi::Answer::Yes);
  env.ui.expectMessage(QStringLiteral("Fatto"));
  EXPECT_EQ(env.ui.message(QStringLiteral("Fatto"), ModalUi::Icon::Information), ModalUi::Answer::Ok);
  EXPECT_TRUE(env.ui.allAnswersTaken());
  ASSERT_EQ(env.ui.shown().size(), 3);
  EXPECT_EQ(env.ui.shown()[0].icon, ModalUi::Icon::Question);
  EXPECT_EQ(env.ui.shownTexts().last(), QStringLiteral("Fatto"));

  env.ui.queueFile(QStringLiteral("/tmp/x"));
  EXPECT_EQ(env.ui.saveFileName({}).value_or(QString()), QStringLiteral("/tmp/x"));
  EXPECT_FALSE(env.ui.openFileName({}).has_value());  // nothing queued: cancelled

  QDialog dialog;
  dialog.setWindowTitle(QStringLiteral("Password"));
  env.ui.queueDialog([](QDialog& d) {
    d.setProperty("filled", true);
    return int(QDialog::Rejected);
  });
  EXPECT_EQ(env.ui.exec(dialog), QDialog::Rejected);
  EXPECT_TRUE(dialog.property("filled").toBool());
  env.ui.beep();
  EXPECT_EQ(env.ui.beepCount(), 1);
}

TEST(ModalUi, UnattendedAnswersAffirmativelyAndLogsTheText) {
  TestEnv env;
  ModalUi ui(ModalUi::Mode::Unattended);
  ui.setEventLog(env.log.get());
  EXPECT_EQ(ui.message(QStringLiteral("Bolla temporanea non presente!"), ModalUi::Icon::Information),
            ModalUi::Answer::Ok);
  EXPECT_EQ(ui.message(QStringLiteral("Uscire?"), ModalUi::Icon::Question, ModalUi::Buttons::YesNoCancel),
            ModalUi::Answer::Yes);
  const auto file = ui.saveFileName({QStringLiteral("Salva"), QStringLiteral("c:\\"), QStringLiteral("a"), {}, {}});
  ASSERT_TRUE(file.has_value());
  EXPECT_EQ(*file, QDir(QDir::homePath()).filePath(QStringLiteral("a")));
  QDialog dialog;
  EXPECT_EQ(ui.exec(dialog), QDialog::Accepted);
  const QByteArray log = env.readFile(QStringLiteral("morvel.log"));
  EXPECT_TRUE(log.contains("Bolla temporanea non presente!\r\n"));
  EXPECT_TRUE(log.contains("Uscire?\r\n"));
}

TEST(ModalUi, StationFoldersMapToThisMachine) {
  EXPECT_EQ(ModalUi::localFolder(QStringLiteral("c:\\")), QDir::homePath());
  EXPECT_EQ(ModalUi::localFolder(QStringLiteral("D:")), QDir::homePath());
  EXPECT_EQ(ModalUi::localFolder(QStringLiteral("/media/usb")), QStringLiteral("/media/usb"));
}

TEST(ModalUi, AMessageATestDidNotExpectFailsItNamingTheText) {
  // The tests' own handler is set aside for a recording one, so this test can look at
  // what a test that meets an unexpected box would be told.
  QStringList told;
  ModalUi::setUnexpectedMessageHandler([&](const QString& what) { told << what; });
  TestEnv env;
  EXPECT_EQ(env.ui.message(QStringLiteral("Azzerare?"), ModalUi::Icon::Question, ModalUi::Buttons::YesNo),
            ModalUi::Answer::Yes)
      << "the run goes on with the affirmative answer";
  env.ui.expectMessage(QStringLiteral("Fatto"));
  env.ui.message(QStringLiteral("Errore"), ModalUi::Icon::Error);
  ModalUi::setUnexpectedMessageHandler(
      [](const QString& what) { ADD_FAILURE() << "scripted modal UI: " << what.toStdString(); });
  EXPECT_EQ(told, (QStringList{QStringLiteral("unexpected message \"Azzerare?\""),
                               QStringLiteral("message \"Errore\" where \"Fatto\" was expected")}));
}
