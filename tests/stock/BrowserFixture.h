#pragma once

#include "CatalogFixtures.h"
#include "DatabaseTest.h"
#include "TestSettings.h"
#include "app/CatalogData.h"
#include "app/CatalogueGate.h"
#include "app/LabelFeatures.h"
#include "app/StartupLoad.h"
#include "db/StatementJournal.h"
#include "labels/BarcodeAllocator.h"
#include "labels/LabelPrinter.h"
#include "labels/PrintSpooler.h"
#include "platform/BackgroundJobs.h"
#include "platform/MachineInfo.h"
#include "platform/ProgramMessenger.h"
#include "stock/browser/ProductFilters.h"
#include "stock/browser/StockBrowserHitTest.h"
#include "stock/catalogue/NotBuiltStockFeatures.h"
#include "stock/catalogue/StockContext.h"
#include "stock/catalogue/StockWindows.h"
#include "stock/editor/StockEditorSave.h"

#include <QPoint>
#include <QTemporaryDir>

namespace parvela::test {

// The editor windows as the stock window sees them: it only asks for them.
class OpenedWindows : public stock::StockWindows {
public:
    void openNewProduct(QWidget*) override { ++newProduct; }
    void openEditProduct(const stock::StockDefinition& current, QWidget*) override {
        ++editProduct;
        editedCode = current.stcode;
    }

    int newProduct = 0;
    int editProduct = 0;
    stock::StockCode editedCode = 0;
};

inline QPoint centreOf(const records::Rect& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// Reads the groups, the side lists and the products into `catalog`, as the
// program does at start-up.
inline void readCatalog(app::CatalogData& catalog) {
    catalog.groups().readGroupA();
    catalog.groups().readGroupB();
    catalog.groups().readGroupC();
    catalog.groups().resetScreenA();
    catalog.groups().resetScreenB();
    catalog.groups().resetScreenC();
    catalog.readProductSideLists();
    catalog.readProducts();
}

// What the program hands the stock windows, built on a catalog of the test
// server; the features still to come answer with the "not built yet" box.
class StockTestBase : public DatabaseTest {
protected:
    // The reads a change starts in the background write to the journals of
    // the tests: they end before those go, as the program ends them before
    // its data.
    void TearDown() override {
        m_jobs.shutdown();
        m_catalog.runner().setJournal(nullptr);
        DatabaseTest::TearDown();
    }

    std::vector<stock::StockCode> displayedCodes() const {
        std::vector<stock::StockCode> codes;
        for (const stock::BrowserRow& row : m_browser.displayed)
            codes.push_back(m_browser.shown->products[row.product].stcode);
        return codes;
    }
    // The product as the newest catalogue holds it, kept alive for the caller.
    stock::ProductPtr product(stock::StockCode code) const {
        return m_catalog.current()->shared(code);
    }
    // The edit window's own copy of the product, as the editor opens it.
    stock::EditedProduct edit(stock::StockCode code) {
        const stock::ProductPtr found = product(code);
        if (found == nullptr)
            ADD_FAILURE() << "no product " << code;
        return stock::openForEdit(m_context, found ? *found : stock::StockDefinition{});
    }

    TestSettings m_settings;
    app::CatalogData m_catalog{m_settings, m_boxes};
    platform::ProgramMessenger m_messenger{100};
    platform::BackgroundJobs m_jobs{m_boxes};
    stock::StockContext m_context = m_catalog.stockContext(m_boxes, m_messenger, m_jobs);
    stock::NotBuiltStockFeatures m_notBuilt{m_boxes};
    stock::StockBrowserState m_browser;
    OpenedWindows m_windows;
};

// The stock editor over the demo restaurant, its statements journalled;
// `withBarcodes()` draws barcodes as the program does.
class EditorTestBase : public StockTestBase {
protected:
    void SetUp() override {
        StockTestBase::SetUp();
        loadDemoRestaurant();
        app::loadSharedLists(m_catalog);
        m_catalog.runner().setJournal(&m_journal);
        m_boxes.clear();
    }
    stock::StockFeatures withBarcodes() {
        const stock::StockFeatures rest = m_notBuilt.features();
        return {rest.recipes, rest.groups, rest.ordering, m_labels, rest.attributes};
    }

    db::StatementJournal m_journal;
    labels::BarcodeAllocator m_allocator{m_catalog.runner(), m_boxes};
    // A spooler address where nothing answers: the label dialog cannot open.
    labels::PrintSpooler m_spooler{QStringLiteral("127.0.0.1:9")};
    labels::LabelPrinter m_labelPrinter{m_catalog.runner(), m_spooler, m_boxes};
    QTemporaryDir m_root;
    platform::MachineInfo m_machine{QStringLiteral("KASA1"), m_root.path()};
    app::CatalogueGate m_gate{m_catalog, m_machine, m_boxes};
    app::LabelFeatures m_labels{m_allocator, m_labelPrinter, m_boxes, m_gate};
};

} // namespace parvela::test
