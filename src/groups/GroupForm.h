#pragma once

#include "records/Geometry.h"

#include <QString>
#include <functional>
#include <optional>
#include <vector>

class QObject;

namespace parvela::db {
class StatementRunner;
}
namespace parvela::platform {
class MessageBoxes;
}

namespace parvela::groups {

class GroupData;

inline constexpr qsizetype kGroupNameChars = 58;

// What the user left in a group dialog when pressing its save button.
struct GroupForm {
    QString name; // as typed
    bool posmenu = false;
    // The StockType values whose radio button is ticked.
    std::vector<int> tickedTypes;
    // 1006 / 1009: the parent's code (B, C), or the group's own code (A).
    QString codeText;
};

// The till colours of a Group B as the user chose them in one edit; a colour
// not chosen is left as the tills have it.
struct ChosenColours {
    std::optional<records::Rgb> back;
    std::optional<records::Rgb> font;
};

// The colours a Group B edit last chose; the next edit's colour dialog starts
// from them. One per program run, owned by the application.
struct LastGroupColours {
    records::Rgb back = 0;
    records::Rgb font = 0;
};

// What the group dialogs work on and whom they tell.
struct GroupDialogContext {
    GroupData& groups;
    const db::StatementRunner& runner;
    platform::MessageBoxes& boxes;
    // The main window: it owns every box and is redrawn after each save.
    QObject* owner = nullptr;
    std::function<void()> redrawMain;
    // The products, after a group move changed their groups.
    std::function<void()> rereadProducts;
};

// The typed name, cleaned and bounded as product names are: what the server
// will hold. Blank when nothing but blanks is left.
QString cleanedGroupName(const QString& typed);

// The first ticked type in the order the dialogs test them; kNoType for none.
int tickedType(const std::vector<int>& ticked);

} // namespace parvela::groups
