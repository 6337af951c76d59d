#include "labels/LabelLayoutStore.h"

#include "HiddenTable.h"
#include "JournaledDatabaseTest.h"
#include "labels/LabelCommands.h"
#include "labels/LabelLayout.h"

using namespace parvela;
using labels::LabelLayout;
using test::TestDatabase;

namespace {

using Texts = std::vector<std::string>;

const std::string kReadMain =
    "SELECT stok_adi_xpo,stok_adi_ypo,barc_xpo,barc_ypo,fiyat_xpo,fiyat_ypo,bar_width,bar_height,"
    "narrow_bar_wid,wide_bar_wid,fiyat_bas, font, font_price,pkt_tarih_xpo,pkt_tarih_ypo,"
    "tuketim_tarih_xpo,tuketim_tarih_ypo  FROM print_settings;";
const std::string kReadExtra =
    "SELECT stok_adi_dikey,barkod_dikey,fiyat_dikey,pkt_tarih_dikey,tuk_tarih_dikey,"
    "tarih_fontsize,YEAR(date_of_paketleme),MONTH(date_of_paketleme),DAY(date_of_paketleme),"
    "YEAR(date_of_tuketim),MONTH(date_of_tuketim),DAY(date_of_tuketim),ozel_seri_alan,"
    "ozel_seri_xpo,ozel_seri_ypo  FROM print_settings_x;";

// Every stored field, to compare layouts whole.
std::string describe(const LabelLayout& l) {
    std::string text;
    for (int value : {l.nameX,
                      l.nameY,
                      l.barcodeX,
                      l.barcodeY,
                      l.priceX,
                      l.priceY,
                      l.packingX,
                      l.packingY,
                      l.consumptionX,
                      l.consumptionY,
                      l.specialX,
                      l.specialY,
                      int(l.nameVertical),
                      int(l.barcodeVertical),
                      int(l.priceVertical),
                      int(l.packingVertical),
                      int(l.consumptionVertical),
                      l.dateFont,
                      l.barWidth,
                      l.barHeight,
                      l.narrowBarWidth,
                      l.wideBarWidth,
                      l.nameFont,
                      l.priceFont,
                      int(l.printPrice),
                      l.copies})
        text += std::to_string(value) + ",";
    return text + l.packingDateText + "," + l.consumptionDateText + "," +
           l.specialCode.toStdString();
}

using LabelLayoutStoreTest = test::JournaledDatabaseTest;

LabelLayout everyFieldSet() {
    LabelLayout l;
    int next = 1;
    for (int LabelLayout::*field :
         {&LabelLayout::nameX, &LabelLayout::nameY, &LabelLayout::barcodeX, &LabelLayout::barcodeY,
          &LabelLayout::priceX, &LabelLayout::priceY, &LabelLayout::barWidth,
          &LabelLayout::barHeight, &LabelLayout::narrowBarWidth, &LabelLayout::wideBarWidth,
          &LabelLayout::nameFont, &LabelLayout::priceFont, &LabelLayout::packingX,
          &LabelLayout::packingY, &LabelLayout::consumptionX, &LabelLayout::consumptionY,
          &LabelLayout::specialX, &LabelLayout::specialY, &LabelLayout::dateFont})
        l.*field = next++;
    l.printPrice = true;
    l.nameVertical = l.priceVertical = l.consumptionVertical = 1;
    l.packingDate = {2024, 3, 7};
    l.consumptionDate = {2024, 10, 10};
    l.packingDateText = labels::dateText(l.packingDate);
    l.consumptionDateText = labels::dateText(l.consumptionDate);
    l.specialCode = QStringLiteral("Ali's \\ Özel");
    return l;
}

} // namespace

TEST_F(LabelLayoutStoreTest, readsTheStoredRowsAndCountsAnyPositiveFlagAsOne) {
    TestDatabase::exec("UPDATE barcode.print_settings SET fiyat_bas=7;"
                       "UPDATE barcode.print_settings_x SET barkod_dikey=3, tuk_tarih_dikey=-2;");
    LabelLayout layout;
    labels::reloadLabelLayout(m_runner, layout);
    EXPECT_EQ(m_journal.texts(), (Texts{kReadMain, kReadExtra}));
    EXPECT_EQ(m_journal.entries().at(1).schema, "barcode");
    EXPECT_EQ(describe(layout), "20,5,100,26,20,200,20,222,210,222,250,200,"
                                "0,1,0,0,0,1,2,150,2,4,2,2,1,1,2025-01-01,2025-01-04,");
    EXPECT_EQ(layout.consumptionDate.day, 4);
    EXPECT_TRUE(m_boxes.shown().empty());
}

TEST_F(LabelLayoutStoreTest, savedLayoutReadsBackEqual) {
    const LabelLayout saved = everyFieldSet();
    EXPECT_TRUE(labels::saveLabelLayout(m_runner, saved));
    EXPECT_TRUE(labels::saveLabelLayoutExtra(m_runner, saved));
    EXPECT_EQ(m_journal.texts(),
              (Texts{"UPDATE barcode.print_settings SET  stok_adi_xpo=1, stok_adi_ypo=2, "
                     "barc_xpo=3, barc_ypo=4, fiyat_xpo=5, fiyat_ypo=6, bar_width=7, "
                     "bar_height=8, narrow_bar_wid=9, wide_bar_wid=10, fiyat_bas=1, font=11, "
                     "font_price=12,  pkt_tarih_xpo=13, pkt_tarih_ypo=14, tuketim_tarih_xpo=15, "
                     "tuketim_tarih_ypo=16  WHERE print_settings.Id = 1;",
                     "UPDATE barcode.print_settings_x SET  stok_adi_dikey=1, barkod_dikey=0, "
                     "fiyat_dikey=1, pkt_tarih_dikey=0, tuk_tarih_dikey=1, tarih_fontsize=19, "
                     "date_of_paketleme='2024-03-07', date_of_tuketim='2024-10-10', "
                     "ozel_seri_alan='Ali\\'s \\\\ Özel', ozel_seri_xpo=17, ozel_seri_ypo=18  "
                     "WHERE print_settings_x.Id = 1;"}));
    EXPECT_EQ(TestDatabase::scalar("SELECT CONCAT(date_of_paketleme,'|',ozel_seri_alan) "
                                   "FROM barcode.print_settings_x;"),
              "2024-03-07|Ali's \\ Özel");

    LabelLayout read;
    labels::reloadLabelLayout(m_runner, read);
    EXPECT_EQ(describe(read), describe(saved));
    EXPECT_TRUE(m_boxes.shown().empty());
}

TEST_F(LabelLayoutStoreTest, specialCodeIsSavedToItsFiftyCharacters) {
    LabelLayout layout = everyFieldSet();
    layout.specialCode = QString(49, QLatin1Char('a')) + QStringLiteral("ŞX");
    EXPECT_TRUE(labels::saveLabelLayoutExtra(m_runner, layout));
    EXPECT_EQ(QString::fromStdString(
                  TestDatabase::scalar("SELECT ozel_seri_alan FROM barcode.print_settings_x;")),
              layout.specialCode.left(labels::kSpecialCodeCharacters));
}

TEST_F(LabelLayoutStoreTest, specialCodeIsCutBeforeAnEmojiNotThroughIt) {
    LabelLayout layout = everyFieldSet();
    layout.specialCode = QString(49, QLatin1Char('a')) + QStringLiteral("\U0001F600");
    EXPECT_TRUE(labels::saveLabelLayoutExtra(m_runner, layout));
    EXPECT_EQ(TestDatabase::scalar("SELECT ozel_seri_alan FROM barcode.print_settings_x;"),
              std::string(49, 'a'));
    EXPECT_TRUE(m_boxes.shown().empty());
}

TEST_F(LabelLayoutStoreTest, emptyTablesKeepTheDefaultsAndTheUpdatesChangeNothing) {
    TestDatabase::exec("DELETE FROM barcode.print_settings; DELETE FROM barcode.print_settings_x;");
    LabelLayout layout;
    EXPECT_TRUE(labels::readLabelLayout(m_runner, layout));
    EXPECT_TRUE(labels::readLabelLayoutExtra(m_runner, layout));
    EXPECT_EQ(describe(layout), describe(LabelLayout{}));
    EXPECT_EQ(layout.barHeight, 150);
    EXPECT_EQ(layout.nameFont, 2);
    EXPECT_EQ(layout.priceFont, 2);
    EXPECT_EQ(layout.copies, 1);

    m_journal.clear();
    EXPECT_TRUE(labels::saveLabelLayout(m_runner, layout));
    EXPECT_TRUE(labels::saveLabelLayoutExtra(m_runner, layout));
    EXPECT_EQ(m_journal.texts().size(), 2u);
    EXPECT_EQ(TestDatabase::count("barcode.print_settings"), 0);
    EXPECT_EQ(TestDatabase::count("barcode.print_settings_x"), 0);
    EXPECT_TRUE(m_boxes.shown().empty());
}

// NULL and 0000-00-00 read as an unset date, which is saved back as NULL.
TEST_F(LabelLayoutStoreTest, zeroDatesReadAndSaveWithoutBreaking) {
    TestDatabase::exec("SET SESSION sql_mode='';"
                       "UPDATE barcode.print_settings_x SET date_of_paketleme=NULL, "
                       "date_of_tuketim='0000-00-00';");
    LabelLayout layout;
    labels::reloadLabelLayout(m_runner, layout);
    EXPECT_TRUE(labels::isUnset(layout.packingDate));
    EXPECT_TRUE(labels::isUnset(layout.consumptionDate));
    EXPECT_EQ(layout.packingDateText, "");
    EXPECT_EQ(layout.consumptionDateText, "");

    m_journal.clear();
    EXPECT_TRUE(labels::saveLabelLayoutExtra(m_runner, layout));
    EXPECT_NE(m_journal.texts().at(0).find(" date_of_paketleme=NULL, date_of_tuketim=NULL, "),
              std::string::npos);
    EXPECT_EQ(TestDatabase::scalar("SELECT COUNT(*) FROM barcode.print_settings_x "
                                   "WHERE date_of_paketleme IS NULL AND date_of_tuketim IS NULL;"),
              "1");
    EXPECT_TRUE(m_boxes.shown().empty());
}

TEST_F(LabelLayoutStoreTest, failuresAreReportedUnderTheirTagsAndKeepTheFields) {
    LabelLayout layout = everyFieldSet();
    {
        const test::HiddenTable hidden("barcode.print_settings_x");
        EXPECT_TRUE(labels::readLabelLayout(m_runner, layout));
        EXPECT_FALSE(labels::readLabelLayoutExtra(m_runner, layout));
        EXPECT_FALSE(labels::saveLabelLayoutExtra(m_runner, layout));
    }
    EXPECT_EQ(m_boxes.captions(), (QStringList{QStringLiteral("READ_BARCODE_SETTINGS_X"),
                                               QStringLiteral("UPDATE_BARCODE_SETTINGS_X")}));
    // The main row came in; the rest and the dates' texts are as they were.
    EXPECT_EQ(layout.barHeight, 150);
    EXPECT_EQ(layout.packingDateText, "2024-03-07");
    EXPECT_EQ(layout.consumptionDateText, "2024-10-10");
    EXPECT_EQ(layout.specialCode, QStringLiteral("Ali's \\ Özel"));
    EXPECT_EQ(layout.nameVertical, 1);
    EXPECT_EQ(layout.dateFont, 19);
    EXPECT_EQ(layout.specialX, 17);
}
