#include "app/station.h"

#include <QCoreApplication>

StationOptions StationOptions::parse(const QStringList& arguments) {
  StationOptions options;
  for (int i = 0; i < arguments.size(); ++i) {
    const QString& a = arguments[i];
    if (i == 0 && a == QLatin1String("-o")) {
      options.oldBoard = true;
    } else if (a == QLatin1String("--unattended")) {
      options.unattended = true;
    } else if (a == QLatin1String("--create-database")) {
      options.createDatabase = true;
    } else if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
      options.help = true;
    } else if (i == 0) {
      // Any other first parameter (-O, -o2 ...) leaves the station in normal mode; only
      // options of our own are checked.
      if (a.startsWith(QLatin1String("--"))) options.unknown << a;
    } else {
      options.unknown << a;
    }
  }
  return options;
}

QString StationOptions::usage() {
  return QCoreApplication::translate(
      "StationOptions",
      "Uso: campionatrice [-o] [--unattended] | --create-database\n"
      "  -o             centralina vecchia: linea a 9600 baud, riga di configurazione corta\n"
      "                 (solo come primo parametro)\n"
      "  --unattended   risponde OK o Si a ogni messaggio e finestra modale e ne scrive il\n"
      "                 testo nel registro eventi e sullo standard error\n"
      "  --create-database  crea le tabelle mancanti nel database dell'alias tavikdata\n"
      "                 (sezione \"databases\" delle impostazioni; senza, il file SQLite\n"
      "                 tavikdata.sqlite della cartella di lavoro) ed esce\n"
      "La cartella di lavoro e' la cartella corrente.\n");
}

QString station::helpFile(const QDir& workDir) { return workDir.filePath(QStringLiteral("help/Tavik.hlp")); }
