#include "stock/editor/StockEditorForm.h"

#include "ScriptedMessageBoxes.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <optional>

using namespace parvela;
using stock::StockEditorForm;

namespace {

std::vector<stock::Department> departments() {
    return {{1, 10, QStringLiteral("Mutfak"), {}}, {2, 30, QStringLiteral("Bar"), {}}};
}

stock::StockDefinition pilav() {
    stock::StockDefinition p;
    p.stcode = 22212;
    p.type = 222;
    p.stname = QStringLiteral("Pilav (Porsiyon)");
    p.unit = "prs";
    p.kdv = 10;
    p.unitcost = 13.25678;
    p.sellp1 = 60;
    p.sellp2 = 55.5;
    p.sellp3 = 58;
    p.sellp4 = 57;
    p.sellp5 = 50;
    p.sellp6 = 62;
    p.azparam = 4;
    p.crtqua = 3;
    p.depart = 30;
    p.yuzde = 12.5F;
    p.peraken = 12.5F;
    p.barcode = "8690000000012";
    p.is_weighed = true;
    p.prcchange = true;
    return p;
}

class StockEditorFormTest : public ::testing::Test {
protected:
    // Reads `form` into `product`; true when the name check let it through.
    bool read(const StockEditorForm& form, stock::StockDefinition& product) {
        return stock::readForm(form, departments(), product, m_boxes, nullptr);
    }

    test::ScriptedMessageBoxes m_boxes;
};

} // namespace

TEST_F(StockEditorFormTest, fillingUsesEachFieldsFormat) {
    const StockEditorForm form = stock::formFromRecord(pilav(), departments());
    EXPECT_EQ(form.code, QStringLiteral("22212"));
    // Prices as they are typed, with a decimal comma; quantities with a point.
    EXPECT_EQ(form.unitcost, QStringLiteral("13,2568"));
    EXPECT_EQ(form.kdv, QStringLiteral("10"));
    EXPECT_EQ(form.retail, QStringLiteral("60,00"));
    EXPECT_EQ(form.wholesale, QStringLiteral("55,50"));
    EXPECT_EQ(form.timeWindow1, QStringLiteral("58,00"));
    EXPECT_EQ(form.discount, QStringLiteral("12,50"));
    EXPECT_EQ(form.smallPortion, QStringLiteral("34,00")); // 60 / 2 + 4
    EXPECT_EQ(form.critical, QStringLiteral("3.00"));
    EXPECT_EQ(form.currency, QStringLiteral("TL"));
    EXPECT_EQ(form.department, QStringLiteral("Bar"));
    EXPECT_TRUE(form.typeChecked[1]);
    EXPECT_EQ(std::count(form.typeChecked.begin(), form.typeChecked.end(), true), 1);
    EXPECT_TRUE(form.weighed);
    EXPECT_TRUE(form.priceChangeable);
    EXPECT_FALSE(form.bundle);
}

TEST_F(StockEditorFormTest, untouchedFormReadsBackTheSameRecord) {
    stock::StockDefinition product = pilav();
    product.unitcost = 13.2568;
    ASSERT_TRUE(read(stock::formFromRecord(product, departments()), product));
    EXPECT_DOUBLE_EQ(product.azparam, 4);
    EXPECT_DOUBLE_EQ(product.sellp1, 60);
    EXPECT_DOUBLE_EQ(product.sellp4, 57); // the form has no field for it
    EXPECT_DOUBLE_EQ(product.unitcost, 13.2568);
    EXPECT_EQ(product.depart, 30);
    EXPECT_EQ(product.type, 222);
    // Shown as "TL", an empty currency left alone stays empty.
    EXPECT_EQ(product.curr, "");
    EXPECT_TRUE(m_boxes.shown().empty());
}

TEST_F(StockEditorFormTest, smallPortionPriceIsStoredAgainstHalfTheRetailPrice) {
    stock::StockDefinition product = pilav();
    StockEditorForm form = stock::formFromRecord(product, departments());
    form.retail = QStringLiteral("10");
    form.smallPortion = QStringLiteral("7.5");
    ASSERT_TRUE(read(form, product));
    EXPECT_DOUBLE_EQ(product.azparam, 2.5);
    form.smallPortion = QStringLiteral("0");
    ASSERT_TRUE(read(form, product));
    EXPECT_DOUBLE_EQ(product.azparam, 0);
    EXPECT_EQ(stock::formFromRecord(product, departments()).smallPortion, QStringLiteral("0,00"));
}

TEST_F(StockEditorFormTest, pricesTakeThousandsDotsBeforeACommaAndRefuseADotBeforeThreeDigits) {
    const struct {
        QString StockEditorForm::*field;
        double stock::StockDefinition::*stored;
        const char* typed;
        std::optional<double> expected; // nothing: refused, with both readings
    } cases[] = {
        {&StockEditorForm::retail, &stock::StockDefinition::sellp1, "1.234,50", 1234.5},
        {&StockEditorForm::retail, &stock::StockDefinition::sellp1, "12.50", 12.5},
        {&StockEditorForm::unitcost, &stock::StockDefinition::unitcost, "1.234,5678", 1234.5678},
        {&StockEditorForm::retail, &stock::StockDefinition::sellp1, "1.250", std::nullopt},
        {&StockEditorForm::wholesale, &stock::StockDefinition::sellp2, "2.500", std::nullopt},
        {&StockEditorForm::selfService, &stock::StockDefinition::sellp5, "1.250", std::nullopt},
        {&StockEditorForm::orderPrice, &stock::StockDefinition::sellp6, "1.250", std::nullopt},
        {&StockEditorForm::timeWindow1, &stock::StockDefinition::sellp3, "1.250", std::nullopt},
        {&StockEditorForm::unitcost, &stock::StockDefinition::unitcost, "1.250", std::nullopt},
        // A quantity keeps its decimal point.
        {&StockEditorForm::critical, &stock::StockDefinition::crtqua, "1.250", 1.25},
    };
    for (const auto& c : cases) {
        stock::StockDefinition product = pilav();
        const stock::StockDefinition before = product;
        StockEditorForm form = stock::formFromRecord(product, departments());
        form.*c.field = QString::fromUtf8(c.typed);
        m_boxes.clear();
        EXPECT_EQ(read(form, product), c.expected.has_value()) << c.typed;
        EXPECT_EQ(product.*c.stored, c.expected.value_or(before.*c.stored)) << c.typed;
        EXPECT_EQ(m_boxes.captions(),
                  c.expected ? QStringList() : QStringList{QStringLiteral("FİYAT BELİRSİZ")})
            << c.typed;
    }
    // Each price field names itself in the box.
    for (const auto& [field, caption] :
         {std::pair{&StockEditorForm::regionDifference, "Bölge Fiyat Farkı"},
          std::pair{&StockEditorForm::smallPortion, "Az Fiyatı"}}) {
        stock::StockDefinition product = pilav();
        StockEditorForm form = stock::formFromRecord(product, departments());
        form.*field = QStringLiteral("1.250");
        m_boxes.clear();
        EXPECT_FALSE(read(form, product));
        ASSERT_EQ(m_boxes.texts().size(), 1u);
        EXPECT_TRUE(m_boxes.texts()[0].startsWith(
            QStringLiteral("\"%1\" alanına girilen \"1.250\"").arg(QString::fromUtf8(caption))));
    }
}

TEST_F(StockEditorFormTest, aDecimalCommaIsADecimalPointAndTextIsRefused) {
    stock::StockDefinition product = pilav();
    StockEditorForm form = stock::formFromRecord(product, departments());
    form.retail = QStringLiteral("12,50");
    form.wholesale = QStringLiteral(" 7.5 ");
    form.kdv = QStringLiteral("180"); // the field takes two characters
    ASSERT_TRUE(read(form, product));
    EXPECT_DOUBLE_EQ(product.sellp1, 12.5);
    EXPECT_DOUBLE_EQ(product.sellp2, 7.5);
    EXPECT_DOUBLE_EQ(product.kdv, 18);
    form.selfService.clear();
    ASSERT_TRUE(read(form, product));
    EXPECT_DOUBLE_EQ(product.sellp5, 0);

    // Each refusal names its field and leaves the record as it was.
    const stock::StockDefinition before = product;
    const std::pair<QString StockEditorForm::*, const char*> fields[] = {
        {&StockEditorForm::retail, "Perakende Fiyatı"},
        {&StockEditorForm::unitcost, "Maliyet (KDV Hariç)"},
        {&StockEditorForm::discount, "İskonto %"},
        {&StockEditorForm::smallPortion, "Az Fiyatı"}};
    for (const auto& [field, caption] : fields) {
        for (const char* typed : {"abc", "12,5,0", "1.2.3", "nan", "inf", "1e308", "12 TL"}) {
            StockEditorForm bad = form;
            bad.*field = QString::fromUtf8(typed);
            m_boxes.clear();
            EXPECT_FALSE(read(bad, product)) << typed;
            ASSERT_EQ(m_boxes.shown().size(), 1u) << typed;
            EXPECT_EQ(m_boxes.captions()[0], QStringLiteral("SAYI HATALI"));
            EXPECT_TRUE(m_boxes.texts()[0].contains(QString::fromUtf8(caption))) << typed;
            EXPECT_EQ(product.sellp1, before.sellp1);
        }
    }
    // The discount column holds less than the price columns.
    form.discount = QStringLiteral("9999999");
    EXPECT_FALSE(read(form, product));
}

TEST_F(StockEditorFormTest, discountGoesToPercentageAndPrice) {
    stock::StockDefinition product = pilav();
    StockEditorForm form = stock::formFromRecord(product, departments());
    form.discount = QStringLiteral("7.25");
    ASSERT_TRUE(read(form, product));
    EXPECT_FLOAT_EQ(product.yuzde, 7.25F);
    EXPECT_FLOAT_EQ(product.peraken, 7.25F);
}

TEST_F(StockEditorFormTest, textsAreCutToTheirFields) {
    stock::StockDefinition product = pilav();
    StockEditorForm form = stock::formFromRecord(product, departments());
    form.name = QString(70, QLatin1Char('a'));
    form.barcode = QString(40, QLatin1Char('9'));
    form.unit = QStringLiteral("porsiyon");
    form.currency = QStringLiteral("EURO");
    form.specs = QStringLiteral("satır 1\nsatır 2{x}");
    ASSERT_TRUE(read(form, product));
    EXPECT_EQ(product.stname.size(), 57);
    EXPECT_EQ(product.barcode.size(), 29u);
    EXPECT_EQ(product.unit, "por");
    EXPECT_EQ(product.curr, "EUR");
    EXPECT_EQ(product.specs, QStringLiteral("satır 1\nsatır 2 x "));
}

TEST_F(StockEditorFormTest, emptyNameStopsWithTheBoxAndChangesNothing) {
    stock::StockDefinition product = pilav();
    StockEditorForm form = stock::formFromRecord(product, departments());
    form.name.clear();
    form.retail = QStringLiteral("99");
    EXPECT_FALSE(read(form, product));
    EXPECT_DOUBLE_EQ(product.sellp1, 60);
    ASSERT_EQ(m_boxes.shown().size(), 1u);
    EXPECT_EQ(m_boxes.texts()[0],
              QStringLiteral("Stok adı boş bırakıldı.Stok için bir ad giriniz."));
    EXPECT_EQ(m_boxes.captions()[0], QStringLiteral("STOK ADI"));
    EXPECT_EQ(m_boxes.shown()[0].icon, platform::BoxIcon::Exclamation);
}

TEST_F(StockEditorFormTest, typeComesFromTheFirstCheckedRadioOrStays) {
    stock::StockDefinition product = pilav();
    StockEditorForm form = stock::formFromRecord(product, departments());
    form.typeChecked = {false, false, true, false, true, false};
    ASSERT_TRUE(read(form, product));
    EXPECT_EQ(product.type, 333);
    form.typeChecked = {false, false, false, false, false, true};
    ASSERT_TRUE(read(form, product));
    EXPECT_EQ(product.type, 777);
    form.typeChecked = {};
    ASSERT_TRUE(read(form, product));
    EXPECT_EQ(product.type, 777);
}

TEST_F(StockEditorFormTest, departmentAndFlagsAreReadByNameAndBox) {
    stock::StockDefinition product = pilav();
    StockEditorForm form = stock::formFromRecord(product, departments());
    form.department = QStringLiteral("Mutfak");
    form.bundle = true;
    form.gameStock = true;
    form.relatedUpdate = true;
    form.weighed = false;
    form.priceChangeable = false;
    ASSERT_TRUE(read(form, product));
    EXPECT_EQ(product.depart, 10);
    EXPECT_TRUE(product.bundle);
    EXPECT_TRUE(product.game_stock);
    EXPECT_TRUE(product.related_update);
    EXPECT_FALSE(product.is_weighed);
    EXPECT_FALSE(product.prcchange);
}

TEST_F(StockEditorFormTest, colourComponentsComeFromTheColoursShown) {
    stock::StockDefinition product;
    product.backColor = records::rgb(10, 20, 30);
    product.fontColor = records::rgb(200, 210, 220);
    stock::takeComponentsFromColours(product);
    EXPECT_EQ(std::vector({product.red, product.green, product.blue, product.redfnt,
                           product.greenfnt, product.bluefnt}),
              std::vector({10, 20, 30, 200, 210, 220}));
}
