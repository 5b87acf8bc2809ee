#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>

class QDialog;
class QWidget;
class EventLog;

// Every message box, modal window, file dialog and system beep of the station goes through
// one ModalUi. Interactively it shows the real thing; unattended (the option --unattended)
// it answers OK or Yes by itself and copies the text to the event log and standard error,
// so the station can run with nobody at the screen; scripted (tests) it takes queued
// answers and records what was shown.
//
// It may be called from any thread. A box or window asked for by the board's worker is
// shown on the window's thread, and the worker waits for the answer while the window goes
// on painting and the other windows keep working.
class ModalUi {
 public:
  enum class Mode { Interactive, Unattended, Scripted };
  enum class Icon { None, Information, Warning, Error, Question };
  enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
  enum class Answer { Ok, Cancel, Yes, No };

  struct FileRequest {
    QString title;
    QString initialFolder;  // as the station names it, e.g. "c:\"
    QString initialName;
    QString filter;         // e.g. "*.ini"
    QString defaultSuffix;  // e.g. ".ini"
  };

  struct Shown {
    QString text;
    Icon icon;
    Buttons buttons;
  };

  explicit ModalUi(Mode mode);
  ~ModalUi();

  Mode mode() const { return mode_; }
  void setEventLog(EventLog* log) { log_ = log; }
  void setParentWidget(QWidget* parent) { parent_ = parent; }

  Answer message(const QString& text, Icon icon, Buttons buttons = Buttons::Ok);
  void beep();
  // The chosen file, or nothing when the operator cancels.
  std::optional<QString> saveFileName(const FileRequest& request);
  std::optional<QString> openFileName(const FileRequest& request);
  // Shows a modal window and returns its result (QDialog::Accepted or Rejected).
  int exec(QDialog& dialog);

  // A folder named the way the station names it ("c:\") on this machine: a drive root
  // becomes the user's home folder, anything else is taken as it is.
  static QString localFolder(const QString& stationFolder);

  // Scripted answers, taken in order. A message with no queued answer is unexpected: it is
  // handed to the unexpected-message handler (tests fail there, naming its text) and then
  // answered OK or Yes. A file dialog with none is cancelled; a window with none is
  // accepted untouched.
  // `whileShown` runs while the box is up, as whatever else the message loop would do
  // meanwhile (a signal arriving, a timer).
  void queueAnswer(Answer answer, std::function<void()> whileShown = {}) {
    answers_.push_back({answer, {}, std::move(whileShown)});
  }
  // A message the test expects, with its whole text, and the answer to give it. A message
  // with another text is unexpected.
  void expectMessage(const QString& text, Answer answer = Answer::Ok, std::function<void()> whileShown = {}) {
    answers_.push_back({answer, text, std::move(whileShown)});
  }
  // Whether every queued answer was taken.
  bool allAnswersTaken() const { return answers_.empty(); }
  // Where the scripted mode reports a message nobody queued an answer for (the tests'
  // entry installs one that fails the running test).
  static void setUnexpectedMessageHandler(std::function<void(const QString&)> handler);
  void queueFile(const std::optional<QString>& file) { files_.push_back({file.has_value(), file.value_or(QString())}); }
  void queueDialog(std::function<int(QDialog&)> fill) { dialogs_.push_back(std::move(fill)); }

  // The station is closing: a box that is up is closed (answered No or Cancel), and a box
  // asked for from another thread from now on is answered so at once.
  void closeBoxes();

  // What was shown, for tests and diagnostics.
  QList<Shown> shown() const;
  QStringList shownTexts() const;
  const QList<FileRequest>& fileRequests() const { return fileRequests_; }
  QStringList dialogTitles() const { return dialogTitles_; }
  int beepCount() const { return beeps_; }
  void clearRecord();

 private:
  void report(const QString& what);
  static Answer affirmative(Buttons buttons);
  static Answer negative(Buttons buttons);
  std::optional<QString> fileName(const FileRequest& request, bool save);

  bool offWindowThread() const;
  template <typename R, typename F>
  R onWindowThread(F&& f);

  Mode mode_;
  mutable std::recursive_mutex mutex_;
  bool closing_ = false;
  QDialog* open_ = nullptr;  // the box or window shown now, on the window's thread
  EventLog* log_ = nullptr;
  QWidget* parent_ = nullptr;
  struct Queued {
    Answer answer;
    QString text;  // empty: any text
    std::function<void()> whileShown;
  };
  std::deque<Queued> answers_;
  struct QueuedFile {
    bool chosen;  // false: the dialog is cancelled
    QString path;
  };
  std::deque<QueuedFile> files_;
  std::deque<std::function<int(QDialog&)>> dialogs_;
  QList<Shown> shown_;
  QList<FileRequest> fileRequests_;
  QStringList dialogTitles_;
  int beeps_ = 0;
};
