#pragma once

#include "app/MainFeatures.h"

#include <QString>

namespace parvela::platform {
class BackgroundJobs;
class MessageBoxes;
} // namespace parvela::platform

namespace parvela::app {

class CatalogData;

// "YemekSepeti Menü" (a sheet read, previewed, then inserted on a worker
// behind a progress dialog) and "Excel'e Aktar" (the catalogue written in
// the platform's table in the documents folder).
class SheetFeatures : public SheetCommands {
public:
    struct Parts {
        CatalogData& catalog;
        platform::MessageBoxes& boxes;
        platform::BackgroundJobs& jobs;
    };

    explicit SheetFeatures(Parts parts)
        : m_parts(parts) {}

    void importDeliveryMenu(QWidget* owner) override;
    void exportDeliverySheet(QWidget* owner) override;

private:
    Parts m_parts;
    // Where the open-file dialog starts next time.
    QString m_lastFolder;
};

} // namespace parvela::app
