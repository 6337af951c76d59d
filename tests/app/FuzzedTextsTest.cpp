// Generated texts through the group dialogs' saves and the product's
// statements, each checked at the server: the one row meant changed, holding
// the text as the program prepares it, and nothing else moved.

#include "FuzzedTextsFixture.h"

using namespace parvela;
using namespace parvela::test;

namespace {

const char* const kEmptyNewName = "Tanımlanacak grup adı boş bırakıldı..!";

} // namespace

TEST_F(FuzzedTextsTest, groupNamesOfNewGroupsAtEachLevel) {
    plantCatalogue();
    const groups::GroupDialogContext context = groupContext();
    const groups::GroupA parentA = current<groups::GroupA>(kGroupA);
    const groups::GroupB parentB = current<groups::GroupB>(kGroupB);
    groupCases({"group A add",
                {"groups.classa",
                 "acode",
                 "groupname",
                 {},
                 "DELETE FROM `groups`.classa WHERE acode<>3331"},
                kEmptyNewName,
                [&](const groups::GroupForm& form) { return saveNewGroupA(context, form); },
                0});
    groupCases(
        {"group B add",
         {"groups.classb",
          "bcode",
          "groupname",
          {},
          "DELETE FROM `groups`.classb WHERE bcode<>33312"},
         kEmptyNewName,
         [&](const groups::GroupForm& form) { return saveNewGroupB(context, form, parentA); },
         kGroupA});
    groupCases(
        {"group C add",
         {"groups.classc",
          "ccode",
          "groupname",
          {},
          "DELETE FROM `groups`.classc WHERE ccode<>333122"},
         kEmptyNewName,
         [&](const groups::GroupForm& form) { return saveNewGroupC(context, form, parentB); },
         kGroupB});
}

TEST_F(FuzzedTextsTest, groupNamesOfRenamedGroupsAtEachLevel) {
    plantCatalogue();
    const groups::GroupDialogContext context = groupContext();
    groupCases({"group A rename",
                {"groups.classa", "acode", "groupname", {}},
                kEmptyNewName,
                [&](const groups::GroupForm& form) {
                    return saveEditedGroupA(context, form, current<groups::GroupA>(kGroupA));
                },
                kGroupA,
                std::to_string(kGroupA)});
    groupCases({"group B rename",
                {"groups.classb", "bcode", "groupname", {}},
                "üzenlenecek grup adı boş bırakıldı..!",
                [&](const groups::GroupForm& form) {
                    return saveEditedGroupB(context, form, current<groups::GroupB>(kGroupB), {});
                },
                kGroupA,
                std::to_string(kGroupB)});
    groupCases({"group C rename",
                {"groups.classc", "ccode", "groupname", {}},
                "Düzenlenecek grup adı boş bırakıldı..!",
                [&](const groups::GroupForm& form) {
                    return saveEditedGroupC(context, form, current<groups::GroupC>(kGroupC));
                },
                kGroupB,
                std::to_string(kGroupC)});
}

// The editor keeps what was shown unchanged as read, and cleans what was typed.
TEST_F(FuzzedTextsTest, productNameTypedInTheEditor) {
    editorCases(
        "product name", "stname", [](auto& form, const QString& typed) { form.name = typed; },
        [](const stock::StockDefinition& product, const QString& typed) -> Expected {
            QString cleaned = typed.left(stock::kNameChars);
            cleaned = db::sanitizeWideRoundTrip(cleaned);
            if (typed == product.stname && !typed.isEmpty())
                cleaned = typed;
            if (cleaned.trimmed().isEmpty())
                return {std::nullopt,
                        {},
                        {QStringLiteral("Stok adı boş bırakıldı.Stok için bir ad giriniz.")}};
            return {utf8(cleaned), std::to_string(kEdited), {}};
        });
}

TEST_F(FuzzedTextsTest, productDescriptionTypedInTheEditor) {
    editorCases(
        "product description", "specs",
        [](auto& form, const QString& typed) { form.specs = typed; },
        [](const stock::StockDefinition& product, const QString& typed) -> Expected {
            QString cleaned = typed.left(stock::kSpecsChars);
            db::sanitizeTextKeepLines(cleaned);
            if (typed == product.specs)
                cleaned = typed;
            return {utf8(db::fitField(cleaned, stock::field::kSpecs)), std::to_string(kEdited), {}};
        });
}

TEST_F(FuzzedTextsTest, productBarcodeAndUnitTypedInTheEditor) {
    const auto bytesOf = [](size_t maxBytes) {
        return [maxBytes](const std::string& stored, const QString& typed) {
            return typed == QString::fromStdString(stored)
                       ? stored
                       : db::fitField(typed.toStdString(), maxBytes + 1);
        };
    };
    editorCases(
        "product barcode", "barcode",
        [](auto& form, const QString& typed) { form.barcode = typed; },
        [&](const stock::StockDefinition& product, const QString& typed) -> Expected {
            return {
                bytesOf(stock::kBarcodeBytes)(product.barcode, typed), std::to_string(kEdited), {}};
        });
    test::TestDatabase::reset();
    m_catalog.catalogue().publish(std::make_shared<const stock::Catalogue>());
    editorCases(
        "product unit", "unit", [](auto& form, const QString& typed) { form.unit = typed; },
        [&](const stock::StockDefinition& product, const QString& typed) -> Expected {
            return {bytesOf(stock::kUnitBytes)(product.unit, typed), std::to_string(kEdited), {}};
        });
}

// Brand and serial are not on the editor's form: they reach the statements
// from the record, as a new product's insert writes them.
TEST_F(FuzzedTextsTest, productBrandAndSerialOfANewProduct) {
    insertCases("product brand", "brnd", 880000, [this](stock::StockDefinition& product) {
        product.brnd = m_texts.text();
        return Filled{test::shown(product.brnd),
                      utf8(db::fitField(product.brnd, stock::field::kBrandLiteral))};
    });
    insertCases("product serial", "serial", 890000, [this](stock::StockDefinition& product) {
        product.serial = m_texts.bytes();
        // A byte that is no UTF-8 would cost the whole row: it is replaced.
        return Filled{test::shownBytes(product.serial),
                      db::validUtf8(db::fitField(product.serial, stock::field::kCodeText))};
    });
}
