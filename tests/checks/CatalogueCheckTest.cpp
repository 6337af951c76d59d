#include "checks/CatalogueCheck.h"

#include "CatalogFixtures.h"
#include "PrintQString.h"
#include "checks/CheckReport.h"
#include "checks/RecipeCycles.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

using namespace parvela;
using namespace parvela::checks;

namespace {

stock::StockDefinition sold(stock::StockCode code, const char* name, const char* barcode = "") {
    stock::StockDefinition product = test::productRecord(code, name, 0);
    product.type = 333;
    product.sellp1 = 10;
    product.barcode = barcode;
    return product;
}

// A catalogue with no fault; each test plants its own.
class CatalogueCheckTest : public ::testing::Test {
protected:
    std::vector<Finding> check() {
        return checkCatalogue(
            {m_products, m_recipes, m_bundles, m_substitutes, m_pictures, m_files, m_stored});
    }
    std::vector<Check> kinds() {
        std::vector<Check> found;
        for (const Finding& finding : check())
            found.push_back(finding.check);
        return found;
    }

    std::vector<stock::StockDefinition> m_products = {sold(1, "Adana Kebap", "8690000000012"),
                                                      sold(2, "Ayran", "2701000000035"),
                                                      test::productRecord(3, "Kıyma", 4)};
    std::vector<recipes::RecipeLine> m_recipes = {test::recipeLine(1, 3, 0.2)};
    std::vector<recipes::RecipeLine> m_bundles;
    std::vector<recipes::BundleSubstitute> m_substitutes;
    std::vector<stock::ProductPicture> m_pictures = {
        {1, QStringLiteral("C:\\Orvanta\\images\\stok_1.jpg")}};
    QSet<QString> m_files = {QStringLiteral("stok_1.jpg")};
    recipes::StoredCosts m_stored = {{1, 0.8}, {2, 0}, {3, 4}};
};

} // namespace

TEST_F(CatalogueCheckTest, aSoundCatalogueHasNoFinding) {
    EXPECT_TRUE(check().empty());
    EXPECT_EQ(findingsText({}), QStringLiteral("Katalogda sorun bulunmadı.\n"));
}

TEST_F(CatalogueCheckTest, barcodesMustBeReadableAndOwnedByOneProduct) {
    m_products.push_back(sold(4, "Çay", "8690000000013"));  // wrong check digit
    m_products.push_back(sold(5, "Su", "86900000"));        // too short
    m_products.push_back(sold(6, "Soda", "8690000000012")); // Adana's
    m_products.push_back(sold(7, "Peynir", "2700007"));     // a scale code, fine
    const std::vector<Finding> found = check();
    ASSERT_EQ(found.size(), 4u);
    EXPECT_EQ(found[0].check, Check::BadBarcode);
    EXPECT_EQ(found[0].name, QStringLiteral("Su"));
    EXPECT_EQ(found[1].problem,
              QStringLiteral("Barkod 8690000000013 kontrol hanesi yanlış (2 olmalı)"));
    EXPECT_EQ(found[2].check, Check::SharedBarcode);
    EXPECT_EQ(found[2].problem, QStringLiteral("Barkod 8690000000012 şu ürünlerde de var: 6 Soda"));
    EXPECT_EQ(found[3].stcode, 6);
}

TEST_F(CatalogueCheckTest, recipeCyclesAndLostIngredientsAreErrors) {
    m_products.push_back(sold(8, "Sos", ""));
    m_products.push_back(sold(9, "Köfte Harcı", ""));
    m_recipes.push_back(test::recipeLine(8, 9, 1));
    m_recipes.push_back(test::recipeLine(9, 8, 1));
    m_recipes.push_back(test::recipeLine(2, 2, 1)); // its own recipe: no cycle
    m_recipes.push_back(test::recipeLine(1, 404, 1));
    const std::vector<Finding> found = check();
    ASSERT_GE(found.size(), 2u);
    EXPECT_EQ(found[0].check, Check::RecipeCycle);
    EXPECT_EQ(found[0].problem,
              QStringLiteral("Reçeteler birbirini kullanıyor: 8 Sos → 9 Köfte Harcı → 8 Sos"));
    EXPECT_EQ(found[1].check, Check::MissingIngredient);
    EXPECT_EQ(found[1].stcode, 1);
}

TEST(RecipeCyclesTest, eachCircleIsNamedOnceByItsShortestWay) {
    using test::recipeLine;
    // 1 → 2 → 3 → 1 with a short cut 2 → 1, a separate 5 ⇄ 6, and a long
    // chain without a circle.
    std::vector<recipes::RecipeLine> lines = {recipeLine(1, 2, 1), recipeLine(2, 3, 1),
                                              recipeLine(3, 1, 1), recipeLine(2, 1, 1),
                                              recipeLine(6, 5, 1), recipeLine(5, 6, 1)};
    for (std::int64_t code = 100; code < 20100; ++code)
        lines.push_back(recipeLine(code, code + 1, 1));
    const std::vector<std::vector<std::int64_t>> expected = {{1, 2}, {5, 6}};
    EXPECT_EQ(recipeCycles(lines), expected);
}

TEST_F(CatalogueCheckTest, menusScalesPricesNamesPicturesAndCostsAreLookedAt) {
    m_bundles.push_back(test::recipeLine(1, 405, 1));
    recipes::BundleSubstitute substitute;
    substitute.menu_stcode = 1;
    substitute.sub_urun_code = 406;
    m_substitutes.push_back(substitute);
    stock::StockDefinition weighed =
        sold(10, "Beyaz Peynir Tam Yağlı Ezine Teneke", "8690000000012x");
    weighed.is_weighed = true;
    weighed.sellp1 = 0;
    m_products.push_back(weighed);
    m_products.push_back(sold(11, "Çay 🍵"));
    m_pictures.push_back({11, QStringLiteral("cay.jpg")});
    m_stored[1] = 2.5; // the recipe gives 0.2 × 4 = 0.8
    const std::vector<Check> expected = {Check::BadBarcode,
                                         Check::BundleMissingProduct,
                                         Check::BundleMissingProduct,
                                         Check::WeighedWithoutScaleCode,
                                         Check::LettersOutsideCodePage,
                                         Check::NameTooLongForScale,
                                         Check::NoRetailPrice,
                                         Check::PictureFileMissing,
                                         Check::StaleCost};
    EXPECT_EQ(kinds(), expected);
    const std::vector<Finding> found = check();
    EXPECT_EQ(errorCount(found), 4);
    EXPECT_EQ(countsText(found), QStringLiteral("4 hata, 5 uyarı"));
    EXPECT_EQ(found.back().problem, QStringLiteral("Kayıtlı maliyet 2.500, reçeteye göre 0.800"));
    const QJsonArray json = QJsonDocument::fromJson(findingsJson(found)).array();
    ASSERT_EQ(json.size(), 9);
    EXPECT_EQ(json[3].toObject()[QStringLiteral("check")].toString(),
              QStringLiteral("weighed-without-scale-code"));
    EXPECT_EQ(json[3].toObject()[QStringLiteral("stcode")].toInteger(), 10);
    EXPECT_TRUE(findingsText(found).startsWith(
        QStringLiteral("HATA\t10 Beyaz Peynir Tam Yağlı Ezine Teneke: Barkod 8690000000012x 13 "
                       "haneli bir EAN-13 değil. Barkodu düzeltin")));
}

// A name another program wrote with a line break, an escape or a tab: a
// warning naming the characters, and a report line that stays one line.
TEST_F(CatalogueCheckTest, namesWithControlCharactersAreReported) {
    m_products.push_back(sold(12, "Kuzu\r\nŞiş"));
    m_products.push_back(sold(13, "Çay\x1b\tdemli\x1b"));
    const std::vector<Finding> found = check();
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].severity, Severity::Warning);
    EXPECT_EQ(found[0].check, Check::ControlCharactersInName);
    EXPECT_EQ(checkName(found[0].check), QStringLiteral("control-characters-in-name"));
    EXPECT_EQ(found[0].stcode, 12);
    EXPECT_EQ(found[0].problem,
              QStringLiteral("Adında denetim karakterleri var (CR, LF); terazi dosyasına boşluk "
                             "olarak gider"));
    EXPECT_EQ(found[1].problem,
              QStringLiteral("Adında denetim karakterleri var (ESC, TAB); terazi dosyasına boşluk "
                             "olarak gider"));
    const QStringList lines = findingsText(found).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("UYARI\t12 Kuzu\u240d\u240aŞiş: ")))
        << lines[0].toStdString();
}

// The menu import once filed nameless rows at 0,00: a product without a name
// is an error whatever its kind; one the import brought in (type 777, no
// group yet) sells like a finished one, and a fixture filed under its group
// does not.
TEST_F(CatalogueCheckTest, namelessProductsAreErrorsAndImportedOnesNeedAPrice) {
    stock::StockDefinition nameless = sold(12, "  ");
    m_products.push_back(nameless);
    stock::StockDefinition imported = test::productRecord(7771, "Künefe", 0);
    imported.type = 777;
    m_products.push_back(imported);
    stock::StockDefinition fixture = test::productRecord(777101, "Masa", 0);
    fixture.type = 777;
    fixture.gra = 7771;
    m_products.push_back(fixture);
    const std::vector<Finding> found = check();
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].check, Check::NamelessProduct);
    EXPECT_EQ(found[0].severity, Severity::Error);
    EXPECT_EQ(found[0].stcode, 12);
    EXPECT_EQ(found[1].check, Check::NoRetailPrice);
    EXPECT_EQ(found[1].severity, Severity::Warning);
    EXPECT_EQ(found[1].stcode, 7771);
    EXPECT_EQ(QJsonDocument::fromJson(findingsJson(found))
                  .array()[0]
                  .toObject()[QStringLiteral("check")]
                  .toString(),
              QStringLiteral("nameless-product"));
}
