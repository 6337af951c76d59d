#include "groups/SetMenuDialog.h"

#include "db/TypedNumber.h"
#include "platform/DialogParts.h"

#include <QByteArray>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace parvela::groups {

namespace {

constexpr int kFirstCourseView = 2110;
constexpr int kFirstCourseSave = 1157;
constexpr int kFirstCourseReset = 1153;
constexpr int kCodeColumn = 2;

QPushButton* button(const QString& caption, int id, QWidget* parent) {
    return platform::namedButton(caption, QByteArray::number(id).constData(), parent);
}

} // namespace

SetMenuDialog::SetMenuDialog(int courses, const db::StatementRunner& runner,
                             const std::vector<GroupB>& allGroupB, platform::MessageBoxes& boxes,
                             QWidget* parent)
    : QDialog(parent)
    , m_menu(runner, courses)
    , m_allGroupB(allGroupB)
    , m_boxes(boxes) {
    const bool four = m_menu.courses() == 4;
    setObjectName(four ? QStringLiteral("151") : QStringLiteral("150"));
    setWindowTitle(four ? QStringLiteral("TABLEDOT_DORT") : QStringLiteral("TABLEDOT_UC"));
    auto* heading = new QLabel(four ? QStringLiteral("TABLEDOT DÖRT KAP YEMEK GRUPLARI")
                                    : QStringLiteral("TABLEDOT ÜÇ KAP YEMEK GRUPLARI"),
                               this);

    m_price = new QLineEdit(this);
    m_price->setObjectName(four ? QStringLiteral("1164") : QStringLiteral("1252"));
    m_price->setMaxLength(static_cast<int>(SetMenu::kPriceChars));
    QPushButton* savePriceButton =
        button(QStringLiteral("Fiyatı Kaydet"), four ? 1162 : 1161, this);
    connect(savePriceButton, &QPushButton::clicked, this, &SetMenuDialog::savePrice);
    auto* priceRow = new QHBoxLayout;
    priceRow->addWidget(new QLabel(QStringLiteral("Fiyat"), this));
    priceRow->addWidget(m_price);
    priceRow->addWidget(savePriceButton);
    priceRow->addStretch();

    auto* coursesRow = new QHBoxLayout;
    for (int number = 1; number <= m_menu.courses(); ++number)
        coursesRow->addWidget(buildCourse(number));

    QPushButton* closeButton = button(QStringLiteral("Kapat"), 2, this);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    auto* column = new QVBoxLayout(this);
    column->addWidget(heading);
    column->addLayout(priceRow);
    column->addLayout(coursesRow);
    column->addWidget(closeButton, 0, Qt::AlignRight);
    reread();
}

QWidget* SetMenuDialog::buildCourse(int number) {
    auto* box = new QWidget(this);
    auto* view = new QTreeWidget(box);
    view->setObjectName(QString::number(kFirstCourseView + number - 1));
    view->setRootIsDecorated(false);
    view->setSelectionMode(QAbstractItemView::MultiSelection);
    view->setHeaderLabels(
        {QString(), QStringLiteral("Id"), QStringLiteral("Kod"), QStringLiteral("Grup Adı")});
    // The marker and the numbers narrow, so the names show without scrolling;
    // four courses still fit a 1024-pixel screen.
    view->setColumnWidth(0, 22);
    view->setColumnWidth(1, 36);
    view->setColumnWidth(2, 60);
    view->setMinimumWidth(230);
    m_courseViews.push_back(view);
    QPushButton* save =
        button(QStringLiteral("Kaydet %1").arg(number), kFirstCourseSave + number - 1, box);
    QPushButton* reset =
        button(QStringLiteral("Sil %1").arg(number), kFirstCourseReset + number - 1, box);
    connect(save, &QPushButton::clicked, this, [this, number] { addSelected(number); });
    connect(reset, &QPushButton::clicked, this, [this, number] { resetCourse(number); });
    auto* grid = new QGridLayout(box);
    grid->addWidget(new QLabel(QStringLiteral("%1 nci Ürün").arg(number), box), 0, 0, 1, 2);
    grid->addWidget(view, 1, 0, 1, 2);
    grid->addWidget(save, 2, 0);
    grid->addWidget(reset, 2, 1);
    return box;
}

void SetMenuDialog::savePrice() {
    if (m_menu.savePrice(m_price->text(), m_boxes, this))
        reread();
}

void SetMenuDialog::addSelected(int number) {
    const QTreeWidget* view = m_courseViews[static_cast<std::size_t>(number - 1)];
    std::vector<int> bcodes;
    for (int line = 0; line < view->topLevelItemCount(); ++line) {
        const QTreeWidgetItem* item = view->topLevelItem(line);
        if (item->isSelected())
            bcodes.push_back(item->text(kCodeColumn).toInt());
    }
    m_menu.addToCourse(number, bcodes);
    reread();
}

void SetMenuDialog::resetCourse(int number) {
    m_menu.resetCourse(number);
    reread();
}

void SetMenuDialog::reread() {
    m_menu.read(m_allGroupB);
    m_price->setText(db::shownPrice(m_menu.price()));
    for (int number = 1; number <= m_menu.courses(); ++number)
        fillCourse(number);
}

void SetMenuDialog::fillCourse(int number) {
    QTreeWidget* view = m_courseViews[static_cast<std::size_t>(number - 1)];
    view->clear();
    for (const GroupB& group : offeredGroups(m_allGroupB)) {
        const QString marker =
            m_menu.inCourse(number, group.bcode) ? QStringLiteral("X") : QString();
        view->addTopLevelItem(
            new QTreeWidgetItem(QStringList{marker, QString::asprintf("%d", group.Id),
                                            QString::asprintf("%d", group.bcode), group.wideName}));
    }
}

} // namespace parvela::groups
