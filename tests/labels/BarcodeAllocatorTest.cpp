#include "labels/BarcodeAllocator.h"

#include "CatalogFixtures.h"
#include "ServerChange.h"
#include "StockFixture.h"

using namespace parvela;
using test::TestDatabase;
using Texts = std::vector<std::string>;

namespace {

const std::string kCall = " CALL GET_NEW_BARCODE_NO(@BarcodeNO); ";
const std::string kReply = "SELECT @BarcodeNO AS _reply";

std::string existsQuery(const std::string& code) {
    return "SELECT id FROM stckdef WHERE barcode='" + code + "';";
}

class BarcodeAllocatorTest : public test::StockTest {
protected:
    static std::string counter() {
        return TestDatabase::scalar("SELECT son_no FROM stocks.barkod_sayac WHERE id=1;");
    }
    static void giveBarcode(std::int64_t stcode, const std::string& barcode) {
        test::addProduct({.stcode = stcode, .name = "Urun " + std::to_string(stcode)});
        test::setBarcode(stcode, barcode);
    }

    labels::BarcodeAllocator m_allocator{m_runner, m_boxes};
};

} // namespace

TEST_F(BarcodeAllocatorTest, numberSevenGivesTheNationalCodeWithItsCheckDigit) {
    test::nextBarcodeNumber(7);
    EXPECT_EQ(m_allocator.nextFreeNationalBarcode(), 7);
    EXPECT_EQ(m_allocator.codeText(), "8697000000004");
    EXPECT_EQ(m_allocator.code(), "869700000000");
    EXPECT_EQ(m_allocator.prefix(), 869);
    EXPECT_EQ(m_journal.texts(), (Texts{kCall, kReply, existsQuery("8697000000004")}));
    EXPECT_EQ(counter(), "7");
    EXPECT_TRUE(m_boxes.shown().empty());
}

TEST_F(BarcodeAllocatorTest, aNineDigitNumberFillsTheInStoreCode) {
    test::nextBarcodeNumber(123456789);
    EXPECT_EQ(m_allocator.nextFreeInStoreBarcode(), 123456789);
    EXPECT_EQ(m_allocator.codeText(), "2701234567892");
    EXPECT_EQ(m_allocator.prefix(), 270);
}

// 5 and 50 share the base 869500000000: the code of 5 is taken, so 50 is
// passed over for the next number.
TEST_F(BarcodeAllocatorTest, aNumberWhoseCodeIsTakenIsPassedOverForANewOne) {
    test::nextBarcodeNumber(5);
    ASSERT_EQ(m_allocator.nextFreeNationalBarcode(), 5);
    giveBarcode(101, m_allocator.codeText());
    EXPECT_EQ(m_allocator.codeText(), "8695000000000");

    test::nextBarcodeNumber(50);
    m_journal.clear();
    EXPECT_EQ(m_allocator.nextFreeNationalBarcode(), 51);
    EXPECT_EQ(m_allocator.codeText(), "8695100000009");
    EXPECT_EQ(m_journal.texts(), (Texts{kCall, kReply, existsQuery("8695000000000"), kCall, kReply,
                                        existsQuery("8695100000009")}));
    EXPECT_EQ(counter(), "51");
}

TEST_F(BarcodeAllocatorTest, aFailedExistenceCheckTakesTheCodeAsFree) {
    test::nextBarcodeNumber(42);
    {
        const test::ServerChange away = test::productsAway();
        EXPECT_EQ(m_allocator.nextFreeInStoreBarcode(), 42);
    }
    EXPECT_EQ(m_allocator.codeText(), "2704200000003");
    EXPECT_EQ(m_journal.texts(), (Texts{kCall, kReply, existsQuery("2704200000003")}));
    EXPECT_EQ(m_boxes.captions(), QStringList{QStringLiteral("If_Barcode_Exists")});
    EXPECT_EQ(m_allocator.barcodeExists("2704200000003"), -1);
}

TEST_F(BarcodeAllocatorTest, aFailedDrawLeavesTheCodeTextAsItWas) {
    m_allocator.setCodeText("2701000000011");
    {
        const test::ServerChange refused = test::counterRefused();
        EXPECT_EQ(m_allocator.nextFreeInStoreBarcode(), -5);
    }
    EXPECT_EQ(m_allocator.codeText(), "2701000000011");
    EXPECT_EQ(m_boxes.captions(), QStringList{QStringLiteral("Retrieve_Barkod_of_URUNKODU")});
    EXPECT_EQ(m_journal.texts(), Texts{kCall});
    EXPECT_EQ(counter(), "100000000");
}

TEST_F(BarcodeAllocatorTest, aCounterOfTenDigitsGivesNoCodeAndSaysWhy) {
    m_allocator.setCodeText("2701000000011");
    test::nextBarcodeNumber(1000000000);
    EXPECT_EQ(m_allocator.nextFreeNationalBarcode(), 0);
    EXPECT_EQ(m_allocator.codeText(), "2701000000011");
    ASSERT_EQ(m_boxes.shown().size(), 1u);
    const platform::BoxRequest& box = m_boxes.shown()[0];
    EXPECT_EQ(box.text, QStringLiteral("Sunucunun barkod sayacı 10 haneli bir numaraya ulaştı; 12 "
                                       "haneli barkoda sığmıyor."));
    EXPECT_EQ(box.caption, QStringLiteral("Retrieve_Barkod_of_URUNKODU"));
    EXPECT_EQ(box.icon, platform::BoxIcon::Exclamation);
    // Nothing is asked about a code that was never made.
    EXPECT_EQ(m_journal.texts(), (Texts{kCall, kReply}));
}

TEST_F(BarcodeAllocatorTest, prefixesComeFromTheCompanySettings) {
    TestDatabase::exec("INSERT INTO company.barcode (intercode, firmacode) VALUES (869, 52340);");
    m_allocator.readPrefixes();
    EXPECT_EQ(m_journal.texts(), Texts{"SELECT intercode,firmacode FROM company.barcode;"});
    EXPECT_EQ(m_journal.entries().at(0).schema, "company");
    EXPECT_EQ(m_allocator.intercode(), 869);
    EXPECT_EQ(m_allocator.firmacode(), 52340);
    EXPECT_EQ(m_allocator.intercodeText(), "869");
    EXPECT_EQ(m_allocator.prefix(), 869);
}

TEST_F(BarcodeAllocatorTest, aQuoteInACodeStaysInsideItsLiteral) {
    giveBarcode(102, "27'01");
    EXPECT_EQ(m_allocator.barcodeExists("27'01"), 1);
    EXPECT_EQ(m_allocator.barcodeExists("27"), -1);
    EXPECT_EQ(m_journal.texts().at(0), "SELECT id FROM stckdef WHERE barcode='27\\'01';");
    EXPECT_TRUE(m_boxes.shown().empty());
}
