#include "groups/GroupDialog.h"

#include "groups/GroupViews.h"
#include "groups/StockType.h"
#include "platform/WindowMessages.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace parvela::groups {

namespace {

// The resource of each level: ids, titles and button labels.
struct DialogLayout {
    const char* dialogId;
    const char* addTitle;
    const char* addHeading;
    const char* editTitle;
    const char* nameId;
    const char* codeId;
    const char* parentNameId; // none for Group A
    const char* parentCaption;
    const char* listId;
    bool subMenuRadios;
    bool colours;
    const char* saveText;
    const char* closeText;
};

constexpr DialogLayout kLayoutA{"130",
                                "Yeni Grup A ",
                                "ÜST KATEGORİ - Grup A - Ekleniyor",
                                "GRUP A DÜZENLENİYOR",
                                "1000",
                                "1006",
                                nullptr,
                                nullptr,
                                nullptr,
                                false,
                                false,
                                "Kaydet",
                                "Kapat"};
constexpr DialogLayout kLayoutB{"131",
                                "POS MENÜSÜ - Grup B - Ekleniyor",
                                "POS MENÜSÜ - Grup B - Ekleniyor",
                                "POS MENÜ - GRUP B DÜZENLENİYOR",
                                "1004",
                                "1006",
                                "1010",
                                "Seçili A Grubu",
                                "1015",
                                false,
                                true,
                                "Kaydet",
                                "Vazgeç"};
constexpr DialogLayout kLayoutC{"132",
                                "Alt Menü - Grup C - Ekleniyor",
                                "Alt Menü - Grup C - Ekleniyor",
                                "ALT MENÜ - GRUP C DÜZENLENİYOR",
                                "1007",
                                "1009",
                                "1012",
                                "Seçili B Grubu",
                                "1025",
                                true,
                                false,
                                "OK",
                                "Kapat"};

const DialogLayout& layoutOf(GroupLevel level) {
    switch (level) {
    case GroupLevel::A:
        return kLayoutA;
    case GroupLevel::B:
        return kLayoutB;
    case GroupLevel::C:
        break;
    }
    return kLayoutC;
}

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QColor colourOf(records::Rgb rgb) {
    return QColor(records::redOf(rgb), records::greenOf(rgb), records::blueOf(rgb));
}

records::Rgb rgbOf(const QColor& colour) {
    return records::rgb(colour.red(), colour.green(), colour.blue());
}

} // namespace

GroupDialog::GroupDialog(GroupLevel level, Mode mode, QWidget* parent)
    : QDialog(parent)
    , m_mode(mode) {
    build(level, mode);
    move(10, 150);
}

void GroupDialog::build(GroupLevel level, Mode mode) {
    const DialogLayout& layout = layoutOf(level);
    const bool adding = mode == Mode::Add;
    setObjectName(text(layout.dialogId));
    setWindowTitle(text(adding ? layout.addTitle : layout.editTitle));
    auto* heading = new QLabel(text(adding ? layout.addHeading : layout.editTitle), this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);

    m_name = new QLineEdit(this);
    m_name->setObjectName(text(layout.nameId));
    m_name->setMaxLength(static_cast<int>(kGroupNameChars));
    m_posmenu = new QCheckBox(QStringLiteral(" Pos Menü"), this);
    m_posmenu->setObjectName(QStringLiteral("1001"));
    m_code = new QLabel(this);
    m_code->setObjectName(text(layout.codeId));
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Grup Adı"), m_name);
    fields->addRow(QString(), m_posmenu);
    fields->addRow(QStringLiteral("Kod"), m_code);
    if (layout.parentNameId) {
        m_parentName = new QLabel(this);
        m_parentName->setObjectName(text(layout.parentNameId));
        fields->addRow(text(layout.parentCaption), m_parentName);
    }

    auto* column = new QVBoxLayout(this);
    column->addWidget(heading);
    column->addLayout(fields);
    column->addWidget(buildTypes(layout.subMenuRadios));
    // Moving under another parent and the till colours belong to an edit.
    if (layout.listId && !adding) {
        m_parents = new QTreeWidget(this);
        m_parents->setObjectName(text(layout.listId));
        m_parents->setRootIsDecorated(false);
        m_parents->setMinimumHeight(160);
        connect(m_parents, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
            takeParentLine(m_parents->indexOfTopLevelItem(item));
        });
        column->addWidget(m_parents);
    }
    if (layout.colours && !adding)
        column->addWidget(buildColours());

    auto* saveButton = new QPushButton(text(layout.saveText), this);
    saveButton->setObjectName(QStringLiteral("1"));
    saveButton->setDefault(true);
    auto* closeButton = new QPushButton(text(layout.closeText), this);
    closeButton->setObjectName(QStringLiteral("2"));
    connect(saveButton, &QPushButton::clicked, this, &GroupDialog::save);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(saveButton);
    buttons->addWidget(closeButton);
    column->addLayout(buttons);
    m_name->setFocus();
}

QWidget* GroupDialog::buildTypes(bool subMenu) {
    auto* box = new QGroupBox(QStringLiteral("Grup Türü"), this);
    auto* grid = new QVBoxLayout(box);
    m_types = new QButtonGroup(this);
    for (const StockTypeChoice& choice : kStockTypeChoices) {
        auto* radio = new QRadioButton(text(choice.label), box);
        const int id = subMenu ? choice.subMenuRadioId : choice.radioId;
        radio->setObjectName(QString::number(id));
        m_types->addButton(radio, id);
        m_typeOfRadio[id] = choice.type;
        grid->addWidget(radio);
    }
    return box;
}

QWidget* GroupDialog::buildColours() {
    m_colourBox = new QWidget(this);
    auto* row = new QHBoxLayout(m_colourBox);
    auto* back = new QPushButton(QStringLiteral("Back Color"), m_colourBox);
    back->setObjectName(QStringLiteral("1098"));
    auto* font = new QPushButton(QStringLiteral("Font Color"), m_colourBox);
    font->setObjectName(QStringLiteral("1099"));
    m_sample = new QLabel(QStringLiteral("POS MENÜ"), m_colourBox);
    m_sample->setObjectName(QStringLiteral("1100"));
    m_sample->setAlignment(Qt::AlignCenter);
    m_sample->setMinimumSize(120, 40);
    m_sample->setAutoFillBackground(true);
    connect(back, &QPushButton::clicked, this, [this] { chooseColour(true); });
    connect(font, &QPushButton::clicked, this, [this] { chooseColour(false); });
    row->addWidget(back);
    row->addWidget(font);
    row->addWidget(m_sample);
    m_colourBox->setEnabled(false);
    return m_colourBox;
}

void GroupDialog::showGroup(const QString& name, bool posmenu, int tur, int code,
                            const QString& parentName) {
    m_name->setText(name);
    m_posmenu->setChecked(posmenu);
    m_code->setText(QString::number(code));
    if (m_parentName)
        m_parentName->setText(parentName);
    for (const auto& [id, type] : m_typeOfRadio) {
        if (type == tur)
            m_types->button(id)->setChecked(true);
    }
}

void GroupDialog::offerParents(const std::vector<GroupA>& allGroupA) {
    if (m_parents)
        fillGroupAListView(*m_parents, allGroupA);
}

void GroupDialog::offerParents(const std::vector<GroupB>& allGroupB) {
    if (m_parents)
        fillGroupBListView(*m_parents, allGroupB);
}

void GroupDialog::takeParentLine(int line) {
    const QTreeWidgetItem* item = m_parents->topLevelItem(line);
    if (!item)
        return;
    m_code->setText(QString::number(codeOfLine(*m_parents, line)));
    if (m_parentName)
        m_parentName->setText(item->text(2));
}

void GroupDialog::offerColours(LastGroupColours& last) {
    if (!m_colourBox)
        return;
    m_lastColours = &last;
    m_colourBox->setEnabled(true);
}

void GroupDialog::chooseColour(bool back) {
    records::Rgb& last = back ? m_lastColours->back : m_lastColours->font;
    const QColor chosen = QColorDialog::getColor(
        colourOf(last), this, back ? QStringLiteral("Back Color") : QStringLiteral("Font Color"));
    if (!chosen.isValid())
        return;
    last = rgbOf(chosen);
    (back ? m_chosen.back : m_chosen.font) = last;
    paintSample();
}

// Only what this edit chose: a colour not chosen is not written either.
void GroupDialog::paintSample() {
    QPalette palette = m_sample->palette();
    if (m_chosen.back)
        palette.setColor(QPalette::Window, colourOf(*m_chosen.back));
    if (m_chosen.font)
        palette.setColor(QPalette::WindowText, colourOf(*m_chosen.font));
    m_sample->setPalette(palette);
    m_sample->update();
}

GroupForm GroupDialog::form() const {
    GroupForm form;
    form.name = m_name->text();
    form.posmenu = m_posmenu->isChecked();
    form.codeText = m_code->text();
    if (m_types->checkedId() != -1)
        form.tickedTypes.push_back(m_typeOfRadio.at(m_types->checkedId()));
    return form;
}

void GroupDialog::save() {
    if (!m_save || !m_save(form(), m_chosen))
        return;
    if (m_mode == Mode::Edit) {
        accept();
        return;
    }
    QEvent clear(platform::msg::eventType(platform::msg::kGroupFormClear));
    QCoreApplication::sendEvent(this, &clear);
}

bool GroupDialog::event(QEvent* event) {
    if (static_cast<int>(event->type()) == platform::msg::kGroupFormClear) {
        clearForm();
        return true;
    }
    return QDialog::event(event);
}

void GroupDialog::clearForm() {
    m_name->clear();
    // An exclusive group keeps one button ticked; let go of it for a moment.
    m_types->setExclusive(false);
    for (QAbstractButton* radio : m_types->buttons())
        radio->setChecked(false);
    m_types->setExclusive(true);
    m_name->setFocus();
}

} // namespace parvela::groups
