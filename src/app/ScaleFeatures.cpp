#include "app/ScaleFeatures.h"

#include "app/CatalogData.h"
#include "app/CatalogueGate.h"
#include "platform/BackgroundJobs.h"
#include "platform/JobProgressDialog.h"
#include "platform/MachineInfo.h"
#include "scales/PluTransfer.h"
#include "scales/ScaleDialog.h"
#include "scales/ScaleSender.h"

#include <QWidget>

namespace parvela::app {

void ScaleFeatures::defineScales(QWidget* owner) {
    scales::ScaleStore& store = m_parts.catalog.scaleStore();
    scales::ScaleDialog dialog(
        store.addresses(),
        [this, &store](const std::vector<QString>& typed) {
            store.save(m_parts.catalog.runner(), m_parts.boxes, typed);
            return store.addresses();
        },
        owner);
    dialog.exec();
}

void ScaleFeatures::sendToScales(QWidget* owner) {
    if (!m_parts.gate.goOn(QStringLiteral("Teraziye Gönder"), owner))
        return;
    const scales::ScaleStore& store = m_parts.catalog.scaleStore();
    const stock::CatalogueRef catalogue = m_parts.catalog.current();
    std::optional<std::string> bytes = scales::writePluList(
        store, catalogue->weighed, m_parts.machine.scalePluFile(), m_parts.boxes, owner);
    if (!bytes)
        return;
    // The panel lives in the window; once it is gone the steps go nowhere.
    auto panel = platform::mailboxOf(owner);
    m_parts.jobs.start(
        [bytes = std::move(*bytes), scaleList = store.scales(),
         options = scales::sendOptionsOf(m_parts.settings), panel](platform::JobReport& report) {
            scales::deliverAndReport(
                bytes, scaleList, options, [panel](int message) { panel->post(message, 0); },
                report.boxes(), [&report] { return report.cancelled(); });
        },
        std::make_shared<platform::JobMailbox>(nullptr));
}

} // namespace parvela::app
