#include "stock/attributes/PriceTimesDialog.h"

#include "platform/DialogParts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace parvela::stock {

namespace {

QLineEdit* hourEdit(const QString& name, const QString& hour, QWidget* parent) {
    auto* edit = new QLineEdit(hour, parent);
    edit->setObjectName(name);
    edit->setAlignment(Qt::AlignCenter);
    edit->setMaxLength(kHourDigits);
    edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    edit->setFixedWidth(60);
    return edit;
}

} // namespace

PriceTimesDialog::PriceTimesDialog(const QStringList& heading, const PriceTimeRows& rows, Save save,
                                   QWidget* owner)
    : QDialog(owner)
    , m_save(std::move(save)) {
    setObjectName(QStringLiteral("142"));
    setWindowTitle(QStringLiteral("ZAMAN ARALIGI"));
    auto* column = new QVBoxLayout(this);
    for (const QString& line : heading)
        column->addWidget(new QLabel(line, this));
    auto* grid = new QGridLayout;
    column->addLayout(grid);
    for (int day = 0; day < static_cast<int>(rows.size()); ++day)
        addRow(grid, day, rows[static_cast<std::size_t>(day)]);
    QPushButton* ok = platform::namedButton(QStringLiteral("OK"), "1", this);
    QPushButton* cancel = platform::namedButton(QStringLiteral("İptal"), "2", this);
    connect(ok, &QPushButton::clicked, this, [this] {
        if (m_save(this->rows()))
            accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    column->addLayout(platform::buttonRow({ok, cancel}));
}

void PriceTimesDialog::addRow(QGridLayout* grid, int day, const PriceTimeRow& row) {
    const auto index = static_cast<std::size_t>(day);
    const QString number = QString::number(day + 1);
    m_days[index] = new QComboBox(this);
    m_days[index]->setObjectName(QStringLiteral("day") + number);
    // The blank entry takes a day out of the window again.
    m_days[index]->addItem(QString());
    for (const char* name : kDayNames)
        m_days[index]->addItem(QString::fromUtf8(name));
    m_days[index]->setCurrentIndex(row.dayIndex + 1);
    m_starts[index] = hourEdit(QStringLiteral("start") + number, row.start, this);
    m_ends[index] = hourEdit(QStringLiteral("end") + number, row.end, this);
    grid->addWidget(m_days[index], day, 0);
    grid->addWidget(new QLabel(QStringLiteral("Saat :"), this), day, 1);
    grid->addWidget(m_starts[index], day, 2);
    grid->addWidget(new QLabel(QStringLiteral("ile"), this), day, 3);
    grid->addWidget(m_ends[index], day, 4);
    grid->addWidget(new QLabel(QStringLiteral("arası"), this), day, 5);
}

PriceTimeRows PriceTimesDialog::rows() const {
    PriceTimeRows rows;
    for (std::size_t d = 0; d < rows.size(); ++d)
        rows[d] = {m_days[d]->currentIndex() - 1, m_starts[d]->text(), m_ends[d]->text()};
    return rows;
}

} // namespace parvela::stock
