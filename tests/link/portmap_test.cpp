#include <gtest/gtest.h>

#include "link/portmap.h"
#include "support/testenv.h"

TEST(PortMap, MappedDevicesAndRealUartsAreListedInOrder) {
  TestEnv env;
  env.writeFile(QStringLiteral("dev/a"), "");
  env.writeFile(QStringLiteral("dev/b"), "");
  // A fake sysfs: ttyS0 exists without a UART behind it; no other ttyS is known.
  env.writeFile(QStringLiteral("sys/ttyS0/type"), "0\n");
  PortMap map({{1, env.path(QStringLiteral("dev/a"))}, {12, env.path(QStringLiteral("dev/b"))},
               {7, env.path(QStringLiteral("dev/missing"))}},
              env.path(QStringLiteral("sys")));
  EXPECT_EQ(map.existingPorts(), (QList<int>{1, 12}));
  EXPECT_EQ(map.enumerate(), QStringLiteral("1,12"));
  EXPECT_EQ(map.devicePath(12), env.path(QStringLiteral("dev/b")));
  EXPECT_EQ(map.devicePath(3), QStringLiteral("/dev/ttyS2"));
}

TEST(PortMap, TheStoreSectionPublishesPorts) {
  TestEnv env;
  ASSERT_TRUE(PortMap::publish(*env.store, 3, QStringLiteral("/dev/pts/9")));
  env.store->writeText(QStringLiteral("ports"), QStringLiteral("junk"), QStringLiteral("/dev/x"));
  env.store->writeText(QStringLiteral("ports"), QStringLiteral("COM100"), QStringLiteral("/dev/y"));
  const PortMap map = PortMap::fromStore(*env.store);
  EXPECT_EQ(map.devicePath(3), QStringLiteral("/dev/pts/9"));
  EXPECT_EQ(map.devicePath(4), QStringLiteral("/dev/ttyS3"));
}
