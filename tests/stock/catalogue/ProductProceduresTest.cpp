#include "CatalogFixtures.h"
#include "HiddenTable.h"
#include "StockFixture.h"
#include "stock/attributes/ProductNotes.h"
#include "stock/attributes/ProductSizes.h"
#include "stock/catalogue/CodeChange.h"
#include "stock/catalogue/ProductDelete.h"

#include <optional>

using namespace parvela;
using platform::BoxAnswer;
using test::TestDatabase;

namespace {

// Every column that holds a product's code.
struct CodeColumn {
    const char* table;
    const char* column;
};
constexpr CodeColumn kCodeColumns[] = {
    {"imalatkazani.`1input`", "stcode"},
    {"imalatkazani.`1output`", "stcode"},
    {"stocks.moves", "stcode"},
    {"stocks.stckdef", "stcode"},
    {"oturum.orderitems", "stcode"},
    {"oturum.orderitarch", "stcode"},
    {"oturum.orddetails", "stcode"},
    {"oturum.orddetails", "stkcd"},
    {"oturum.orddetailarch", "stcode"},
    {"oturum.orddetailarch", "stkcd"},
    {"stocks.indirim_tablosu", "stcode"},
    {"stocks.images", "stcode"},
    {"stocks.colors", "stcode"},
    {"stocks.sml_med_lrg", "stcode"},
    {"stocks.prctimes", "stcode"},
    {"stocks.stok_order", "stcode"},
    {"stocks.bolge_urun_fiyat", "stcode"},
    {"stocks.hizli_satis_stok", "stcode"},
    {"stocks.game_table", "stcode"},
    {"stocks.receipts", "urun"},
    {"stocks.receipts", "ingredient"},
    {"stocks.maliyet_bileseni", "urun"},
    {"stocks.maliyet_bileseni", "ingredient"},
    {"stocks.stckbundle", "urun"},
    {"stocks.stckbundle", "ingredient"},
    {"stocks.stckopsiyon", "urun"},
    {"stocks.stckopsiyon", "ingredient"},
    {"stocks.subst_bundle", "menu_stcode"},
    {"stocks.subst_bundle", "urun_code"},
    {"stocks.subst_bundle", "sub_urun_code"},
    {"`groups`.specs", "fcode"},
};

class CodeChangeTest : public test::StockTest {
protected:
    // Product 33311 with time windows, sizes, region price, notes, options,
    // bundle, recipe lines as dish and as ingredient, substitutes, orders,
    // movements and a kettle; 50001 uses it.
    static void addRowsUnder33311() {
        TestDatabase::exec(
            "INSERT INTO imalatkazani.kznlr(code,name) VALUES(1,'Kazan 1');"
            "CREATE TABLE IF NOT EXISTS imalatkazani.`1input`(stcode BIGINT);"
            "CREATE TABLE IF NOT EXISTS imalatkazani.`1output`(stcode BIGINT);"
            "DELETE FROM imalatkazani.`1input`; DELETE FROM imalatkazani.`1output`;"
            "INSERT INTO imalatkazani.`1input` VALUES(33311);"
            "INSERT INTO imalatkazani.`1output` VALUES(33311);"
            "INSERT INTO stocks.moves(stcode) VALUES(33311);"
            "INSERT INTO oturum.orderitems(stcode) VALUES(33311);"
            "INSERT INTO oturum.orderitarch(stcode) VALUES(33311);"
            "INSERT INTO oturum.orddetails(stcode,stkcd) VALUES(33311,33311);"
            "INSERT INTO oturum.orddetailarch(stcode,stkcd) VALUES(33311,33311);"
            "INSERT INTO stocks.indirim_tablosu(carikod,stcode) VALUES(1013,33311);"
            "INSERT INTO stocks.images(stcode,img) VALUES(33311,'a.png');"
            "INSERT INTO stocks.colors(stcode) VALUES(33311);"
            "INSERT INTO stocks.sml_med_lrg(stcode,smll_prc,med_prc,larg_prc) "
            "VALUES(33311,5,7,9);"
            "INSERT INTO stocks.prctimes(stcode,prcid,day1,hour1x,hour1y) "
            "VALUES(33311,1,1,17,19),(33311,2,7,10,12);"
            "INSERT INTO stocks.stok_order(stcode,gra,index_sira) VALUES(33311,NULL,3),"
            "(33311,333,1);"
            "INSERT INTO stocks.bolge_urun_fiyat(bolgekod,stcode,fiyat_fark) VALUES(4,33311,2.5);"
            "INSERT INTO stocks.hizli_satis_stok(stcode) VALUES(33311);"
            "INSERT INTO stocks.game_table(stcode) VALUES(33311);"
            "INSERT INTO stocks.receipts(urun,ingredient,qua) VALUES(33311,22211,1),"
            "(50001,33311,2);"
            "INSERT INTO stocks.maliyet_bileseni(urun,ingredient,qua) VALUES(33311,22211,1),"
            "(50001,33311,2);"
            "INSERT INTO stocks.stckbundle(urun,ingredient,qua) VALUES(33311,22211,1),"
            "(50001,33311,1);"
            "INSERT INTO stocks.stckopsiyon(urun,ingredient,qua) VALUES(33311,22212,1),"
            "(50001,33311,1);"
            "INSERT INTO stocks.subst_bundle(menu_stcode,urun_code,sub_urun_code) "
            "VALUES(33311,22211,22212),(50001,33311,22212),(50001,22212,33311);"
            "INSERT INTO `groups`.specs(fcode,name) VALUES(33311,'Acılı');");
        test::addProduct({33311, "Adana"});
        test::addProduct({50001, "Kebap Menü"});
    }

    // How many rows hold `code` in each of kCodeColumns.
    static std::vector<long long> countsOf(stock::StockCode code) {
        std::vector<long long> counts;
        for (const CodeColumn& c : kCodeColumns) {
            counts.push_back(std::stoll(TestDatabase::scalar(std::string("SELECT COUNT(*) FROM ") +
                                                             c.table + " WHERE " + c.column + "=" +
                                                             std::to_string(code))));
        }
        return counts;
    }
};

class ProductDeleteTest : public test::StockTest {
protected:
    void SetUp() override {
        StockTest::SetUp();
        test::addProduct({33311, "Adana Kebap"});
        m_product.stcode = 33311;
        m_product.stname = QStringLiteral("Adana Kebap");
    }

    stock::DeleteResult deleteIt(BoxAnswer answer = BoxAnswer::Yes) {
        m_boxes.queueAnswer(answer);
        return stock::deleteProduct(m_runner, m_boxes, &m_product, &m_owner);
    }

    stock::StockDefinition m_product;
    QObject m_owner;
};

} // namespace

TEST_F(CodeChangeTest, recodesEveryColumnHoldingTheCodeInItsOrder) {
    addRowsUnder33311();
    const std::vector<long long> before = countsOf(33311);
    EXPECT_EQ(stock::changeProductCode(m_runner, 33311, 33399), 1);
    for (std::size_t i = 0; i < std::size(kCodeColumns); ++i) {
        const std::string where = std::string(kCodeColumns[i].table) + "." + kCodeColumns[i].column;
        EXPECT_EQ(countsOf(33311)[i], 0) << where;
        EXPECT_EQ(countsOf(33399)[i], before[i]) << where;
    }
    // Rows of other products stay theirs.
    EXPECT_EQ(TestDatabase::scalar("SELECT COUNT(*) FROM stocks.receipts WHERE urun=50001"), "1");
    EXPECT_TRUE(m_boxes.shown().empty());

    const auto texts = m_journal.texts();
    const auto position = [&](const std::string& start) {
        return std::find_if(texts.begin(), texts.end(),
                            [&](const std::string& t) { return t.rfind(start, 0) == 0; }) -
               texts.begin();
    };
    EXPECT_EQ(texts.front(), "SELECT code,name FROM kznlr;");
    EXPECT_LT(position("UPDATE imalatkazani.`1output`"), position("UPDATE stocks.moves"));
    EXPECT_LT(position("UPDATE stocks.moves"), position("UPDATE stocks.stckdef"));
    EXPECT_LT(position("UPDATE stocks.stckdef"), position("UPDATE oturum.orderitems"));
    EXPECT_LT(position("UPDATE oturum.orderitems"), position("UPDATE stocks.colors"));
    EXPECT_LT(position("UPDATE stocks.colors"), position("UPDATE stocks.sml_med_lrg"));
    EXPECT_EQ(texts.back(), "UPDATE `groups`.specs SET fcode=33399 WHERE fcode=33311;");

    // What the editor's dialogs read under the new code.
    std::vector<stock::ProductNote> notes;
    EXPECT_EQ(stock::readNotes(m_runner, 33399, notes), 1);
    stock::StockDefinition sized;
    sized.stcode = 33399;
    stock::readProductSizes(m_runner, sized);
    EXPECT_TRUE(sized.hasSizes);
}

TEST_F(CodeChangeTest, aFailingStepLeavesEveryTableAsItWas) {
    struct Case {
        const char* name;
        const char* hiddenTable; // or null
        stock::StockCode taken;  // a product already under the new code, or 0
        const char* caption;
    };
    const Case cases[] = {
        {"an order table missing", "oturum.orderitems", 0, "UPDATE_STOK_CODE_IN_ORDER_ITEMS"},
        {"the new code taken", nullptr, 33399, "UPDATE_STOK_CODE_IN_STOKTANIMI"},
        {"the last step failing", "`groups`.specs", 0, "UPDATE_STOK_CODE_IN_SPECS"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestDatabase::reset();
        m_boxes.clear();
        addRowsUnder33311();
        if (c.taken != 0)
            test::addProduct({c.taken, "Başkası"});
        const std::vector<long long> before = countsOf(33311);
        {
            std::optional<test::HiddenTable> hidden;
            if (c.hiddenTable != nullptr)
                hidden.emplace(c.hiddenTable);
            EXPECT_EQ(stock::changeProductCode(m_runner, 33311, 33399), -1);
            EXPECT_EQ(m_boxes.captions(), QStringList{QString::fromLatin1(c.caption)});
        }
        EXPECT_EQ(countsOf(33311), before);
    }
}

TEST_F(ProductDeleteTest, asksThenDeletesOnlyOnYes) {
    EXPECT_EQ(deleteIt(BoxAnswer::No), stock::DeleteResult::NotConfirmed);
    EXPECT_EQ(deleteIt(BoxAnswer::Cancel), stock::DeleteResult::NotConfirmed);
    EXPECT_EQ(TestDatabase::count("stocks.stckdef"), 1);
    EXPECT_EQ(deleteIt(BoxAnswer::Yes), stock::DeleteResult::Deleted);
    EXPECT_EQ(TestDatabase::count("stocks.stckdef"), 0);

    ASSERT_EQ(m_boxes.shown().size(), 3u);
    const platform::BoxRequest& ask = m_boxes.shown()[0];
    EXPECT_EQ(ask.text, QStringLiteral("33311 - kodlu Adana Kebap  isimli \nstogu silmek "
                                       "stediginizden emin misiniz?"));
    EXPECT_EQ(ask.caption, QStringLiteral("STOK TANIMI SİLİNİYOR"));
    EXPECT_EQ(ask.buttons, platform::BoxButtons::YesNoCancel);
    EXPECT_EQ(ask.defaultAnswer, BoxAnswer::No);
    EXPECT_EQ(ask.icon, platform::BoxIcon::Exclamation);
    EXPECT_TRUE(ask.topmost);
    EXPECT_EQ(ask.owner, &m_owner);
}

TEST_F(ProductDeleteTest, refusesInTheOrderOpenBillMovementsSales) {
    TestDatabase::exec("INSERT INTO stocks.moves(stcode) VALUES(33311);"
                       "INSERT INTO oturum.orderitarch(stcode) VALUES(33311);");
    EXPECT_EQ(deleteIt(), stock::DeleteResult::HasMovements);
    TestDatabase::exec("INSERT INTO oturum.orderitems(stcode) VALUES(33311);");
    EXPECT_EQ(deleteIt(), stock::DeleteResult::OnOpenBill);
    TestDatabase::exec("DELETE FROM oturum.orderitems; DELETE FROM stocks.moves;");
    EXPECT_EQ(deleteIt(), stock::DeleteResult::HasSales);
    EXPECT_EQ(TestDatabase::count("stocks.stckdef"), 1);

    const QStringList texts = m_boxes.texts();
    ASSERT_EQ(texts.size(), 6);
    EXPECT_EQ(texts[1], QStringLiteral("33311 - kodlu Adana Kebap  isimli \nstoga ait stok "
                                       "hareketi mevcut.\n\nBu stok silinemez."));
    EXPECT_EQ(texts[3], QStringLiteral("33311 - kodlu Adana Kebap  isimli \nstogu hesaplarda "
                                       "açık gözüküyor.\n\nBu stok silinemez."));
    EXPECT_EQ(texts[5], QStringLiteral("33311 - kodlu Adana Kebap  isimli \nstoga ait satış "
                                       "hareketi mevcut.\n\nBu stok silinemez."));
    EXPECT_EQ(m_boxes.shown()[5].caption, QStringLiteral("STOK TANIMI SİLİNEMEZ"));
    EXPECT_EQ(m_boxes.shown()[5].icon, platform::BoxIcon::Information);
}

TEST_F(ProductDeleteTest, nothingSelectedIsToldAndNothingAsked) {
    m_product.stcode = 0;
    EXPECT_EQ(stock::deleteProduct(m_runner, m_boxes, &m_product, &m_owner),
              stock::DeleteResult::NothingSelected);
    EXPECT_EQ(stock::deleteProduct(m_runner, m_boxes, nullptr, &m_owner),
              stock::DeleteResult::NothingSelected);
    EXPECT_EQ(m_boxes.texts(),
              QStringList(2, QStringLiteral("Secilen stok kodu sifir veya herhangi bir stok "
                                            "secilmedi.")));
    EXPECT_EQ(m_boxes.captions()[0], QStringLiteral("STOK SECILMEDI"));
}
