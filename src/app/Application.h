#pragma once

#include "app/ActiveUser.h"
#include "app/CatalogData.h"
#include "app/CatalogueGate.h"
#include "app/CheckFeatures.h"
#include "app/GroupDialogOpener.h"
#include "app/LabelFeatures.h"
#include "app/OrderingFeatures.h"
#include "app/PublishFeatures.h"
#include "app/RecipeFeatures.h"
#include "app/ScaleFeatures.h"
#include "app/SheetFeatures.h"
#include "labels/BarcodeAllocator.h"
#include "labels/LabelPrinter.h"
#include "labels/PrintSpooler.h"
#include "platform/BackgroundJobs.h"
#include "platform/MachineInfo.h"
#include "platform/ProgramMessenger.h"
#include "platform/Settings.h"
#include "stock/attributes/StockAttributeWindows.h"
#include "stock/catalogue/StockContext.h"
#include "stock/groupsettings/StockGroupWindows.h"

#include <memory>
#include <optional>

namespace parvela::platform {
class MessageBoxes;
}

namespace parvela::app {

class LoginPrompt;
class MainWindow;

// Owns the data owners for the life of the program and hands them down.
class Application {
public:
    static constexpr int kLoginCancelled = 1;
    static constexpr int kNoMainWindow = 0;

    explicit Application(platform::MessageBoxes& boxes);
    ~Application();

    // Logs in, loads the shared lists and shows the main window maximised.
    // Returns the exit code when the program must end instead of running.
    std::optional<int> start(LoginPrompt& prompt);

    platform::Settings& settings() { return m_settings; }
    const platform::MachineInfo& machine() const { return m_machine; }
    ActiveUser& user() { return m_user; }
    CatalogData& catalog() { return m_catalog; }
    stock::StockContext& stockContext() { return m_stockContext; }
    platform::BackgroundJobs& jobs() { return m_jobs; }
    labels::BarcodeAllocator& barcodes() { return m_barcodes; }
    MainWindow* mainWindow() const { return m_mainWindow.get(); }
    // What the stock windows open: recipes, groups, orders, labels and the
    // product's attributes.
    stock::StockFeatures stockFeatures();

private:
    platform::Settings m_settings;
    platform::MessageBoxes& m_boxes;
    platform::MachineInfo m_machine;
    platform::ProgramMessenger m_messenger;
    ActiveUser m_user;
    CatalogData m_catalog;
    // After the catalog: the jobs end before the lists and the runner they use.
    platform::BackgroundJobs m_jobs;
    stock::StockContext m_stockContext;
    // The stock editor's, for the whole run.
    labels::BarcodeAllocator m_barcodes;
    labels::PrintSpooler m_spooler;
    // The label dialog's layout, printer and allocator, for the whole run.
    labels::LabelPrinter m_labelPrinter;
    CatalogueGate m_gate;
    LabelFeatures m_labels;
    stock::StockGroupWindows m_stockGroups;
    stock::StockAttributeWindows m_stockAttributes;
    RecipeFeatures m_recipes;
    OrderingFeatures m_ordering;
    GroupDialogOpener m_groupDialogs;
    ScaleFeatures m_scales;
    PublishFeatures m_publish;
    SheetFeatures m_sheets;
    CheckFeatures m_checks;
    std::unique_ptr<MainWindow> m_mainWindow;
};

} // namespace parvela::app
