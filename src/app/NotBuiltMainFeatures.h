#pragma once

#include "app/MainFeatures.h"

namespace parvela::platform {
class MessageBoxes;
}

namespace parvela::app {

// Every command of the main window whose feature is still to be built: each
// shows the "not built yet" box captioned with the command.
class NotBuiltMainFeatures : public OrderingWindows, public ScaleCommands, public PublishCommands {
public:
    explicit NotBuiltMainFeatures(platform::MessageBoxes& boxes)
        : m_boxes(boxes) {}

    QWidget* openMenuOrdering(QWidget* owner) override;
    QWidget* openProductOrdering(QWidget* owner) override;
    void defineScales(QWidget* owner) override;
    void sendToScales(QWidget* owner) override;
    void sendToBranches(QWidget* owner) override;
    void writeDigitalMenu(QWidget* owner) override;
    void writeAndUploadMenu(QWidget* owner) override;
    void writeWeighedPriceList(const std::vector<stock::StockDefinition>& listed,
                               QWidget* owner) override;
    void importDeliveryMenu(QWidget* owner) override;
    void showHistory(QWidget* owner) override;

private:
    void tell(const char* caption, QWidget* owner);

    platform::MessageBoxes& m_boxes;
};

} // namespace parvela::app
