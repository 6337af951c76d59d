#include "app/CatalogueGate.h"

#include "app/CatalogueCheckRun.h"
#include "platform/MessageBoxes.h"

namespace parvela::app {

QString errorsQuestion(int errors) {
    return QStringLiteral("Katalog Kontrolü %1 hata buldu; bunlar kasalara, terazilere ve "
                          "şubelere de gider.\n\"Katalog Kontrolü\" düğmesi hepsini listeler.\n\n"
                          "Yine de devam edilsin mi?")
        .arg(errors);
}

QString errorsNotice(int errors, bool stopping) {
    return QStringLiteral("Katalog Kontrolü %1 hata buldu (parvela-yonetim lint listeler); %2")
        .arg(errors)
        .arg(stopping ? QStringLiteral("--stop-on-errors: durduruldu.")
                      : QStringLiteral("devam ediliyor."));
}

bool CatalogueGate::goOn(const QString& caption, QObject* owner) const {
    const int errors = catalogueErrorsNow(m_catalog, m_machine);
    if (errors == 0)
        return true;
    platform::BoxRequest box;
    box.text = errorsQuestion(errors);
    box.caption = caption;
    box.icon = platform::BoxIcon::Question;
    box.buttons = platform::BoxButtons::YesNo;
    box.defaultAnswer = platform::BoxAnswer::Yes;
    box.owner = owner;
    return m_boxes.show(box) == platform::BoxAnswer::Yes;
}

} // namespace parvela::app
