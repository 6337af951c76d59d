#pragma once

#include "publishing/CataloguePublish.h"
#include "publishing/PagePublish.h"
#include "publishing/WebUpload.h"

#include <optional>

namespace parvela::platform {
class MachineInfo;
class Settings;
} // namespace parvela::platform

// What the publishing commands of the window and of the command line take
// from the program's lists and settings.
namespace parvela::app {

class CatalogData;

// The groups read again from the server, with the products, recipe lines and
// company as they are in memory; nothing when a group read failed (reported).
std::optional<publishing::CatalogueSnapshot> catalogueSnapshot(CatalogData& catalog);

// Group B by id and the pictures read again, with the products in memory;
// nothing when a read failed (reported).
std::optional<publishing::MenuContent> menuContentOf(CatalogData& catalog);
// The same without the pictures, which a worker reads; nothing when the
// group read failed (reported).
std::optional<publishing::MenuContent> menuContentWithoutPictures(CatalogData& catalog);

// Where a run writes and, unless only writing, the server it uploads to.
struct PublishTargetParts {
    QString dataRoot;
    QString transferFolder;
    std::optional<publishing::WebServer> server;

    publishing::PublishTarget target() const {
        return {dataRoot, transferFolder, server ? &*server : nullptr};
    }
};

PublishTargetParts publishTargetOf(const platform::MachineInfo& machine,
                                   const platform::Settings& settings, bool upload);

} // namespace parvela::app
