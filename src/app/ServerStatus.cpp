#include "app/ServerStatus.h"

#include "db/DbConnection.h"

namespace parvela::app {

QString serverStatusText(const db::DbConnection& connection) {
    const std::string host = connection.host();
    if (host.empty())
        return {};
    QString text = QStringLiteral("Sunucu: ") + QString::fromStdString(host);
    const std::string left = connection.hostLeftBehind();
    if (!left.empty())
        text += QStringLiteral(" (%1 yanıt vermedi)").arg(QString::fromStdString(left));
    return text;
}

} // namespace parvela::app
