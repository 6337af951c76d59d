#include "ScalePeer.h"
#include "scales/ScaleSender.h"

#include <QElapsedTimer>
#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

using namespace parvela;
using Behaviour = test::ScalePeer::Behaviour;
using scales::Verdict;

namespace {

const std::string kPluBytes = " 1,KIYMA,1,1,7,12345,27,0,30,\r\n"
                              " 2,Zeytin,2,2,7,29,27,0,30,\r\n";

constexpr int kTimeOutMs = 1000;

} // namespace

// Each scale on an address of its own, all on one port as the setting has
// it: only a scale that read the whole file and closed counts as served
// (one that stays silent may never have read it: its kernel acknowledges a
// small file all the same), and each failure is named with its scale's
// address within the time-out.
TEST(ScaleDeliveryTest, onlyAScaleThatTookTheWholeFileIsServed) {
    const struct {
        const char* address;
        Behaviour behaviour;
        Verdict verdict;
    } cases[] = {
        {"127.0.0.21", Behaviour::NeverReads, Verdict::TimedOut},
        {"127.0.0.22", Behaviour::ReadsTenBytesAndCloses, Verdict::Reset},
        {"127.0.0.23", Behaviour::ResetsAtAccept, Verdict::Reset},
        {"127.0.0.24", Behaviour::ReadsAByteNowAndThen, Verdict::TimedOut},
        {"127.0.0.25", Behaviour::ReadsToTheEndAndStaysSilent, Verdict::TimedOut},
        {"127.0.0.26", Behaviour::ReadsToTheEndAndCloses, Verdict::Served},
    };
    std::vector<std::unique_ptr<test::ScalePeer>> peers;
    std::vector<scales::ScaleEntry> scaleList;
    for (const auto& c : cases) {
        const quint16 port = peers.empty() ? 0 : peers.front()->port();
        peers.push_back(std::make_unique<test::ScalePeer>(c.address, c.behaviour, port));
        ASSERT_NE(peers.back()->port(), 0) << c.address;
        scaleList.push_back({static_cast<int>(peers.size()), c.address});
    }
    scales::SendOptions options;
    options.port = peers.front()->port();
    options.connectMs = kTimeOutMs;
    options.deliveryMs = kTimeOutMs;

    // A step is posted after each scale: the time each one took.
    QElapsedTimer clock;
    std::vector<qint64> took;
    qint64 last = 0;
    clock.start();
    const std::vector<scales::Delivery> sent =
        scales::deliver(kPluBytes, scaleList, options, [&](int) {
            took.push_back(clock.elapsed() - last);
            last = clock.elapsed();
        });

    ASSERT_EQ(sent.size(), std::size(cases));
    const QStringList report = scales::deliveryReport(sent).split(u'\n');
    ASSERT_EQ(report.size(), qsizetype(std::size(cases)));
    for (size_t i = 0; i < std::size(cases); ++i) {
        const auto& c = cases[i];
        SCOPED_TRACE(c.address);
        const bool served = c.verdict == Verdict::Served;
        EXPECT_EQ(sent[i].verdict, c.verdict) << sent[i].error.toStdString();
        EXPECT_EQ(sent[i].error.isEmpty(), served);
        const QString named = QString::fromLatin1(c.address) + QStringLiteral(" : ");
        EXPECT_TRUE(report[qsizetype(i)].startsWith(named)) << report[qsizetype(i)].toStdString();
        EXPECT_EQ(report[qsizetype(i)] == named + QStringLiteral("OK"), served);
        // The step before the first scale is the busy one.
        EXPECT_LT(took.at(i + 1), kTimeOutMs + 500);
    }
    EXPECT_FALSE(scales::allDelivered(sent));
    EXPECT_EQ(peers.back()->received(), kPluBytes);
}

// The program's end cancels a delivery: the wait for a silent scale stops at
// once and the scales after it are not tried.
TEST(ScaleDeliveryTest, cancellingEndsTheWaitAndTriesNoFurtherScale) {
    const test::ScalePeer deaf("127.0.0.21", Behaviour::NeverReads);
    const test::ScalePeer next("127.0.0.22", Behaviour::ReadsToTheEndAndCloses, deaf.port());
    scales::SendOptions options;
    options.port = deaf.port();
    QElapsedTimer clock;
    clock.start();
    const std::vector<scales::Delivery> sent = scales::deliver(
        kPluBytes, {{1, "127.0.0.21"}, {2, "127.0.0.22"}}, options, [](int) {},
        [&clock] { return clock.elapsed() > 200; });
    EXPECT_LT(clock.elapsed(), 600);
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0].verdict, Verdict::Cancelled);
    EXPECT_EQ(sent[1].verdict, Verdict::Cancelled);
    EXPECT_TRUE(next.received().empty());
}
