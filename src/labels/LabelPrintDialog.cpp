#include "labels/LabelPrintDialog.h"

#include "db/DatabaseThread.h"
#include "db/StatementRunner.h"
#include "labels/LabelFieldText.h"
#include "labels/LabelLayoutStore.h"
#include "labels/LabelPreview.h"
#include "labels/LabelPrinter.h"
#include "platform/DialogParts.h"
#include "platform/JobProgressDialog.h"
#include "platform/MessageBoxes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

namespace parvela::labels {

namespace {

const QString kSequentialCaption = QStringLiteral("SIRALI_BARKOD_BAS");

// When none was printed, the failures' own boxes have said why.
void tellSequentialEnd(int failed, bool cancelled, platform::MessageBoxes& boxes) {
    if (cancelled)
        boxes.tell(QStringLiteral("İptal edildi: %1 etiketten %2 tanesi basıldı.")
                       .arg(kSequentialLabels)
                       .arg(kSequentialLabels - failed),
                   kSequentialCaption);
    else if (failed > 0 && failed < kSequentialLabels)
        boxes.tell(
            QStringLiteral("%1 etiketten %2 tanesi basılamadı.").arg(kSequentialLabels).arg(failed),
            kSequentialCaption, platform::BoxIcon::Exclamation);
}

struct NumberField {
    const char* id;
    const char* label; // UTF-8
    int LabelLayout::*field;
};

// Two to a row: each element's X beside its Y, then the sizes.
constexpr std::array kNumberFields{
    NumberField{"1111", "Stok Adı X :", &LabelLayout::nameX},
    NumberField{"1114", "Stok Adı Y :", &LabelLayout::nameY},
    NumberField{"1112", "Barkod X :", &LabelLayout::barcodeX},
    NumberField{"1115", "Barkod Y :", &LabelLayout::barcodeY},
    NumberField{"1113", "Fiyat X :", &LabelLayout::priceX},
    NumberField{"1116", "Fiyat Y :", &LabelLayout::priceY},
    NumberField{"1125", "Paket. Tarih X :", &LabelLayout::packingX},
    NumberField{"1127", "Paket. Tarih Y:", &LabelLayout::packingY},
    NumberField{"1126", "Tüket Tarih X :", &LabelLayout::consumptionX},
    NumberField{"1217", "Tüket. Tarih Y:", &LabelLayout::consumptionY},
    NumberField{"1146", "Özel Kod X : ", &LabelLayout::specialX},
    NumberField{"1147", "Özel Kod Y : ", &LabelLayout::specialY},
    NumberField{"1118", "Bar Width :", &LabelLayout::barWidth},
    NumberField{"1122", "Bar Height :", &LabelLayout::barHeight},
    NumberField{"1231", "Narrow Bar Width :", &LabelLayout::narrowBarWidth},
    NumberField{"1221", "Wide Bar Width :", &LabelLayout::wideBarWidth},
    NumberField{"1226", "Stok Adı Font Size :", &LabelLayout::nameFont},
    NumberField{"1224", "Fiyat Font Size :", &LabelLayout::priceFont},
    NumberField{"1214", "Tarih Font Size :", &LabelLayout::dateFont},
};

struct FlagField {
    const char* id;
    const char* label;
    std::int16_t LabelLayout::*field;
};

constexpr std::array kFlagFields{
    FlagField{"1134", "Stok Ad DİKEY", &LabelLayout::nameVertical},
    FlagField{"1135", "Barkod DİKEY", &LabelLayout::barcodeVertical},
    FlagField{"1136", "Fiyat DİKEY", &LabelLayout::priceVertical},
    FlagField{"1137", "Pkt. Tar. DİKEY", &LabelLayout::packingVertical},
    FlagField{"1138", "Tük. Tar. DİKEY", &LabelLayout::consumptionVertical},
};

constexpr int kPreviewWidth = 400;
constexpr int kPreviewHeight = 300;

QString named(const char* text) {
    return QString::fromUtf8(text);
}

QLineEdit* numberEdit(const char* id, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(id));
    edit->setMaxLength(static_cast<int>(kNumberFieldCharacters));
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 12);
    return edit;
}

QLabel* idLabel(const char* id, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(id));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QDate shownDate(const CalendarDate& date) {
    const QDate stored(date.year, date.month, date.day);
    // A date the table never held shows today, as an empty picker would.
    return stored.isValid() ? stored : QDate::currentDate();
}

CalendarDate calendarDate(const QDate& date) {
    return {static_cast<std::int16_t>(date.year()), static_cast<std::int16_t>(date.month()),
            static_cast<std::int16_t>(date.day())};
}

QDateEdit* datePicker(const char* id, QWidget* parent) {
    auto* picker = new QDateEdit(parent);
    picker->setObjectName(QString::fromLatin1(id));
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    return picker;
}

void tellNoPrinters(platform::MessageBoxes& boxes, QWidget* owner) {
    boxes.tell(QStringLiteral("printers can not be enumarated"), QString(), platform::BoxIcon::None,
               owner);
}

} // namespace

void LabelPrintDialog::open(LabelPrinter& printer, const stock::StockDefinition& product,
                            platform::MessageBoxes& boxes, QWidget* owner) {
    const std::optional<std::vector<PrinterEntry>> printers = printer.spooler().printers();
    // Without the list there is nothing to print to, and fields left empty
    // would be saved over the stored layout.
    if (!printers) {
        tellNoPrinters(boxes, owner);
        return;
    }
    LabelPrintDialog dialog(printer, *printers, product, boxes, owner);
    dialog.exec();
}

LabelPrintDialog::LabelPrintDialog(LabelPrinter& printer, const std::vector<PrinterEntry>& printers,
                                   const stock::StockDefinition& product,
                                   platform::MessageBoxes& boxes, QWidget* owner)
    : QDialog(owner)
    , m_printer(printer)
    , m_product(product)
    , m_boxes(boxes) {
    setObjectName(QStringLiteral("144"));
    setWindowTitle(QStringLiteral("Dialog"));
    buildControls(printers);
    m_printer.reloadLayout();
    fillFields();
    showPrinterName();
    showProduct();
    refreshPreview();
}

void LabelPrintDialog::buildControls(const std::vector<PrinterEntry>& printers) {
    // The port column is 110 wide unless an address needs more.
    int portWidth = 110;
    for (const PrinterEntry& entry : printers)
        portWidth = std::max(portWidth, fontMetrics().horizontalAdvance(entry.port) + 16);
    m_printers = platform::listView(
        "1233", {QStringLiteral("İndex"), QStringLiteral("Yazıcı Adı"), QStringLiteral("Port")},
        {50, 290, portWidth}, this);
    m_printers->setRootIsDecorated(false);
    m_printers->setFixedHeight(110);
    for (const PrinterEntry& entry : printers)
        new QTreeWidgetItem(m_printers, {QString::number(entry.index), entry.name, entry.port});
    // A row the user selects; the list taking focus alone chooses nothing.
    connect(m_printers, &QTreeWidget::itemClicked, this, [this] { choosePrinter(); });
    connect(m_printers, &QTreeWidget::itemSelectionChanged, this, [this] { choosePrinter(); });
    m_printerName = idLabel("1248", this);
    m_productName = idLabel("1059", this);
    m_barcode = idLabel("1110", this);
    m_specialCode = new QLineEdit(this);
    m_specialCode->setObjectName(QStringLiteral("1145"));
    m_specialCode->setMaxLength(50);

    auto* product = new QGridLayout;
    const auto addRow = [&](int row, const char* label, QWidget* field) {
        product->addWidget(new QLabel(named(label), this), row, 0);
        product->addWidget(field, row, 1);
    };
    addRow(0, "Yazıcı :", m_printerName);
    addRow(1, "Ürün :", m_productName);
    addRow(2, "Barkodu :", m_barcode);
    addRow(3, "Özel Kod Alanı : ", m_specialCode);
    product->setColumnStretch(1, 1);

    auto* left = new QVBoxLayout;
    left->addWidget(m_printers);
    left->addLayout(product);
    left->addLayout(fieldsGrid());
    left->addLayout(flagsAndDates());
    left->addStretch(1);

    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addWidget(previewPane(), 1);

    QPushButton* sequential =
        platform::namedButton(QStringLiteral("SIRALI_BARKOD_BAS"), "1163", this);
    QPushButton* ok = platform::namedButton(QStringLiteral("OK"), "1", this);
    ok->setToolTip(QStringLiteral("Düzeni kaydeder ve ürünün etiketini basar"));
    QPushButton* close = platform::namedButton(QStringLiteral("Kapat"), "2", this);
    connect(sequential, &QPushButton::clicked, this, [this] { printSequential(); });
    connect(ok, &QPushButton::clicked, this, [this] { printLabel(); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* page = new QVBoxLayout(this);
    page->addLayout(columns);
    page->addLayout(platform::buttonRow({sequential}, {ok, close}));
}

QLayout* LabelPrintDialog::fieldsGrid() {
    auto* grid = new QGridLayout;
    const auto place = [&](int index, const char* label, QLineEdit* edit) {
        const int row = index / 2;
        const int column = (index % 2) * 2;
        grid->addWidget(new QLabel(named(label), this), row, column);
        grid->addWidget(edit, row, column + 1);
        connect(edit, &QLineEdit::textChanged, this, [this] { refreshPreview(); });
    };
    int index = 0;
    for (const NumberField& field : kNumberFields) {
        m_numbers.push_back(numberEdit(field.id, this));
        place(index++, field.label, m_numbers.back());
    }
    m_copies = numberEdit("1218", this);
    place(index++, "Basım Sayısı :", m_copies);
    m_weight = numberEdit("1142", this);
    place(index++, "Ağırlık :", m_weight);
    grid->setColumnMinimumWidth(2, 16);
    return grid;
}

QLayout* LabelPrintDialog::flagsAndDates() {
    auto* grid = new QGridLayout;
    m_printPrice = new QCheckBox(QStringLiteral(" Fiyatı Bas"), this);
    m_printPrice->setObjectName(QStringLiteral("1117"));
    grid->addWidget(m_printPrice, 0, 0);
    connect(m_printPrice, &QCheckBox::toggled, this, [this] { refreshPreview(); });
    int index = 1;
    for (const FlagField& field : kFlagFields) {
        auto* box = new QCheckBox(named(field.label), this);
        box->setObjectName(QString::fromLatin1(field.id));
        grid->addWidget(box, index / 3, index % 3);
        connect(box, &QCheckBox::toggled, this, [this] { refreshPreview(); });
        m_vertical.push_back(box);
        ++index;
    }
    m_packingDate = datePicker("1140", this);
    m_consumptionDate = datePicker("1141", this);
    auto* dates = new QHBoxLayout;
    dates->addWidget(new QLabel(QStringLiteral("Paketleme Tarihi :"), this));
    dates->addWidget(m_packingDate);
    dates->addSpacing(12);
    dates->addWidget(new QLabel(QStringLiteral("Tüketim Tarihi :"), this));
    dates->addWidget(m_consumptionDate);
    dates->addStretch(1);
    for (QDateEdit* picker : {m_packingDate, m_consumptionDate})
        connect(picker, &QDateEdit::dateChanged, this, [this] { refreshPreview(); });
    auto* column = new QVBoxLayout;
    column->addLayout(grid);
    column->addLayout(dates);
    return column;
}

QWidget* LabelPrintDialog::previewPane() {
    auto* box = new QGroupBox(QStringLiteral("Önizleme"), this);
    m_resolution = new QComboBox(box);
    m_resolution->setObjectName(QStringLiteral("resolution"));
    m_resolution->addItem(QStringLiteral("8 nokta/mm (203 dpi)"), 8);
    m_resolution->addItem(QStringLiteral("12 nokta/mm (300 dpi)"), 12);
    connect(m_resolution, &QComboBox::currentIndexChanged, this, [this] { refreshPreview(); });
    m_previewLabel = new QLabel(box);
    m_previewLabel->setObjectName(QStringLiteral("preview"));
    m_previewLabel->setAlignment(Qt::AlignCenter);
    m_previewLabel->setMinimumSize(kPreviewWidth, kPreviewHeight);
    m_previewLabel->setStyleSheet(QStringLiteral("background: #d0d0d0;"));
    auto* column = new QVBoxLayout(box);
    column->addWidget(m_resolution);
    column->addWidget(m_previewLabel, 1);
    column->addWidget(new QLabel(
        QStringLiteral("Yazıcıya giden komutlardan çizilir; kaydetmeden önce de değişir."), box));
    return box;
}

void LabelPrintDialog::fillFields() {
    const LabelLayout& layout = m_printer.layout();
    for (std::size_t i = 0; i < kNumberFields.size(); ++i)
        m_numbers[i]->setText(QString::number(layout.*kNumberFields[i].field));
    m_printPrice->setChecked(layout.printPrice);
    for (std::size_t i = 0; i < kFlagFields.size(); ++i)
        m_vertical[i]->setChecked(layout.*kFlagFields[i].field > 0);
    m_packingDate->setDate(shownDate(layout.packingDate));
    m_consumptionDate->setDate(shownDate(layout.consumptionDate));
    m_copies->setText(QStringLiteral("1"));
}

void LabelPrintDialog::showPrinterName() {
    m_printerName->setText(m_printer.printerName());
    const QList<QTreeWidgetItem*> rows =
        m_printers->findItems(m_printer.printerName(), Qt::MatchExactly, 1);
    if (!rows.isEmpty()) {
        const QSignalBlocker quiet(m_printers);
        m_printers->setCurrentItem(rows.first());
        rows.first()->setSelected(true);
    }
}

void LabelPrintDialog::showProduct() {
    m_barcode->setText(QString::fromStdString(m_product.barcode));
    m_productName->setText(m_product.stname);
    m_specialCode->setText(m_printer.layout().specialCode);
}

void LabelPrintDialog::choosePrinter() {
    const QList<QTreeWidgetItem*> rows = m_printers->selectedItems();
    if (rows.isEmpty())
        return;
    const QTreeWidgetItem* row = rows.first();
    m_printer.choosePrinter(row->text(1).left(255));
    m_printerName->setText(m_printer.printerName());
}

LabelLayout LabelPrintDialog::typedLayout() const {
    LabelLayout layout = m_printer.layout();
    for (std::size_t i = 0; i < kNumberFields.size(); ++i)
        layout.*kNumberFields[i].field = leadingInteger(m_numbers[i]->text());
    layout.printPrice = m_printPrice->isChecked();
    for (std::size_t i = 0; i < kFlagFields.size(); ++i)
        layout.*kFlagFields[i].field = m_vertical[i]->isChecked() ? 1 : 0;
    layout.packingDate = calendarDate(m_packingDate->date());
    layout.consumptionDate = calendarDate(m_consumptionDate->date());
    layout.packingDateText = dateText(layout.packingDate);
    layout.consumptionDateText = dateText(layout.consumptionDate);
    layout.specialCode = m_specialCode->text();
    layout.copies = typedCopies(m_copies->text());
    // The preview draws a weight the code cannot carry as none; OK refuses it.
    layout.weight = typedWeight(m_weight->text()).value_or(0);
    return layout;
}

void LabelPrintDialog::refreshPreview() {
    if (m_previewLabel == nullptr || m_weight == nullptr || m_consumptionDate == nullptr)
        return; // still being built
    m_preview = renderLabelPreview(productLabelFor(typedLayout(), m_product),
                                   m_resolution->currentData().toInt());
    const QSize room = m_previewLabel->size().boundedTo(m_previewLabel->minimumSize() * 2);
    QPixmap picture = QPixmap::fromImage(m_preview);
    if (picture.width() > room.width() || picture.height() > room.height())
        picture = picture.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    m_previewLabel->setPixmap(picture);
}

void LabelPrintDialog::printLabel() {
    if (!typedWeight(m_weight->text())) {
        m_boxes.tell(weightRefusal(m_weight->text()), weightRefusalCaption(),
                     platform::BoxIcon::Exclamation, this);
        return;
    }
    const LabelLayout typed = typedLayout();
    m_printer.layout() = typed;
    m_printer.saveLayout();
    // What the server now holds, as it is printed; copies and weight stay typed.
    const QString copies = m_copies->text();
    fillFields();
    m_copies->setText(copies);
    m_printer.printProductLabel(m_product);
}

// On a worker behind the progress dialog, with a printer of its own set as
// this one is: "İptal" stops the run before the next label.
void LabelPrintDialog::printSequential() {
    m_printer.layout().copies = typedCopies(m_copies->text());
    platform::runBehindProgress(
        m_jobs,
        [&runner = m_printer.runner(), &spooler = m_printer.spooler(), layout = m_printer.layout(),
         printerName = m_printer.printerName()](platform::JobReport& report) {
            const db::DatabaseThread databaseThread;
            const db::StatementRunner workerRunner = runner.withBoxes(report.boxes());
            LabelPrinter printer(workerRunner, spooler, report.boxes());
            printer.choosePrinter(printerName);
            printer.layout() = layout;
            report.setRange(kSequentialLabels);
            const int failed =
                printer.printSequentialBarcodes([&report](int done) { report.step(done); },
                                                [&report] { return report.cancelled(); });
            tellSequentialEnd(failed, report.cancelled(), report.boxes());
        },
        kSequentialCaption, this);
}

} // namespace parvela::labels
