#include "base/modalui.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QRegularExpression>
#include <QThread>
#include <cstdio>

#include "base/eventlog.h"

namespace {
std::function<void(const QString&)>& unexpectedHandler() {
  static std::function<void(const QString&)> handler;
  return handler;
}
}  // namespace

void ModalUi::setUnexpectedMessageHandler(std::function<void(const QString&)> handler) {
  unexpectedHandler() = std::move(handler);
}

ModalUi::ModalUi(Mode mode) : mode_(mode) {}

bool ModalUi::offWindowThread() const {
  const QCoreApplication* app = QCoreApplication::instance();
  return app && QThread::currentThread() != app->thread();
}

// Runs f on the window's thread and waits for its result. The window's thread never waits
// on the caller, so this cannot deadlock; while the station closes it is not done at all.
template <typename R, typename F>
R ModalUi::onWindowThread(F&& f) {
  R result{};
  QMetaObject::invokeMethod(QCoreApplication::instance(), [&] { result = f(); }, Qt::BlockingQueuedConnection);
  return result;
}

void ModalUi::closeBoxes() {
  QDialog* open = nullptr;
  {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    closing_ = true;
    open = open_;
  }
  if (open) open->reject();
}

QList<ModalUi::Shown> ModalUi::shown() const {
  std::lock_guard<std::recursive_mutex> lock(mutex_);
  return shown_;
}
ModalUi::~ModalUi() = default;

// The answer of a box the station closed itself: the safe one.
ModalUi::Answer ModalUi::negative(Buttons buttons) {
  switch (buttons) {
    case Buttons::Ok: return Answer::Ok;
    case Buttons::YesNo: return Answer::No;
    case Buttons::OkCancel:
    case Buttons::YesNoCancel: return Answer::Cancel;
  }
  return Answer::Cancel;
}

ModalUi::Answer ModalUi::affirmative(Buttons buttons) {
  return (buttons == Buttons::YesNo || buttons == Buttons::YesNoCancel) ? Answer::Yes
                                                                        : Answer::Ok;
}

void ModalUi::report(const QString& what) {
  if (log_) log_->append(QStringLiteral("unattended: ") + what + QStringLiteral("\r\n"));
  std::fprintf(stderr, "campionatrice: %s\n", what.toLocal8Bit().constData());
  std::fflush(stderr);
}

ModalUi::Answer ModalUi::message(const QString& text, Icon icon, Buttons buttons) {
  if (mode_ == Mode::Interactive && offWindowThread()) {
    {
      std::lock_guard<std::recursive_mutex> lock(mutex_);
      if (closing_) return negative(buttons);
    }
    return onWindowThread<Answer>([&] { return message(text, icon, buttons); });
  }
  std::unique_lock<std::recursive_mutex> lock(mutex_);
  shown_.append({text, icon, buttons});
  switch (mode_) {
    case Mode::Unattended:
      report(text);
      return affirmative(buttons);
    case Mode::Scripted: {
      if (!answers_.empty()) {
        const Queued q = answers_.front();
        answers_.pop_front();
        if (q.whileShown) q.whileShown();
        if (q.text.isEmpty() || q.text == text) return q.answer;
        if (unexpectedHandler())
          unexpectedHandler()(QStringLiteral("message \"%1\" where \"%2\" was expected").arg(text, q.text));
        return q.answer;
      }
      if (unexpectedHandler()) unexpectedHandler()(QStringLiteral("unexpected message \"%1\"").arg(text));
      return affirmative(buttons);
    }
    case Mode::Interactive:
      break;
  }

  if (closing_) return negative(buttons);
  QMessageBox box(parent_);
  box.setText(text);
  box.setWindowTitle(QApplication::applicationDisplayName());
  switch (icon) {
    case Icon::Information: box.setIcon(QMessageBox::Information); break;
    case Icon::Warning: box.setIcon(QMessageBox::Warning); break;
    case Icon::Error: box.setIcon(QMessageBox::Critical); break;
    case Icon::Question: box.setIcon(QMessageBox::Question); break;
    case Icon::None: box.setIcon(QMessageBox::NoIcon); break;
  }
  switch (buttons) {
    case Buttons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case Buttons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case Buttons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case Buttons::YesNoCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      break;
  }
  open_ = &box;
  lock.unlock();  // the box runs its own loop; other threads may record meanwhile
  const int result = box.exec();
  lock.lock();
  open_ = nullptr;
  if (closing_) return negative(buttons);
  switch (result) {
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
  }
}

void ModalUi::beep() {
  {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    ++beeps_;
  }
  if (mode_ != Mode::Interactive) return;
  if (offWindowThread()) QMetaObject::invokeMethod(QCoreApplication::instance(), [] { QApplication::beep(); }, Qt::QueuedConnection);
  else QApplication::beep();
}

QString ModalUi::localFolder(const QString& stationFolder) {
  static const QRegularExpression driveRoot(QStringLiteral("^[A-Za-z]:[\\\\/]?$"));
  if (stationFolder.isEmpty() || driveRoot.match(stationFolder).hasMatch())
    return QDir::homePath();
  return stationFolder;
}

std::optional<QString> ModalUi::fileName(const FileRequest& request, bool save) {
  if (offWindowThread()) return onWindowThread<std::optional<QString>>([&] { return fileName(request, save); });
  std::lock_guard<std::recursive_mutex> lock(mutex_);
  fileRequests_.append(request);
  const QString folder = localFolder(request.initialFolder);
  switch (mode_) {
    case Mode::Unattended: {
      const QString chosen = QDir(folder).filePath(request.initialName);
      report(request.title + QStringLiteral(": ") + chosen);
      return chosen;
    }
    case Mode::Scripted:
      if (!files_.empty()) {
        const QueuedFile f = files_.front();
        files_.pop_front();
        if (f.chosen) return f.path;
      }
      return std::nullopt;
    case Mode::Interactive:
      break;
  }
  QFileDialog dialog(parent_, request.title, folder, request.filter);
  // Qt's own dialog on every desktop, so it behaves the same wherever the station runs.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  QString suffix = request.defaultSuffix;
  if (suffix.startsWith(QLatin1Char('.'))) suffix.remove(0, 1);
  dialog.setDefaultSuffix(suffix);
  if (!request.initialName.isEmpty()) dialog.selectFile(request.initialName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().front();
}

std::optional<QString> ModalUi::saveFileName(const FileRequest& request) {
  return fileName(request, true);
}

std::optional<QString> ModalUi::openFileName(const FileRequest& request) {
  return fileName(request, false);
}

int ModalUi::exec(QDialog& dialog) {
  // Windows live on the window's thread, whoever asks for them.
  if (offWindowThread()) return onWindowThread<int>([&] { return exec(dialog); });
  {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    dialogTitles_.append(dialog.windowTitle());
  }
  switch (mode_) {
    case Mode::Unattended:
      report(dialog.windowTitle());
      return QDialog::Accepted;
    case Mode::Scripted:
      if (!dialogs_.empty()) {
        auto fill = std::move(dialogs_.front());
        dialogs_.pop_front();
        return fill(dialog);
      }
      return QDialog::Accepted;
    case Mode::Interactive:
      break;
  }
  {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    if (closing_) return QDialog::Rejected;
    open_ = &dialog;
  }
  const int result = dialog.exec();
  std::lock_guard<std::recursive_mutex> lock(mutex_);
  open_ = nullptr;
  return result;
}

QStringList ModalUi::shownTexts() const {
  std::lock_guard<std::recursive_mutex> lock(mutex_);
  QStringList texts;
  for (const Shown& s : shown_) texts << s.text;
  return texts;
}

void ModalUi::clearRecord() {
  std::lock_guard<std::recursive_mutex> lock(mutex_);
  shown_.clear();
  fileRequests_.clear();
  dialogTitles_.clear();
  beeps_ = 0;
}
