#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <vector>

class QLineEdit;

namespace parvela::scales {

// "TERAZI_TANIM" (148): the addresses of two scales. OK hands both edits to
// `save`, which stores them and answers the addresses read back; Cancel
// changes nothing.
class ScaleDialog : public QDialog {
    Q_OBJECT
public:
    using Save = std::function<std::vector<QString>(const std::vector<QString>& typed)>;

    ScaleDialog(const std::vector<QString>& addresses, Save save, QWidget* owner);

private:
    void fill(const std::vector<QString>& addresses);

    Save m_save;
    QLineEdit* m_first;
    QLineEdit* m_second;
};

} // namespace parvela::scales
