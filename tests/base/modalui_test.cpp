#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <gtest/gtest.h>
#include <thread>

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

namespace {
// Serves the window's thread until the worker has its answer; one that never comes within
// 5 s fails the test, and its box is closed so the worker can end.
void serveUntil(ModalUi& ui, const std::atomic<int>& answer) {
  QElapsedTimer t;
  t.start();
  while (answer.load() < 0 && t.elapsed() < 5000) QApplication::processEvents(QEventLoop::AllEvents, 20);
  if (answer.load() >= 0) return;
  ADD_FAILURE() << "no answer within 5 s";
  ui.closeBoxes();
  while (answer.load() < 0) QApplication::processEvents(QEventLoop::AllEvents, 20);
}
}  // namespace

TEST(ModalUi, ABoxAskedForFromAnotherThreadIsShownOnTheWindowsThread) {
  TestEnv env;
  ModalUi ui(ModalUi::Mode::Interactive);
  std::atomic<int> answer{-1};
  std::atomic<bool> askedOnWindowThread{false};
  std::thread worker([&] {
    answer = static_cast<int>(ui.message(QStringLiteral("Azzerare?"), ModalUi::Icon::Question, ModalUi::Buttons::YesNo));
  });
  // The window's thread shows the box and keeps running its timers while it is up.
  int beats = 0;
  QTimer beat;
  QObject::connect(&beat, &QTimer::timeout, [&] {
    ++beats;
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); box && beats > 5) {
      askedOnWindowThread = box->thread() == QThread::currentThread();
      EXPECT_EQ(box->text(), QStringLiteral("Azzerare?"));
      box->button(QMessageBox::No)->click();
    }
  });
  beat.start(10);
  serveUntil(ui, answer);
  worker.join();
  beat.stop();
  EXPECT_EQ(answer.load(), static_cast<int>(ModalUi::Answer::No));
  EXPECT_TRUE(askedOnWindowThread.load());
  EXPECT_GT(beats, 5) << "the window's timers ran while the worker waited for the answer";

  // Unattended and scripted answer on the asking thread.
  ModalUi unattended(ModalUi::Mode::Unattended);
  unattended.setEventLog(env.log.get());
  env.ui.expectMessage(QStringLiteral("Fatto"));
  std::thread other([&] {
    EXPECT_EQ(unattended.message(QStringLiteral("Pronto?"), ModalUi::Icon::Question, ModalUi::Buttons::YesNo),
              ModalUi::Answer::Yes);
    EXPECT_EQ(env.ui.message(QStringLiteral("Fatto"), ModalUi::Icon::Information), ModalUi::Answer::Ok);
  });
  other.join();
  EXPECT_TRUE(env.readFile(QStringLiteral("morvel.log")).contains("unattended: Pronto?"));

  // A closing station closes the box that is up and answers the next ones at once. (The
  // box runs its own loop: a timer, as the close request would, finds it there.)
  ModalUi closingUi(ModalUi::Mode::Interactive);
  std::atomic<int> late{-1};
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [&] {
    if (qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) closingUi.closeBoxes();
  });
  closer.start(20);
  std::thread closing([&] {
    late = static_cast<int>(closingUi.message(QStringLiteral("Ancora?"), ModalUi::Icon::Question, ModalUi::Buttons::YesNo));
  });
  serveUntil(closingUi, late);
  closing.join();
  closer.stop();
  EXPECT_EQ(late.load(), static_cast<int>(ModalUi::Answer::No));
  EXPECT_EQ(closingUi.message(QStringLiteral("Dopo?"), ModalUi::Icon::Question, ModalUi::Buttons::YesNo),
            ModalUi::Answer::No);
}
