#include "BrowserFixture.h"
#include "CatalogFixtures.h"
#include "ModalDriver.h"
#include "app/StartupLoad.h"
#include "db/StatementJournal.h"
#include "platform/MachineInfo.h"
#include "platform/Settings.h"
#include "stock/attributes/GameParameters.h"
#include "stock/attributes/PriceTimes.h"
#include "stock/attributes/ProductSizes.h"
#include "stock/attributes/StockAttributeWindows.h"
#include "stock/editor/StockEditorSave.h"
#include "stock/editor/StockEditorWindow.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

using namespace parvela;
using test::TestDatabase;
using Texts = std::vector<std::string>;

namespace {

void click(QWidget* dialog, const char* id) {
    if (auto* button = dialog->findChild<QAbstractButton*>(QString::fromLatin1(id)))
        button->click();
    else
        ADD_FAILURE() << "no button " << id;
}

void type(QWidget* dialog, const char* id, const QString& text) {
    if (auto* edit = dialog->findChild<QLineEdit*>(QString::fromLatin1(id)))
        edit->setText(text);
    else
        ADD_FAILURE() << "no edit " << id;
}

// Clicks the row of `list` whose `column` reads `text`, as the mouse does.
void clickRow(QWidget* dialog, const char* list, const QString& text, int column) {
    auto* view = dialog->findChild<QTreeWidget*>(QString::fromLatin1(list));
    ASSERT_NE(view, nullptr);
    const QList<QTreeWidgetItem*> found = view->findItems(text, Qt::MatchExactly, column);
    ASSERT_EQ(found.size(), 1);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      view->visualItemRect(found.front()).center());
}

QStringList column(QWidget* dialog, const char* list, int column) {
    QStringList texts;
    if (auto* view = dialog->findChild<QTreeWidget*>(QString::fromLatin1(list)))
        for (int row = 0; row < view->topLevelItemCount(); ++row)
            texts << view->topLevelItem(row)->text(column);
    return texts;
}

class StockAttributesTest : public test::StockTestBase {
protected:
    void SetUp() override {
        StockTestBase::SetUp();
        test::loadDemoRestaurant();
        TestDatabase::exec("UPDATE stocks.stckdef SET sellp4=12.5 WHERE stcode=33328;");
        app::loadSharedLists(m_catalog);
        m_catalog.runner().setJournal(&m_journal);
        m_boxes.clear();
    }

    // The editor's copy, with what it read on opening left out of the journal.
    stock::EditedProduct editFresh(stock::StockCode code) {
        stock::EditedProduct edited = edit(code);
        m_journal.clear();
        return edited;
    }

    // The editor of the product, its attribute buttons plugged in.
    stock::StockEditorWindow* openEditor(stock::StockCode code) {
        const stock::ProductPtr found = product(code);
        if (found == nullptr)
            return nullptr;
        return stock::StockEditorWindow::openEdit(m_context, features(), *found, nullptr);
    }

    stock::StockFeatures features() {
        return {m_notBuilt, m_notBuilt, m_notBuilt, m_notBuilt, m_attributes};
    }

    // A picture file of one colour under the test's own folder.
    QString pictureFile(const QString& name, QColor colour = Qt::red) {
        QImage image(40, 20, QImage::Format_RGB32);
        image.fill(colour);
        const QString path = m_files.filePath(name);
        EXPECT_TRUE(image.save(path, "PNG"));
        return path;
    }

    QString underRoot(const QString& relative) const { return m_root.filePath(relative); }

    static TestDatabase::Rows stored(stock::StockCode code) {
        return TestDatabase::query(
            "SELECT img FROM stocks.images WHERE stcode=" + std::to_string(code) + ";");
    }

    // The machine as the program sees it, with the data root of the test's own.
    platform::MachineInfo machineUnderRoot() {
        m_settings.settings().setValue(QStringLiteral("Paths/root"), m_root.path());
        return platform::MachineInfo::ofThisComputer(m_settings);
    }

    QTemporaryDir m_root;
    QTemporaryDir m_files;
    QString m_chosen;
    db::StatementJournal m_journal;
    platform::MachineInfo m_machine = machineUnderRoot();
    stock::StockAttributeWindows m_attributes{m_context, m_machine, [this](QWidget*) {
                                                  return m_chosen;
                                              }};
};

} // namespace

TEST_F(StockAttributesTest, timeWindowsStoreADayRowWithoutADayAsDayZeroAndWindowBAsRead) {
    stock::EditedProduct edited = editFresh(33328);
    stock::PriceTimeRows rows = stock::rowsOfWindow(edited.priceTimesA);
    EXPECT_EQ(rows[0].dayIndex, 0);
    EXPECT_EQ(rows[0].start, QStringLiteral("15"));
    EXPECT_EQ(rows[5].dayIndex, -1); // day 0 shows no day
    rows[1] = {-1, QStringLiteral("8"), QStringLiteral("10")};
    rows[6] = {6, QStringLiteral("10"), QString()};
    ASSERT_TRUE(stock::savePriceTimes(m_catalog.runner(), edited, rows, edited.product.sellp3));

    EXPECT_EQ(m_journal.texts(),
              Texts{"START TRANSACTION;\n"
                    "DELETE FROM prctimes WHERE stcode=33328;\n"
                    "INSERT INTO prctimes(stcode,prcid,day1,hour1x,hour1y, day2,hour2x,hour2y, "
                    "day3,hour3x,hour3y, day4,hour4x,hour4y, day5,hour5x,hour5y, "
                    "day6,hour6x,hour6y, day7,hour7x,hour7y, price) "
                    "VALUES(33328,1,1,15,17,0,8,10,3,15,17,4,15,17,5,15,17,0,0,0,7,10,0,15.00),"
                    "(33328,2,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,6,9,11,7,9,11,12.50);\n"
                    "COMMIT;"});
    EXPECT_EQ(TestDatabase::query("SELECT prcid,day2,hour2x,hour2y,day6,day7,hour7x,hour7y,price "
                                  "FROM stocks.prctimes WHERE stcode=33328 ORDER BY prcid;"),
              (TestDatabase::Rows{{"1", "0", "8", "10", "0", "7", "10", "0", "15.00"},
                                  {"2", "0", "0", "0", "6", "7", "9", "11", "12.50"}}));
    EXPECT_EQ(edited.priceTimesA[3], 0);
    EXPECT_EQ(edited.priceTimesA[18], 7);
    // What the editor reads next time is what was written.
    EXPECT_EQ(editFresh(33328).priceTimesA, edited.priceTimesA);
}

TEST_F(StockAttributesTest, timeWindowDialogShowsTheTypedPriceAndSavesTheChosenDays) {
    stock::EditedProduct edited = editFresh(33324);
    QStringList heading;
    const test::ModalDriver driver([&](QDialog& dialog) {
        EXPECT_EQ(dialog.objectName(), QStringLiteral("142"));
        dialog.grab().save(QStringLiteral("attribute-142.png")); // for review
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("ZAMAN ARALIGI"));
        for (const QLabel* label : dialog.findChildren<QLabel*>())
            heading << label->text();
        auto* sunday = dialog.findChild<QComboBox*>(QStringLiteral("day7"));
        ASSERT_NE(sunday, nullptr);
        EXPECT_EQ(sunday->currentText(), QString()); // no day yet
        sunday->setCurrentIndex(sunday->findText(QStringLiteral("PAZAR")));
        auto* monday = dialog.findChild<QComboBox*>(QStringLiteral("day1"));
        monday->setCurrentIndex(0); // the blank entry takes the day out
        type(&dialog, "start7", QStringLiteral("20"));
        type(&dialog, "end7", QStringLiteral("23"));
        click(&dialog, "1");
        EXPECT_FALSE(dialog.isVisible());
    });
    // Typed in the editor and not saved yet: the window stores what the dialog shows.
    m_attributes.priceTimes(edited, QStringLiteral("1.120,5"), nullptr);
    EXPECT_TRUE(driver.seen);
    EXPECT_TRUE(heading.contains(QStringLiteral("Fiyat : 1120,50")));
    EXPECT_TRUE(heading.contains(QStringLiteral("Stok : 33324 ") + edited.product.stname));
    EXPECT_EQ(TestDatabase::query("SELECT day1,hour1x,day7,hour7x,hour7y,price FROM "
                                  "stocks.prctimes WHERE stcode=33324 AND prcid=1;"),
              (TestDatabase::Rows{{"0", "16", "7", "20", "23", "1120.50"}}));

    // A price the editor cannot read opens no dialog, rather than storing 0.
    m_journal.clear();
    for (const char* typed : {"1.250", "12 TL"}) {
        const test::ModalDriver opened([](QDialog& dialog) { dialog.reject(); });
        m_attributes.priceTimes(edited, QString::fromUtf8(typed), nullptr);
        EXPECT_FALSE(opened.seen) << typed;
        EXPECT_TRUE(m_boxes.texts().back().contains(QStringLiteral("Zaman Aralık 1"))) << typed;
    }
    EXPECT_EQ(m_boxes.captions(),
              (QStringList{QStringLiteral("FİYAT BELİRSİZ"), QStringLiteral("SAYI HATALI")}));
    EXPECT_TRUE(m_journal.texts().empty());
}

TEST_F(StockAttributesTest, sizesSavedTwiceLeaveOneRowWithTheQuantitiesRead) {
    stock::EditedProduct edited = editFresh(33333);
    stock::StockDefinition& product = edited.product;
    product.hasSizes = false;
    stock::readProductSizes(m_catalog.runner(), product);
    EXPECT_TRUE(product.hasSizes);
    const stock::SizeForm shown = stock::sizeFormOf(product);
    EXPECT_EQ(shown.small, QStringLiteral("140,00"));
    EXPECT_EQ(shown.large, QStringLiteral("250,00"));
    m_journal.clear();

    ASSERT_TRUE(stock::saveSizes(m_catalog.runner(), m_boxes, product,
                                 {QStringLiteral("145,50"), shown.medium, shown.large}, nullptr));
    ASSERT_TRUE(stock::saveSizes(m_catalog.runner(), m_boxes, product,
                                 {QStringLiteral("146"), shown.medium, shown.large}, nullptr));
    const Texts texts = m_journal.texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0], "START TRANSACTION;\n"
                        "DELETE FROM sml_med_lrg WHERE stcode=33333;\n"
                        "INSERT INTO sml_med_lrg(stcode,smll_prc,smll_qua,med_prc,med_qua,"
                        "larg_prc,larg_qua) VALUES(33333,145.50,0.75,180.00,1.00,250.00,1.50);\n"
                        "COMMIT;");
    EXPECT_EQ(TestDatabase::query("SELECT smll_prc,smll_qua,med_prc,larg_qua FROM "
                                  "stocks.sml_med_lrg WHERE stcode=33333;"),
              (TestDatabase::Rows{{"146.00", "0.750", "180.00", "1.500"}}));
    EXPECT_DOUBLE_EQ(product.smll_prc, 146);

    // A price that is no number is named and nothing is written.
    m_journal.clear();
    EXPECT_FALSE(stock::saveSizes(m_catalog.runner(), m_boxes, product,
                                  {shown.small, QStringLiteral("12,5,0"), shown.large}, nullptr));
    EXPECT_TRUE(m_journal.texts().empty());
    EXPECT_EQ(m_boxes.captions(), QStringList{QStringLiteral("SAYI HATALI")});
    EXPECT_TRUE(m_boxes.texts().front().contains(QStringLiteral("Medium Price")));
    EXPECT_DOUBLE_EQ(product.med_prc, 180);
}

TEST_F(StockAttributesTest, aFailingSizeInsertLeavesTheOldRowAndTheRecord) {
    stock::EditedProduct edited = editFresh(33333);
    stock::readProductSizes(m_catalog.runner(), edited.product);
    TestDatabase::exec("CREATE TRIGGER stocks.refuse_size BEFORE INSERT ON stocks.sml_med_lrg "
                       "FOR EACH ROW SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT='kapali';");
    const bool saved =
        stock::saveSizes(m_catalog.runner(), m_boxes, edited.product,
                         {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}, nullptr);
    TestDatabase::exec("DROP TRIGGER stocks.refuse_size;");
    EXPECT_FALSE(saved);
    EXPECT_EQ(m_boxes.captions(), QStringList{QStringLiteral("INSERT_INTO_SMALL_MEDIUM_LARGE")});
    EXPECT_EQ(TestDatabase::query("SELECT smll_prc,med_prc,larg_prc FROM stocks.sml_med_lrg "
                                  "WHERE stcode=33333;"),
              (TestDatabase::Rows{{"140.00", "180.00", "250.00"}}));
    EXPECT_DOUBLE_EQ(edited.product.smll_prc, 140);
}

TEST_F(StockAttributesTest, sizeDialogWritesTheTypedPricesAndTheEditorPaintsThem) {
    stock::StockEditorWindow* window = openEditor(22212);
    ASSERT_NE(window, nullptr);
    const test::ModalDriver driver([&](QDialog& dialog) {
        EXPECT_EQ(dialog.objectName(), QStringLiteral("146"));
        dialog.grab().save(QStringLiteral("attribute-146.png")); // for review
        type(&dialog, "smallPrice", QStringLiteral("10,25"));
        type(&dialog, "mediumPrice", QStringLiteral("20"));
        type(&dialog, "largePrice", QStringLiteral("30"));
        click(&dialog, "1");
    });
    click(window, "7096");
    EXPECT_TRUE(driver.seen);
    EXPECT_EQ(TestDatabase::query("SELECT smll_prc,med_prc,larg_prc FROM stocks.sml_med_lrg "
                                  "WHERE stcode=22212;"),
              (TestDatabase::Rows{{"10.25", "20.00", "30.00"}}));
    EXPECT_TRUE(window->edited().product.hasSizes);
    EXPECT_DOUBLE_EQ(window->edited().product.smll_prc, 10.25);
    window->close();
}

TEST_F(StockAttributesTest, aRegionChosenByClickIsSavedByTheEditorOnlyWithADifference) {
    stock::StockEditorWindow* window = openEditor(333110);
    ASSERT_NE(window, nullptr);
    QStringList names;
    const test::ModalDriver driver([&](QDialog& dialog) {
        EXPECT_EQ(dialog.objectName(), QStringLiteral("143"));
        dialog.grab().save(QStringLiteral("attribute-143.png")); // for review
        names = column(&dialog, "regions", 1);
        clickRow(&dialog, "regions", QStringLiteral("Üniversite Kampüsü"), 1);
        click(&dialog, "1");
    });
    click(window, "7092");
    ASSERT_TRUE(driver.seen);
    EXPECT_EQ(names.size(), 4);
    const stock::RegionPrice& region = window->edited().product.regionPrice;
    EXPECT_EQ(region.bolgekod, 4);
    EXPECT_EQ(region.regionName, QStringLiteral("Üniversite Kampüsü"));
    EXPECT_EQ(region.stcode, 333110);

    // A difference of 0 writes nothing, though the product has a row there.
    stock::EditedProduct edited = window->edited();
    window->close();
    stock::StockEditorForm form = stock::formOf(edited, m_context);
    form.regionDifference = QStringLiteral("0");
    stock::EditorContext editor{m_context, nullptr, {}};
    m_journal.clear();
    ASSERT_EQ(stock::saveEdited(editor, edited, form).result, stock::EditSaveResult::Saved);
    for (const std::string& text : m_journal.texts())
        EXPECT_EQ(text.find("bolge_urun_fiyat"), std::string::npos) << text;
    EXPECT_EQ(TestDatabase::query("SELECT bolgekod,fiyat_fark FROM stocks.bolge_urun_fiyat "
                                  "WHERE stcode=333110 ORDER BY bolgekod;"),
              (TestDatabase::Rows{{"3", "20.00"}, {"4", "15.00"}}));

    form.regionDifference = QStringLiteral("17,5");
    ASSERT_EQ(stock::saveEdited(editor, edited, form).result, stock::EditSaveResult::Saved);
    EXPECT_EQ(TestDatabase::scalar("SELECT fiyat_fark FROM stocks.bolge_urun_fiyat "
                                   "WHERE stcode=333110 AND bolgekod=4;"),
              "17.50");
}

TEST_F(StockAttributesTest, twoNotesSavedOneAfterTheOtherGiveTwoRows) {
    stock::EditedProduct edited = editFresh(333110);
    QStringList listed;
    const test::ModalDriver driver([&](QDialog& dialog) {
        EXPECT_EQ(dialog.objectName(), QStringLiteral("145"));
        dialog.grab().save(QStringLiteral("attribute-145.png")); // for review
        EXPECT_EQ(column(&dialog, "notes", 1).size(), 3);
        type(&dialog, "note", QStringLiteral("Ekstra Peynir"));
        click(&dialog, "1");
        type(&dialog, "note", QStringLiteral("Bol Soslu"));
        click(&dialog, "1");
        listed = column(&dialog, "notes", 1);
        dialog.reject();
    });
    m_attributes.notes(edited, nullptr);
    ASSERT_TRUE(driver.seen);
    EXPECT_EQ(listed.size(), 5);
    EXPECT_TRUE(listed.contains(QStringLiteral("Bol Soslu")));
    const std::string read = "SELECT id,acode,bcode,fcode,name,code FROM specs WHERE fcode=333110;";
    EXPECT_EQ(m_journal.texts(), (Texts{read,
                                        "INSERT INTO specs(acode,bcode,fcode,name) "
                                        "VALUES(3331,33314,333110,_latin5'Ekstra Peynir');",
                                        read,
                                        "INSERT INTO specs(acode,bcode,fcode,name) "
                                        "VALUES(3331,33314,333110,_latin5'Bol Soslu');",
                                        read}));
    EXPECT_EQ(
        TestDatabase::query("SELECT acode,bcode,name FROM groups.specs WHERE fcode=333110 "
                            "AND name IN ('Ekstra Peynir','Bol Soslu') ORDER BY id;"),
        (TestDatabase::Rows{{"3331", "33314", "Ekstra Peynir"}, {"3331", "33314", "Bol Soslu"}}));
}

TEST_F(StockAttributesTest, gameParametersAreWrittenByOkAndNotByKapat) {
    stock::EditedProduct edited = editFresh(33341);
    const test::ModalDriver closes([&](QDialog& dialog) {
        EXPECT_EQ(dialog.objectName(), QStringLiteral("139"));
        dialog.grab().save(QStringLiteral("attribute-139.png")); // for review
        EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("unitName"))->text(),
                  QStringLiteral("SAAT"));
        EXPECT_EQ(dialog.findChild<QLineEdit*>(QStringLiteral("minimum"))->text(),
                  QStringLiteral("50,00"));
        clickRow(&dialog, "units", QStringLiteral("DAKIKA"), 1);
        type(&dialog, "minimum", QStringLiteral("99"));
        click(&dialog, "2");
    });
    m_attributes.gameParameters(edited, nullptr);
    ASSERT_TRUE(closes.seen);
    EXPECT_EQ(m_journal.texts(),
              Texts{"SELECT zaman_brm,min_hesap FROM game_table WHERE stcode=33341;"});

    m_journal.clear();
    QString unitShown;
    const test::ModalDriver saves([&](QDialog& dialog) {
        clickRow(&dialog, "units", QStringLiteral("SANIYE"), 1);
        unitShown = dialog.findChild<QLabel*>(QStringLiteral("unitName"))->text();
        type(&dialog, "minimum", QStringLiteral("12,5"));
        click(&dialog, "1");
    });
    m_attributes.gameParameters(edited, nullptr);
    ASSERT_TRUE(saves.seen);
    EXPECT_EQ(unitShown, QStringLiteral("SANIYE"));
    EXPECT_EQ(m_journal.texts(),
              (Texts{"SELECT zaman_brm,min_hesap FROM game_table WHERE stcode=33341;",
                     "SELECT * FROM game_table WHERE stcode=33341;",
                     "UPDATE game_table SET zaman_brm=1,min_hesap=12.50 WHERE stcode=33341;"}));
    EXPECT_EQ(TestDatabase::query("SELECT zaman_brm,min_hesap FROM stocks.game_table "
                                  "WHERE stcode=33341;"),
              (TestDatabase::Rows{{"1", "12.50"}}));

    // A product without a row gets one.
    stock::GameParameters none = stock::readGameParameters(m_catalog.runner(), 22212);
    EXPECT_EQ(stock::timeUnitName(none.zaman_brm), QString());
    m_journal.clear();
    none.zaman_brm = 3;
    ASSERT_TRUE(
        stock::saveGameParameters(m_catalog.runner(), m_boxes, none, QStringLiteral("7"), nullptr));
    EXPECT_EQ(m_journal.texts().back(),
              "INSERT INTO game_table(stcode,zaman_brm,min_hesap) VALUES(22212,3,7.00);");
}

TEST_F(StockAttributesTest, aPictureIsCopiedIntoBothFoldersAndNamedUnderTheDataRoot) {
    stock::EditedProduct edited = editFresh(22212);
    m_chosen = pictureFile(QStringLiteral("pilav.png"));
    m_attributes.choosePicture(edited, nullptr);

    const QString storedPath = underRoot(QStringLiteral("Orvanta/images/stok_22212.png"));
    const std::string literal = "_latin5'" + storedPath.toStdString() + "'";
    EXPECT_EQ(m_journal.texts(),
              (Texts{"SELECT * FROM stocks.images WHERE stocks.images.stcode=22212;",
                     "INSERT INTO stocks.images(stcode,img)VALUES(22212," + literal + ");"}));
    EXPECT_EQ(stored(22212), TestDatabase::Rows{{storedPath.toStdString()}});
    EXPECT_EQ(edited.product.imagePath, m_chosen);
    QFile source(m_chosen);
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const QByteArray bytes = source.readAll();
    for (const QString& copy :
         {storedPath, underRoot(QStringLiteral("Orvanta/digital_menu/images/stok_22212.png"))}) {
        QFile copied(copy);
        ASSERT_TRUE(copied.open(QIODevice::ReadOnly)) << copy.toStdString();
        EXPECT_EQ(copied.readAll(), bytes);
    }

    // Another picture replaces the row and the files; its extension keeps its case.
    m_journal.clear();
    m_chosen = pictureFile(QStringLiteral("pilav2.PNG"), Qt::blue);
    m_attributes.choosePicture(edited, nullptr);
    const QString second = underRoot(QStringLiteral("Orvanta/images/stok_22212.PNG"));
    EXPECT_EQ(m_journal.texts().back(), "UPDATE stocks.images SET img=_latin5'" +
                                            second.toStdString() +
                                            "' WHERE stocks.images.stcode=22212;");
    EXPECT_EQ(stored(22212), TestDatabase::Rows{{second.toStdString()}});

    // The stored file itself, chosen again, is kept whole.
    m_chosen = second;
    m_attributes.choosePicture(edited, nullptr);
    EXPECT_FALSE(QImage(second).isNull());
    EXPECT_EQ(QImage(second).pixelColor(0, 0), QColor(Qt::blue));
    EXPECT_TRUE(m_boxes.shown().empty());

    // "Resmi Sil" deletes the row only.
    m_journal.clear();
    m_attributes.deletePicture(edited, nullptr);
    EXPECT_EQ(m_journal.texts(),
              (Texts{"DELETE FROM stocks.images WHERE stocks.images.stcode=22212;",
                     "SELECT stcode,img FROM stocks.images;"}));
    EXPECT_EQ(TestDatabase::scalar("SELECT COUNT(*) FROM stocks.images WHERE stcode=22212;"), "0");
    EXPECT_TRUE(edited.product.imagePath.isEmpty());
    EXPECT_TRUE(QFile::exists(second));
    EXPECT_TRUE(QFile::exists(storedPath));
}

TEST_F(StockAttributesTest, aPictureThatCannotBeCopiedOrIsNoPictureIsRefusedAndNotNamed) {
    stock::EditedProduct edited = editFresh(22212);
    // A file where the images folder should be: nothing can be copied there.
    ASSERT_TRUE(QDir().mkpath(underRoot(QStringLiteral("Orvanta"))));
    QFile blocker(underRoot(QStringLiteral("Orvanta/images")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    m_chosen = pictureFile(QStringLiteral("pilav.jpg"));
    m_attributes.choosePicture(edited, nullptr);
    ASSERT_EQ(m_boxes.captions(), QStringList{QStringLiteral("Logo Seç")});
    const QString text = m_boxes.texts().front();
    EXPECT_TRUE(text.contains(m_chosen)) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("stok_22212.jpg"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("oluşturulamadı"))) << text.toStdString();
    EXPECT_TRUE(m_journal.texts().empty());
    EXPECT_TRUE(stored(22212).empty());
    EXPECT_TRUE(edited.product.imagePath.isEmpty());

    m_boxes.clear();
    m_chosen = m_files.filePath(QStringLiteral("menu.txt"));
    QFile notAPicture(m_chosen);
    ASSERT_TRUE(notAPicture.open(QIODevice::WriteOnly));
    notAPicture.close();
    m_attributes.choosePicture(edited, nullptr);
    ASSERT_EQ(m_boxes.captions(), QStringList{QStringLiteral("Logo Seç")});
    EXPECT_TRUE(m_boxes.texts().front().contains(QStringLiteral("png, jpg, jpeg, bmp veya gif")));
    EXPECT_TRUE(m_journal.texts().empty());
    EXPECT_FALSE(QFile::exists(underRoot(QStringLiteral("Orvanta/digital_menu"))));

    // Choosing nothing does nothing.
    m_boxes.clear();
    m_chosen.clear();
    m_attributes.choosePicture(edited, nullptr);
    EXPECT_TRUE(m_boxes.shown().empty());
    EXPECT_TRUE(m_journal.texts().empty());
}

// Links planted where the copies go are replaced by the copies; what they
// pointed at is left alone.
TEST_F(StockAttributesTest, aLinkPlantedWhereAPictureCopyGoesIsReplaced) {
    stock::EditedProduct edited = editFresh(22212);
    const QString victim = m_files.filePath(QStringLiteral("victim.png"));
    QFile kept(victim);
    ASSERT_TRUE(kept.open(QIODevice::WriteOnly));
    kept.write("keep");
    kept.close();
    const QStringList copies{
        underRoot(QStringLiteral("Orvanta/images/stok_22212.png")),
        underRoot(QStringLiteral("Orvanta/digital_menu/images/stok_22212.png"))};
    for (const QString& copy : copies) {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(copy).path()));
        ASSERT_TRUE(QFile::link(victim, copy));
    }
    m_chosen = pictureFile(QStringLiteral("pilav.png"));
    m_attributes.choosePicture(edited, nullptr);
    EXPECT_TRUE(m_boxes.shown().empty());
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("keep"));
    for (const QString& copy : copies) {
        EXPECT_FALSE(QFileInfo(copy).isSymLink()) << copy.toStdString();
        EXPECT_EQ(QImage(copy).pixelColor(0, 0), QColor(Qt::red)) << copy.toStdString();
    }
}

TEST_F(StockAttributesTest, theEditorShowsThePictureChosenWithResmi) {
    stock::StockEditorWindow* window = openEditor(22212);
    ASSERT_NE(window, nullptr);
    m_chosen = pictureFile(QStringLiteral("pilav.png"), QColor(0, 200, 0));
    click(window, "7003");
    EXPECT_EQ(window->edited().product.imagePath, m_chosen);
    const QImage shown = window->grab().toImage();
    EXPECT_EQ(shown.pixelColor(817, 507), QColor(0, 200, 0));
    click(window, "7101");
    EXPECT_NE(window->grab().toImage().pixelColor(817, 507), QColor(0, 200, 0));
    window->close();
}
