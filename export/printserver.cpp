#include "export/printserver.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QTcpSocket>

#include "config/settingsstore.h"

namespace {
// Loopback: the server answers or refuses at once; these are the longest waits.
constexpr int kConnectMs = 1000;
constexpr int kWriteMs = 1000;
}  // namespace

PrintServerClient::PrintServerClient(const SettingsStore& store) : socket_(std::make_unique<QTcpSocket>()) {
  const QString section = QString::fromLatin1(kSection);
  const qint32 port = store.integer(section, QStringLiteral("port"))
                          .value_or(store.readText(section, QStringLiteral("port"), QString::number(kDefaultPort)).toInt());
  port_ = port > 0 && port < 65536 ? static_cast<quint16>(port) : kDefaultPort;
}

PrintServerClient::~PrintServerClient() { close(); }

void PrintServerClient::open() {
  if (socket_->state() != QAbstractSocket::UnconnectedState) return;
  socket_->connectToHost(QHostAddress::LocalHost, port_);
}

void PrintServerClient::close() {
  if (socket_->state() == QAbstractSocket::UnconnectedState) return;
  socket_->abort();
}

bool PrintServerClient::isOpen() const { return socket_->state() == QAbstractSocket::ConnectedState; }

bool PrintServerClient::send(const QString& command, QString* error) {
  if (socket_->state() != QAbstractSocket::ConnectedState) {
    socket_->abort();
    socket_->connectToHost(QHostAddress::LocalHost, port_);
    if (!socket_->waitForConnected(kConnectMs)) {
      if (error)
        *error = QCoreApplication::translate("PrintServerClient", "server di stampa 127.0.0.1:%1 non raggiungibile: %2")
                     .arg(port_)
                     .arg(socket_->errorString());
      socket_->abort();
      return false;
    }
  }
  const QByteArray bytes = command.toLatin1();
  if (socket_->write(bytes) != bytes.size() || !socket_->waitForBytesWritten(kWriteMs)) {
    if (error) *error = socket_->errorString();
    socket_->abort();
    return false;
  }
  return true;
}
