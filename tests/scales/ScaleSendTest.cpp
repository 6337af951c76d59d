#include "CatalogFixtures.h"
#include "RecordingListener.h"
#include "ScaleFixture.h"
#include "ScalePeer.h"
#include "app/CatalogueGate.h"
#include "platform/Settings.h"
#include "platform/WindowMessages.h"
#include "scales/PluList.h"
#include "scales/ScaleSender.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <QWidget>

using namespace parvela;
using test::TestDatabase;

namespace {

// A scale that keeps the bytes it receives.
class Listener : public test::RecordingListener {
public:
    Listener(const char* address, quint16 port)
        : RecordingListener(QHostAddress(QString::fromLatin1(address)), port) {}
};

// The main window's part: the progress messages it gets.
class PanelLog : public QWidget {
public:
    std::vector<int> messages;

protected:
    bool event(QEvent* event) override {
        const int type = static_cast<int>(event->type());
        if (type >= platform::msg::kScaleBusy && type <= platform::msg::kScaleItemSent) {
            messages.push_back(type);
            return true;
        }
        return QWidget::event(event);
    }
};

const std::string kPluBytes = " 1,\xDE\xDD\xDE  K\xD6"
                              "FTE,1,1,7,12345,27,0,30,\r\n"
                              " 0,Zeytin,0,0,7,29,27,0,30,\r\n";

class ScaleSendTest : public test::ScaleFixture {
protected:
    void SetUp() override {
        ScaleFixture::SetUp();
        test::addProduct({.stcode = 1, .name = "ŞİŞ, KÖFTE", .weighed = true, .sellp1 = 123.45});
        test::addProduct({.stcode = 2, .name = "Zeytin", .weighed = true, .sellp1 = 0.29});
        test::addProduct({.stcode = 3, .name = "Ayran", .sellp1 = 10});
        TestDatabase::exec("UPDATE stocks.stckdef SET barcode='2700001' WHERE stcode=1;");
        m_catalog.readProductSideLists();
        m_catalog.readProducts();
    }
    void defineScales(const std::string& values) {
        TestDatabase::exec("INSERT INTO stocks.terazi(ipaddr) VALUES" + values + ";");
        m_catalog.readScales();
    }
    QByteArray writtenFile() const {
        QFile file(pluPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
    }
};

} // namespace

TEST_F(ScaleSendTest, theFileGoesWholeToEveryScaleAndADeadOneIsReported) {
    Listener first("127.0.0.1", 0);
    ASSERT_TRUE(first.listening());
    Listener second("127.0.0.2", first.port());
    ASSERT_TRUE(second.listening());
    const test::ScalePeer deaf("127.0.0.4", test::ScalePeer::Behaviour::NeverReads, first.port());
    ASSERT_EQ(deaf.port(), first.port());
    m_settings.settings().setValue(QStringLiteral("Scales/port"), QString::number(first.port()));
    // Nothing listens on 127.0.0.3, and nothing reads on 127.0.0.4; the
    // empty row names no scale.
    defineScales("('127.0.0.1'),('127.0.0.2'),(''),('127.0.0.3'),('127.0.0.4')");
    PanelLog panel;

    m_features.sendToScales(&panel);
    EXPECT_TRUE(QTest::qWaitFor([this] { return m_boxes.shown().size() == 3; }, 20000));
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return second.received.size() >= qsizetype(kPluBytes.size()); }));
    QTest::qWait(50);

    const QByteArray expected = QByteArray::fromStdString(kPluBytes);
    EXPECT_EQ(writtenFile(), expected);
    EXPECT_EQ(first.received, expected);
    EXPECT_EQ(second.received, expected);
    // Zeytin has no scale code: the manager is asked first, and goes on.
    QStringList texts = m_boxes.texts();
    ASSERT_EQ(texts.size(), 3);
    EXPECT_EQ(texts.takeFirst(), app::errorsQuestion(1));
    EXPECT_EQ(m_boxes.captions()[0], QStringLiteral("Teraziye Gönder"));
    EXPECT_EQ(texts[0], QStringLiteral(" 1,ŞİŞ  KÖFTE,1,1,7,12345,27,0,30,\r\n"
                                       " 0,Zeytin,0,0,7,29,27,0,30,\r\n"));
    EXPECT_EQ(m_boxes.captions()[1], QStringLiteral("Terazi Ürünleri"));
    const QStringList report = texts[1].split(u'\n');
    ASSERT_EQ(report.size(), 4);
    EXPECT_EQ(report[0], QStringLiteral("127.0.0.1 : OK"));
    EXPECT_EQ(report[1], QStringLiteral("127.0.0.2 : OK"));
    EXPECT_TRUE(report[2].startsWith(QStringLiteral("127.0.0.3 : bağlanılamadı: ")))
        << report[2].toStdString();
    EXPECT_EQ(report[3],
              QStringLiteral("127.0.0.4 : terazi 5 sn içinde dosyayı alıp bağlantıyı kapatmadı"));
    EXPECT_EQ(m_boxes.shown()[2].icon, platform::BoxIcon::Exclamation);
    EXPECT_EQ(panel.messages,
              (std::vector<int>{platform::msg::kScaleBusy, platform::msg::kScaleItemSent,
                                platform::msg::kScaleItemSent, platform::msg::kScaleItemSent,
                                platform::msg::kScaleItemSent, platform::msg::kScaleIdle}));
    // The name in the database keeps its comma.
    EXPECT_EQ(TestDatabase::scalar("SELECT stname FROM stocks.stckdef WHERE stcode=1;"),
              "ŞİŞ, KÖFTE");
}

TEST_F(ScaleSendTest, anUnreachableScaleGivesUpAfterTheConnectTimeOut) {
    scales::ScaleEntry blackHole{1, "192.0.2.1"};
    scales::SendOptions options;
    options.connectMs = 300;
    std::vector<int> progress;
    QElapsedTimer clock;
    clock.start();
    const std::vector<scales::Delivery> sent =
        scales::deliver(kPluBytes, {blackHole}, options, [&](int m) { progress.push_back(m); });
    EXPECT_LT(clock.elapsed(), 3000);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_FALSE(sent[0].error.isEmpty());
    EXPECT_FALSE(scales::allDelivered(sent));
    EXPECT_EQ(progress.size(), 3u);
}

TEST_F(ScaleSendTest, stoppingAtTheCatalogueErrorsWritesAndSendsNothing) {
    Listener scale("127.0.0.1", 0);
    m_settings.settings().setValue(QStringLiteral("Scales/port"), QString::number(scale.port()));
    defineScales("('127.0.0.1')");
    m_boxes.queueAnswer(platform::BoxAnswer::No);
    PanelLog panel;
    m_features.sendToScales(&panel);
    QTest::qWait(300);
    EXPECT_EQ(m_boxes.texts(), QStringList{app::errorsQuestion(1)});
    EXPECT_EQ(m_boxes.shown()[0].owner, &panel);
    EXPECT_FALSE(QFile::exists(pluPath()));
    EXPECT_TRUE(scale.received.isEmpty());
}

TEST_F(ScaleSendTest, noScaleOrAnUnwritableFileSendsNothing) {
    // Zeytin gets its scale code: the catalogue has no error to ask about.
    TestDatabase::exec("UPDATE stocks.stckdef SET barcode='2700002' WHERE stcode=2;");
    m_catalog.readProducts();
    PanelLog panel;
    // No row at all, then rows without an address.
    for (const char* rows : {"", "(''),('  ')"}) {
        if (*rows != '\0')
            defineScales(rows);
        m_boxes.clear();
        m_features.sendToScales(&panel);
        EXPECT_EQ(m_boxes.texts(), QStringList{QStringLiteral("Tanımlı bir terazi yok..")}) << rows;
        EXPECT_EQ(m_boxes.shown()[0].owner, &panel);
        EXPECT_FALSE(QFile::exists(pluPath()));
    }

    Listener scale("127.0.0.1", 0);
    m_settings.settings().setValue(QStringLiteral("Scales/port"), QString::number(scale.port()));
    defineScales("('127.0.0.1')");
    // A folder where the file should be: it cannot be replaced.
    ASSERT_TRUE(QDir().mkpath(pluPath()));
    m_boxes.clear();
    m_features.sendToScales(&panel);
    QTest::qWait(300);
    ASSERT_EQ(m_boxes.texts().size(), 2);
    EXPECT_TRUE(m_boxes.texts()[1].startsWith(QDir::toNativeSeparators(pluPath()) +
                                              QStringLiteral(" yazılamadı: ")))
        << m_boxes.texts()[1].toStdString();
    EXPECT_TRUE(scale.received.isEmpty());
    EXPECT_TRUE(panel.messages.empty());
}
