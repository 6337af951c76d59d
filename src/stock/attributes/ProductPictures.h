#pragma once

#include "records/StockDefinition.h"

#include <QString>
#include <vector>

class QObject;

namespace parvela::db {
class StatementRunner;
}
namespace parvela::platform {
class MachineInfo;
class MessageBoxes;
} // namespace parvela::platform

// "Resmi" and "Resmi Sil": the picture the tills and the digital menu show
// for a product, copied into their folders and named in table images.
namespace parvela::stock {

struct PictureStore {
    const db::StatementRunner& runner;
    platform::MessageBoxes& boxes;
    const platform::MachineInfo& machine;
    QObject* owner = nullptr;
};

// The text after the path's last "."; empty without one.
QString extensionOf(const QString& path);
// <images folder>/stok_<code>.<extension>
QString storedPicturePath(const platform::MachineInfo& machine, StockCode code,
                          const QString& extension);

// Copies `chosen` into the images folder, then into the digital menu's,
// and names it in images; the record's imagePath becomes `chosen`. A file
// that is no picture, or one that could not be copied into the images
// folder, is refused with a box and nothing is written. False when nothing
// was stored.
bool storePicture(const PictureStore& store, StockDefinition& product, const QString& chosen);

// Deletes the product's picture rows (the files stay) and takes its path
// from the picture list read again.
void deletePicture(const db::StatementRunner& runner, StockDefinition& product);

} // namespace parvela::stock
