#pragma once

#include <QPoint>
#include <vector>

namespace parvela::groups {
class GroupData;
}

namespace parvela::records {
struct Branch;
}

namespace parvela::app {

struct MainScreenState;

// What a click on the main screen asks for, in the order the screen tests
// its rectangles: the first one hit decides.
enum class MainAction {
    None,
    MenuSiralamasi,
    UrunSiralamasi,
    TumIndexiSil,
    ConvertTurkishChars,
    DisaVerTartilan,
    Tabledot3,
    Tabledot4,
    Teraziler,
    TeraziyeGonder,
    SubelereGonder,
    YemekSepetiMenu,
    ExcelEAktar,
    KatalogKontrolu,
    YayinGecmisi,
    GeriAl,
    MenuyuOlustur,
    Hepsi,
    RowA,
    AddA,
    GroupTypeA,
    ProductsA,
    SettingsA,
    UpA,
    DownA,
    DeleteA,
    RowB,
    AddB,
    GroupTypeB,
    ProductsB,
    SettingsB,
    UpB,
    DownB,
    DeleteB,
    RowC,
    AddC,
    GroupTypeC,
    ProductsC,
    SettingsC,
    UpC,
    DownC,
    DeleteC,
};

struct MainHit {
    MainAction action = MainAction::None;
    // The list position of the row hit, for the row actions.
    int row = -1;
};

// The rectangles of the last paint against a click. What is drawn on top
// wins: the buttons and arrows over the rows, the branch boxes over the C list.
MainHit hitMainClick(QPoint point, const MainScreenState& state, const groups::GroupData& groups,
                     const std::vector<records::Branch>& branches);
// A double click knows the rows and the arrows only.
MainHit hitMainDoubleClick(QPoint point, const MainScreenState& state,
                           const groups::GroupData& groups,
                           const std::vector<records::Branch>& branches);
// The position of the first branch box containing the point, or -1.
int hitBranch(QPoint point, const std::vector<records::Branch>& branches);

} // namespace parvela::app
