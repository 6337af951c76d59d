#include "app/GroupDialogOpener.h"

#include "app/CatalogData.h"
#include "groups/GroupDialogFlows.h"
#include "groups/SetMenuDialog.h"
#include "platform/WindowMessages.h"

#include <QCoreApplication>
#include <QWidget>

namespace parvela::app {

namespace {

void redraw(QWidget* window) {
    if (!window)
        return;
    QEvent redrawNow(platform::msg::eventType(platform::msg::kRedrawNow));
    QCoreApplication::sendEvent(window, &redrawNow);
}

} // namespace

groups::GroupDialogContext GroupDialogOpener::context(QWidget* owner) {
    return {m_catalog.groups(),
            m_catalog.runner(),
            m_boxes,
            owner,
            [owner] { redraw(owner); },
            [this] {
                if (m_readProductsLater)
                    m_readProductsLater();
            }};
}

void GroupDialogOpener::addGroup(GroupLevel level, QWidget* owner) {
    groups::runAddGroupDialog(level, context(owner), owner);
    redraw(owner);
}

void GroupDialogOpener::editGroup(GroupLevel level, QWidget* owner) {
    groups::runEditGroupDialog(level, context(owner), m_colours, owner);
    redraw(owner);
}

void GroupDialogOpener::setMenu(int courses, QWidget* owner) {
    groups::SetMenuDialog dialog(courses, m_catalog.runner(), m_catalog.groups().allGroupB(),
                                 m_boxes, owner);
    dialog.exec();
    redraw(owner);
}

} // namespace parvela::app
