#pragma once

#include <QByteArray>
#include <QStringList>
#include <atomic>
#include <functional>
#include <mutex>
#include <thread>

// The simulated print server: a TCP listener on the loopback address that keeps every
// command it receives (the station sends "P" and the lot counter) and tells it.
class SimPrintServer {
 public:
  SimPrintServer() = default;
  ~SimPrintServer();
  SimPrintServer(const SimPrintServer&) = delete;
  SimPrintServer& operator=(const SimPrintServer&) = delete;

  // Listens on the port (0: a free one); false with errorString() when it cannot.
  bool start(quint16 port);
  void stop();
  quint16 port() const { return port_; }
  QString errorString() const { return error_; }

  // The commands received so far, in order.
  QStringList received() const;
  std::function<void(const QString&)> onCommand;

 private:
  void run();

  int listenFd_ = -1;
  quint16 port_ = 0;
  QString error_;
  std::thread thread_;
  std::atomic<bool> stop_{false};
  mutable std::mutex mutex_;
  QStringList received_;
};
