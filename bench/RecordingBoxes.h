#pragma once

#include "platform/MessageBoxes.h"

#include <QStringList>

namespace parvela::bench {

// The load under measurement should never show a box: each one is printed
// at once and kept, so that the run can be failed.
class RecordingBoxes : public platform::MessageBoxes {
public:
    platform::BoxAnswer show(const platform::BoxRequest& request) override;

    bool empty() const { return m_shown.isEmpty(); }
    const QStringList& shown() const { return m_shown; }

private:
    QStringList m_shown;
};

} // namespace parvela::bench
