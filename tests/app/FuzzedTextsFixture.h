#pragma once

// What the text fuzzing tests share: the catalogue they plant, the server
// checks around each case and the operations' runners.

#include "CatalogFixtures.h"
#include "DatabaseTest.h"
#include "FuzzedTexts.h"
#include "SheetFixtures.h"
#include "TestSettings.h"
#include "UserFixtures.h"
#include "app/ActiveUser.h"
#include "app/CatalogData.h"
#include "app/StartupLoad.h"
#include "db/FixedField.h"
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
#include "stock/attributes/ProductNotes.h"
#include "stock/attributes/ProductPictures.h"
#include "stock/catalogue/ProductWriter.h"
#include "stock/catalogue/StockContext.h"
#include "stock/editor/StockEditorSave.h"

#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <optional>

namespace parvela::test {

constexpr int kOperations = 17;
constexpr int kBatch = 100;
constexpr int kSheetRows = 25;
constexpr stock::StockCode kEdited = 1001;
constexpr int kGroupA = 3331;
constexpr int kGroupB = 33312;
constexpr int kGroupC = 333122;

// Each operation's share of the run.
inline int share() {
    return (test::fuzzCaseCount() + kOperations - 1) / kOperations;
}

// What the server keeps of a text sent whole as UTF-8 (or its code page
// 1254 bytes, which latin5 reads back the same): what Qt's UTF-8 makes of it.
inline std::string utf8(const QString& text) {
    return text.toStdString();
}

inline bool isUtf8(const std::string& bytes) {
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

class FuzzedTextsTest : public DatabaseTest {
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

    stock::ProductPtr catalogProduct(stock::StockCode code) const {
        return m_catalog.current()->shared(code);
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

} // namespace parvela::test
