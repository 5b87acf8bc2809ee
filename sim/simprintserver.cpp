#include "sim/simprintserver.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QList>

SimPrintServer::~SimPrintServer() { stop(); }

bool SimPrintServer::start(quint16 port) {
  listenFd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (listenFd_ < 0) {
    error_ = QString::fromLocal8Bit(std::strerror(errno));
    return false;
  }
  const int yes = 1;
  ::setsockopt(listenFd_, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  a.sin_port = htons(port);
  if (::bind(listenFd_, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 || ::listen(listenFd_, 8) != 0) {
    error_ = QString::fromLocal8Bit(std::strerror(errno));
    ::close(listenFd_);
    listenFd_ = -1;
    return false;
  }
  socklen_t len = sizeof a;
  ::getsockname(listenFd_, reinterpret_cast<sockaddr*>(&a), &len);
  port_ = ntohs(a.sin_port);
  stop_ = false;
  thread_ = std::thread([this] { run(); });
  return true;
}

void SimPrintServer::stop() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
  if (listenFd_ >= 0) ::close(listenFd_);
  listenFd_ = -1;
}

QStringList SimPrintServer::received() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return received_;
}

void SimPrintServer::run() {
  QList<int> clients;
  while (!stop_) {
    QList<pollfd> fds{{listenFd_, POLLIN, 0}};
    for (int c : clients) fds.append({c, POLLIN, 0});
    if (::poll(fds.data(), fds.size(), 100) <= 0) continue;
    if (fds[0].revents & POLLIN) {
      const int c = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
      if (c >= 0) clients.append(c);
    }
    for (int i = 1; i < fds.size(); ++i) {
      if (!(fds[i].revents & (POLLIN | POLLHUP | POLLERR))) continue;
      char buf[256];
      const ssize_t n = ::read(fds[i].fd, buf, sizeof buf);
      if (n <= 0) {
        ::close(fds[i].fd);
        clients.removeAll(fds[i].fd);
        continue;
      }
      // A command is what one write brought: "P" and the counter, no terminator.
      const QString command = QString::fromLatin1(buf, static_cast<int>(n));
      {
        std::lock_guard<std::mutex> lock(mutex_);
        received_.append(command);
      }
      if (onCommand) onCommand(command);
    }
  }
  for (int c : clients) ::close(c);
}
