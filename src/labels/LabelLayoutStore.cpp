#include "labels/LabelLayoutStore.h"

#include "db/FixedField.h"
#include "db/OperationTag.h"
#include "db/Row.h"
#include "db/SqlFormat.h"
#include "db/SqlLiteral.h"
#include "db/StatementRunner.h"
#include "labels/LabelCommands.h"
#include "labels/LabelLayout.h"

namespace parvela::labels {

namespace {

using Field = int LabelLayout::*;
using Flag = std::int16_t LabelLayout::*;

const std::string kReadMain =
    "SELECT stok_adi_xpo,stok_adi_ypo,barc_xpo,barc_ypo,fiyat_xpo,fiyat_ypo,bar_width,"
    "bar_height,narrow_bar_wid,wide_bar_wid,fiyat_bas, font, font_price,pkt_tarih_xpo,"
    "pkt_tarih_ypo,tuketim_tarih_xpo,tuketim_tarih_ypo  FROM print_settings;";
const std::string kReadExtra =
    "SELECT stok_adi_dikey,barkod_dikey,fiyat_dikey,pkt_tarih_dikey,tuk_tarih_dikey,"
    "tarih_fontsize,YEAR(date_of_paketleme),MONTH(date_of_paketleme),DAY(date_of_paketleme),"
    "YEAR(date_of_tuketim),MONTH(date_of_tuketim),DAY(date_of_tuketim),ozel_seri_alan,"
    "ozel_seri_xpo,ozel_seri_ypo  FROM print_settings_x;";

constexpr Flag kVerticalFlags[] = {&LabelLayout::nameVertical, &LabelLayout::barcodeVertical,
                                   &LabelLayout::priceVertical, &LabelLayout::packingVertical,
                                   &LabelLayout::consumptionVertical};

void takeMainRow(const db::Row& row, LabelLayout& layout) {
    int column = 1;
    for (Field field :
         {&LabelLayout::nameX, &LabelLayout::nameY, &LabelLayout::barcodeX, &LabelLayout::barcodeY,
          &LabelLayout::priceX, &LabelLayout::priceY, &LabelLayout::barWidth,
          &LabelLayout::barHeight, &LabelLayout::narrowBarWidth, &LabelLayout::wideBarWidth})
        layout.*field = row.integer(column++);
    layout.printPrice = row.flag(column++);
    for (Field field :
         {&LabelLayout::nameFont, &LabelLayout::priceFont, &LabelLayout::packingX,
          &LabelLayout::packingY, &LabelLayout::consumptionX, &LabelLayout::consumptionY})
        layout.*field = row.integer(column++);
}

CalendarDate dateAt(const db::Row& row, int column) {
    // YEAR() and the others give NULL, read as 0, for a NULL date.
    return {static_cast<std::int16_t>(row.integer(column)),
            static_cast<std::int16_t>(row.integer(column + 1)),
            static_cast<std::int16_t>(row.integer(column + 2))};
}

void takeExtraRow(const db::Row& row, LabelLayout& layout) {
    int column = 1;
    for (Flag flag : kVerticalFlags)
        layout.*flag = row.flag(column++) ? 1 : 0;
    layout.dateFont = row.integer(6);
    layout.packingDate = dateAt(row, 7);
    layout.consumptionDate = dateAt(row, 10);
    layout.specialCode = row.text(13);
    layout.specialX = row.integer(14);
    layout.specialY = row.integer(15);
}

std::string dateValue(const std::string& text) {
    return text.empty() ? std::string("NULL") : db::quotedLiteral(text);
}

} // namespace

bool readLabelLayout(const db::StatementRunner& runner, LabelLayout& layout) {
    return runner.queryFirst(db::Operation("READ_BARCODE_SETTINGS"), db::schema::barcode, kReadMain,
                             [&](const db::Row& row) { takeMainRow(row, layout); }) !=
           db::Outcome::Failed;
}

bool readLabelLayoutExtra(const db::StatementRunner& runner, LabelLayout& layout) {
    const db::Outcome outcome =
        runner.queryFirst(db::Operation("READ_BARCODE_SETTINGS_X"), db::schema::barcode, kReadExtra,
                          [&](const db::Row& row) { takeExtraRow(row, layout); });
    layout.packingDateText = dateText(layout.packingDate);
    layout.consumptionDateText = dateText(layout.consumptionDate);
    return outcome != db::Outcome::Failed;
}

bool reloadLabelLayout(const db::StatementRunner& runner, LabelLayout& layout) {
    const bool main = readLabelLayout(runner, layout);
    return readLabelLayoutExtra(runner, layout) && main;
}

bool saveLabelLayout(const db::StatementRunner& runner, const LabelLayout& l) {
    const std::string text =
        db::sqlf("UPDATE barcode.print_settings SET  stok_adi_xpo=%d, stok_adi_ypo=%d, barc_xpo=%d,"
                 " barc_ypo=%d, fiyat_xpo=%d, fiyat_ypo=%d, bar_width=%d, bar_height=%d,"
                 " narrow_bar_wid=%d, wide_bar_wid=%d, fiyat_bas=%d, font=%d, font_price=%d, "
                 " pkt_tarih_xpo=%d, pkt_tarih_ypo=%d, tuketim_tarih_xpo=%d, tuketim_tarih_ypo=%d "
                 " WHERE print_settings.Id = 1;",
                 l.nameX, l.nameY, l.barcodeX, l.barcodeY, l.priceX, l.priceY, l.barWidth,
                 l.barHeight, l.narrowBarWidth, l.wideBarWidth, l.printPrice ? 1 : 0, l.nameFont,
                 l.priceFont, l.packingX, l.packingY, l.consumptionX, l.consumptionY);
    return runner.execute(db::Operation("UPDATE_BARCODE_SETTINGS"), db::schema::barcode, text) !=
           db::Outcome::Failed;
}

bool saveLabelLayoutExtra(const db::StatementRunner& runner, const LabelLayout& l) {
    // Cut before an emoji rather than through it: its half would be stored as '?'.
    const QByteArray special = db::fitField(l.specialCode, kSpecialCodeCharacters + 1).toUtf8();
    const std::string text =
        db::sqlf("UPDATE barcode.print_settings_x SET  stok_adi_dikey=%d, barkod_dikey=%d,"
                 " fiyat_dikey=%d, pkt_tarih_dikey=%d, tuk_tarih_dikey=%d, tarih_fontsize=%d,",
                 l.nameVertical, l.barcodeVertical, l.priceVertical, l.packingVertical,
                 l.consumptionVertical, l.dateFont) +
        " date_of_paketleme=" + dateValue(l.packingDateText) +
        ", date_of_tuketim=" + dateValue(l.consumptionDateText) +
        ", ozel_seri_alan=" + db::quotedLiteral(special.toStdString()) +
        db::sqlf(", ozel_seri_xpo=%d, ozel_seri_ypo=%d  WHERE print_settings_x.Id = 1;", l.specialX,
                 l.specialY);
    return runner.execute(db::Operation("UPDATE_BARCODE_SETTINGS_X"), db::schema::barcode, text) !=
           db::Outcome::Failed;
}

} // namespace parvela::labels
