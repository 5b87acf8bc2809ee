#pragma once

#include <QDir>
#include <QString>
#include <optional>

// The station's updater: a release package in the update source (a folder, or a mounted USB
// stick) is "campionatrice-<version>" beside "campionatrice-<version>.sha256", which holds the
// package's SHA-256 in hexadecimal as its first word.
namespace updater {

struct Release {
  QString version;
  QString package;   // the program file of the release
  QString checksum;  // its checksum file
};

// Orders dotted versions by their numbers: negative, 0 or positive.
int compareVersions(const QString& a, const QString& b);

// The newest release of the source that is newer than `installed`; nothing when none is.
std::optional<Release> newest(const QDir& source, const QString& installed);

// Why the package does not match its checksum; nothing when it does.
std::optional<QString> verify(const Release& release);

// Replaces the program with the package: the new program is written beside it under a
// temporary name and renamed over it in one step, so the program is always whole; the
// previous one stays as "<program>.previous". Why it could not; nothing when it did.
std::optional<QString> install(const Release& release, const QString& program);

// The processes running `program`, with their working folders (read from /proc).
struct Running {
  qint64 pid;
  QString workDir;
};
QList<Running> running(const QString& program);

}  // namespace updater
