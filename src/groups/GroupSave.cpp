#include "groups/GroupSave.h"

#include "db/Row.h"
#include "db/SqlFormat.h"
#include "db/StatementRunner.h"
#include "db/Transaction.h"
#include "groups/GroupCodes.h"
#include "groups/GroupData.h"
#include "groups/GroupLevels.h"
#include "groups/GroupLookups.h"
#include "groups/StockType.h"
#include "platform/MessageBoxes.h"

#include <algorithm>
#include <type_traits>

namespace parvela::groups {

namespace {

using platform::BoxIcon;

constexpr const char* kEmptyNewName = "Tanımlanacak grup adı boş bırakıldı..!";

// The boxes that differ from level to level.
struct LevelTexts {
    const char* addNameCaption;
    const char* editNameCaption;
    const char* editEmptyName;
    const char* codeCaption;
};

template <typename Group> constexpr LevelTexts kTexts{};
template <>
constexpr LevelTexts kTexts<GroupA>{"CLASS A GRUP ADI", "CLASS A GRUP ADI", kEmptyNewName,
                                    "CLASS A GRUP KODU"};
template <>
constexpr LevelTexts kTexts<GroupB>{"CLASS B GRUP ADI", "CLASS B GRUP ADI",
                                    "üzenlenecek grup adı boş bırakıldı..!", "CLASS B GRUP KODU"};
// A new Group C's empty name is captioned as a Group B's.
template <>
constexpr LevelTexts kTexts<GroupC>{"CLASS B GRUP ADI", "CLASS C GRUP ADI",
                                    "Düzenlenecek grup adı boş bırakıldı..!", "CLASS C GRUP KODU"};

void tell(const GroupDialogContext& context, const char* text, const char* caption,
          BoxIcon icon = BoxIcon::Exclamation) {
    context.boxes.tell(QString::fromUtf8(text), QString::fromUtf8(caption), icon, context.owner);
}

template <typename Group>
bool takeName(const GroupDialogContext& context, const GroupForm& form, Group& group,
              const char* emptyText, const char* caption) {
    const QString name = cleanedGroupName(form.name);
    if (name.trimmed().isEmpty()) {
        tell(context, emptyText, caption);
        return false;
    }
    group.wideName = name;
    group.name = name.toStdString();
    return true;
}

// The level above a Group B or C.
template <typename Child> struct ParentOf;
template <> struct ParentOf<GroupB> { using type = GroupA; };
template <> struct ParentOf<GroupC> { using type = GroupB; };
template <typename Child> using Parent = typename ParentOf<Child>::type;

// The code of the form names the parent; a Group C takes its B's A as well.
void placeUnder(GroupB& child, int acode, const GroupA*) {
    child.acode = acode;
}
void placeUnder(GroupC& child, int bcode, const GroupB* parent) {
    child.bcode = bcode;
    if (parent)
        child.acode = parent->acode;
}

std::optional<GroupA> findParent(const GroupData& groups, int acode, const GroupB&) {
    const auto& all = groups.allGroupA();
    const auto found =
        std::find_if(all.begin(), all.end(), [acode](const GroupA& a) { return a.acode == acode; });
    return found == all.end() ? std::nullopt : std::optional<GroupA>(*found);
}
std::optional<GroupB> findParent(const GroupData& groups, int bcode, const GroupC&) {
    GroupB parent;
    if (findGroupB(groups.allGroupB(), bcode, parent) < 0)
        return std::nullopt;
    return parent;
}

int nextCodeFor(const GroupData& groups, const GroupB& child) {
    return nextGroupBCode(child.acode, groups.allGroupB());
}
int nextCodeFor(const GroupData& groups, const GroupC& child) {
    return nextGroupCCode(child.bcode, groups.allGroupC());
}

int insertGroup(const GroupData& groups, const GroupB& group) {
    return groups.insertGroupB(group);
}
int insertGroup(const GroupData& groups, const GroupC& group) {
    return groups.insertGroupC(group);
}
int updateGroup(const GroupData& groups, const GroupB& group) {
    return groups.updateGroupB(group);
}
int updateGroup(const GroupData& groups, const GroupC& group) {
    return groups.updateGroupC(group);
}

void moveProducts(const db::StatementRunner& runner, const GroupB& group) {
    static_cast<void>(runner.execute(
        db::Operation("UPDATE_STOK_GRUP_A"), db::schema::stocks,
        db::sqlf("UPDATE stocks.stckdef SET gra=%d WHERE grb=%d;", group.acode, group.bcode)));
    // Its sub-menus go with it: a Group C row that kept the old A would list
    // under a category its products have left.
    static_cast<void>(runner.execute(
        db::Operation("UPDATE_GRUP_C_ACODE"), db::schema::groups,
        db::sqlf("UPDATE classc SET acode=%d WHERE bcode=%d;", group.acode, group.bcode)));
}
void moveProducts(const db::StatementRunner& runner, const GroupC& group) {
    static_cast<void>(
        runner.execute(db::Operation("UPDATE_STOK_GRUP_A_B"), db::schema::stocks,
                       db::sqlf("UPDATE stocks.stckdef SET gra=%d,grb=%d WHERE grc=%d;",
                                group.acode, group.bcode, group.ccode)));
}

// The main screen's list of the level, as it is after the change.
void showOnScreen(GroupData& groups, const GroupA&) {
    groups.resetScreenA();
}
void showOnScreen(GroupData& groups, const GroupB& group) {
    groupBOfA(groups.screenB(), groups.allGroupB(), group.acode);
}
void showOnScreen(GroupData& groups, const GroupC& group) {
    groupCOfB(groups.screenC(), groups.allGroupC(), group.bcode);
}

template <typename Group> void rereadLevel(const GroupDialogContext& context, const Group& group) {
    context.groups.read<Group>();
    showOnScreen(context.groups, group);
    if (context.redrawMain)
        context.redrawMain();
}

int typeOr(const GroupForm& form, int fallback) {
    const int ticked = tickedType(form.tickedTypes);
    return ticked != kNoType ? ticked : fallback;
}

template <typename Child>
bool saveNewChild(const GroupDialogContext& context, const GroupForm& form,
                  const Parent<Child>& parent) {
    Child child;
    if (!takeName(context, form, child, kEmptyNewName, kTexts<Child>.addNameCaption))
        return false;
    child.posmenu = form.posmenu || parent.posmenu;
    placeUnder(child, form.codeText.toInt(), &parent);
    child.tur = typeOr(form, parent.tur);
    child.*GroupTraits<Child>::code = nextCodeFor(context.groups, child);
    if (codeOf(child) < 1) {
        tell(context, "Gruba kod atanamadı..!", kTexts<Child>.codeCaption);
        return false;
    }
    // The lists show what the server holds either way; a refused insert
    // keeps the dialog as typed.
    const db::ServerLossScope scope(context.runner);
    const bool inserted = insertGroup(context.groups, child) != GroupData::kFailed;
    rereadLevel(context, child);
    return inserted;
}

// The edited group as the form leaves it; nothing when a box sent the user
// back. Nothing is written yet.
template <typename Child>
std::optional<Child> editedChild(const GroupDialogContext& context, const GroupForm& form,
                                 const Child& edited) {
    constexpr LevelTexts texts = kTexts<Child>;
    Child changed = edited;
    if (!takeName(context, form, changed, texts.editEmptyName, texts.editNameCaption))
        return std::nullopt;
    const int parentCode = form.codeText.toInt();
    if (parentCode <= 0) {
        tell(context, "Grup kodu sıfır..!", texts.codeCaption);
        return std::nullopt;
    }
    const std::optional<Parent<Child>> parent = findParent(context.groups, parentCode, edited);
    placeUnder(changed, parentCode, parent ? &*parent : nullptr);
    changed.posmenu = form.posmenu || (parent && parent->posmenu);
    changed.tur = typeOr(form, parent ? parent->tur : edited.tur);
    return changed;
}

std::string productsOfStatement(const GroupB& group) {
    return db::sqlf("SELECT stcode FROM stocks.stckdef WHERE grb=%d;", group.bcode);
}
std::string productsOfStatement(const GroupC& group) {
    return db::sqlf("SELECT stcode FROM stocks.stckdef WHERE grc=%d;", group.ccode);
}

// The codes of the products a move of the group takes along.
template <typename Group>
std::vector<std::string> productsOf(const db::StatementRunner& runner, const db::Operation& op,
                                    const Group& group) {
    std::vector<std::string> codes;
    (void)runner.query(
        op, db::schema::stocks, productsOfStatement(group),
        [&codes](const db::Row& row) { codes.push_back(std::to_string(row.int64(1))); });
    return codes;
}

template <typename Group> struct EditTexts;
template <> struct EditTexts<GroupB> {
    static constexpr std::string_view tag = "UPDATE_GRUP_B";
    static constexpr const char* caption = "Grup B Düzenle";
};
template <> struct EditTexts<GroupC> {
    static constexpr std::string_view tag = "UPDATE_GRUP_C";
    static constexpr const char* caption = "Grup C Düzenle";
};

void writeColours(const GroupDialogContext& context, GroupB& changed,
                  const ChosenColours& colours) {
    if (colours.back) {
        changed.backColour = *colours.back;
        context.groups.writeBackColour(changed);
    }
    if (colours.font) {
        changed.fontColour = *colours.font;
        context.groups.writeFontColour(changed);
    }
}
void writeColours(const GroupDialogContext&, GroupC&, const ChosenColours&) {}

// The group, the products it takes along and a B's colours, in one change.
template <typename Child>
bool writeEdited(const GroupDialogContext& context, Child& changed, const ChosenColours& colours) {
    const db::Operation op(EditTexts<Child>::tag);
    db::Transaction change(context.runner, op);
    change.journalAs(EditTexts<Child>::caption);
    change.keep(db::schema::stocks, "stckdef", "stcode", productsOf(context.runner, op, changed));
    // Products follow only a group that did move: else they would name a
    // parent their group does not have.
    if (updateGroup(context.groups, changed) == GroupData::kFailed)
        return false;
    moveProducts(context.runner, changed);
    writeColours(context, changed, colours);
    return change.commit() == db::Outcome::Completed;
}

// The main screen selects the group's parents, where it now lies.
template <typename Group> void selectByCode(std::vector<Group>& screen, int code) {
    const auto found = std::find_if(screen.begin(), screen.end(),
                                    [code](const Group& group) { return codeOf(group) == code; });
    if (found != screen.end())
        selectOnly(screen, static_cast<int>(found - screen.begin()));
}

template <typename Child>
void rereadAfterMove(const GroupDialogContext& context, const Child& changed) {
    if (context.rereadProducts)
        context.rereadProducts();
    selectByCode(context.groups.screenA(), changed.acode);
    if constexpr (std::is_same_v<Child, GroupC>) {
        groupBOfA(context.groups.screenB(), context.groups.allGroupB(), changed.acode);
        selectByCode(context.groups.screenB(), changed.bcode);
    }
    rereadLevel(context, changed);
    // After the B rows: the C rows take their B's name from them.
    if constexpr (std::is_same_v<Child, GroupB>) {
        selectByCode(context.groups.screenB(), changed.bcode);
        context.groups.readGroupC();
        groupCOfB(context.groups.screenC(), context.groups.allGroupC(), changed.bcode);
    }
}

// The lists show what the server holds either way; a refused change keeps
// the dialog open with what was typed.
template <typename Child>
bool saveEdited(const GroupDialogContext& context, const GroupForm& form, const Child& edited,
                const ChosenColours& colours) {
    std::optional<Child> changed = editedChild(context, form, edited);
    if (!changed)
        return false;
    // A dead server is reported by the change, not again by each reread.
    const db::ServerLossScope scope(context.runner);
    const bool written = writeEdited(context, *changed, colours);
    rereadAfterMove(context, *changed);
    return written;
}

} // namespace

std::optional<GroupA> parentForNewGroupB(const GroupDialogContext& context) {
    GroupA parent;
    if (selectedGroupA(context.groups.screenA(), parent) < 0) {
        tell(context, "Bir A grubu seçilmedi.!\nBu grubun bağlı olacağı bir üst kategori seçiniz.",
             "ÜST KATEGORİ SEÇİLMEDİ", BoxIcon::Question);
        return std::nullopt;
    }
    return parent;
}

std::optional<GroupB> parentForNewGroupC(const GroupDialogContext& context) {
    GroupB parent;
    if (selectedGroupB(context.groups.screenB(), parent) < 0) {
        tell(context, "Bir B grubu seçilmedi.!\nBu grubun bağlı olacağı bir kategori seçiniz.",
             "POSMENU - KATEGORİ SEÇİLMEDİ", BoxIcon::Question);
        return std::nullopt;
    }
    return parent;
}

template <typename Group> std::optional<Group> groupToEdit(const GroupDialogContext& context) {
    if (const Group* selected = selectedOf(context.groups.screen<Group>()))
        return *selected;
    tell(context, "Grup seçilmedi", "GRUP SECILMEDI", BoxIcon::None);
    return std::nullopt;
}
template std::optional<GroupA> groupToEdit<GroupA>(const GroupDialogContext&);
template std::optional<GroupB> groupToEdit<GroupB>(const GroupDialogContext&);
template std::optional<GroupC> groupToEdit<GroupC>(const GroupDialogContext&);

bool saveNewGroupA(const GroupDialogContext& context, const GroupForm& form) {
    GroupA group;
    if (!takeName(context, form, group, kEmptyNewName, kTexts<GroupA>.addNameCaption))
        return false;
    group.posmenu = form.posmenu;
    group.tur = tickedType(form.tickedTypes);
    if (group.tur == kNoType) {
        tell(context, "Grubun türü belirtilmedi..!", "CLASS A GRUP TÜRÜ", BoxIcon::Question);
        return false;
    }
    group.acode = nextGroupACode(group.tur, context.groups.allGroupA());
    if (group.acode < 1) {
        tell(context, "Gruba kod atanamadı..!", kTexts<GroupA>.codeCaption);
        return false;
    }
    // A refused insert keeps the dialog as typed; the lists show the server.
    const db::ServerLossScope scope(context.runner);
    const bool inserted = context.groups.insertGroupA(group) != GroupData::kFailed;
    rereadLevel(context, group);
    return inserted;
}

bool saveNewGroupB(const GroupDialogContext& context, const GroupForm& form, const GroupA& parent) {
    return saveNewChild<GroupB>(context, form, parent);
}

bool saveNewGroupC(const GroupDialogContext& context, const GroupForm& form, const GroupB& parent) {
    return saveNewChild<GroupC>(context, form, parent);
}

bool saveEditedGroupA(const GroupDialogContext& context, const GroupForm& form,
                      const GroupA& edited) {
    GroupA changed = edited;
    if (!takeName(context, form, changed, kEmptyNewName, kTexts<GroupA>.editNameCaption))
        return false;
    changed.posmenu = form.posmenu;
    changed.tur = typeOr(form, edited.tur);
    if (changed.tur < 1) {
        tell(context, "Grubun türü belirtilmedi..!", "CLASS A GRUP TÜRÜ", BoxIcon::Question);
        return false;
    }
    changed.acode = form.codeText.toInt();
    if (changed.acode < 1) {
        tell(context, "Gruba kod atanamadı..!\nslctd_Grup_A_OBJ.code <= 0",
             kTexts<GroupA>.codeCaption);
        return false;
    }
    const db::ServerLossScope scope(context.runner);
    const bool written = context.groups.updateGroupA(changed) != GroupData::kFailed;
    rereadLevel(context, changed);
    return written;
}

bool saveEditedGroupB(const GroupDialogContext& context, const GroupForm& form,
                      const GroupB& edited, const ChosenColours& colours) {
    return saveEdited(context, form, edited, colours);
}

bool saveEditedGroupC(const GroupDialogContext& context, const GroupForm& form,
                      const GroupC& edited) {
    return saveEdited(context, form, edited, ChosenColours{});
}

} // namespace parvela::groups
