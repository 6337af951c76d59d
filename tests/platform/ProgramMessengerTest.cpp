#include "platform/ProgramMessenger.h"

#include "ListeningProgram.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

using parvela::platform::ProgramMessenger;

TEST(ProgramMessenger, deliversToAListeningProgram) {
    const QString title =
        QStringLiteral("yonetim_rest_test_%1").arg(QCoreApplication::applicationPid());
    parvela::test::ListeningProgram program(title);
    const ProgramMessenger messenger;
    EXPECT_TRUE(messenger.send(title, 4377));
    EXPECT_TRUE(messenger.send(title, 1109));
    EXPECT_EQ(program.received(), (std::vector<int>{4377, 1109}));
}

TEST(ProgramMessenger, sendsNothingWhenNobodyListens) {
    const ProgramMessenger messenger(500);
    EXPECT_FALSE(messenger.send(QStringLiteral("nobody_listens_here"), 4377));
}
