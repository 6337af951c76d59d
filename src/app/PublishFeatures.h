#pragma once

#include "app/MainFeatures.h"

#include <memory>

namespace parvela::platform {
class BackgroundJobs;
class MachineInfo;
class MessageBoxes;
class Settings;
} // namespace parvela::platform

namespace parvela::publishing {
class PublishLock;
}

namespace parvela::app {

class ActiveUser;
class CatalogData;
class CatalogueGate;

// "Şubelere Gönder" (transfer files and their upload, on a worker behind a
// progress dialog), "Menüyü Oluştur" and F1 (the digital menu, uploaded by
// the first), "DışaVer Tartılan" (the price list on the desktop).
class PublishFeatures : public PublishCommands {
public:
    struct Parts {
        CatalogData& catalog;
        platform::MessageBoxes& boxes;
        platform::BackgroundJobs& jobs;
        const platform::MachineInfo& machine;
        const platform::Settings& settings;
        const ActiveUser& user;
        const CatalogueGate& gate;
    };

    explicit PublishFeatures(Parts parts)
        : m_parts(parts) {}

    void sendToBranches(QWidget* owner) override;
    void writeDigitalMenu(QWidget* owner) override;
    void writeAndUploadMenu(QWidget* owner) override;
    void writeWeighedPriceList(const stock::ProductList& listed, QWidget* owner) override;
    void showHistory(QWidget* owner) override;

private:
    std::shared_ptr<publishing::PublishLock> lockForRun(const QString& caption, QWidget* owner);
    void runMenu(bool upload, QWidget* owner);

    Parts m_parts;
};

} // namespace parvela::app
