#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/text.h"
#include "support/testenv.h"

namespace {

QByteArray stamp(const Clock& clock) {
  const QDateTime now = clock.now();
  return (text::formatShortDate(now.date()) + QLatin1Char(' ') + text::formatLongTime(now.time()) +
          QStringLiteral(" | "))
      .toLatin1();
}

}  // namespace

TEST(EventLog, EntriesAreAppendedAsDateTimeBarMessageWithoutTerminator) {
  TestEnv env;
  EXPECT_TRUE(env.log->append(QStringLiteral(">START<")));
  EXPECT_TRUE(env.log->append(QStringLiteral("1,12")));
  EXPECT_TRUE(env.log->append(QStringLiteral("start Pilto\r\n")));
  const QByteArray s = stamp(env.clock);
  EXPECT_EQ(env.readFile(QStringLiteral("morvel.log")),
            s + ">START<" + s + "1,12" + s + "start Pilto\r\n");
}

TEST(EventLog, LongEntriesAreCutTo255SingleByteCharacters) {
  TestEnv env;
  const QString message = QString(300, QLatin1Char('x')) + QStringLiteral("\r\n");
  env.log->append(message);
  const QByteArray content = env.readFile(QStringLiteral("morvel.log"));
  EXPECT_EQ(content.size(), 255);
  EXPECT_TRUE(content.endsWith("xxx"));

  TestEnv env2;
  env2.log->append(QStringLiteral("qualità"));
  EXPECT_TRUE(env2.readFile(QStringLiteral("morvel.log")).endsWith("qualit\xe0"));
}

TEST(EventLog, AFailingWriteIsReportedButNeverThrows) {
  if (::geteuid() == 0) {
    // Root writes through permissions; a log path that is a folder fails for everyone.
    TestEnv env;
    env.workDir.mkdir(QStringLiteral("morvel.log"));
    EXPECT_FALSE(env.log->append(QStringLiteral("lost")));
    return;
  }
  TestEnv env;
  ::chmod(QFile::encodeName(env.workDir.path()).constData(), 0500);
  EXPECT_FALSE(env.log->append(QStringLiteral("lost")));
  ::chmod(QFile::encodeName(env.workDir.path()).constData(), 0700);
}
