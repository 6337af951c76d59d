#pragma once

#include "stock/StockEditorControls.h"
#include "stock/StockEditorSave.h"

#include <QWidget>
#include <memory>

namespace parvela::app {
class CatalogData;
}

namespace parvela::stock {

// The product editor, window class "mdiclient2": "Yeni Stok Tanımı" for a
// new product, "Stok Tanımı Düzenleniyor" for the current one. Works on the
// catalog's current product.
class StockEditorWindow : public QWidget {
    Q_OBJECT
public:
    enum class Mode { New, Edit };

    static constexpr int kWidth = 920;
    static constexpr int kHeight = 685;

    // Sets the current product up for a new one and opens the window.
    static StockEditorWindow* openNew(app::CatalogData& catalog, platform::MessageBoxes& boxes,
                                      const platform::ProgramMessenger& messenger, QWidget* owner,
                                      std::function<void()> reapplyFilter = {});
    // The edit window for the current product; nullptr, after the box that
    // says so, when there is none.
    static StockEditorWindow* openEdit(app::CatalogData& catalog, platform::MessageBoxes& boxes,
                                       const platform::ProgramMessenger& messenger, QWidget* owner,
                                       std::function<void()> reapplyFilter = {});

    // The window for the current product as it is; the openers above prepare it.
    StockEditorWindow(Mode mode, app::CatalogData& catalog, platform::MessageBoxes& boxes,
                      const platform::ProgramMessenger& messenger, QWidget* owner,
                      std::function<void()> reapplyFilter = {});

    Mode mode() const { return m_mode; }
    StockEditorControls& controls() { return m_controls; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void connectButtons();
    void save();
    void saveEditedProduct();
    void saveNewProduct();
    void renew(bool finishedSeries);
    void chooseColour(bool back);
    void postToOwner(int message);
    void postToSelf(int message);
    void notBuiltYet(const QString& caption);

    Mode m_mode;
    app::CatalogData& m_catalog;
    platform::MessageBoxes& m_boxes;
    EditorContext m_context;
    StockEditorControls m_controls;
};

} // namespace parvela::stock
