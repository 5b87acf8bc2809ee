#include "link/clPort.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

speed_t speedFor(int baud) {
  switch (baud) {
    case 1200: return B1200;
    case 2400: return B2400;
    case 4800: return B4800;
    case 9600: return B9600;
    case 19200: return B19200;
    case 38400: return B38400;
    case 57600: return B57600;
    case 115200: return B115200;
    default: return B0;
  }
}

// Pseudo-terminals and other devices without modem lines refuse the line commands so.
bool withoutModemLines(int err) { return err == ENOTTY || err == EINVAL; }

}  // namespace

cPort::cPort(int portNumber, int baudRate, QString devicePath)
    : port_(portNumber), baud_(baudRate), path_(std::move(devicePath)) {}

bool cPort::fail(const char* what, int err) {
  lastError_ = QStringLiteral("%1: %2: %3").arg(path_, QString::fromLatin1(what), QString::fromLocal8Bit(std::strerror(err)));
  return false;
}

void cPort::markLost(const char* what, int err) {
  if (lost_) return;
  lost_ = true;
  fail(what, err);
}

cPort::~cPort() {
  // Whatever Close answered, the device is released with the object, so a port whose
  // modem lines failed is not held (and locked) until the station ends.
  if (fd_ >= 0) ::close(fd_);
}

bool cPort::Open() {
  lastError_.clear();
  if (port_ < 1 || port_ > 99) return fail("numero di porta non valido", EINVAL);
  if (fd_ >= 0) return fail("porta gia' aperta", EBUSY);
  const speed_t speed = speedFor(baud_);
  if (speed == B0) return fail("velocita' non supportata", EINVAL);
  if (path_.isEmpty()) return fail("nessun dispositivo", ENODEV);

  // Non-blocking open, so a device waiting for carrier does not hang the station.
  const int fd = ::open(QFile::encodeName(path_).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return fail("apertura", errno);
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const int err = errno;
    ::close(fd);
    return fail("in uso da un altro programma", err);
  }
  fd_ = fd;
  lost_ = false;

  termios tio{};
  if (::tcgetattr(fd_, &tio) != 0) return fail("tcgetattr", errno);
  ::cfmakeraw(&tio);
  tio.c_cflag &= ~(CSTOPB | PARENB | CRTSCTS | CSIZE);
  tio.c_cflag |= CS8 | CLOCAL | CREAD;
  tio.c_iflag &= ~(IXON | IXOFF | IXANY);
  // A read returns at once with what is there; the callers wait on the descriptor.
  tio.c_cc[VMIN] = 0;
  tio.c_cc[VTIME] = 0;
  if (::cfsetispeed(&tio, speed) != 0 || ::cfsetospeed(&tio, speed) != 0) return fail("velocita'", errno);
  if (::tcsetattr(fd_, TCSANOW, &tio) != 0) return fail("tcsetattr", errno);

  // Writes block until the bytes are with the driver; reads never block (VMIN 0, VTIME 0).
  const int flags = ::fcntl(fd_, F_GETFL);
  if (flags < 0 || ::fcntl(fd_, F_SETFL, flags & ~O_NONBLOCK) != 0) return fail("fcntl", errno);

  if (!setLine(TIOCM_DTR, true) || !setLine(TIOCM_RTS, true)) return fail("linee DTR/RTS", errno);
  return true;
}

bool cPort::Close() {
  if (fd_ < 0) return false;
  const bool rtsDropped = setLine(TIOCM_RTS, false);
  const bool dtrDropped = setLine(TIOCM_DTR, false);
  if (!rtsDropped || !dtrDropped) return false;
  const int r = ::close(fd_);
  fd_ = -1;
  return r == 0;
}

void cPort::Release() {
  if (fd_ < 0) return;
  ::close(fd_);
  fd_ = -1;
}

bool cPort::setLine(int line, bool high) {
  if (fd_ < 0) return false;
  int bits = line;
  if (::ioctl(fd_, high ? TIOCMBIS : TIOCMBIC, &bits) != 0) {
    if (!withoutModemLines(errno)) return false;
    noModemLines_ = true;
  }
  (line == TIOCM_DTR ? dtr_ : rts_) = high;
  return true;
}

bool cPort::lineState(int line) const {
  if (fd_ >= 0 && !noModemLines_) {
    int bits = 0;
    if (::ioctl(fd_, TIOCMGET, &bits) == 0) return (bits & line) != 0;
  }
  return line == TIOCM_DTR ? dtr_ : rts_;
}

bool cPort::dtr() const { return lineState(TIOCM_DTR); }
bool cPort::rts() const { return lineState(TIOCM_RTS); }

bool cPort::Write(const QByteArray& data) {
  if (fd_ < 0) return false;
  const qsizetype n = data.size() > kMaxBlock ? kMaxBlock : data.size();
  if (n == 0) return true;
  ssize_t written;
  do {
    written = ::write(fd_, data.constData(), static_cast<size_t>(n));
  } while (written < 0 && errno == EINTR);
  if (written < 0 && errno != EAGAIN) markLost("scrittura", errno);
  return written == n;
}

void cPort::Purge() {
  if (fd_ >= 0) ::tcflush(fd_, TCIFLUSH);
}

bool cPort::Read(QByteArray& out, int maxBytes) {
  out.clear();
  if (fd_ < 0) return false;
  if (maxBytes < 1) maxBytes = 1;
  if (maxBytes > kMaxBlock) maxBytes = kMaxBlock;
  pollfd p{fd_, POLLIN, 0};
  int r;
  do {
    r = ::poll(&p, 1, 1);
  } while (r < 0 && errno == EINTR);
  if (r <= 0 || !(p.revents & POLLIN)) {
    // A device that went away (an unplugged adapter) reports an error or a hang-up at
    // once; keep the read's usual 1 ms so a caller's loop does not spin.
    if (r > 0) {
      if (p.revents & (POLLERR | POLLNVAL)) markLost("lettura", EIO);
      else if (p.revents & POLLHUP) markLost("linea chiusa", EPIPE);
      ::usleep(1000);
    }
    return false;
  }
  char buffer[kMaxBlock];
  ssize_t got;
  do {
    got = ::read(fd_, buffer, static_cast<size_t>(maxBytes));
  } while (got < 0 && errno == EINTR);
  if (got < 0 && errno != EAGAIN) markLost("lettura", errno);
  if (got <= 0) return false;
  out = QByteArray(buffer, static_cast<qsizetype>(got));
  return true;
}
