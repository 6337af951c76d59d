#include "stock/groupsettings/GroupSettings.h"

#include "BrowserFixture.h"
#include "CatalogFixtures.h"
#include "ModalDriver.h"
#include "app/StartupLoad.h"
#include "db/StatementJournal.h"
#include "groups/GroupLookups.h"
#include "labels/WeighedBarcodes.h"
#include "platform/JobProgressDialog.h"
#include "stock/catalogue/EditedProduct.h"
#include "stock/catalogue/NameRepair.h"
#include "stock/groupsettings/StockGroupPick.h"
#include "stock/groupsettings/StockGroupWindows.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QTest>
#include <QTreeWidget>
#include <algorithm>
#include <csignal>

using namespace parvela;
using test::TestDatabase;
using Texts = std::vector<std::string>;

namespace {

// Group A 1 holds B 11 (products 101, 102) and B 12 (product 103); Group A
// 2 holds B 21 with C 211 (product 201).
class GroupSettingsTest : public test::StockTestBase {
protected:
    void SetUp() override {
        StockTestBase::SetUp();
        test::addGroupA(1, "Yiyecekler");
        test::addGroupA(2, "İçecekler");
        test::addGroupB(1, 11, "Çorbalar");
        test::addGroupB(1, 12, "Tatlılar");
        test::addGroupB(2, 21, "Sıcaklar");
        test::addGroupC(2, 21, 211, "Çaylar");
        test::addProduct({101, "Mercimek", 1, 11});
        test::addProduct({102, "Ezogelin", 1, 11});
        test::addProduct({103, "Sütlaç", 1, 12});
        test::addProduct({201, "Demli Çay", 2, 21, 211});
        app::loadSharedLists(m_catalog);
        m_catalog.runner().setJournal(&m_journal);
        // The products read again at once, so that the statements come in order.
        m_context.rereadProductsLater = nullptr;
        m_context.behindProgress = [this](platform::JobWork job, const QString& title,
                                          QObject* owner) {
            platform::runBehindProgress(m_jobs, std::move(job), title,
                                        qobject_cast<QWidget*>(owner));
        };
    }

    // The context of the main screen's "Ayarla" for a group of level B.
    void contextOfB(int bcode) {
        std::vector<groups::GroupB>& screen = m_catalog.groups().screenB();
        groups::groupBOfA(screen, m_catalog.groups().allGroupB(), 1);
        for (groups::GroupB& group : screen)
            group.selected = group.bcode == bcode;
        m_catalog.groupContext() =
            *groups::selectedContext(groups::GroupLevel::B, m_catalog.groups().screenA(),
                                     m_catalog.groups().screenB(), m_catalog.groups().screenC());
    }
    void listGroupB(int bcode) { stock::showGroup(m_browser, m_catalog.current(), 0, bcode, 0); }
    void mark(stock::StockCode code) {
        for (stock::BrowserRow& row : m_browser.displayed)
            if (m_browser.shown->products[row.product].stcode == code)
                row.marked = true;
    }
    // What the stock window hands the settings: its rows, by code.
    stock::ListedCodes listed() const {
        stock::ListedCodes codes;
        for (const stock::BrowserRow& row : m_browser.displayed) {
            const stock::StockCode code = m_browser.shown->products[row.product].stcode;
            codes.listed.push_back(code);
            if (row.marked)
                codes.marked.push_back(code);
        }
        return codes;
    }
    Texts issued() const { return m_journal.texts(); }
    // "Evet" to the next box, the question of a bulk change.
    void yes() { m_boxes.queueAnswer(platform::BoxAnswer::Yes); }

    db::StatementJournal m_journal;
    stock::GroupSettings m_settings{m_context, [this] {
                                        return listed();
                                    }};
};

std::string colours(stock::StockCode code) {
    const auto rows = TestDatabase::query(
        "SELECT red,green,blue,redfnt,greenfnt,bluefnt FROM stocks.colors WHERE stcode=" +
        std::to_string(code) + ";");
    std::string all;
    for (const auto& row : rows)
        for (const auto& value : row)
            all += value + " ";
    return all;
}

} // namespace

TEST_F(GroupSettingsTest, theContextNamesItsLevelAndItsGroup) {
    contextOfB(11);
    EXPECT_EQ(m_settings.levelName(), QStringLiteral("Grup B"));
    EXPECT_EQ(m_settings.groupName(), QStringLiteral("Çorbalar"));
    const groups::GroupC& context = m_catalog.groupContext();
    EXPECT_EQ(context.acode, 1);
    EXPECT_EQ(context.aWideName, QStringLiteral("Yiyecekler"));
    EXPECT_EQ(context.bcode, 11);
    EXPECT_FALSE(groups::selectedContext(groups::GroupLevel::C, {}, {}, {}).has_value());
}

TEST_F(GroupSettingsTest, dayMenuGoesToTheMarkedProductsInOneCallElseToTheGroup) {
    TestDatabase::exec("UPDATE stocks.stckdef SET gunmenu=0;");
    contextOfB(11);
    listGroupB(11);
    mark(101);
    mark(102);
    yes();
    m_settings.setDayMenu(true);
    // One call, the marked products in list order (by name).
    EXPECT_EQ(issued().front(), "UPDATE stckdef SET stckdef.gunmenu=1 WHERE stckdef.stcode=102;\n"
                                "UPDATE stckdef SET stckdef.gunmenu=1 WHERE stckdef.stcode=101;\n");
    EXPECT_EQ(TestDatabase::scalar("SELECT SUM(gunmenu) FROM stocks.stckdef;"), "2");
    // The catalogue shows it at once.
    EXPECT_EQ(product(101)->gunmenu, 1);

    m_journal.clear();
    listGroupB(11); // the list built again: no marks
    yes();
    m_settings.setDayMenu(false);
    EXPECT_EQ(issued().front(), "UPDATE stckdef SET stckdef.gunmenu=0 WHERE stckdef.grb=11;");
    EXPECT_EQ(TestDatabase::scalar("SELECT SUM(gunmenu) FROM stocks.stckdef;"), "0");

    // No level: the group statements issue nothing.
    m_catalog.groupContext() = {};
    m_journal.clear();
    m_settings.setStockType(111);
    m_settings.setDepartment(3);
    const Texts texts = issued();
    EXPECT_TRUE(std::none_of(texts.begin(), texts.end(),
                             [](const std::string& t) { return t.starts_with("UPDATE"); }));
}

TEST_F(GroupSettingsTest, backColourRewritesTheGroupsRowsWithBlackTextAndLeavesOthers) {
    TestDatabase::exec("INSERT INTO stocks.colors(stcode,red,green,blue,redfnt,greenfnt,bluefnt) "
                       "VALUES(101,1,2,3,200,200,200),(103,4,5,6,100,100,100);");
    contextOfB(11);
    yes();
    m_settings.setBackColour(records::rgb(10, 20, 30));
    const Texts texts = issued();
    ASSERT_GE(texts.size(), 2u);
    // The group's products in list order (by name).
    EXPECT_EQ(texts[0], "DELETE FROM stocks.colors  WHERE stocks.colors.stcode=102;"
                        "DELETE FROM stocks.colors  WHERE stocks.colors.stcode=101;");
    EXPECT_EQ(texts[1], "INSERT INTO stocks.colors(stcode,red,green,blue,redfnt,greenfnt,bluefnt)"
                        "VALUES(102,10,20,30,0,0,0);"
                        "INSERT INTO stocks.colors(stcode,red,green,blue,redfnt,greenfnt,bluefnt)"
                        "VALUES(101,10,20,30,0,0,0);");
    EXPECT_EQ(colours(101), "10 20 30 0 0 0 ");
    EXPECT_EQ(colours(102), "10 20 30 0 0 0 ");
    EXPECT_EQ(colours(103), "4 5 6 100 100 100 ");
    // The list read again shows the new colour.
    const stock::ProductPtr reread = product(102);
    EXPECT_EQ(reread ? reread->backColor : 0U, records::rgb(10, 20, 30));

    m_journal.clear();
    yes();
    m_settings.setFontColour(records::rgb(255, 255, 0));
    EXPECT_EQ(issued().front(),
              "UPDATE stocks.colors SET redfnt=255,greenfnt=255,bluefnt=0  WHERE stcode=102;"
              "UPDATE stocks.colors SET redfnt=255,greenfnt=255,bluefnt=0  WHERE stcode=101;");
    EXPECT_EQ(colours(101), "10 20 30 255 255 0 ");
}

TEST_F(GroupSettingsTest, kdvRunsBothOrderLineUpdatesEvenForAnEmptyGroup) {
    TestDatabase::exec("INSERT INTO oturum.orderitems(stcode,kdv) VALUES(201,8);"
                       "INSERT INTO oturum.orddetails(stcode,kdv) VALUES(201,8);");
    test::addGroupB(1, 13, "Boş Grup");
    m_catalog.groups().readGroupB();
    contextOfB(13);
    TestDatabase::exec("UPDATE stocks.stckdef SET kdv=10 WHERE stcode=201;");
    m_journal.clear();
    yes();
    m_settings.setKdv(QStringLiteral("20"), nullptr);
    Texts texts = issued();
    // The products read again after the group's statement are not the point here.
    std::erase_if(texts, [](const std::string& t) { return t.starts_with("SELECT"); });
    EXPECT_EQ(texts,
              (Texts{"UPDATE stckdef SET stckdef.kdv=20 WHERE stckdef.grb=13;",
                     "UPDATE oturum.orderitems AS O INNER JOIN stocks.stckdef AS S ON O.stcode = "
                     "S.stcode   SET O.kdv = S.kdv; ",
                     "UPDATE oturum.orddetails AS O INNER JOIN stocks.stckdef AS S ON O.stcode = "
                     "S.stcode   SET O.kdv = S.kdv; "}));
    EXPECT_EQ(std::stod(TestDatabase::scalar("SELECT kdv FROM oturum.orderitems;")), 10.0);
    EXPECT_EQ(std::stod(TestDatabase::scalar("SELECT kdv FROM oturum.orddetails;")), 10.0);

    // A rate that is no whole number writes nothing.
    m_journal.clear();
    m_settings.setKdv(QStringLiteral("8,5"), nullptr);
    m_settings.setKdv(QStringLiteral("on"), nullptr);
    EXPECT_TRUE(issued().empty());
    EXPECT_EQ(m_boxes.captions(),
              (QStringList{QStringLiteral("Set Kdv"), QStringLiteral("Set Kdv"),
                           QStringLiteral("SAYI HATALI"), QStringLiteral("SAYI HATALI")}));
    EXPECT_EQ(m_boxes.texts().value(1), QStringLiteral("Set Kdv: 0 ürün değişti."));
}

TEST_F(GroupSettingsTest, discountAndPriceTimesActOnTheListedProducts) {
    contextOfB(11);
    listGroupB(11);
    // "Hayır", the default, writes nothing.
    m_settings.setDiscount(QStringLiteral("12,5"), nullptr);
    EXPECT_EQ(TestDatabase::count("stocks.indirim_tablosu"), 0);
    ASSERT_EQ(m_boxes.shown().size(), 1u);
    EXPECT_EQ(m_boxes.shown()[0].defaultAnswer, platform::BoxAnswer::No);
    m_boxes.clear();
    yes();
    m_settings.setDiscount(QStringLiteral("12,5"), nullptr);
    EXPECT_EQ(
        TestDatabase::query("SELECT stcode,yuzde FROM stocks.indirim_tablosu ORDER BY stcode;"),
        (TestDatabase::Rows{{"101", "12.500"}, {"102", "12.500"}}));
    EXPECT_EQ(
        m_boxes.texts(),
        (QStringList{QStringLiteral("İskonto: 2 ürün değişecek.\nDevam etmek istiyor musunuz?"),
                     QStringLiteral("Urunlere iskonto guncellemesi yapıldı."),
                     QStringLiteral("İskonto: 2 ürün değişti.")}));
    EXPECT_EQ(m_boxes.captions(),
              (QStringList{QStringLiteral("İskonto"), QStringLiteral("IDC_BUTTON_ISKON_ATA"),
                           QStringLiteral("İskonto")}));

    // A refused row is said under its tag and the work is not called done.
    TestDatabase::exec("RENAME TABLE stocks.indirim_tablosu TO stocks.indirim_away;");
    m_boxes.clear();
    yes();
    m_settings.setDiscount(QStringLiteral("5"), nullptr);
    TestDatabase::exec("RENAME TABLE stocks.indirim_away TO stocks.indirim_tablosu;");
    EXPECT_FALSE(m_boxes.captions().contains(QStringLiteral("IDC_BUTTON_ISKON_ATA")));
    EXPECT_FALSE(m_boxes.captions().isEmpty());
    m_boxes.clear();

    TestDatabase::exec("UPDATE stocks.stckdef SET sellp3=5,sellp4=6;"
                       "INSERT INTO stocks.prctimes(stcode,day1,hour1x,hour1y,day7) "
                       "VALUES(101,2,8,12,1),(103,2,8,12,1);");
    m_journal.clear();
    yes();
    m_settings.resetPriceTimes();
    const Texts texts = issued();
    ASSERT_GE(texts.size(), 2u);
    EXPECT_EQ(texts[0], "UPDATE stckdef SET sellp3=0,sellp4=0  WHERE  stckdef.stcode=102;"
                        "UPDATE stckdef SET sellp3=0,sellp4=0  WHERE  stckdef.stcode=101;");
    EXPECT_TRUE(texts[1].starts_with(
        "UPDATE prctimes SET prctimes.day1=0, prctimes.hour1x=0, prctimes.hour1y=0, "
        "prctimes.day2=0, "));
    EXPECT_NE(texts[1].find("prctimes.day7=0, prctimes.hour7x=0, prctimes.hour7y=0  WHERE  "
                            "prctimes.stcode=102;UPDATE prctimes SET "),
              std::string::npos);
    EXPECT_EQ(TestDatabase::query("SELECT stcode,day1,day7 FROM stocks.prctimes ORDER BY stcode;"),
              (TestDatabase::Rows{{"101", "0", "0"}, {"103", "2", "1"}}));
    EXPECT_EQ(TestDatabase::scalar("SELECT SUM(sellp3)+SUM(sellp4) FROM stocks.stckdef;"),
              "22.0000");

    // Deleting every discount asks first; only Yes empties the table.
    m_boxes.queueAnswer(platform::BoxAnswer::Cancel);
    m_settings.deleteAllDiscounts(nullptr);
    EXPECT_EQ(TestDatabase::scalar("SELECT COUNT(*) FROM stocks.indirim_tablosu;"), "2");
    m_boxes.queueAnswer(platform::BoxAnswer::Yes);
    m_settings.deleteAllDiscounts(nullptr);
    EXPECT_EQ(TestDatabase::scalar("SELECT COUNT(*) FROM stocks.indirim_tablosu;"), "0");
}

// "İptal" once the discount's first rows went out takes the whole change back.
TEST_F(GroupSettingsTest, aCancelledDiscountLeavesEveryRowAsBeforeAndSaysSo) {
    constexpr int kProducts = 2000;
    std::string products = "INSERT INTO stocks.stckdef(stcode,stname,gra,grb) VALUES";
    std::string discounts =
        "INSERT INTO stocks.indirim_tablosu(carikod,stcode,peraken,yuzde) VALUES";
    for (int i = 0; i < kProducts; ++i) {
        const std::string code = std::to_string(50000 + i);
        products += (i ? ",(" : "(") + code + ",'Ürün " + code + "',1,11)";
        if (i % 2 == 0)
            discounts += (i ? ",(1013," : "(1013,") + code + ",0,3)";
    }
    TestDatabase::exec(products + ";" + discounts + ";");
    m_catalog.readProducts();
    contextOfB(11);
    listGroupB(11);
    const auto stored = [] {
        return TestDatabase::query("SELECT * FROM stocks.indirim_tablosu ORDER BY 1,2;");
    };
    const TestDatabase::Rows before = stored();
    // Pressed once the progress dialog counts its first products.
    QTimer user;
    QObject::connect(&user, &QTimer::timeout, [&user] {
        QWidget* progress = QApplication::activeModalWidget();
        if (progress == nullptr || !progress->inherits("parvela::platform::JobProgressDialog") ||
            progress->findChild<QProgressBar*>()->value() <= 0)
            return;
        user.stop();
        progress->findChild<QAbstractButton*>(QStringLiteral("2"))->click();
    });
    user.start(5);
    yes();
    m_settings.setDiscount(QStringLiteral("7"), nullptr);
    EXPECT_FALSE(user.isActive());
    EXPECT_EQ(stored(), before);
    EXPECT_EQ(m_boxes.texts().value(1),
              QStringLiteral("İskonto: iptal edildi, hiçbir ürün değişmedi."));
    EXPECT_EQ(m_boxes.texts().size(), 2);
}

TEST_F(GroupSettingsTest, unitAndTypeGoToTheWholeGroup) {
    contextOfB(11);
    yes();
    EXPECT_TRUE(m_settings.setUnit(QStringLiteral("kg")));
    yes();
    m_settings.setStockType(111);
    EXPECT_EQ(issued()[0], "UPDATE stckdef SET stckdef.unit='kg' WHERE stckdef.grb=11;");
    EXPECT_EQ(TestDatabase::query("SELECT stcode,unit,type FROM stocks.stckdef ORDER BY stcode;"),
              (TestDatabase::Rows{
                  {"101", "kg", "111"}, {"102", "kg", "111"}, {"103", "", "0"}, {"201", "", "0"}}));
}

TEST_F(GroupSettingsTest, thePickerFollowsThePicksAndFilesTheProducts) {
    stock::StockGroupPick pick(m_catalog.groups());
    EXPECT_FALSE(pick.mayFile(m_boxes, nullptr));
    EXPECT_EQ(m_boxes.captions(), QStringList{QStringLiteral("GRUP SECILMEDI")});
    pick.startFrom(2, 21, 211);
    EXPECT_EQ(pick.names(),
              (std::array<QString, 3>{QStringLiteral("İçecekler"), QStringLiteral("Sıcaklar"),
                                      QStringLiteral("Çaylar")}));
    // Another A forgets the B and C picked, and lists its own B rows.
    pick.pickA(1); // by name: Yiyecekler after İçecekler
    EXPECT_EQ(pick.acode(), 1);
    EXPECT_EQ(pick.bcode(), 0);
    EXPECT_EQ(pick.ccode(), 0);
    ASSERT_EQ(pick.listB().size(), 2u);
    EXPECT_TRUE(pick.listC().empty());
    pick.pickB(1);
    EXPECT_EQ(pick.bcode(), 12);

    stock::EditedProduct edited;
    stock::fileUnder(edited, pick);
    EXPECT_EQ(edited.product.grb, 12);
    EXPECT_EQ(edited.groupNames[1], QStringLiteral("Tatlılar"));

    EXPECT_TRUE(stock::fileUnder(m_catalog.runner(), {101, 201}, pick));
    EXPECT_EQ(issued(),
              (Texts{"UPDATE stocks.stckdef SET gra=1,grb=12,grc=0 WHERE stckdef.stcode=101;"
                     "UPDATE stocks.stckdef SET gra=1,grb=12,grc=0 WHERE stckdef.stcode=201;",
                     "SELECT COUNT(*) FROM stocks.stckdef WHERE stcode IN (101,201);"}));
    EXPECT_EQ(TestDatabase::query("SELECT stcode,gra,grb,grc FROM stocks.stckdef ORDER BY stcode;"),
              (TestDatabase::Rows{{"101", "1", "12", "0"},
                                  {"102", "1", "11", "0"},
                                  {"103", "1", "12", "0"},
                                  {"201", "1", "12", "0"}}));
}

// The dialogs themselves, as the stock windows open them.

namespace {

void pickRow(QWidget* dialog, const char* list, const QString& name) {
    auto* view = dialog->findChild<QTreeWidget*>(QString::fromLatin1(list));
    ASSERT_NE(view, nullptr);
    const QList<QTreeWidgetItem*> found = view->findItems(name, Qt::MatchExactly, 2);
    ASSERT_EQ(found.size(), 1);
    view->setCurrentItem(found.front());
}

void click(QWidget* dialog, const char* id) {
    if (auto* button = dialog->findChild<QAbstractButton*>(QString::fromLatin1(id)))
        button->click();
    else
        ADD_FAILURE() << "no button " << id;
}

QString textOf(QWidget* dialog, const char* id) {
    const auto* label = dialog->findChild<QLabel*>(QString::fromLatin1(id));
    return label ? label->text() : QString();
}

} // namespace

TEST_F(GroupSettingsTest, markedProductsAreFiledWhereTheDialogSays) {
    stock::StockGroupWindows windows(m_context);
    windows.assignGroup({}, nullptr);
    EXPECT_EQ(m_boxes.captions(), QStringList{QStringLiteral("STOGUN GRUBU")});

    QStringList picked;
    const test::ModalDriver driver1([&](QDialog& modal) {
        QWidget* dialog = &modal;
        EXPECT_EQ(dialog->objectName(), QStringLiteral("133"));
        // The list taking the focus picks nothing: Kaydet is refused.
        auto* groupsA = dialog->findChild<QTreeWidget*>(QStringLiteral("1027"));
        groupsA->setFocus();
        groupsA->selectionModel()->setCurrentIndex(groupsA->model()->index(0, 0),
                                                   QItemSelectionModel::NoUpdate);
        click(dialog, "1");
        EXPECT_TRUE(dialog->isVisible());
        pickRow(dialog, "1027", QStringLiteral("İçecekler"));
        pickRow(dialog, "1029", QStringLiteral("Sıcaklar"));
        pickRow(dialog, "1031", QStringLiteral("Çaylar"));
        picked = {textOf(dialog, "1033"), textOf(dialog, "1035"), textOf(dialog, "1037")};
        yes();
        click(dialog, "1");
    });
    windows.assignGroup({101, 102}, nullptr);
    const QString assign = QStringLiteral("Seçileni Grubu Ata");
    EXPECT_EQ(m_boxes.captions(), (QStringList{QStringLiteral("STOGUN GRUBU"),
                                               QStringLiteral("GRUP SECILMEDI"), assign, assign}));
    EXPECT_EQ(m_boxes.texts().value(3), QStringLiteral("Seçileni Grubu Ata: 2 ürün değişti."));
    EXPECT_EQ(picked, (QStringList{QStringLiteral("İçecekler"), QStringLiteral("Sıcaklar"),
                                   QStringLiteral("Çaylar")}));
    EXPECT_EQ(TestDatabase::query("SELECT gra,grb,grc FROM stocks.stckdef WHERE stcode<=102;"),
              (TestDatabase::Rows{{"2", "21", "211"}, {"2", "21", "211"}}));
    const stock::ProductPtr moved = product(101);
    EXPECT_EQ(moved ? moved->grc : 0, 211); // read again

    // "İptal" files nothing.
    const test::ModalDriver driver2([&](QDialog& modal) {
        QWidget* dialog = &modal;
        pickRow(dialog, "1027", QStringLiteral("Yiyecekler"));
        click(dialog, "2");
    });
    windows.assignGroup({101}, nullptr);
    EXPECT_EQ(TestDatabase::scalar("SELECT gra FROM stocks.stckdef WHERE stcode=101;"), "2");

    // A refused filing is said under its own tag.
    TestDatabase::exec("CREATE TRIGGER stocks.refuse_filing BEFORE UPDATE ON stocks.stckdef FOR "
                       "EACH ROW SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT='kilitli';");
    m_boxes.clear();
    const test::ModalDriver driver4([&](QDialog& modal) {
        pickRow(&modal, "1027", QStringLiteral("Yiyecekler"));
        click(&modal, "1");
    });
    yes();
    windows.assignGroup({101}, nullptr);
    TestDatabase::exec("DROP TRIGGER stocks.refuse_filing;");
    EXPECT_EQ(m_boxes.captions(), (QStringList{assign, QStringLiteral("UPDATE_SECILI_STOK_GRUP")}));
}

TEST_F(GroupSettingsTest, theEditedProductStartsFromItsGroupsAndTakesThePicked) {
    stock::StockGroupWindows windows(m_context);
    stock::EditedProduct edited;
    edited.product.stcode = 201;
    edited.product.gra = 2;
    edited.product.grb = 21;
    edited.product.grc = 211;
    QString shownC;
    const test::ModalDriver driver3([&](QDialog& modal) {
        QWidget* dialog = &modal;
        shownC = textOf(dialog, "1037");
        pickRow(dialog, "1027", QStringLiteral("Yiyecekler"));
        pickRow(dialog, "1029", QStringLiteral("Çorbalar"));
        click(dialog, "1");
    });
    windows.chooseGroup(edited, nullptr);
    EXPECT_EQ(shownC, QStringLiteral("Çaylar"));
    EXPECT_EQ(edited.product.gra, 1);
    EXPECT_EQ(edited.product.grb, 11);
    EXPECT_EQ(edited.product.grc, 0);
    EXPECT_EQ(edited.groupNames[1], QStringLiteral("Çorbalar"));
    // Nothing is written until the editor saves.
    EXPECT_EQ(TestDatabase::scalar("SELECT gra FROM stocks.stckdef WHERE stcode=201;"), "2");
}

TEST_F(GroupSettingsTest, theSettingsDialogActsAtOnceOnTheContextsGroup) {
    TestDatabase::exec("UPDATE stocks.stckdef SET gunmenu=0;"
                       "INSERT INTO stocks.units(name,type) VALUES('kg',3),('ad',1);"
                       "INSERT INTO stocks.depart(departid,name,printer) VALUES(7,'Mutfak','');");
    m_catalog.readProductSideLists();
    contextOfB(11);
    stock::StockGroupWindows windows(m_context);
    QStringList heading;
    const test::ModalDriver driver4([&](QDialog& modal) {
        QWidget* dialog = &modal;
        heading = {dialog->windowTitle(), textOf(dialog, "1069"), textOf(dialog, "1060")};
        // Whole on the smallest screen the program is made for.
        EXPECT_LE(dialog->width(), 1024);
        EXPECT_LE(dialog->height(), 740);
        EXPECT_TRUE(dialog->grab().save(QStringLiteral("group-settings.png")));
        // "Hayır" writes nothing, and the box does not stay ticked.
        click(dialog, "1061");
        EXPECT_FALSE(dialog->findChild<QCheckBox*>(QStringLiteral("1061"))->isChecked());
        yes();
        click(dialog, "1061");
        EXPECT_TRUE(dialog->findChild<QCheckBox*>(QStringLiteral("1061"))->isChecked());
        // Tab into a list makes its first row current without picking it:
        // "Set" then sets nothing.
        for (const char* list : {"1064", "1065"}) {
            auto* view = dialog->findChild<QTreeWidget*>(QString::fromLatin1(list));
            view->setFocus();
            view->selectionModel()->setCurrentIndex(view->model()->index(0, 0),
                                                    QItemSelectionModel::NoUpdate);
        }
        click(dialog, "1066");
        click(dialog, "1067");
        auto* units = dialog->findChild<QTreeWidget*>(QStringLiteral("1065"));
        if (units) {
            const QList<QTreeWidgetItem*> kg =
                units->findItems(QStringLiteral("kg"), Qt::MatchExactly, 1);
            if (!kg.isEmpty())
                units->setCurrentItem(kg.front());
        }
        yes();
        click(dialog, "1067");
        click(dialog, "2");
    });
    windows.groupSettings({}, nullptr);
    EXPECT_EQ(heading, (QStringList{QStringLiteral("Grup/Menü Ayarları"), QStringLiteral("Grup B"),
                                    QStringLiteral("Çorbalar")}));
    EXPECT_EQ(
        TestDatabase::query("SELECT stcode,gunmenu,unit FROM stocks.stckdef ORDER BY stcode;"),
        (TestDatabase::Rows{
            {"101", "1", "kg"}, {"102", "1", "kg"}, {"103", "0", ""}, {"201", "0", ""}}));
    EXPECT_EQ(TestDatabase::scalar("SELECT SUM(depart) FROM stocks.stckdef;"), "0");
    const Texts texts = issued();
    EXPECT_EQ(
        std::count_if(texts.begin(), texts.end(),
                      [](const std::string& t) { return t.find("unit=") != std::string::npos; }),
        1);
}

// From the main screen the settings act on the group's own products as the
// newest catalogue has them, whatever the stock window listed or marked last.
TEST_F(GroupSettingsTest, fromTheMainScreenTheGroupsOwnProductsAsTheyNowAreTakeTheSettings) {
    stock::showAll(m_browser, m_catalog.current());
    mark(201);
    contextOfB(11);
    stock::StockGroupWindows windows(m_context);
    const test::ModalDriver driver([&](QDialog& modal) {
        QWidget* dialog = &modal;
        // A product joins the group and another leaves the catalogue meanwhile.
        test::addProduct({104, "Domates Çorbası", 1, 11});
        TestDatabase::exec("DELETE FROM stocks.stckdef WHERE stcode=102;");
        m_catalog.readProducts();
        dialog->findChild<QLineEdit*>(QStringLiteral("1071"))->setText(QStringLiteral("7"));
        yes();
        click(dialog, "1245");
        yes();
        click(dialog, "1213");
        click(dialog, "2");
    });
    windows.groupSettings({}, nullptr);
    ASSERT_TRUE(driver.seen);
    EXPECT_EQ(
        TestDatabase::query("SELECT stcode,yuzde FROM stocks.indirim_tablosu ORDER BY stcode;"),
        (TestDatabase::Rows{{"101", "7.000"}, {"104", "7.000"}}));
    const QString discount = QStringLiteral("İskonto");
    const QString notDayMenu = QStringLiteral("Günün Menüsü DEĞİL");
    EXPECT_EQ(m_boxes.captions(), (QStringList{discount, QStringLiteral("IDC_BUTTON_ISKON_ATA"),
                                               discount, notDayMenu, notDayMenu}));
    // No product is marked for the group's day menu: the whole group takes it.
    const Texts texts = issued();
    EXPECT_EQ(std::count(texts.begin(), texts.end(),
                         "UPDATE stckdef SET stckdef.gunmenu=0 WHERE stckdef.grb=11;"),
              1);
}

// Every bulk command of the stock windows, with a write refused at each
// position in turn, leaves every touched table as it was and says so in one
// box; with nothing refused it goes through.

namespace {

// The tables the bulk commands write, whole.
std::vector<TestDatabase::Rows> touchedTables() {
    std::vector<TestDatabase::Rows> tables;
    for (const char* table : {"stocks.stckdef", "stocks.colors", "stocks.indirim_tablosu",
                              "stocks.prctimes", "oturum.orderitems", "oturum.orddetails"})
        tables.push_back(
            TestDatabase::query(std::string("SELECT * FROM ") + table + " ORDER BY 1;"));
    return tables;
}

// Refuses the nth row written to any of those tables on one connection,
// the n set by refuseAt().
class NthWriteRefused {
public:
    NthWriteRefused() {
        // The writes are counted in a table, not in the session: the program
        // keeps its connection from one command to the next.
        TestDatabase::exec("CREATE DATABASE IF NOT EXISTS refusal;"
                           "CREATE TABLE refusal.nth(n INT, writes INT);"
                           "INSERT INTO refusal.nth VALUES(0, 0);");
        for (const char* table : kTables)
            for (const char* event : {"INSERT", "UPDATE", "DELETE"})
                TestDatabase::exec(
                    std::string("CREATE TRIGGER ") + name(table, event) + " BEFORE " + event +
                    " ON " + table +
                    " FOR EACH ROW BEGIN UPDATE refusal.nth SET writes = writes + 1; "
                    "IF (SELECT writes = n FROM refusal.nth) THEN "
                    "SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT='kilitli'; "
                    "END IF; END");
    }
    ~NthWriteRefused() {
        for (const char* table : kTables)
            for (const char* event : {"INSERT", "UPDATE", "DELETE"})
                TestDatabase::exec("DROP TRIGGER IF EXISTS " + name(table, event) + ";");
        TestDatabase::exec("DROP DATABASE refusal;");
    }
    NthWriteRefused(const NthWriteRefused&) = delete;
    NthWriteRefused& operator=(const NthWriteRefused&) = delete;

    void refuseAt(int nth) {
        TestDatabase::exec("UPDATE refusal.nth SET n=" + std::to_string(nth) + ", writes=0;");
    }

private:
    static constexpr const char* kTables[] = {"stocks.stckdef",         "stocks.colors",
                                              "stocks.indirim_tablosu", "stocks.prctimes",
                                              "oturum.orderitems",      "oturum.orddetails"};
    static std::string name(std::string table, const char* event) {
        const std::size_t dot = table.find('.');
        return table.substr(0, dot) + ".refuse_" + table.substr(dot + 1) + "_" + event;
    }
};

} // namespace

TEST_F(GroupSettingsTest, aBulkCommandRefusedAtAnyWriteLeavesEveryTableAsItWas) {
    TestDatabase::exec(
        "UPDATE stocks.stckdef SET is_weighed=1, kdv=8, gunmenu=0 WHERE stcode IN (101,102,103);"
        "INSERT INTO stocks.colors(stcode,red,green,blue,redfnt,greenfnt,bluefnt) "
        "VALUES(101,1,2,3,4,5,6),(102,7,8,9,10,11,12);"
        "INSERT INTO stocks.indirim_tablosu(carikod,stcode,peraken,yuzde) "
        "VALUES(1013,101,10,5);"
        "INSERT INTO stocks.prctimes(stcode,day1,hour1x,hour1y) VALUES(101,1,8,12),(102,1,9,13);"
        "INSERT INTO oturum.orderitems(stcode,kdv) VALUES(101,1),(102,1);"
        "INSERT INTO oturum.orddetails(stcode,kdv) VALUES(101,1),(102,1);");
    m_catalog.readProducts();
    contextOfB(11);
    listGroupB(11);
    mark(101);
    mark(102);
    stock::StockGroupPick pick(m_catalog.groups());
    pick.startFrom(2, 21, 211);
    const db::StatementRunner& runner = m_catalog.runner();
    std::vector<stock::StockDefinition> renamed(m_catalog.current()->products.begin(),
                                                m_catalog.current()->products.end());
    for (stock::StockDefinition& p : renamed)
        p.stname += QStringLiteral(" Yeni");
    struct Command {
        const char* name;
        std::function<void()> run; // answers its own question with "Evet"
    };
    const auto asked = [this](std::function<void()> run) {
        return [this, run] {
            yes();
            run();
        };
    };
    const Command commands[] = {
        {"day menu, marked", asked([this] { m_settings.setDayMenu(true); })},
        {"department, marked", asked([this] { m_settings.setDepartment(7); })},
        {"day menu, group", asked([this] {
             listGroupB(11);
             m_settings.setDayMenu(false);
         })},
        {"back colour", asked([this] { m_settings.setBackColour(records::rgb(1, 1, 1)); })},
        {"font colour", asked([this] { m_settings.setFontColour(records::rgb(2, 2, 2)); })},
        {"kdv", asked([this] { m_settings.setKdv(QStringLiteral("18"), nullptr); })},
        {"discount", asked([this] { m_settings.setDiscount(QStringLiteral("9"), nullptr); })},
        {"price times", asked([this] { m_settings.resetPriceTimes(); })},
        {"all discounts", asked([this] { m_settings.deleteAllDiscounts(nullptr); })},
        {"filing",
         [&] {
             (void)stock::fileUnder(runner, {101, 102, 103}, pick);
         }},
        {"names",
         [&] {
             (void)stock::rewriteProductNames(runner, m_boxes, renamed);
         }},
        {"weighed codes", asked([&] {
             labels::assignWeighedBarcodes(runner, m_boxes, m_catalog.current()->products, {});
         })},
    };
    const auto refusedOnce = [this] {
        const QStringList texts = m_boxes.texts();
        return std::count_if(texts.begin(), texts.end(), [](const QString& t) {
            return t.contains(QStringLiteral("kilitli"));
        });
    };
    NthWriteRefused refused;
    for (const Command& command : commands) {
        SCOPED_TRACE(command.name);
        bool through = false;
        for (int nth = 1; !through && nth < 20; ++nth) {
            SCOPED_TRACE(nth);
            const std::vector<TestDatabase::Rows> before = touchedTables();
            m_boxes.clear();
            refused.refuseAt(nth);
            command.run();
            through = refusedOnce() == 0;
            if (through)
                EXPECT_NE(touchedTables(), before);
            else {
                EXPECT_EQ(touchedTables(), before);
                EXPECT_EQ(refusedOnce(), 1);
            }
        }
        EXPECT_TRUE(through);
    }
}

// A group setting killed once its first rows reached the server leaves the
// server as it was: the dropped connection's change is rolled back whole.
TEST_F(GroupSettingsTest, aGroupSettingKilledMidwayLeavesTheServerAsBefore) {
    constexpr int kProducts = 3000;
    std::string products = "INSERT INTO stocks.stckdef(stcode,stname,gra,grb) VALUES";
    std::string discounts =
        "INSERT INTO stocks.indirim_tablosu(carikod,stcode,peraken,yuzde) VALUES";
    for (int i = 0; i < kProducts; ++i) {
        const std::string code = std::to_string(50000 + i);
        products += (i ? ",(" : "(") + code + ",'Ürün " + code + "',1,14)";
        if (i % 2 == 0)
            discounts += (i ? ",(1013," : "(1013,") + code + ",0,3)";
    }
    TestDatabase::exec(products + ";" + discounts + ";");
    const auto stored = [] {
        return std::vector<TestDatabase::Rows>{
            TestDatabase::query("SELECT * FROM stocks.indirim_tablosu ORDER BY 1;"),
            TestDatabase::query("SELECT * FROM stocks.stckdef ORDER BY 1;")};
    };
    const std::vector<TestDatabase::Rows> before = stored();
    // Each row the child writes leaves a mark that no rollback takes back.
    TestDatabase::exec("CREATE DATABASE reached; CREATE TABLE reached.rows(n INT) ENGINE=Aria;"
                       "CREATE TRIGGER stocks.reached_insert AFTER INSERT ON "
                       "stocks.indirim_tablosu FOR EACH ROW INSERT INTO reached.rows VALUES(1);"
                       "CREATE TRIGGER stocks.reached_update AFTER UPDATE ON "
                       "stocks.indirim_tablosu FOR EACH ROW INSERT INTO reached.rows VALUES(1);");
    const auto reached = [] {
        return TestDatabase::scalar("SELECT COUNT(*) FROM reached.rows;") != "0";
    };

    QProcess child;
    child.start(QStringLiteral(PARVELA_GROUP_DISCOUNT_CHILD),
                {QStringLiteral("14"), QStringLiteral("7")});
    ASSERT_TRUE(child.waitForStarted());
    bool killed = false;
    while (!killed && !child.waitForFinished(1)) {
        if (reached()) {
            ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
            child.waitForFinished();
            killed = child.exitStatus() == QProcess::CrashExit;
        }
    }
    TestDatabase::exec("DROP TRIGGER stocks.reached_insert; DROP TRIGGER stocks.reached_update;"
                       "DROP DATABASE reached;");
    ASSERT_TRUE(killed) << "the child finished before it could be killed: " << child.exitCode()
                        << child.readAllStandardError().toStdString();
    // Waits for the server to roll the dropped connection's change back.
    (void)TestDatabase::query("SELECT COUNT(*) FROM stocks.indirim_tablosu FOR UPDATE;");
    EXPECT_EQ(stored(), before);

    // Run to its end, the same change is whole.
    child.start(QStringLiteral(PARVELA_GROUP_DISCOUNT_CHILD),
                {QStringLiteral("14"), QStringLiteral("7")});
    ASSERT_TRUE(child.waitForFinished(120000));
    EXPECT_EQ(child.exitCode(), 0);
    EXPECT_EQ(TestDatabase::scalar("SELECT COUNT(*) FROM stocks.indirim_tablosu WHERE yuzde=7;"),
              std::to_string(kProducts));
}
