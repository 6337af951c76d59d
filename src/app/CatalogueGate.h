#pragma once

#include <QString>

class QObject;

namespace parvela::platform {
class MachineInfo;
class MessageBoxes;
} // namespace parvela::platform

namespace parvela::app {

class CatalogData;

// Before the catalogue goes out (to the branches, the scales, a label) the
// manager learns how many errors the catalogue check finds and chooses to go
// on or stop.
class CatalogueGate {
public:
    CatalogueGate(CatalogData& catalog, const platform::MachineInfo& machine,
                  platform::MessageBoxes& boxes)
        : m_catalog(catalog)
        , m_machine(machine)
        , m_boxes(boxes) {}

    // True to go on: no error, a check that could not read (it said so), or
    // the manager's "Evet". A run without a window goes on with the count
    // told.
    bool goOn(const QString& caption, QObject* owner = nullptr) const;

private:
    CatalogData& m_catalog;
    const platform::MachineInfo& m_machine;
    platform::MessageBoxes& m_boxes;
};

// The question, with the count.
QString errorsQuestion(int errors);
// What a run without a window says instead, on standard error.
QString errorsNotice(int errors, bool stopping);

} // namespace parvela::app
