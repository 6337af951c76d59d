// Generated texts through notes, picture names, the label's special code,
// the login and the menu import, checked at the server as in
// FuzzedTextsTest.cpp.

#include "FuzzedTextsFixture.h"

using namespace parvela;
using namespace parvela::test;

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
            QString::fromStdString(utf8(sentCode)) == sentCode && isUtf8(sentPassword);
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
