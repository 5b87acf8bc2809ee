#pragma once

#include <QString>
#include <memory>

class QTcpSocket;
class SettingsStore;

// The print server's client: a TCP connection to the print server on this machine
// (127.0.0.1, port 5430, or the port of the settings section "printserver"), opened at
// start-up and kept; a command is sent on it, opening it again when it was lost.
class PrintServerClient {
 public:
  static constexpr quint16 kDefaultPort = 5430;
  static constexpr const char* kSection = "printserver";

  explicit PrintServerClient(const SettingsStore& store);
  ~PrintServerClient();

  // Starts connecting, without waiting.
  void open();
  void close();
  bool isOpen() const;
  quint16 port() const { return port_; }
  // Sends the command; false, with the reason, when it could not be delivered.
  bool send(const QString& command, QString* error);

 private:
  quint16 port_;
  std::unique_ptr<QTcpSocket> socket_;
};
