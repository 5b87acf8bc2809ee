// Program entry of the station: the application, the working folder, the settings store,
// the event log and the main window; then the message loop until the main window closes.

#include <QApplication>
#include <QDir>
#include <QSocketNotifier>
#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

#include "app/station.h"
#include "app/tmain.h"
#include "base/clock.h"
#include "base/eventlog.h"
#include "base/modalui.h"
#include "config/settingsstore.h"
#include "db/databaseacc.h"

namespace {

int signalPipe[2] = {-1, -1};

void onSignal(int) {
  const char c = 1;
  // Only async-signal-safe work here: wake the message loop.
  [[maybe_unused]] ssize_t n = ::write(signalPipe[1], &c, 1);
}

QtMessageHandler defaultHandler = nullptr;

// The offscreen platform warns about window hints it cannot carry out; that says nothing
// about the station and would bury its own messages.
void messageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.contains(QLatin1String("propagateSizeHints"))) return;
  if (defaultHandler) defaultHandler(type, context, message);
}

bool hasDisplay() {
  return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
         !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

}  // namespace

int main(int argc, char* argv[]) {
  QStringList arguments;
  for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  StationOptions options = StationOptions::parse(arguments);
  if (options.help) {
    std::fputs(StationOptions::usage().toLocal8Bit().constData(), stdout);
    return 0;
  }
  if (options.version) {
    std::printf("campionatrice %s\n", STATION_VERSION);
    return 0;
  }

  if (options.databaseRole) {
    // The station's own login, for the server of a shared archive; printed here so that it
    // need not be written down anywhere else.
    QMap<QString, QString> login;
    TDatabase::Database1Login(login);
    std::printf("CREATE ROLE %s LOGIN PASSWORD '%s';\n", login.value(QStringLiteral("USER NAME")).toLatin1().constData(),
                login.value(QStringLiteral("PASSWORD")).toLatin1().constData());
    return 0;
  }

  if (options.createDatabase) {
    // The setup command: no window, no operator; its one error is printed below.
    QCoreApplication app(argc, argv);
    ModalUi ui(ModalUi::Mode::Scripted);
    SettingsStore store;
    const TDatabase::Target target = TDatabase::resolve(store, QDir(QDir::currentPath()));
    TDatabase database(target, ui);
    if (const auto error = database.createTables()) {
      std::fprintf(stderr, "campionatrice: %s\n", error->toLocal8Bit().constData());
      return 1;
    }
    std::printf("campionatrice: tables ready in %s\n", target.describe().toLocal8Bit().constData());
    return 0;
  }

  if (!hasDisplay()) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    options.unattended = true;
    std::fputs("campionatrice: nessuno schermo: avvio sulla piattaforma offscreen, senza operatore "
               "(--unattended)\n",
               stderr);
  }

  defaultHandler = qInstallMessageHandler(messageHandler);
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("campionatrice"));
  QApplication::setApplicationDisplayName(QString::fromLatin1(station::kApplicationTitle));
  QApplication::setOrganizationName(QString::fromLatin1(SettingsStore::kRoot));

  for (const QString& u : options.unknown)
    std::fprintf(stderr, "campionatrice: opzione sconosciuta ignorata: %s\n", u.toLocal8Bit().constData());

  const QDir workDir(QDir::currentPath());
  app.setProperty("helpFile", station::helpFile(workDir));

  SystemClock clock;
  EventLog log(workDir, clock);
  ModalUi ui(options.unattended ? ModalUi::Mode::Unattended : ModalUi::Mode::Interactive);
  ui.setEventLog(&log);
  SettingsStore store;
  if (!store.lastError().isEmpty()) ui.message(store.lastError(), ModalUi::Icon::Warning);

  StationEnvironment env{workDir, store, ui, clock, log, arguments};
  // The board's exchanges never run on the window's thread.
  env.boardOnWorker = true;
  TMain main(env);

  // SIGTERM and SIGINT close the station through its close sequence, like the window's
  // close button.
  if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) == 0) {
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &main, [&main]() {
      char c;
      [[maybe_unused]] ssize_t n = ::read(signalPipe[0], &c, 1);
      main.close();
    });
    struct sigaction sa {};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGINT, &sa, nullptr);
  }

  main.show();
  return app.exec();
}
