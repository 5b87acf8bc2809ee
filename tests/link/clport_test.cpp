#include <QElapsedTimer>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include "link/clPort.h"

namespace {

// A bare pseudo-terminal: the test reads and writes its master side.
struct Pty {
  int master = -1;
  QString slave;
  Pty() {
    master = ::posix_openpt(O_RDWR | O_NOCTTY);
    ::grantpt(master);
    ::unlockpt(master);
    slave = QString::fromLocal8Bit(::ptsname(master));
  }
  ~Pty() { ::close(master); }
  QByteArray readAll(int waitMs = 200) {
    QByteArray got;
    char buf[4096];
    pollfd p{master, POLLIN, 0};
    while (::poll(&p, 1, waitMs) > 0) {
      const ssize_t n = ::read(master, buf, sizeof buf);
      if (n <= 0) break;
      got.append(buf, n);
      waitMs = 50;
    }
    return got;
  }
  void write(const QByteArray& b) { ASSERT_EQ(::write(master, b.constData(), b.size()), b.size()); }
};

}  // namespace

TEST(cPort, PortNumbersOutsideOneTo99OpenNothing) {
  Pty pty;
  for (int n : {0, 100}) {
    cPort port(n, 19200, pty.slave);
    EXPECT_FALSE(port.Open()) << n;
    EXPECT_FALSE(port.isOpen());
    EXPECT_FALSE(port.Close()) << "closing a port that never opened fails quietly";
  }
  cPort missing(3, 19200, QStringLiteral("/dev/does-not-exist"));
  EXPECT_FALSE(missing.Open());
  EXPECT_FALSE(missing.Close());
}

TEST(cPort, UseIsExclusiveAndModemLinesFollowOpenAndClose) {
  Pty pty;
  cPort first(1, 19200, pty.slave);
  ASSERT_TRUE(first.Open());
  EXPECT_TRUE(first.dtr());
  EXPECT_TRUE(first.rts());
  cPort second(1, 19200, pty.slave);
  EXPECT_FALSE(second.Open()) << "the device is held by the first port";
  EXPECT_TRUE(first.Close());
  EXPECT_FALSE(first.dtr());
  EXPECT_FALSE(first.rts());
  EXPECT_TRUE(second.Open()) << "free again after close";
}

TEST(cPort, WritesSendAtMost600BytesInOneCall) {
  Pty pty;
  cPort port(1, 9600, pty.slave);
  ASSERT_TRUE(port.Open());
  EXPECT_TRUE(port.Write(QByteArray()));
  QByteArray big(700, 'x');
  big[599] = 'L';
  EXPECT_TRUE(port.Write(big));
  const QByteArray got = pty.readAll();
  EXPECT_EQ(got.size(), 600);
  EXPECT_EQ(got.back(), 'L');
}

TEST(cPort, ReadsReturnWhatIsWaitingWithoutWaitingForMore) {
  Pty pty;
  cPort port(1, 19200, pty.slave);
  ASSERT_TRUE(port.Open());
  QByteArray out("stale");
  QElapsedTimer t;
  t.start();
  EXPECT_FALSE(port.Read(out, 1));
  EXPECT_TRUE(out.isEmpty());
  EXPECT_LT(t.elapsed(), 100);

  pty.write(QByteArray("01234\0" "678", 9) + "9");
  QByteArray got;
  for (int i = 0; i < 100 && got.isEmpty(); ++i) port.Read(got, 600);
  // The bytes may arrive in more than one piece; collect the rest.
  QByteArray more;
  while (got.size() < 10 && port.Read(more, 600)) got += more;
  EXPECT_EQ(got, QByteArray("01234\0" "6789", 10));
  EXPECT_EQ(got.at(5), '\0');

  pty.write("abc");
  QByteArray one;
  for (int i = 0; i < 100 && one.isEmpty(); ++i) port.Read(one, 1);
  EXPECT_EQ(one, QByteArray("a"));
}
