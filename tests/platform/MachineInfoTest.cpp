#include "platform/MachineInfo.h"

#include <gtest/gtest.h>

using parvela::platform::MachineInfo;

TEST(ComputerNameDiffers, ignoresTheCaseOfAsciiLettersOnly) {
    const MachineInfo machine(QStringLiteral("Kasa-PC1"), QStringLiteral("/data"));
    EXPECT_EQ(machine.computerNameDiffers(QStringLiteral("KASA-pc1")), 0);
    EXPECT_EQ(machine.computerNameDiffers(QStringLiteral("kasa-pc2")), -1);
    EXPECT_EQ(machine.computerNameDiffers(QStringLiteral("KASA")), 1);
    // Only A to Z fold: the dotted capital I is another letter.
    const MachineInfo turkish(QStringLiteral("İSTANBUL"), QStringLiteral("/data"));
    EXPECT_NE(turkish.computerNameDiffers(QStringLiteral("istanbul")), 0);
}

TEST(MachineInfo, buildsTheProgramFoldersUnderTheDataRoot) {
    const MachineInfo machine(QStringLiteral("pc"), QStringLiteral("/srv/root/"));
    EXPECT_EQ(machine.iconsFolder(),
              QStringLiteral("/srv/root/Program Files/Tolvarian/Restaurant/icons"));
    EXPECT_EQ(machine.orvantaFolder(), QStringLiteral("/srv/root/Orvanta"));
}
