#include "platform/QtMessageBoxes.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>

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

// More lines than this would push a plain box off the screen.
constexpr qsizetype kPlainBoxLines = 20;

bool needsScrolling(const BoxRequest& request) {
    return request.buttons == BoxButtons::Ok && request.text.count(u'\n') > kPlainBoxLines;
}

// A long report: the text scrolls inside a box that fits 1024×768.
BoxAnswer showScrolling(const BoxRequest& request) {
    QDialog box(qobject_cast<QWidget*>(request.owner));
    box.setWindowTitle(request.caption);
    auto* text = new QPlainTextEdit(
        QString(request.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")), &box);
    text->setObjectName(QStringLiteral("boxText"));
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &box);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Tamam"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    auto* column = new QVBoxLayout(&box);
    column->addWidget(text);
    column->addWidget(buttons);
    box.resize(720, 560);
    if (request.topmost)
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
    return BoxAnswer::Ok;
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
    if (needsScrolling(request))
        return showScrolling(request);
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
