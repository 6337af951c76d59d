#include "app/MainHitTest.h"

#include "app/MainScreenState.h"
#include "groups/GroupData.h"
#include "records/Company.h"

#include <utility>

namespace parvela::app {

namespace {

using Check = std::pair<MainButton, MainAction>;

constexpr Check kTopButtons[] = {
    {MainButton::MenuSiralamasi, MainAction::MenuSiralamasi},
    {MainButton::UrunSiralamasi, MainAction::UrunSiralamasi},
    {MainButton::TumIndexiSil, MainAction::TumIndexiSil},
    {MainButton::ConvertTurkishChars, MainAction::ConvertTurkishChars},
    {MainButton::DisaVerTartilan, MainAction::DisaVerTartilan},
    {MainButton::Tabledot3, MainAction::Tabledot3},
    {MainButton::Tabledot4, MainAction::Tabledot4},
    {MainButton::Teraziler, MainAction::Teraziler},
    {MainButton::TeraziyeGonder, MainAction::TeraziyeGonder},
    {MainButton::SubelereGonder, MainAction::SubelereGonder},
    {MainButton::YayinGecmisi, MainAction::YayinGecmisi},
    {MainButton::GeriAl, MainAction::GeriAl},
    {MainButton::YemekSepetiMenu, MainAction::YemekSepetiMenu},
    {MainButton::ExcelEAktar, MainAction::ExcelEAktar},
    {MainButton::KatalogKontrolu, MainAction::KatalogKontrolu},
    {MainButton::MenuyuOlustur, MainAction::MenuyuOlustur},
    {MainButton::Hepsi, MainAction::Hepsi},
};

// After its rows, each column is tested in this order.
struct Column {
    MainAction row;
    Check buttons[7];
};

constexpr Column kColumns[] = {
    {MainAction::RowA,
     {{MainButton::AddA, MainAction::AddA},
      {MainButton::GroupTypeA, MainAction::GroupTypeA},
      {MainButton::ProductsA, MainAction::ProductsA},
      {MainButton::SettingsA, MainAction::SettingsA},
      {MainButton::UpA, MainAction::UpA},
      {MainButton::DownA, MainAction::DownA},
      {MainButton::DeleteA, MainAction::DeleteA}}},
    {MainAction::RowB,
     {{MainButton::AddB, MainAction::AddB},
      {MainButton::GroupTypeB, MainAction::GroupTypeB},
      {MainButton::ProductsB, MainAction::ProductsB},
      {MainButton::SettingsB, MainAction::SettingsB},
      {MainButton::UpB, MainAction::UpB},
      {MainButton::DownB, MainAction::DownB},
      {MainButton::DeleteB, MainAction::DeleteB}}},
    {MainAction::RowC,
     {{MainButton::AddC, MainAction::AddC},
      {MainButton::GroupTypeC, MainAction::GroupTypeC},
      {MainButton::ProductsC, MainAction::ProductsC},
      {MainButton::SettingsC, MainAction::SettingsC},
      {MainButton::UpC, MainAction::UpC},
      {MainButton::DownC, MainAction::DownC},
      {MainButton::DeleteC, MainAction::DeleteC}}},
};

template <typename Group> int rowAt(const std::vector<Group>& list, QPoint point) {
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (contains(list[i].drawing.buttonRect, point.x(), point.y()))
            return static_cast<int>(i);
    }
    return -1;
}

int rowOfColumn(std::size_t column, const groups::GroupData& groups, QPoint point) {
    switch (column) {
    case 0:
        return rowAt(groups.screenA(), point);
    case 1:
        return rowAt(groups.screenB(), point);
    default:
        return rowAt(groups.screenC(), point);
    }
}

bool hits(const MainScreenState& state, MainButton button, QPoint point) {
    return contains(state.button(button), point.x(), point.y());
}

} // namespace

namespace {

// A branch box is drawn over the C list where the screen is narrow: a click
// on it is the branch's, not the row's below.
bool onBranchBox(QPoint point, const std::vector<records::Branch>& branches) {
    return hitBranch(point, branches) >= 0;
}

} // namespace

MainHit hitMainClick(QPoint point, const MainScreenState& state, const groups::GroupData& groups,
                     const std::vector<records::Branch>& branches) {
    // The buttons and arrows lie over the rows where they meet: they are
    // tested first, each in the screen's order.
    for (const auto& [button, action] : kTopButtons) {
        if (hits(state, button, point))
            return {action, -1};
    }
    for (const Column& column : kColumns) {
        for (const auto& [button, action] : column.buttons) {
            if (hits(state, button, point))
                return {action, -1};
        }
    }
    if (onBranchBox(point, branches))
        return {};
    for (std::size_t c = 0; c < std::size(kColumns); ++c) {
        if (const int row = rowOfColumn(c, groups, point); row >= 0)
            return {kColumns[c].row, row};
    }
    return {};
}

MainHit hitMainDoubleClick(QPoint point, const MainScreenState& state,
                           const groups::GroupData& groups,
                           const std::vector<records::Branch>& branches) {
    const std::pair<MainButton, MainAction> arrows[] = {
        {MainButton::UpA, MainAction::UpA}, {MainButton::DownA, MainAction::DownA},
        {MainButton::UpB, MainAction::UpB}, {MainButton::DownB, MainAction::DownB},
        {MainButton::UpC, MainAction::UpC}, {MainButton::DownC, MainAction::DownC}};
    for (const auto& [button, action] : arrows) {
        if (hits(state, button, point))
            return {action, -1};
    }
    if (onBranchBox(point, branches))
        return {};
    for (std::size_t c = 0; c < std::size(kColumns); ++c) {
        if (const int row = rowOfColumn(c, groups, point); row >= 0)
            return {kColumns[c].row, row};
    }
    return {};
}

int hitBranch(QPoint point, const std::vector<records::Branch>& branches) {
    for (std::size_t i = 0; i < branches.size(); ++i) {
        if (contains(branches[i].rect, point.x(), point.y()))
            return static_cast<int>(i);
    }
    return -1;
}

} // namespace parvela::app
