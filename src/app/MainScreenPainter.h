#pragma once

#include <QImage>
#include <QSize>
#include <cstddef>
#include <vector>

class QPainter;

namespace parvela::groups {
class GroupData;
}

namespace parvela::records {
struct Branch;
}

namespace parvela::app {

struct MainScreenState;

// The two page arrows of the lists.
struct ArrowPictures {
    QImage up;
    QImage down;
};

// What one paint of the main screen shows; the paint writes the rectangles
// of the rows and branch boxes it draws back into these records.
struct MainScreenContent {
    groups::GroupData& groups;
    std::vector<records::Branch>& branches;
    std::size_t stockCount = 0;
};

// Draws the whole main screen and records every button, row and branch box
// where it drew it, so that a click can be matched against exactly what the
// user sees.
void paintMainScreen(QPainter& painter, QSize client, MainScreenState& state,
                     MainScreenContent& content, const ArrowPictures& arrows);

} // namespace parvela::app
