#include "CannedSpooler.h"
#include "LabelJobs.h"
#include "ScriptedMessageBoxes.h"
#include "TestSettings.h"
#include "labels/PrintSpooler.h"
#include "platform/Settings.h"

#include <QElapsedTimer>
#include <QTcpServer>
#include <cups/cups.h>
#include <gtest/gtest.h>

namespace parvela::labels {
namespace {

using namespace std::chrono_literals;

const QString kNoPrinter = QStringLiteral("Yazici Secilmedi ya da yazici yok.!");
const std::string kEpl = "N\r\nA20,10,0,2,1,1,N,\"sis KoFTE\"\r\nP1\r\n";

std::string everyByte() {
    std::string bytes;
    for (int value = 0; value < 256; ++value)
        bytes.push_back(static_cast<char>(value));
    return bytes;
}

QString listenerUri() {
    const QString port = qEnvironmentVariable("PARVELA_LABEL_PORT", QStringLiteral("9109"));
    return QStringLiteral("socket://127.0.0.1:") + port;
}

// The one box a failed job shows: no caption, no owner, OK only.
void expectOnlyBox(const test::ScriptedMessageBoxes& boxes, const QString& text) {
    ASSERT_EQ(boxes.shown().size(), 1u);
    const platform::BoxRequest& box = boxes.shown().front();
    EXPECT_EQ(box.text, text);
    EXPECT_EQ(box.caption, QString());
    EXPECT_EQ(box.buttons, platform::BoxButtons::Ok);
    EXPECT_EQ(box.icon, platform::BoxIcon::None);
    EXPECT_EQ(box.owner, nullptr);
}

struct SpooledJob {
    std::string title;
    std::string format;
};

// The newest job the spooler keeps for ETIKET.
SpooledJob newestJob() {
    cupsSetServer(test::LabelJobs::printServer().toUtf8().constData());
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, "ETIKET", 0, CUPS_WHICHJOBS_ALL);
    SpooledJob newest;
    int newestId = 0;
    for (int i = 0; i < count; ++i)
        if (jobs[i].id > newestId) {
            newestId = jobs[i].id;
            newest = {jobs[i].title ? jobs[i].title : "", jobs[i].format ? jobs[i].format : ""};
        }
    cupsFreeJobs(count, jobs);
    return newest;
}

class SpoolerTest : public ::testing::Test {
protected:
    void SetUp() override { m_jobs.clear(); }

    test::LabelJobs m_jobs;
    test::TestSettings m_settings{
        {QStringLiteral("Printing/server"), test::LabelJobs::printServer()}};
    PrintSpooler m_spooler{m_settings.settings().printServer()};
    test::ScriptedMessageBoxes m_boxes;
};

TEST_F(SpoolerTest, ListsTheLabelQueuesInOrderWithTheirPorts) {
    const auto printers = m_spooler.printers();
    ASSERT_TRUE(printers.has_value());
    QStringList names;
    for (std::size_t i = 0; i < printers->size(); ++i) {
        EXPECT_EQ((*printers)[i].index, static_cast<int>(i) + 1);
        names << (*printers)[i].name;
    }
    const qsizetype label = names.indexOf(QStringLiteral("ETIKET"));
    ASSERT_GE(label, 0) << names.join(u',').toStdString();
    EXPECT_EQ((*printers)[static_cast<std::size_t>(label)].port, listenerUri());
    EXPECT_TRUE(names.contains(QStringLiteral("ETIKET_KAPALI")));
}

TEST_F(SpoolerTest, RawJobsArriveByteForByteOneFilePerJobInOrder) {
    EXPECT_TRUE(m_spooler.sendRaw(QStringLiteral("ETIKET"), everyByte(), m_boxes));
    EXPECT_TRUE(m_spooler.sendRaw(QStringLiteral("ETIKET"), kEpl, m_boxes));
    EXPECT_TRUE(m_boxes.shown().empty()) << m_boxes.texts().join(u'|').toStdString();

    const std::vector<std::string> jobs = m_jobs.waitFor(2, 20s);
    ASSERT_EQ(jobs.size(), 2u);
    EXPECT_EQ(jobs[0], everyByte());
    EXPECT_EQ(jobs[1], kEpl);

    const SpooledJob job = newestJob();
    EXPECT_EQ(job.title, "My Document");
    EXPECT_EQ(job.format, CUPS_FORMAT_RAW);
}

TEST_F(SpoolerTest, AnUnknownOrEmptyPrinterNameSaysNoPrinterAndSendsNothing) {
    EXPECT_FALSE(m_spooler.sendRaw(QStringLiteral("YOK_BOYLE_BIR_YAZICI"), kEpl, m_boxes));
    expectOnlyBox(m_boxes, kNoPrinter);
    m_boxes.clear();
    EXPECT_FALSE(m_spooler.sendRaw(QString(), kEpl, m_boxes));
    expectOnlyBox(m_boxes, kNoPrinter);
    EXPECT_TRUE(m_jobs.received().empty());
}

TEST_F(SpoolerTest, AQueueThatRefusesJobsFailsAtTheStartOfTheDocument) {
    EXPECT_FALSE(m_spooler.sendRaw(QStringLiteral("ETIKET_KAPALI"), kEpl, m_boxes));
    expectOnlyBox(m_boxes, QStringLiteral("StartDocPrinterA Failed"));
    EXPECT_TRUE(m_jobs.received().empty());
}

TEST_F(SpoolerTest, NoSpoolerAtTheAddressMeansNoListAndNoPrinterQuickly) {
    QTcpServer probe;
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost));
    const QString address = QStringLiteral("127.0.0.1:%1").arg(probe.serverPort());
    probe.close();

    QElapsedTimer clock;
    clock.start();
    const PrintSpooler absent(address);
    EXPECT_FALSE(absent.printers().has_value());
    EXPECT_EQ(absent.defaultPrinter(), QString());
    EXPECT_FALSE(absent.sendRaw(QStringLiteral("ETIKET"), kEpl, m_boxes));
    expectOnlyBox(m_boxes, kNoPrinter);
    EXPECT_LT(clock.elapsed(), 2000);
}

TEST_F(SpoolerTest, ASpoolerWithoutPrintersGivesAnEmptyListAndAnErrorGivesNone) {
    const test::CannedSpooler empty(IPP_STATUS_ERROR_NOT_FOUND);
    const auto none = PrintSpooler(empty.address()).printers();
    ASSERT_TRUE(none.has_value());
    EXPECT_TRUE(none->empty());

    const test::CannedSpooler broken(IPP_STATUS_ERROR_INTERNAL);
    EXPECT_FALSE(PrintSpooler(broken.address()).printers().has_value());
}

// A spooler that takes the connection and never answers, as a stopped cupsd
// does, must not hold the program.
TEST_F(SpoolerTest, ASpoolerThatNeverAnswersGivesUpAfterTheTimeout) {
    QTcpServer silent;
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost));
    const QString address = QStringLiteral("127.0.0.1:%1").arg(silent.serverPort());

    QElapsedTimer clock;
    clock.start();
    const PrintSpooler hung(address, 300ms);
    EXPECT_FALSE(hung.printers().has_value());
    EXPECT_FALSE(hung.sendRaw(QStringLiteral("ETIKET"), kEpl, m_boxes));
    expectOnlyBox(m_boxes, kNoPrinter);
    EXPECT_LT(clock.elapsed(), 5000);
}

} // namespace
} // namespace parvela::labels
