#include "platform/QtMessageBoxes.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>

namespace parvela::platform {

namespace {

QMessageBox::Icon iconOf(BoxIcon icon) {
    switch (icon) {
    case BoxIcon::Information:
        return QMessageBox::Information;
    case BoxIcon::Exclamation:
        return QMessageBox::Warning;
    case BoxIcon::Error:
        return QMessageBox::Critical;
    case BoxIcon::Question:
        return QMessageBox::Question;
    case BoxIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

struct ButtonSet {
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton first;
};

ButtonSet buttonsOf(BoxButtons buttons) {
    switch (buttons) {
    case BoxButtons::OkCancel:
        return {QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok};
    case BoxButtons::YesNo:
        return {QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes};
    case BoxButtons::YesNoCancel:
        return {QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes};
    case BoxButtons::Ok:
        break;
    }
    return {QMessageBox::Ok, QMessageBox::Ok};
}

QMessageBox::StandardButton standardButtonOf(BoxAnswer answer) {
    switch (answer) {
    case BoxAnswer::Cancel:
        return QMessageBox::Cancel;
    case BoxAnswer::Yes:
        return QMessageBox::Yes;
    case BoxAnswer::No:
        return QMessageBox::No;
    case BoxAnswer::Ok:
        break;
    }
    return QMessageBox::Ok;
}

BoxAnswer answerOf(int button, BoxButtons buttons) {
    switch (button) {
    case QMessageBox::Yes:
        return BoxAnswer::Yes;
    case QMessageBox::No:
        return BoxAnswer::No;
    case QMessageBox::Cancel:
        return BoxAnswer::Cancel;
    case QMessageBox::Ok:
        return BoxAnswer::Ok;
    default:
        // Closed without a button: the escape answer of the box.
        return escapeAnswerOf(buttons);
    }
}

} // namespace

BoxAnswer QtMessageBoxes::show(const BoxRequest& request) {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || QThread::currentThread() == app->thread())
        return showHere(request);
    BoxAnswer answer = BoxAnswer::Cancel;
    QMetaObject::invokeMethod(
        app, [&] { answer = showHere(request); }, Qt::BlockingQueuedConnection);
    return answer;
}

BoxAnswer QtMessageBoxes::showHere(const BoxRequest& request) {
    const ButtonSet set = buttonsOf(request.buttons);
    QMessageBox box(iconOf(request.icon), request.caption, request.text, set.buttons,
                    qobject_cast<QWidget*>(request.owner));
    box.setDefaultButton(request.defaultAnswer ? standardButtonOf(*request.defaultAnswer)
                                               : set.first);
    // The manager reads Turkish, whatever language the system speaks.
    const std::pair<QMessageBox::StandardButton, const char*> captions[] = {
        {QMessageBox::Ok, "Tamam"},
        {QMessageBox::Cancel, "İptal"},
        {QMessageBox::Yes, "Evet"},
        {QMessageBox::No, "Hayır"}};
    for (const auto& [which, caption] : captions) {
        if (QAbstractButton* button = box.button(which))
            button->setText(QString::fromUtf8(caption));
    }
    if (request.topmost)
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    return answerOf(box.exec(), request.buttons);
}

} // namespace parvela::platform
