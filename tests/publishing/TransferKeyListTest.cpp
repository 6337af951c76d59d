#include "TransferSamples.h"
#include "TurkishLocale.h"
#include "publishing/TransferFiles.h"

#include <QString>
#include <QStringList>
#include <algorithm>
#include <gtest/gtest.h>

using namespace parvela;
using publishing::test::everyFieldSet;

namespace {

const QStringList kKeys{"isletme_code", "type",   "stcode", "gra",  "grb", "grc",
                        "barcode",      "serial", "stname", "unit", "kdv", "sellp1"};

// The values of each product as the web service splits the list.
std::vector<QStringList> parsed(const std::string& list) {
    std::vector<QStringList> products;
    for (const QString& product : QString::fromLatin1(list).split(u'|')) {
        QStringList values;
        const QStringList pieces = product.split(u',');
        for (qsizetype i = 0; i < pieces.size(); ++i) {
            const QStringList pair = pieces[i].split(QStringLiteral("=>"));
            EXPECT_EQ(pair.size(), 2) << pieces[i].toStdString();
            EXPECT_EQ(pair.value(0), kKeys.value(i));
            values << pair.value(1);
        }
        EXPECT_EQ(values.size(), kKeys.size());
        products.push_back(values);
    }
    return products;
}

} // namespace

TEST(KeyList, readsEveryPieceFromTheRecordWithADotUnderAnyLocale) {
    const test::TurkishLocale turkish;
    EXPECT_EQ(publishing::keyList({everyFieldSet()}, 77),
              "isletme_code=>77,type=>2,stcode=>12345,gra=>7,grb=>258,grc=>-1,"
              "barcode=>8690123456789,serial=>SN1,stname=>\xC7i\xF0 K\xF6"
              "fte,unit=>kg,kdv=>8,sellp1=>12.50");
    EXPECT_EQ(publishing::keyList({stock::StockDefinition()}, 5),
              "isletme_code=>5,type=>0,stcode=>0,gra=>0,grb=>0,grc=>0,barcode=>000,"
              "serial=>000,stname=>xxx,unit=>ad,kdv=>0,sellp1=>0.00");
}

TEST(KeyList, showsTheRecordsCutCodeRateAndSinglePrecisionPrice) {
    stock::StockDefinition p;
    p.stcode = 4294967297LL;
    p.kdv = 18.9;
    // 1.075 is just below the half as a double, just above it as a float.
    p.sellp1 = 1.075;
    const std::vector<QStringList> products = parsed(publishing::keyList({p}, 1));
    ASSERT_EQ(products.size(), 1u);
    EXPECT_EQ(products[0][2], "1");
    EXPECT_EQ(products[0][10], "18");
    EXPECT_EQ(products[0][11], "1.08");
}

TEST(KeyList, separatesProductsByOneBarWithNothingAfterTheLast) {
    stock::StockDefinition p;
    const std::string list = publishing::keyList({p, p, p}, 1);
    EXPECT_EQ(std::count(list.begin(), list.end(), '|'), 2);
    EXPECT_NE(list.back(), '|');
    EXPECT_EQ(list.find_first_of("\r\n"), std::string::npos);
    EXPECT_EQ(parsed(list).size(), 3u);
}

TEST(KeyList, separatorsAndLineBreaksInTextsCannotBreakTheList) {
    stock::StockDefinition hostile;
    hostile.barcode = "12|34,5\n6";
    hostile.serial = "a=>b\r\nc";
    hostile.unit = "k,g|";
    hostile.stname = QStringLiteral("x|y,z\nw=>");
    const std::string list = publishing::keyList({hostile, everyFieldSet()}, 3);
    EXPECT_EQ(list.find_first_of("\r\n"), std::string::npos);
    const std::vector<QStringList> products = parsed(list);
    ASSERT_EQ(products.size(), 2u);
    EXPECT_EQ(products[0][6], "12 34 5 6");
    EXPECT_EQ(products[0][7], "a >b  c");
    EXPECT_EQ(products[0][8], "x y z w >");
    EXPECT_EQ(products[0][9], "k g ");
    EXPECT_EQ(products[1][6], "8690123456789");
    // The branches look barcodes up as stored.
    EXPECT_EQ(publishing::stockRecord(hostile, 3).substr(339, 10), std::string("12|34,5\n6\0", 10));
}
