#include "platform/BulkChangeBoxes.h"

#include "platform/MessageBoxes.h"

namespace parvela::platform {

bool askBeforeChange(MessageBoxes& boxes, const QString& text, const QString& caption,
                     QObject* owner) {
    BoxRequest question;
    question.text = text;
    question.caption = caption;
    question.icon = BoxIcon::Question;
    question.buttons = BoxButtons::YesNo;
    question.defaultAnswer = BoxAnswer::No;
    question.owner = owner;
    return boxes.show(question) == BoxAnswer::Yes;
}

bool confirmBulkChange(MessageBoxes& boxes, const QString& command, std::size_t products,
                       QObject* owner) {
    return askBeforeChange(boxes,
                           QStringLiteral("%1: %2 ürün değişecek.\nDevam etmek istiyor musunuz?")
                               .arg(command)
                               .arg(products),
                           command, owner);
}

void tellBulkChanged(MessageBoxes& boxes, const QString& command, std::uint64_t products,
                     QObject* owner) {
    boxes.tell(QStringLiteral("%1: %2 ürün değişti.").arg(command).arg(products), command,
               BoxIcon::Information, owner);
}

void tellBulkCancelled(MessageBoxes& boxes, const QString& command, QObject* owner) {
    boxes.tell(QStringLiteral("%1: iptal edildi, hiçbir ürün değişmedi.").arg(command), command,
               BoxIcon::Information, owner);
}

} // namespace parvela::platform
