#include "labels/LabelLayout.h"

#include "db/SqlFormat.h"

namespace parvela::labels {

namespace {

std::string twoDigits(int value) {
    return value < 10 ? db::sqlf("0%d", value) : db::sqlf("%d", value);
}

} // namespace

bool isUnset(const CalendarDate& date) {
    return date.year <= 0 || date.month <= 0 || date.day <= 0;
}

std::string dateText(const CalendarDate& date) {
    // A zero date (NULL or 0000-00-00 in the table) has no text: the save
    // writes NULL for it rather than a date the server may refuse.
    if (isUnset(date))
        return {};
    return db::sqlf("%d-%s-%s", date.year, twoDigits(date.month).c_str(),
                    twoDigits(date.day).c_str());
}

} // namespace parvela::labels
