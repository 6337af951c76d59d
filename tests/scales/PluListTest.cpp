#include "scales/PluList.h"

#include "ScriptedMessageBoxes.h"
#include "db/CodePage1254.h"
#include "platform/MessageBoxes.h"
#include "scales/PluTransfer.h"
#include "scales/ScaleStore.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace parvela;

namespace {

stock::StockDefinition weighed(const char* barcode, const QString& name, double price) {
    stock::StockDefinition product;
    product.barcode = barcode;
    product.stname = name;
    product.sellp1 = price;
    product.is_weighed = true;
    return product;
}

} // namespace

TEST(PluListTest, thePluIsTheThirdToSeventhCharacterOfTheBarcode) {
    EXPECT_EQ(scales::pluNumberOf(""), 0);
    EXPECT_EQ(scales::pluNumberOf("27"), 0);
    EXPECT_EQ(scales::pluNumberOf("2700015"), 15);
    // Only the first seven characters count.
    EXPECT_EQ(scales::pluNumberOf("270001599"), 15);
    EXPECT_EQ(scales::pluNumberOf("869123"), 9123);
}

TEST(PluListTest, thePriceIsCutToHundredthsWithoutBinaryArtefacts) {
    EXPECT_EQ(scales::hundredthsOf(9.999), 999);
    EXPECT_EQ(scales::hundredthsOf(19.99), 1999);
    EXPECT_EQ(scales::hundredthsOf(0.29), 29);
    EXPECT_EQ(scales::hundredthsOf(123.45), 12345);
    EXPECT_EQ(scales::hundredthsOf(-1.239), -123);
    EXPECT_EQ(scales::hundredthsOf(1e12), std::numeric_limits<int>::max());
}

TEST(PluListTest, aLineCarriesTheNineFieldsEachEndedByAComma) {
    EXPECT_EQ(scales::pluLineOf(weighed("2700015", QStringLiteral("KIYMA"), 123.45)),
              " 15,KIYMA,15,15,7,12345,27,0,30,\r\n");
    EXPECT_EQ(scales::pluLineOf(weighed("", QStringLiteral("PEYNİR"), 9.999)),
              " 0,PEYN\xDDR,0,0,7,999,27,0,30,\r\n");
}

TEST(PluListTest, theNameIsCodePage1254CutAt30BytesWithCommasBlanked) {
    // 31 bytes in code page 1254: Ş and Ö take one byte each.
    const QString longName = QStringLiteral("ŞİŞ KEBAP ÖZEL ACILI SOSLU 1234");
    ASSERT_EQ(db::Cp1254::encodeLossy(longName).size(), 31u);
    EXPECT_EQ(scales::pluNameOf(longName), db::Cp1254::encodeLossy(longName).substr(0, 30));
    EXPECT_EQ(scales::pluNameOf(QStringLiteral("ŞİŞ, KÖFTE")), "\xDE\xDD\xDE  K\xD6"
                                                               "FTE");
}

// Another program of the suite may store any text: each control character
// becomes a blank, so that a line break cannot split a record in two.
TEST(PluListTest, controlCharactersInTheNameAreBlankedAsCommasAre) {
    const struct {
        QString name;
        std::string bytes;
    } cases[] = {
        {QStringLiteral("KIYMA\r\nDANA"), "KIYMA  DANA"},
        {QString::fromUtf16(u"SU\0CUK", 6), "SU CUK"},
        {QStringLiteral("PEYN\x1b[2J\u0130R"), "PEYN [2J\xDDR"},
        {QStringLiteral("\tKA\u015eAR\x7f"), " KA\xDE"
                                             "AR "},
        {QString::fromUtf16(u"LOR\u0085\u009b1"), "LOR  1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(scales::pluNameOf(c.name), c.bytes) << c.name.toStdString();
    EXPECT_EQ(scales::pluLineOf(weighed("2700015", QStringLiteral("KIYMA\r\nDANA"), 1)),
              " 15,KIYMA  DANA,15,15,7,100,27,0,30,\r\n");
}

TEST(PluListTest, noScaleStopsBeforeTheFileWithTheBox) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Orvanta/terazi_plu.txt"));
    test::ScriptedMessageBoxes boxes;
    scales::ScaleStore store;
    EXPECT_FALSE(scales::writePluList(store, {weighed("2700001", QStringLiteral("KIYMA"), 1)}, path,
                                      boxes, nullptr));
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("Tanımlı bir terazi yok..")});
    EXPECT_EQ(boxes.captions(), QStringList{QStringLiteral("rcTERAZIYE_GONDER")});
    EXPECT_FALSE(QFile::exists(path));
}
