#include "app/ArrowPictures.h"

#include "platform/MachineInfo.h"

#include <QtGlobal>

// The program's own pictures live in a static library, so their registration
// must be asked for by name.
static void registerProgramPictures() {
    Q_INIT_RESOURCE(resources);
}

namespace parvela::app {

namespace {

QImage picture(const platform::MachineInfo& machine, const QString& name) {
    QImage image(machine.iconsFolder() + u'/' + name);
    if (image.isNull())
        image.load(QStringLiteral(":/icons/") + name);
    return image;
}

} // namespace

ArrowPictures loadArrowPictures(const platform::MachineInfo& machine) {
    registerProgramPictures();
    return {picture(machine, QStringLiteral("upw.png")),
            picture(machine, QStringLiteral("downw.png"))};
}

} // namespace parvela::app
