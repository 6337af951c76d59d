#include "platform/MachineInfo.h"
#include "publishing/TransferFiles.h"

#include <QDir>

namespace parvela::publishing {

int makeTransferFolder(const QString& dataRoot) {
    const platform::MachineInfo machine(QString(), dataRoot);
    if (!QDir().mkpath(machine.orvantaFolder()))
        return -1;
    if (!QDir().mkpath(machine.transferFolder()))
        return -2;
    return 0;
}

} // namespace parvela::publishing
