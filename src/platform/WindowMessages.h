#pragma once

#include <QEvent>

// Message numbers the windows of the suite exchange. They keep the values
// the other programs send and expect, and serve directly as event types.
namespace parvela::platform::msg {

// Main window.
inline constexpr int kRedrawNow = 1056;
inline constexpr int kScaleBusy = 1057;
inline constexpr int kScaleIdle = 1058;
inline constexpr int kScaleItemSent = 1059;
inline constexpr int kStartBranchTransfer = 1075;
inline constexpr int kBringToFront = 1153;
// Ours only: a publishing run of the catalogue ended; its value is 1 when it
// succeeded.
inline constexpr int kCataloguePublished = 1090;
// Ours only: a menu sheet was read (value: its rows), and its products were
// inserted (value: how many).
inline constexpr int kSheetRead = 1091;
inline constexpr int kSheetImported = 1092;

// Stock browser.
inline constexpr int kStockListChanged = 1057;
inline constexpr int kCurrentStockChanged = 1058;
inline constexpr int kStockRedrawAll = 1059;

// Stock editor and the windows around it.
inline constexpr int kProgressStep = 0x401;
inline constexpr int kProgressRange = 0x404;
inline constexpr int kEditorSaved = 0x420;
// The editor repaints its labels; the stock browser takes it after a save.
inline constexpr int kEditorRepaintLabels = 0x421;
inline constexpr int kCodeRenewed = 0x422;
inline constexpr int kEditorRepaintAll = 0x423;
inline constexpr int kEditorShowCode = 0x465;
inline constexpr int kEditorNewBarcode = 0x467;
inline constexpr int kEditorBarcodeButton = 0x468;
inline constexpr int kEditorBarcode869 = 0x489;

// Group dialogs 130-132: empty the name and untick the type for the next group.
inline constexpr int kGroupFormClear = 1080;

// To other programs, by the title of their main window.
inline constexpr int kStockSaved = 4377;
inline constexpr int kDataReloaded = 1109;
inline constexpr const char* kRestaurantProgram = "yonetim_rest";
inline constexpr const char* kMobileServer = "Android_Server";

// The main window's messages another program may send it: its own jobs'
// messages carry a value and never come from outside.
inline constexpr bool acceptedFromOtherPrograms(int message) {
    switch (message) {
    case kRedrawNow:
    case kScaleBusy:
    case kScaleIdle:
    case kScaleItemSent:
    case kStartBranchTransfer:
    case kBringToFront:
        return true;
    default:
        return false;
    }
}

inline QEvent::Type eventType(int message) {
    return static_cast<QEvent::Type>(message);
}

} // namespace parvela::platform::msg
