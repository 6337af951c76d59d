#pragma once

#include "stock/catalogue/StockFeatures.h"

#include <functional>

namespace parvela::platform {
class MachineInfo;
}

namespace parvela::stock {

struct StockContext;

// The editor's attribute dialogs, each on the editor's own copy of its
// product.
class StockAttributeWindows : public AttributeWindows {
public:
    // Asks for a picture file; empty when none was chosen.
    using FileChooser = std::function<QString(QWidget* owner)>;

    StockAttributeWindows(StockContext& context, const platform::MachineInfo& machine,
                          FileChooser chooseFile = {});

    void priceTimes(EditedProduct& product, const QString& typedPrice, QWidget* owner) override;
    void sizes(EditedProduct& product, QWidget* owner) override;
    void region(EditedProduct& product, QWidget* owner) override;
    void notes(EditedProduct& product, QWidget* owner) override;
    void gameParameters(EditedProduct& product, QWidget* owner) override;
    void choosePicture(EditedProduct& product, QWidget* owner) override;
    void deletePicture(EditedProduct& product, QWidget* owner) override;

private:
    StockContext& m_context;
    const platform::MachineInfo& m_machine;
    FileChooser m_chooseFile;
};

} // namespace parvela::stock
