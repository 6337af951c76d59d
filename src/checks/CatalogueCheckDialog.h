#pragma once

#include "checks/CatalogueCheck.h"

#include <QDialog>
#include <functional>
#include <optional>

class QLabel;
class QTreeWidget;

namespace parvela::checks {

// "Katalog Kontrolü": the findings, errors first, each with what to do;
// "Yenile" checks again after the manager has mended something.
class CatalogueCheckDialog : public QDialog {
public:
    // Runs the check; nothing when a read failed (it said so).
    using Run = std::function<std::optional<std::vector<Finding>>()>;

    CatalogueCheckDialog(Run run, QWidget* owner);

private:
    void refresh();
    void showDetail();

    Run m_run;
    QTreeWidget* m_list;
    // The picked finding in full: the list's columns cut long texts.
    QLabel* m_detail;
    QLabel* m_counts;
};

} // namespace parvela::checks
