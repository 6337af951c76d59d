#include "app/StartupLoad.h"

#include "CatalogFixtures.h"
#include "DatabaseTest.h"
#include "TestSettings.h"
#include "app/CatalogData.h"
#include "db/StatementJournal.h"

#include <algorithm>

using namespace parvela;
using test::TestDatabase;

namespace {

class StartupLoadTest : public test::DatabaseTest {
protected:
    test::TestSettings m_settings;
    app::CatalogData m_catalog{m_settings, m_boxes};
    db::StatementJournal m_journal;
};

const groups::GroupA* groupA(const std::vector<groups::GroupA>& list, int acode) {
    const auto found = std::find_if(list.begin(), list.end(),
                                    [&](const groups::GroupA& g) { return g.acode == acode; });
    return found == list.end() ? nullptr : &*found;
}

} // namespace

TEST_F(StartupLoadTest, readsEveryListInItsOrder) {
    test::loadDemoRestaurant();
    m_catalog.runner().setJournal(&m_journal);
    app::loadSharedLists(m_catalog);

    const std::vector<std::string> expected = {
        "SELECT compname,compfolder,mustID FROM maininfo;",
        "SELECT subekod,subead,ipno,sube_folder FROM subeler WHERE active=1;",
        "SELECT firmacode,subekod,subead,ipno,active FROM subeler; ",
        "SELECT Id,acode,groupname,posmenu,tur FROM groups.classa ORDER by groupname;",
        "SELECT Id,acode,bcode,groupname,posmenu,tur,index_sira FROM groups.classb ORDER BY "
        "index_sira;",
        "SELECT Id,acode,bcode,ccode,groupname,posmenu,tur FROM groups.classc ORDER by groupname;",
        "SELECT stcode FROM hizli_satis_stok;",
        "SELECT id,urun,ingredient,qua,degist FROM stckopsiyon;",
        "SELECT id,urun,ingredient,qua,degist FROM stckbundle;",
        "SELECT id,menu_stcode,urun_code,sub_urun_code,prc_diff FROM subst_bundle;",
        "SELECT id,urun,ingredient,qua FROM receipts;",
        "SELECT stcode,smll_prc,smll_qua,med_prc,med_qua,larg_prc,larg_qua FROM sml_med_lrg;",
        "SELECT id,urun,ingredient,qua FROM maliyet_bileseni;",
        "SELECT Id,stcode,red,green,blue,redfnt,greenfnt,bluefnt FROM colors;",
        "SELECT id,code,alis,satis FROM currs;",
        "SELECT name,type FROM units;",
        "SELECT id,departid,name,printer FROM depart;",
        "SELECT bolgekod,stcode,fiyat_fark FROM bolge_urun_fiyat;",
        "SELECT Id,stcode,gra,grb,index_sira,sira_gra,sira_grb FROM stok_order ;",
        "SELECT stcode,type,gra,grb,grc,grd,gre,grf,brnd,model,specs2,barcode,serial,partnum,"
        "stname,unit,curr,kdv,unitcost,sellp1,sellp2,sellp3,sellp4,sellp5,qua1,sellp6,qua2,"
        "crtqua,specs,warranty,cndtn,bundle,quantity,depart,gunmenu,azparam,sku,prcchange,"
        "game_stock,related_update,is_weighed  FROM stckdef ORDER BY stname;",
        "SELECT Id,ipaddr FROM terazi;",
    };
    EXPECT_EQ(m_journal.texts(), expected);
    EXPECT_TRUE(m_boxes.shown().empty());

    const stock::CatalogueRef catalogue = m_catalog.current();
    EXPECT_EQ(static_cast<long long>(catalogue->products.size()),
              TestDatabase::count("stocks.stckdef"));
    EXPECT_EQ(static_cast<long long>(catalogue->weighed.size()),
              std::stoll(TestDatabase::scalar("SELECT COUNT(*) FROM stocks.stckdef WHERE "
                                              "is_weighed=1")));
    EXPECT_EQ(m_catalog.scales().size(), 2u);
    EXPECT_EQ(m_catalog.groups().screenA().size(), m_catalog.groups().allGroupA().size());
}

TEST_F(StartupLoadTest, marksGroupsWhereMoreThanThreeTenthsAreWeighed) {
    test::addGroupA(1111, "Üç tartılan");
    test::addGroupA(2221, "Dört tartılan");
    test::addGroupA(3331, "Boş grup");
    for (int i = 0; i < 10; ++i) {
        test::addProduct({11110 + i, "a", 1111, 0, 0, i < 3});
        test::addProduct({22210 + i, "b", 2221, 0, 0, i < 4});
    }
    app::loadSharedLists(m_catalog);
    const auto& screen = m_catalog.groups().screenA();
    EXPECT_EQ(groupA(screen, 1111)->weighedMarker, 0);
    EXPECT_EQ(groupA(screen, 2221)->weighedMarker, groups::kWeighedMarker);
    EXPECT_EQ(groupA(screen, 3331)->weighedMarker, 0);
}

TEST_F(StartupLoadTest, rollsUpRecipeCostsWithoutWritingThem) {
    test::addProduct({11111, "Kıyma", 0, 0, 0, true, 400});
    test::addProduct({11112, "Soğan", 0, 0, 0, false, 20});
    test::addProduct({33311, "Adana Kebap", 0, 0, 0, false, 1});
    test::addRecipeLine(33311, 11111, 0.2);
    test::addRecipeLine(33311, 11112, 0.05);
    app::loadSharedLists(m_catalog);
    const auto& products = m_catalog.current()->products;
    const auto kebap = std::find_if(products.begin(), products.end(),
                                    [](const auto& p) { return p.stcode == 33311; });
    ASSERT_NE(kebap, products.end());
    EXPECT_TRUE(kebap->hasRecipe);
    EXPECT_DOUBLE_EQ(kebap->unitcost, 81);
    EXPECT_EQ(TestDatabase::scalar("SELECT unitcost FROM stocks.stckdef WHERE stcode=33311"),
              "1.0000");
    EXPECT_EQ(m_catalog.current()->recipes.recipeLines[0].ingredientName, QStringLiteral("Kıyma"));
}
