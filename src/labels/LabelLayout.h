#pragma once

#include <QString>
#include <cstdint>
#include <string>

namespace parvela::labels {

struct CalendarDate {
    std::int16_t year = 0;
    std::int16_t month = 0;
    std::int16_t day = 0;
};

// Where the elements of a product label stand, in printer dots from the top
// left corner, and how they are drawn. One row of barcode.print_settings and
// one of barcode.print_settings_x hold it.
struct LabelLayout {
    int nameX = 0, nameY = 0;
    int barcodeX = 0, barcodeY = 0;
    int priceX = 0, priceY = 0;
    int packingX = 0, packingY = 0;
    int consumptionX = 0, consumptionY = 0;
    int specialX = 0, specialY = 0;
    // Turned by 90 degrees when 1.
    std::int16_t nameVertical = 0;
    std::int16_t barcodeVertical = 0;
    std::int16_t priceVertical = 0;
    std::int16_t packingVertical = 0;
    std::int16_t consumptionVertical = 0;
    CalendarDate packingDate;
    CalendarDate consumptionDate;
    std::string packingDateText; // YYYY-MM-DD, for the save
    std::string consumptionDateText;
    QString specialCode;
    int dateFont = 0; // also the special code's
    int barWidth = 0; // kept, not printed
    int barHeight = 150;
    int narrowBarWidth = 0;
    int wideBarWidth = 0;
    int nameFont = 2;
    int priceFont = 2;
    bool printPrice = false;
    // Typed in the dialog, never stored.
    int copies = 1;
    double weight = 0;
};

// No year, month or day: the table held NULL or 0000-00-00.
bool isUnset(const CalendarDate& date);
// 2024-03-07: month and day with a leading zero below 10. Empty for an unset
// date, which is saved as NULL.
std::string dateText(const CalendarDate& date);

} // namespace parvela::labels
