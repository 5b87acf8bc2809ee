#include <gtest/gtest.h>

#include "app/station.h"

TEST(StationOptions, OnlyAnExactFirstMinusOSelectsTheOldBoard) {
  struct Case { QStringList args; bool old; bool unattended; };
  const Case cases[] = {
      {{QStringLiteral("-o")}, true, false},
      {{QStringLiteral("-o"), QStringLiteral("--unattended")}, true, true},
      {{QStringLiteral("-O")}, false, false},
      {{QStringLiteral("-o2")}, false, false},
      {{QStringLiteral("--unattended"), QStringLiteral("-o")}, false, true},
      {{}, false, false},
  };
  for (const Case& c : cases) {
    const StationOptions o = StationOptions::parse(c.args);
    EXPECT_EQ(o.oldBoard, c.old) << c.args.join(' ').toStdString();
    EXPECT_EQ(o.unattended, c.unattended) << c.args.join(' ').toStdString();
  }
  EXPECT_EQ(StationOptions::parse({QStringLiteral("--bogus")}).unknown, QStringList{QStringLiteral("--bogus")});
}
