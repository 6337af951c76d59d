// Generated texts through every operation that puts user text into a
// statement, each checked at the server: the one row meant changed, holding
// the text as the program prepares it, and nothing else moved.

#include "FuzzedTexts.h"

#include "CatalogFixtures.h"
#include "DatabaseTest.h"
#include "SheetFixtures.h"
#include "TestSettings.h"
#include "UserFixtures.h"
#include "app/ActiveUser.h"
#include "app/CatalogData.h"
#include "app/StartupLoad.h"
#include "db/FixedField.h"
#include "db/SqlFormat.h"
#include "db/TextPreparation.h"
#include "groups/GroupData.h"
#include "groups/GroupLevels.h"
#include "groups/GroupSave.h"
#include "groups/StockType.h"
#include "labels/LabelCommands.h"
#include "labels/LabelLayout.h"
#include "labels/LabelLayoutStore.h"
#include "platform/BackgroundJobs.h"
#include "platform/MachineInfo.h"
#include "platform/ProgramMessenger.h"
#include "spreadsheets/MenuImport.h"
#include "stock/ProductNotes.h"
#include "stock/ProductPictures.h"
#include "stock/ProductWriter.h"
#include "stock/StockContext.h"
#include "stock/StockEditorSave.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <optional>

using namespace parvela;
using test::CaseTally;
using test::TableRows;
using test::TestDatabase;
using test::TextRoom;

namespace {

constexpr int kOperations = 17;
constexpr int kBatch = 100;
constexpr int kSheetRows = 25;
constexpr stock::StockCode kEdited = 1001;
constexpr int kGroupA = 3331;
constexpr int kGroupB = 33312;
constexpr int kGroupC = 333122;

// Each operation's share of the run.
int share() {
    return (test::fuzzCaseCount() + kOperations - 1) / kOperations;
}

// What the server keeps of a text sent whole as UTF-8 (or its code page
// 1254 bytes, which latin5 reads back the same): what Qt's UTF-8 makes of it.
std::string utf8(const QString& text) {
    return text.toStdString();
}

bool validUtf8(const std::string& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = decoder(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    return !decoder.hasError();
}

// The rows of one table around each case: the key column, and the column the
// operation writes.
struct Target {
    std::string table; // as CHECKSUM TABLE names it
    std::string key;
    std::string column;
    TableRows rows;
    // Takes out what earlier batches added, so that a long run stays as
    // quick per case as a short one.
    std::string tidy = {};

    void read() { rows = test::rowsOf(table, key, column); }
};

struct Expected {
    std::optional<std::string> value; // nothing: no row may change
    std::string key;                  // the row written; empty for a new row
    QStringList boxes;
};

// Checks at its end that no table of the suite but the targets moved.
class BatchGuard {
public:
    BatchGuard(CaseTally& tally, std::vector<std::string> targets)
        : m_tally(tally)
        , m_targets(std::move(targets))
        , m_before(test::suiteChecksums()) {}
    ~BatchGuard() {
        for (const std::string& table :
             test::movedTables(m_before, test::suiteChecksums(), m_targets))
            m_tally.fault("table " + table + " changed within the batch");
    }

private:
    CaseTally& m_tally;
    std::vector<std::string> m_targets;
    test::Checksums m_before;
};

class FuzzedTextsTest : public test::DatabaseTest {
protected:
    void TearDown() override {
        m_jobs.shutdown();
        DatabaseTest::TearDown();
    }

    // The tree the group operations add to and rename, and a product.
    void plantCatalogue() {
        test::addGroupA(kGroupA, "Ana Yemekler");
        test::addGroupB(kGroupA, kGroupB, "Izgaralar", 1);
        test::addGroupC(kGroupA, kGroupB, kGroupC, "Şişler");
        test::addProduct({kEdited, "Adana Kebap", kGroupA, kGroupB, kGroupC});
        app::loadSharedLists(m_catalog);
        m_boxes.clear();
    }

    void checkBoxes(CaseTally& tally, const QStringList& expected) {
        if (m_boxes.texts() != expected)
            tally.fault("boxes " + m_boxes.texts().join(u'|').toStdString() + " instead of " +
                        expected.join(u'|').toStdString());
        m_boxes.clear();
    }

    // The rows after the case against those before it; the target then
    // holds the rows after.
    void checkWrite(CaseTally& tally, Target& target, const Expected& expected) {
        TableRows after = test::rowsOf(target.table, target.key, target.column);
        const std::vector<std::string> changed = test::changedKeys(target.rows, after);
        checkBoxes(tally, expected.boxes);
        if (!expected.value) {
            tally.check(changed.empty(),
                        std::to_string(changed.size()) + " rows changed, none meant");
        } else if (!expected.key.empty() && target.rows.contains(expected.key)) {
            const bool same = target.rows.at(expected.key).at(1) == *expected.value;
            tally.check(changed == std::vector<std::string>(same ? 0 : 1, expected.key),
                        std::to_string(changed.size()) + " rows changed, meant row " +
                            expected.key);
            checkValue(tally, after, expected.key, *expected.value);
        } else {
            const bool one = changed.size() == 1 && !target.rows.contains(changed.front());
            tally.check(one, std::to_string(changed.size()) + " rows changed, meant one new");
            if (one)
                checkValue(tally, after, changed.front(), *expected.value);
        }
        target.rows = std::move(after);
    }

    static void checkValue(CaseTally& tally, const TableRows& rows, const std::string& key,
                           const std::string& value) {
        const auto row = rows.find(key);
        if (row == rows.end())
            tally.fault("no row " + key);
        else if (row->second.at(1) != value)
            tally.fault("stored " + test::shownBytes(row->second.at(1)) + ", meant " +
                        test::shownBytes(value));
    }

    // Runs `cases` cases of one operation on `target`, in batches.
    template <typename Case>
    void runCases(CaseTally& tally, Target& target, std::vector<std::string> moving, int cases,
                  Case&& oneCase) {
        moving.push_back(target.table);
        for (int done = 0; done < cases;) {
            if (!target.tidy.empty()) {
                TestDatabase::exec(target.tidy);
                readGroups();
            }
            BatchGuard guard(tally, moving);
            target.read();
            for (int i = 0; i < kBatch && done < cases; ++i, ++done)
                checkWrite(tally, target, oneCase(tally));
        }
    }

    void readGroups() {
        groups::GroupData& data = m_catalog.groups();
        data.readGroupA();
        data.readGroupB();
        data.readGroupC();
        data.resetScreenA();
        data.resetScreenB();
        data.resetScreenC();
    }

    groups::GroupDialogContext groupContext() {
        return {m_catalog.groups(), m_catalog.runner(), m_boxes, nullptr, {}, {}};
    }

    template <typename Group> Group current(int code) {
        for (const Group& group : m_catalog.groups().all<Group>())
            if (groups::codeOf(group) == code)
                return group;
        ADD_FAILURE() << "no group " << code;
        return {};
    }

    static groups::GroupForm groupForm(const QString& name, int code) {
        return {name, false, {groups::kFinished}, QString::number(code)};
    }

    // One group dialog's save, as its button runs it.
    struct GroupOperation {
        const char* name;
        Target target;
        const char* emptyBox;
        std::function<bool(const groups::GroupForm&)> save;
        int formCode;         // the code field: the parent's, or the group's own
        std::string key = {}; // the row a rename writes
    };

    // The name as the dialogs clean it is stored; a blank one is refused with
    // the level's box.
    void groupCases(GroupOperation operation) {
        CaseTally tally(operation.name);
        runCases(tally, operation.target, {}, share(), [&](CaseTally& t) {
            const QString typed = m_texts.text();
            t.startCase(test::shown(typed));
            const QString cleaned = groups::cleanedGroupName(typed);
            const bool saved = operation.save(groupForm(typed, operation.formCode));
            if (cleaned.trimmed().isEmpty()) {
                t.check(!saved, "a blank name was saved");
                return Expected{std::nullopt, {}, {QString::fromUtf8(operation.emptyBox)}};
            }
            t.check(saved, "the save answered false");
            return Expected{utf8(cleaned), operation.key, {}};
        });
        EXPECT_EQ(tally.faults(), 0);
    }

    stock::StockDefinition* catalogProduct(stock::StockCode code) {
        for (stock::StockDefinition& product : m_catalog.stock().products)
            if (product.stcode == code)
                return &product;
        return nullptr;
    }

    // The product as the editor opens it, saved once unchanged so that its
    // colour and discount rows exist before the cases.
    stock::EditedProduct openEdited() {
        stock::EditedProduct edited = stock::openForEdit(m_context, *catalogProduct(kEdited));
        stock::saveEdited(m_editor, edited, stock::formOf(edited, m_context));
        m_boxes.clear();
        return edited;
    }

    // An editor case: `field` of the form takes the text; `stored` gives what
    // the row should then hold, nothing when the save must stop.
    void editorCases(
        const char* operation, const std::string& column,
        const std::function<void(stock::StockEditorForm&, const QString&)>& type,
        const std::function<Expected(const stock::StockDefinition&, const QString&)>& expect) {
        CaseTally tally(operation);
        plantCatalogue();
        stock::EditedProduct edited = openEdited();
        Target target{"stocks.stckdef", "stcode", column, {}};
        runCases(tally, target, {}, share(), [&](CaseTally& t) {
            const QString typed = m_texts.text();
            t.startCase(test::shown(typed));
            stock::StockEditorForm form = stock::formOf(edited, m_context);
            type(form, typed);
            Expected expected = expect(edited.product, typed);
            const stock::SaveOutcome outcome = stock::saveEdited(m_editor, edited, form);
            const bool mayStop = expected.value && outcome.status.startsWith(u"Bu barkod kayıtlı");
            if (mayStop)
                expected.value.reset(); // another row has that barcode: nothing written
            else
                t.check(outcome.result == (expected.value ? stock::EditSaveResult::Saved
                                                          : stock::EditSaveResult::Stopped),
                        "save result " + std::to_string(int(outcome.result)));
            return expected;
        });
        EXPECT_EQ(tally.faults(), 0);
    }

    // A new product holding `fill`'s text, inserted as a new product is.
    // `fill` answers the input as shown and the value the row should hold.
    using Filled = std::pair<std::string, std::string>;
    void insertCases(const char* operation, const std::string& column, stock::StockCode code,
                     const std::function<Filled(stock::StockDefinition&)>& fill) {
        CaseTally tally(operation);
        Target target{"stocks.stckdef",
                      "stcode",
                      column,
                      {},
                      "DELETE FROM stocks.stckdef WHERE stcode>" + std::to_string(code)};
        runCases(tally, target, {}, share(), [&](CaseTally& t) {
            stock::StockDefinition product;
            product.stcode = ++code;
            product.stname = QStringLiteral("Yeni Ürün");
            product.gra = kGroupA;
            product.type = groups::kFinished;
            Filled filled = fill(product);
            t.startCase(std::move(filled.first));
            t.check(stock::insertProduct(m_catalog.runner(), m_boxes, product) == 1,
                    "the insert failed");
            return Expected{std::move(filled.second), {}, {}};
        });
        EXPECT_EQ(tally.faults(), 0);
    }

    test::TestSettings m_settings;
    app::CatalogData m_catalog{m_settings, m_boxes};
    platform::ProgramMessenger m_messenger{100};
    platform::BackgroundJobs m_jobs{m_boxes};
    stock::StockContext m_context = m_catalog.stockContext(m_boxes, m_messenger, m_jobs);
    stock::EditorContext m_editor{m_context, nullptr, {}};
    test::TextGenerator m_texts{20261209};
};

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
    m_catalog.stock().products.clear();
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

TEST_F(FuzzedTextsTest, productNotes) {
    plantCatalogue();
    CaseTally tally("product note");
    Target target{"groups.specs", "id", "name", {}, "DELETE FROM `groups`.specs"};
    const stock::StockDefinition product = *catalogProduct(kEdited);
    runCases(tally, target, {}, share(), [&](CaseTally& t) {
        const QString typed = m_texts.text();
        t.startCase(test::shown(typed));
        t.check(stock::addNote(m_catalog.runner(), product, typed), "the note was not added");
        return Expected{utf8(db::fitField(typed, stock::kNoteChars + 1)), {}, {}};
    });
    EXPECT_EQ(tally.faults(), 0);
}

// The images table names the copy under the data folder: the folder's name
// and the picture's extension are the texts that reach it.
TEST_F(FuzzedTextsTest, pictureNamesUnderAnyDataFolder) {
    plantCatalogue();
    CaseTally tally("picture name");
    Target target{"stocks.images", "stcode", "img", {}};
    stock::StockDefinition product = *catalogProduct(kEdited);
    const QStringList extensions{QStringLiteral("png"), QStringLiteral("PNG"),
                                 QStringLiteral("Jpg"), QStringLiteral("jpeg"),
                                 QStringLiteral("gif"), QStringLiteral("bmp")};
    QTemporaryDir root;
    int made = 0;
    runCases(tally, target, {}, share(), [&](CaseTally& t) {
        const QString folder =
            root.filePath(QString::number(++made) + m_texts.text(TextRoom::Folder));
        const QString extension = extensions[m_texts.below(int(extensions.size()))];
        const QString chosen = root.filePath(QString::number(made) + u'-' +
                                             m_texts.text(TextRoom::Folder) + u'.' + extension);
        t.startCase(test::shown(folder) + " " + test::shown(chosen));
        QFile picture(chosen);
        t.check(picture.open(QIODevice::WriteOnly) && picture.write("GIF89a") == 6,
                "the picture file could not be made");
        picture.close();
        const platform::MachineInfo machine(QStringLiteral("KASA1"), folder);
        const stock::PictureStore store{m_catalog.runner(), m_boxes, machine, nullptr};
        t.check(stock::storePicture(store, product, chosen), "the picture was not stored");
        const QString stored = stock::storedPicturePath(machine, kEdited, extension);
        t.check(QFile::exists(stored), "no copy at " + test::shown(stored));
        return Expected{utf8(stored), std::to_string(kEdited), {}};
    });
    EXPECT_EQ(tally.faults(), 0);
}

TEST_F(FuzzedTextsTest, labelSpecialCode) {
    CaseTally tally("label special code");
    Target target{"barcode.print_settings_x", "Id", "ozel_seri_alan", {}};
    labels::LabelLayout layout;
    ASSERT_TRUE(labels::readLabelLayout(m_catalog.runner(), layout));
    ASSERT_TRUE(labels::readLabelLayoutExtra(m_catalog.runner(), layout));
    runCases(tally, target, {}, share(), [&](CaseTally& t) {
        layout.specialCode = m_texts.text();
        t.startCase(test::shown(layout.specialCode));
        t.check(labels::saveLabelLayoutExtra(m_catalog.runner(), layout), "the save failed");
        // As many characters as the label prints, never half of one.
        return Expected{
            utf8(db::fitField(layout.specialCode, labels::kSpecialCodeCharacters + 1)), "1", {}};
    });
    EXPECT_EQ(tally.faults(), 0);
}

// Half the cases have an account with exactly the texts the login sends,
// which must let the user in; the others must not, and say so.
TEST_F(FuzzedTextsTest, loginUserNameAndPassword) {
    CaseTally tally("login");
    Target target{"users.accounts", "userid", "usercode", {}};
    app::ActiveUser user(m_settings, m_boxes);
    runCases(tally, target, {"users.yetkiler"}, share(), [&](CaseTally& t) {
        const QString code = m_texts.text();
        const std::string password = m_texts.below(2) ? m_texts.bytes() : utf8(m_texts.text());
        t.startCase(test::shown(code) + " / " + test::shownBytes(password));
        const QString sentCode = code.left(app::ActiveUser::kMaxUserCode);
        const std::string sentPassword = password.substr(0, app::ActiveUser::kMaxPassword);
        const bool storable =
            QString::fromStdString(utf8(sentCode)) == sentCode && validUtf8(sentPassword);
        const bool account = storable && m_texts.below(2) == 0;
        TestDatabase::exec("DELETE FROM users.accounts; DELETE FROM users.yetkiler;");
        if (storable)
            TestDatabase::exec(
                "INSERT INTO users.accounts(userid,usercode,password,active) VALUES(1," +
                test::hexLiteral(utf8(sentCode)) + "," +
                (account ? test::hexLiteral(sentPassword) : std::string("'#yanlış#'")) +
                ",1); INSERT INTO users.yetkiler(userid,urunyonet,subebaglan) VALUES(1,1,0);");
        target.read();
        test::ScriptedLoginPrompt prompt;
        prompt.enter(code, password);
        const app::LoginResult result = app::logIn(prompt, user, m_boxes);
        t.check(result == (account ? app::LoginResult::LoggedIn : app::LoginResult::Cancelled),
                std::string(account ? "not " : "") + "logged in");
        return Expected{
            std::nullopt, {}, account ? QStringList() : QStringList{app::kUserNotActive}};
    });
    EXPECT_EQ(tally.faults(), 0);
}

namespace {

struct SheetRowTexts {
    QString barcode;
    QString name;
    QString partNumber;
};

} // namespace

// Rows of a generated workbook through the import's reader, plan and
// inserts: each becomes one new product holding its cells' texts as the
// import bounds them.
TEST_F(FuzzedTextsTest, spreadsheetImport) {
    CaseTally tally("sheet import");
    QTemporaryDir folder;
    const spreadsheets::SheetSource source = spreadsheets::sheetReaderApart();
    for (int done = 0, sheet = 0; done < share(); ++sheet) {
        // The rows of earlier sheets go: a long run stays as quick per row.
        TestDatabase::exec("DELETE FROM stocks.stckdef WHERE stcode LIKE '777%'");
        BatchGuard guard(tally, {"stocks.stckdef"});
        std::vector<SheetRowTexts> texts;
        test::FixtureSheet fixture{QStringLiteral("Menü"), {{QStringLiteral("Barkod")}}};
        for (; texts.size() < size_t(kSheetRows) && done < share(); ++done) {
            texts.push_back({m_texts.text(TextRoom::Sheet), m_texts.text(TextRoom::Sheet),
                             m_texts.text(TextRoom::Sheet)});
            const SheetRowTexts& row = texts.back();
            fixture.rows.push_back(
                {row.barcode, {}, row.name, {}, {}, 10.0 + done, {}, row.partNumber});
        }
        const QString path = folder.filePath(QStringLiteral("menu%1.xlsx").arg(sheet));
        test::writeXlsxFixture(path, {fixture});
        const std::string columns = "CONCAT_WS(0x1F,stname,barcode,partnum,sku)";
        const TableRows before = test::rowsOf("stocks.stckdef", "stcode", columns);
        const spreadsheets::SheetPlan planned =
            spreadsheets::planSheet(source, path, 0, true, m_catalog.runner(), {});
        const spreadsheets::ImportResult result =
            spreadsheets::insertPlanned(planned.plan, m_catalog.runner());
        const TableRows after = test::rowsOf("stocks.stckdef", "stcode", columns);
        const std::vector<std::string> changed = test::changedKeys(before, after);
        checkBoxes(tally, {});
        for (size_t i = 0; i < texts.size(); ++i) {
            const SheetRowTexts& row = texts[i];
            tally.startCase(test::shown(row.barcode) + " " + test::shown(row.name) + " " +
                            test::shown(row.partNumber));
            if (i >= planned.plan.products.size()) {
                tally.fault("row not planned: " + planned.error.toStdString());
                continue;
            }
            const stock::StockCode code = planned.plan.products[i].row.product.stcode;
            const std::string barcode = db::fitField(utf8(row.barcode), stock::field::kCodeText);
            const std::string sku =
                db::fitField(db::fitField(barcode, 9) + std::to_string(code), stock::field::kSku);
            const std::string expected =
                utf8(db::fitField(row.name, stock::field::kName)) + '\x1F' + barcode + '\x1F' +
                db::fitField(utf8(row.partNumber), stock::field::kCodeText) + '\x1F' + sku;
            tally.check(!before.contains(std::to_string(code)), "code in use before");
            checkValue(tally, after, std::to_string(code), expected);
        }
        tally.check(result.inserted == int(texts.size()) && result.refused == 0,
                    result.reasons.join(u'|').toStdString());
        tally.check(changed.size() == texts.size(), std::to_string(changed.size()) +
                                                        " rows changed for " +
                                                        std::to_string(texts.size()));
    }
    EXPECT_EQ(tally.faults(), 0);
}
