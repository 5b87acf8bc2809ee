#include "link/tpolling.h"

#include <chrono>

#include "base/eventlog.h"
#include "base/text.h"
#include "link/clPort.h"

bool AuxLineCutter::feed(const QByteArray& bytes) {
  pending_ += bytes;
  if (pending_.size() <= kPendingCap) return false;
  pending_ = pending_.right(kPendingCap);
  return true;
}

std::optional<QString> AuxLineCutter::takeLine() {
  for (;;) {
    qsizetype end = -1;
    for (qsizetype i = 0; i < pending_.size(); ++i)
      if (pending_[i] == '\r' || pending_[i] == '\n') {
        end = i;
        break;
      }
    if (end < 0) return std::nullopt;
    const QByteArray line = pending_.left(end);
    // CR LF counts as one line end; a CR whose LF has not come yet ends the line alone,
    // and that LF will end only an empty line, which is dropped.
    const qsizetype cut = pending_[end] == '\r' && end + 1 < pending_.size() && pending_[end + 1] == '\n' ? 2 : 1;
    pending_.remove(0, end + cut);
    if (!line.isEmpty()) return text::fromCp1252(line);
  }
}

tPolling::tPolling(int portNumber, QString devicePath, EventLog* log, int passMs)
    : port_(portNumber), devicePath_(std::move(devicePath)), log_(log), passMs_(passMs) {}

tPolling::~tPolling() { stop(); }

bool tPolling::start() {
  if (thread_.joinable()) return portOpen();
  // The port is opened here, before the thread exists, so the caller knows at once
  // whether the scanner's line is there; the passes try again when it is not.
  line_ = std::make_unique<cPort>(port_, 9600, devicePath_);
  const bool open = openLine();
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stop_ = false;
    open_ = open;
  }
  thread_ = std::thread([this] { run(); });
  return open;
}

bool tPolling::openLine() {
  if (line_->Open()) {
    if (openFailureLogged_ && log_) log_->append(QStringLiteral("linea ausiliaria COM%1 aperta\r\n").arg(port_));
    openFailureLogged_ = false;
    return true;
  }
  logOnce(openFailureLogged_, QStringLiteral("linea ausiliaria: impossibile aprire COM%1 (%2)").arg(port_).arg(line_->lastError()));
  if (line_->isOpen()) line_->Close();
  return false;
}

void tPolling::stop() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stop_ = true;
  }
  wake_.notify_all();
  if (thread_.joinable()) thread_.join();
}

int tPolling::LineCount() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return static_cast<int>(queue_.size());
}

QString tPolling::TakeLine() {
  std::lock_guard<std::mutex> lock(mutex_);
  if (queue_.empty()) return {};
  QString line = std::move(queue_.front());
  queue_.pop_front();
  return line;
}

bool tPolling::portOpen() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return open_;
}

int tPolling::passes() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return passes_;
}

void tPolling::logOnce(bool& flag, const QString& text) {
  if (flag) return;
  flag = true;
  if (log_) log_->append(text + QStringLiteral("\r\n"));
}

void tPolling::run() {
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    // The first pass comes one interval after the start, as every later one.
    if (wake_.wait_for(lock, std::chrono::milliseconds(passMs_), [this] { return stop_; })) break;
    lock.unlock();
    pass();
    lock.lock();
    ++passes_;
    open_ = line_->isOpen();
  }
  lock.unlock();
  if (line_->isOpen()) line_->Close();
}

void tPolling::pass() {
  if (line_->isOpen() && line_->lost()) {
    // The scanner was unplugged: its descriptor goes, and the next passes open it again.
    if (log_) log_->append(QStringLiteral("linea ausiliaria COM%1 persa: %2\r\n").arg(port_).arg(line_->lastError()));
    line_->Release();
    openFailureLogged_ = false;
  }
  if (!line_->isOpen() && !openLine()) return;
  if (LineCount() >= kQueueCap) {
    // Nobody takes the lines: the scanner's input waits in the port instead.
    logOnce(queueFullLogged_, QStringLiteral("linea ausiliaria: %1 codici in attesa, lettura sospesa").arg(kQueueCap));
    return;
  }
  queueFullLogged_ = false;
  QByteArray chunk;
  if (line_->Read(chunk, kReadSize) && cutter_.feed(chunk))
    logOnce(pendingCapLogged_, QStringLiteral("linea ausiliaria: testo senza fine riga oltre %1 caratteri scartato")
                                   .arg(AuxLineCutter::kPendingCap));
  if (auto line = cutter_.takeLine()) {
    std::lock_guard<std::mutex> lock(mutex_);
    queue_.push_back(std::move(*line));
  }
}
