#pragma once

#include "app/MainFeatures.h"

namespace parvela::platform {
class BackgroundJobs;
class MachineInfo;
class MessageBoxes;
class Settings;
} // namespace parvela::platform

namespace parvela::app {

class CatalogData;
class CatalogueGate;

// "Teraziler" edits the scales' addresses; "Teraziye Gönder" writes the PLU
// file and delivers it to the scales on a worker, the main window showing
// the progress.
class ScaleFeatures : public ScaleCommands {
public:
    struct Parts {
        CatalogData& catalog;
        platform::MessageBoxes& boxes;
        platform::BackgroundJobs& jobs;
        const platform::MachineInfo& machine;
        const platform::Settings& settings;
        const CatalogueGate& gate;
    };

    explicit ScaleFeatures(Parts parts)
        : m_parts(parts) {}

    void defineScales(QWidget* owner) override;
    void sendToScales(QWidget* owner) override;

private:
    Parts m_parts;
};

} // namespace parvela::app
