#include "TestSettings.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    parvela::test::writeDefaultSettings();
    return RUN_ALL_TESTS();
}
