#include "platform/Settings.h"

#include "TestSettings.h"

#include <QDir>
#include <gtest/gtest.h>

using parvela::test::TestSettings;

TEST(Settings, defaultsWhenNothingIsSet) {
    TestSettings empty({{"Other/x", "1"}});
    EXPECT_EQ(empty.settings().firstDatabasePassword(), "K_plmo_R");
    EXPECT_EQ(empty.settings().secondDatabasePassword(), "mT42_ravel!");
    EXPECT_TRUE(empty.settings().developerMachines().isEmpty());
    EXPECT_EQ(empty.settings().dataRoot(), QDir::homePath());
}

TEST(Settings, readsTheDeveloperMachineList) {
    TestSettings settings({{"Login/developerMachines", "DEV1"}});
    EXPECT_EQ(settings.settings().developerMachines(), QStringList{QStringLiteral("DEV1")});
}
