#include "TransferSamples.h"
#include "publishing/TransferFiles.h"

#include <gtest/gtest.h>
#include <string_view>

using namespace parvela;
using namespace std::literals;
using publishing::test::everyFieldSet;

namespace {

// Lays `bytes` over a zeroed record of `size` at `offset`.
class Expected {
public:
    explicit Expected(std::size_t size)
        : m_bytes(size, '\0') {}
    Expected& at(std::size_t offset, std::string_view bytes) {
        m_bytes.replace(offset, bytes.size(), bytes);
        return *this;
    }
    const std::string& bytes() const { return m_bytes; }

private:
    std::string m_bytes;
};

std::string_view field(const std::string& record, std::size_t offset, std::size_t size) {
    return std::string_view(record).substr(offset, size);
}

} // namespace

TEST(StockRecord, laysEveryFieldLittleEndianInCodePage1254) {
    const Expected expected = Expected(publishing::kStockRecordSize)
                                  .at(0, "\x39\x30"sv)
                                  .at(8, "\x02"sv)
                                  .at(12, "\x07"sv)
                                  .at(16, "\x02\x01"sv)
                                  .at(20, "\xFF\xFF\xFF\xFF"sv)
                                  .at(24, "MX-20"sv)
                                  .at(44, "\xDE\xF6len"sv)
                                  .at(84, "Ac\xFD"sv)
                                  .at(339, "8690123456789"sv)
                                  .at(379, "SN1"sv)
                                  .at(419, "kg"sv)
                                  .at(424, "\xC7i\xF0 K\xF6"
                                           "fte"sv)
                                  .at(484, "\x08"sv)
                                  .at(488, "\0\0\xC0\x3F"sv)
                                  .at(492, "\0\0\x48\x41"sv)
                                  .at(496, "\0\0\0\x40"sv)
                                  .at(500, "\0\0\x80\xBF"sv)
                                  .at(504, "\0\0\x80\x3E"sv)
                                  .at(508, "\0\0\xC8\x42"sv)
                                  .at(512, "\0\0\0\x3F"sv)
                                  .at(516, "\0\0\x40\x40"sv)
                                  .at(520, "\x04"sv)
                                  .at(524, "\x01"sv)
                                  .at(528, "\x4D"sv);
    EXPECT_EQ(publishing::stockRecord(everyFieldSet(), 77), expected.bytes());
}

TEST(StockRecord, missingTextsGetTheirDefaults) {
    stock::StockDefinition p;
    p.stcode = 1;
    const std::string record = publishing::stockRecord(p, 5);
    ASSERT_EQ(record.size(), publishing::kStockRecordSize);
    EXPECT_EQ(field(record, 339, 40), "000"s + std::string(37, '\0'));
    EXPECT_EQ(field(record, 379, 40), "000"s + std::string(37, '\0'));
    EXPECT_EQ(field(record, 419, 5), "ad\0\0\0"sv);
    EXPECT_EQ(field(record, 424, 60), "xxx"s + std::string(57, '\0'));
    EXPECT_EQ(field(record, 24, 20), std::string(20, '\0'));
    EXPECT_EQ(field(record, 524, 12), "\0\0\0\0\x05\0\0\0\0\0\0\0"sv);
}

TEST(StockRecord, theRateIsCutTowardZeroAndTheCodeKeepsItsLow32Bits) {
    stock::StockDefinition p;
    p.kdv = 18.9;
    p.stcode = 4294967297LL;
    std::string record = publishing::stockRecord(p, 0);
    EXPECT_EQ(field(record, 484, 4), "\x12\0\0\0"sv);
    EXPECT_EQ(field(record, 0, 8), "\x01\0\0\0\0\0\0\0"sv);

    p.kdv = -3.7;
    p.stcode = 0x1FFFFFFFFLL;
    record = publishing::stockRecord(p, 0);
    EXPECT_EQ(field(record, 484, 4), "\xFD\xFF\xFF\xFF"sv);
    EXPECT_EQ(field(record, 0, 8), "\xFF\xFF\xFF\xFF\0\0\0\0"sv);
}

TEST(StockRecord, theNameIsSanitisedButOtherTextsAreKeptAsStored) {
    stock::StockDefinition p;
    p.stname = QStringLiteral("Su, 0,5 lt; %20 \u2019ok\u2019");
    p.barcode = "AB-12/3";
    p.model = "X-1";
    const std::string record = publishing::stockRecord(p, 0);
    EXPECT_EQ(field(record, 424, 21), "Su  0 5 lt   20  ok \0"sv);
    EXPECT_EQ(field(record, 339, 8), "AB-12/3\0"sv);
    EXPECT_EQ(field(record, 24, 4), "X-1\0"sv);
}

TEST(StockRecord, longTextsAreCutLeavingTheTerminator) {
    stock::StockDefinition p;
    p.stname = QString(70, u'ş');
    p.brnd = QString(45, u'Ğ');
    p.specs2 = QString(300, u'a');
    p.barcode = std::string(50, '9');
    p.serial = std::string(41, 'S');
    p.model = "ÖÖÖÖÖÖÖÖÖÖÖÖÖÖÖÖÖÖÖÖÖÖÖÖÖ"; // 25 letters, 50 bytes of UTF-8
    p.unit = "litre";
    const std::string record = publishing::stockRecord(p, 0);
    EXPECT_EQ(field(record, 424, 60), std::string(59, '\xFE') + '\0');
    EXPECT_EQ(field(record, 44, 40), std::string(39, '\xD0') + '\0');
    EXPECT_EQ(field(record, 84, 255), std::string(254, 'a') + '\0');
    EXPECT_EQ(field(record, 339, 40), std::string(39, '9') + '\0');
    EXPECT_EQ(field(record, 379, 40), std::string(39, 'S') + '\0');
    EXPECT_EQ(field(record, 24, 20), std::string(19, '\xD6') + '\0');
    EXPECT_EQ(field(record, 419, 5), "litr\0"sv);
}

TEST(StockRecord, aCharacterOutsideTheCodePageBecomesOneQuestionMark) {
    stock::StockDefinition p;
    p.stname = QStringLiteral("Pizza 🍕 €5");
    p.unit = "m²";
    const std::string record = publishing::stockRecord(p, 0);
    EXPECT_EQ(field(record, 424, 12), "Pizza ? \x80"
                                      "5\0\0"sv);
    EXPECT_EQ(field(record, 419, 5), "m\xB2\0\0\0"sv);
}

TEST(TransferFiles, recordsFollowEachOtherInListOrder) {
    stock::StockDefinition first = everyFieldSet();
    stock::StockDefinition second;
    second.stcode = 2;
    stock::StockDefinition third;
    third.stcode = 3;
    const std::string file = publishing::stockFile({first, second, third}, 77);
    ASSERT_EQ(file.size(), 1608u);
    EXPECT_EQ(file.substr(0, 536), publishing::stockRecord(first, 77));
    EXPECT_EQ(file.substr(536, 536), publishing::stockRecord(second, 77));
    EXPECT_EQ(file.substr(1072), publishing::stockRecord(third, 77));

    groups::GroupA a1;
    a1.acode = 1;
    groups::GroupA a2;
    a2.acode = 2;
    EXPECT_EQ(publishing::groupAFile({a2, a1}),
              publishing::groupARecord(a2) + publishing::groupARecord(a1));
}

// The large files are made a piece at a time: no record or key is lost,
// doubled or split where one piece ends.
TEST(TransferFiles, filesOfManyPiecesHoldEveryRecordWhole) {
    std::vector<stock::StockDefinition> products(1000, everyFieldSet());
    std::string records;
    std::string keys;
    for (std::size_t i = 0; i < products.size(); ++i) {
        products[i].stcode = static_cast<int>(100000 + i);
        products[i].stname = QStringLiteral("Ürün %1").arg(i);
        records += publishing::stockRecord(products[i], 77);
        keys += (i == 0 ? "" : "|") + publishing::keyList({products[i]}, 77);
    }
    const stock::ProductList list(products);
    EXPECT_EQ(publishing::stockFile(list, 77), records);
    EXPECT_EQ(publishing::keyList(list, 77), keys);
}

TEST(TransferFiles, emptyListsGiveEmptyFiles) {
    EXPECT_EQ(publishing::stockFile({}, 1), "");
    EXPECT_EQ(publishing::groupAFile({}), "");
    EXPECT_EQ(publishing::groupBFile({}), "");
    EXPECT_EQ(publishing::recipeFile({}), "");
    EXPECT_EQ(publishing::keyList({}, 1), "");
}

TEST(GroupRecords, groupAHoldsCodeWideNameMenuFlagAndKind) {
    groups::GroupA group;
    group.acode = 3;
    group.wideName = QStringLiteral("Çay");
    group.name = "ignored";
    group.posmenu = true;
    group.tur = 2;
    const Expected expected = Expected(publishing::kGroupARecordSize)
                                  .at(0, "\x03"sv)
                                  .at(4, "\xC7\0a\0y\0"sv)
                                  .at(132, "\x01"sv)
                                  .at(136, "\x02"sv);
    EXPECT_EQ(publishing::groupARecord(group), expected.bytes());
}

TEST(GroupRecords, groupBHoldsParentCodeWideNameMenuFlagAndKind) {
    groups::GroupB group;
    group.acode = 3;
    group.bcode = 0x0112;
    group.wideName = QStringLiteral("Sıcak");
    group.posmenu = false;
    group.tur = 1;
    group.index_sira = 7;
    const Expected expected = Expected(publishing::kGroupBRecordSize)
                                  .at(0, "\x03"sv)
                                  .at(4, "\x12\x01"sv)
                                  .at(8, "S\0\x31\x01\x63\0a\0k\0"sv)
                                  .at(140, "\x01"sv);
    EXPECT_EQ(publishing::groupBRecord(group), expected.bytes());
}

TEST(GroupRecords, aLongNameKeeps63UnitsAndNeverHalfAPair) {
    groups::GroupA group;
    group.wideName = QString(70, u'x');
    std::string record = publishing::groupARecord(group);
    EXPECT_EQ(field(record, 128, 4), "x\0\0\0"sv);

    // The pair would straddle unit 63: it goes whole.
    group.wideName = QString(62, u'x') + QStringLiteral("😀");
    record = publishing::groupARecord(group);
    EXPECT_EQ(field(record, 4 + 2 * 61, 6), "x\0\0\0\0\0"sv);
}

TEST(RecipeRecord, holdsIdCodesAndQuantity) {
    recipes::RecipeLine line;
    line.Id = 9;
    line.ingredient = 0x0102030405LL;
    line.urun = 4294967298LL;
    line.qua = 0.5;
    line.unitcost = 3; // not published
    const Expected expected = Expected(publishing::kRecipeRecordSize)
                                  .at(0, "\x09"sv)
                                  .at(8, "\x05\x04\x03\x02\x01"sv)
                                  .at(16, "\x02\0\0\0\x01"sv)
                                  .at(24, "\0\0\0\0\0\0\xE0\x3F"sv);
    EXPECT_EQ(publishing::recipeRecord(line), expected.bytes());
}
