#include "labels/WeighedBarcodes.h"

#include "CatalogFixtures.h"
#include "ServerChange.h"
#include "StockFixture.h"
#include "labels/BarcodeText.h"

#include <chrono>

using namespace parvela;
using test::TestDatabase;
using Texts = std::vector<std::string>;

namespace {

std::string rowsQuery(const std::string& code) {
    return "SELECT * FROM stocks.stckdef WHERE stocks.stckdef.barcode='" + code + "';";
}

class WeighedBarcodesTest : public test::StockTest {
protected:
    static void product(std::int64_t stcode, const std::string& barcode, bool weighed = false) {
        test::addProduct(
            {.stcode = stcode, .name = "Urun " + std::to_string(stcode), .weighed = weighed});
        test::setBarcode(stcode, barcode);
    }
    std::string validate(const std::string& barcode) {
        return labels::validateWeighedBarcode(m_runner, m_boxes, barcode,
                                              [this](const std::string& code) {
                                                  // The box comes before the field shows the code.
                                                  EXPECT_EQ(m_boxes.shown().size(), 1u);
                                                  shownCodes.push_back(code);
                                              });
    }
    static std::string barcodeOf(std::int64_t stcode) {
        return TestDatabase::scalar(
            "SELECT barcode FROM stocks.stckdef WHERE stcode=" + std::to_string(stcode) + ";");
    }

    Texts shownCodes;
};

} // namespace

TEST_F(WeighedBarcodesTest, aUsedWeighedCodeMakesWayForTheFirstFreeOneFrom2700001) {
    product(1, "2512345");
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(validate("2512345"), "2700001");
    EXPECT_GE(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(300));
    EXPECT_EQ(shownCodes, Texts{"2700001"});
    ASSERT_EQ(m_boxes.shown().size(), 1u);
    const platform::BoxRequest& box = m_boxes.shown()[0];
    EXPECT_EQ(box.text, QStringLiteral("Bu barkod tanımlı oldugundan\n bir sonraki bos barkod no "
                                       "ataniyor:  2700001"));
    EXPECT_EQ(box.caption, QStringLiteral("VALIDATE_BARCODE"));
    EXPECT_EQ(box.icon, platform::BoxIcon::Exclamation);
    EXPECT_EQ(box.owner, nullptr);
    EXPECT_EQ(m_journal.texts(), (Texts{rowsQuery("2512345"), rowsQuery("2700001")}));
}

TEST_F(WeighedBarcodesTest, theFreeCodeIsSoughtPastTheUsedOnes) {
    product(1, "2512345");
    product(2, "2700001");
    // Only the first seven characters count: the weight digits are not the code.
    EXPECT_EQ(validate("251234501500"), "2700002");
    EXPECT_EQ(shownCodes, Texts{"2700002"});
    EXPECT_EQ(m_journal.texts(),
              (Texts{rowsQuery("2512345"), rowsQuery("2700001"), rowsQuery("2700002")}));
}

TEST_F(WeighedBarcodesTest, aFreeWeighedCodeIsCutToItsFirstSevenCharacters) {
    EXPECT_EQ(validate("2612345999"), "2612345");
    EXPECT_EQ(m_journal.texts(), Texts{rowsQuery("2612345")});
    // Too short for a code: nothing is left, and nothing need be asked.
    product(1, "");
    m_journal.clear();
    EXPECT_EQ(validate("2512"), "");
    EXPECT_TRUE(m_journal.texts().empty());
    EXPECT_TRUE(m_boxes.shown().empty());
    EXPECT_TRUE(shownCodes.empty());
}

TEST_F(WeighedBarcodesTest, codesOfOtherPrefixesAndCompleteCodesStayAsTyped) {
    product(1, "8690000000017");
    product(2, "2701000000011");
    for (const char* code : {"8690000000017", "2701000000011", "2312345", "2912345", "25", "ab"})
        EXPECT_EQ(validate(code), code);
    EXPECT_TRUE(m_journal.texts().empty());
    EXPECT_TRUE(m_boxes.shown().empty());
}

TEST_F(WeighedBarcodesTest, aFailedLookupCountsAsFreeAndIsShownOnTop) {
    {
        const test::ServerChange away = test::productsAway();
        EXPECT_EQ(labels::weighedCodeUsed(m_runner, "2512345"), 0);
        EXPECT_EQ(validate("2512345"), "2512345");
    }
    ASSERT_EQ(m_boxes.shown().size(), 2u);
    EXPECT_EQ(m_boxes.shown()[0].caption, QStringLiteral("If_BARKOD_EXISTS"));
    EXPECT_EQ(m_boxes.shown()[0].icon, platform::BoxIcon::Exclamation);
    EXPECT_TRUE(m_boxes.shown()[0].topmost);
    EXPECT_TRUE(shownCodes.empty());
}

TEST_F(WeighedBarcodesTest, everyWeighedProductIsNumberedInListOrderOrNoneIs) {
    product(11, "x", true);
    product(12, "y");
    product(13, "z", true);
    product(14, "w", true);
    std::vector<stock::StockDefinition> products(4);
    for (std::size_t i = 0; i < products.size(); ++i) {
        products[i].stcode = static_cast<stock::StockCode>(11 + i);
        products[i].is_weighed = i != 1;
    }
    std::swap(products[0], products[2]); // the list's order, not the codes'
    std::vector<std::pair<stock::StockCode, std::string>> assigned;
    const auto assign = [&] {
        m_boxes.queueAnswer(platform::BoxAnswer::Yes);
        labels::assignWeighedBarcodes(m_runner, m_boxes, products,
                                      [&](const std::vector<labels::AssignedCode>& codes) {
                                          for (const labels::AssignedCode& code : codes)
                                              assigned.emplace_back(code.product, code.barcode);
                                      });
    };
    {
        const test::ServerChange refused(
            "CREATE TRIGGER stocks.refuse_11 BEFORE UPDATE ON stocks.stckdef FOR EACH ROW "
            "BEGIN IF NEW.stcode = 11 THEN SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT='kilitli'; "
            "END IF; END;",
            "DROP TRIGGER stocks.refuse_11;");
        assign();
    }
    // The failure ends the run: nothing is handed on, nothing stays written.
    EXPECT_TRUE(assigned.empty());
    EXPECT_EQ(m_journal.texts(),
              (Texts{"UPDATE stckdef SET stckdef.barcode='2700001' WHERE stckdef.stcode=13;",
                     "UPDATE stckdef SET stckdef.barcode='2700002' WHERE stckdef.stcode=11;"}));
    EXPECT_EQ(barcodeOf(13), "z");
    EXPECT_EQ(barcodeOf(11), "x");
    EXPECT_EQ(m_boxes.captions(), (QStringList{QStringLiteral("Tartılı Ürün Kodları"),
                                               QStringLiteral("SET_PLU_OTOMATIK_BARCODE")}));

    m_boxes.clear();
    assign();
    EXPECT_EQ(assigned, (std::vector<std::pair<stock::StockCode, std::string>>{
                            {13, "2700001"}, {11, "2700002"}, {14, "2700003"}}));
    EXPECT_EQ(barcodeOf(13), "2700001");
    EXPECT_EQ(barcodeOf(11), "2700002");
    EXPECT_EQ(barcodeOf(12), "y");
    EXPECT_EQ(barcodeOf(14), "2700003");
    EXPECT_EQ(m_boxes.texts().mid(1),
              (QStringList{QStringLiteral("SET_PLU_OTOMATIK_BARCODE finished.."),
                           QStringLiteral("Tartılı Ürün Kodları: 3 ürün değişti.")}));
}
