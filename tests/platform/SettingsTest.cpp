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
    EXPECT_EQ(empty.settings().connectTimeoutSeconds(), 5);
    EXPECT_EQ(empty.settings().readTimeoutSeconds(), 30);
}

TEST(Settings, timeOutsTakeOnlyPositiveWholeSeconds) {
    TestSettings set({{"Server/connectTimeout", "2"}, {"Server/readTimeout", "9"}});
    EXPECT_EQ(set.settings().connectTimeoutSeconds(), 2);
    EXPECT_EQ(set.settings().readTimeoutSeconds(), 9);
    TestSettings unusable({{"Server/connectTimeout", "0"}, {"Server/readTimeout", "abc"}});
    EXPECT_EQ(unusable.settings().connectTimeoutSeconds(), 5);
    EXPECT_EQ(unusable.settings().readTimeoutSeconds(), 30);
}

TEST(Settings, readsTheDeveloperMachineList) {
    TestSettings settings({{"Login/developerMachines", "DEV1"}});
    EXPECT_EQ(settings.settings().developerMachines(), QStringList{QStringLiteral("DEV1")});
}
