#pragma once

#include "stock/catalogue/EditedProduct.h"
#include "stock/catalogue/StockFeatures.h"
#include "stock/editor/StockEditorControls.h"
#include "stock/editor/StockEditorSave.h"

#include <QImage>
#include <QWidget>
#include <functional>

namespace parvela::stock {

struct StockContext;

// The product editor, window class "mdiclient2": "Yeni Stok Tanımı" for a
// new product, "Stok Tanımı Düzenleniyor" for an existing one. Each window
// works on its own copy of its product, whatever the stock window picks
// meanwhile.
class StockEditorWindow : public QWidget {
    Q_OBJECT
public:
    enum class Mode { New, Edit };

    static constexpr int kWidth = 920;
    static constexpr int kHeight = 685;

    // A new product under the groups selected on the main screen.
    static StockEditorWindow* openNew(StockContext& context, StockFeatures features, QWidget* owner,
                                      std::function<void()> reapplyFilter = {});
    // The edit window for a copy of `current`; nullptr, after the box that
    // says so, when there is none.
    static StockEditorWindow* openEdit(StockContext& context, StockFeatures features,
                                       const StockDefinition& current, QWidget* owner,
                                       std::function<void()> reapplyFilter = {});

    StockEditorWindow(Mode mode, EditedProduct edited, StockContext& context,
                      StockFeatures features, QWidget* owner,
                      std::function<void()> reapplyFilter = {});

    Mode mode() const { return m_mode; }
    StockEditorControls& controls() { return m_controls; }
    const EditedProduct& edited() const { return m_edited; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void connectButtons();
    void save();
    void saveEditedProduct();
    void saveNewProduct();
    void propagateCost();
    void renew(bool finishedSeries);
    void chooseColour(bool back);
    void printLabel();
    void drawBarcode(LabelActions::Barcode kind);
    void postToOwner(int message);
    void postToSelf(int message);
    const QImage& picture();

    Mode m_mode;
    StockContext& m_context;
    StockFeatures m_features;
    EditedProduct m_edited;
    EditorContext m_editor;
    StockEditorControls m_controls;
    QString m_picturePath;
    QImage m_picture;
};

} // namespace parvela::stock
