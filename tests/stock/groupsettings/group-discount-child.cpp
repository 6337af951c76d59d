// Gives every product of Group B <bcode> the discount <percent>, as "Set"
// of "Grup/Menü Ayarları" does, answering "Evet": a child the test kills
// in the middle.

#include "ScriptedMessageBoxes.h"
#include "TestSettings.h"
#include "app/CatalogData.h"
#include "app/StartupLoad.h"
#include "platform/BackgroundJobs.h"
#include "platform/ProgramMessenger.h"
#include "stock/groupsettings/GroupSettings.h"

#include <QCoreApplication>
#include <QStringList>

using namespace parvela;

int main(int argc, char** argv) {
    const QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3)
        return 2;
    test::TestSettings settings;
    test::ScriptedMessageBoxes boxes;
    app::CatalogData catalog(settings, boxes);
    app::loadSharedLists(catalog);
    platform::ProgramMessenger messenger(100);
    platform::BackgroundJobs jobs(boxes);
    stock::StockContext context = catalog.stockContext(boxes, messenger, jobs);
    context.rereadProductsLater = nullptr;
    groups::GroupC& group = catalog.groupContext();
    group.levelMark = 2;
    group.bcode = arguments[1].toInt();
    stock::GroupSettings groupSettings(context, nullptr);
    boxes.queueAnswer(platform::BoxAnswer::Yes);
    groupSettings.setDiscount(arguments[2], nullptr);
    jobs.shutdown();
    return boxes.captions().contains(QStringLiteral("IDC_BUTTON_ISKON_ATA")) ? 0 : 1;
}
