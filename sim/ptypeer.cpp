#include "sim/ptypeer.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

PtyPeer::PtyPeer(std::unique_ptr<SerialDevice> device) : device_(std::move(device)) {}

PtyPeer::~PtyPeer() { stop(); }

qint64 PtyPeer::nowMs() const {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start_)
      .count();
}

bool PtyPeer::start() {
  master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
    error_ = QString::fromLocal8Bit(std::strerror(errno));
    return false;
  }
  char name[128];
  if (::ptsname_r(master_, name, sizeof name) != 0) {
    error_ = QString::fromLocal8Bit(std::strerror(errno));
    return false;
  }
  slavePath_ = QString::fromLocal8Bit(name);
  // Raw from the start: no echo by the terminal itself, no CR/NL translation.
  slaveKeep_ = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (slaveKeep_ < 0) {
    error_ = QString::fromLocal8Bit(std::strerror(errno));
    return false;
  }
  termios tio{};
  ::tcgetattr(slaveKeep_, &tio);
  ::cfmakeraw(&tio);
  ::tcsetattr(slaveKeep_, TCSANOW, &tio);
  start_ = std::chrono::steady_clock::now();
  running_ = true;
  thread_ = std::thread([this] { run(); });
  return true;
}

void PtyPeer::stop() {
  if (running_.exchange(false) && thread_.joinable()) thread_.join();
  if (master_ >= 0) ::close(master_);
  if (slaveKeep_ >= 0) ::close(slaveKeep_);
  master_ = slaveKeep_ = -1;
}

void PtyPeer::send(const QByteArray& bytes, int charDelayUs) {
  if (bytes.isEmpty()) return;
  if (charDelayUs <= 0) {
    qsizetype done = 0;
    while (done < bytes.size()) {
      const ssize_t n = ::write(master_, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return;
      done += n;
    }
    return;
  }
  // Paced by absolute deadlines, so the sleeps' own slack does not add up over a reply.
  auto next = std::chrono::steady_clock::now();
  for (char c : bytes) {
    if (!running_) return;
    next += std::chrono::microseconds(charDelayUs);
    std::this_thread::sleep_until(next);
    while (::write(master_, &c, 1) < 0 && errno == EINTR) {
    }
  }
}

void PtyPeer::run() {
  char buffer[1024];
  while (running_) {
    pollfd p{master_, POLLIN, 0};
    const int r = ::poll(&p, 1, 5);
    QByteArray out;
    int delay = 0;
    if (r > 0 && (p.revents & POLLIN)) {
      const ssize_t n = ::read(master_, buffer, sizeof buffer);
      if (n > 0) {
        std::lock_guard<std::mutex> lock(mutex_);
        out = device_->onBytes(QByteArray(buffer, static_cast<qsizetype>(n)), nowMs());
        delay = device_->charDelayUs();
      }
    } else {
      std::lock_guard<std::mutex> lock(mutex_);
      out = device_->onTick(nowMs());
      delay = device_->charDelayUs();
    }
    send(out, delay);
  }
}
