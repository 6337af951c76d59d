#include "stock/browser/StockBrowserPainter.h"

#include "groups/GroupData.h"
#include "platform/TextFit.h"
#include "stock/browser/StockBrowserColumns.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace parvela::stock {

namespace {

const QColor kBlack(0, 0, 0);
const QColor kGrey(192, 192, 192);
const QColor kLight(230, 230, 230);
const QColor kDarkText(30, 30, 34);
const QColor kListFill(16, 18, 22);
const QColor kHeaderFill(70, 76, 88);
const QColor kRowEven(28, 30, 36);
const QColor kRowOdd(36, 39, 46);
const QColor kHighlight(255, 214, 102);
const QColor kMarked(52, 80, 126);
const QColor kMarkFill(100, 149, 237);
const QColor kDeleted(220, 70, 70);
const QColor kDayMenu(60, 179, 113);
const QColor kTag(255, 160, 80);
const QColor kPanelFill(24, 34, 44);

constexpr int kPanelLineHeight = 18;

QRect toQRect(const Rect& r) {
    return QRect(QPoint(r.left, r.top), QPoint(r.right, r.bottom));
}

QFont font(int pixels, bool bold = false) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

// A freshly read recipe line knows its ingredient by code only; the few
// lines of the panel take the name, unit and cost by code.
void joinIngredients(std::vector<RecipePanelLine>& lines, const Catalogue& catalogue) {
    for (RecipePanelLine& panelLine : lines) {
        recipes::RecipeLine& line = panelLine.line;
        const StockDefinition* product = catalogue.find(line.ingredient);
        if (product == nullptr || !line.ingredientName.isEmpty())
            continue;
        line.ingredientName = product->stname;
        line.unit = product->unit;
        line.unitcost = product->unitcost;
    }
}

class BrowserPainter {
public:
    BrowserPainter(QPainter& painter, StockBrowserContent& content)
        : m_p(painter)
        , m_c(content)
        , m_state(content.browser) {}

    void paint(QSize client);

private:
    void text(const QRect& box, const QString& line, const QFont& f, const QColor& colour,
              Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter);
    void button(BrowserButton which, Rect rect, const QString& caption, const QColor& fill);
    void headings();
    void filterCaptions();
    void listFrame();
    void headerRow(int top);
    void rows();
    void row(std::size_t index, int top);
    void rowBand(const StockDefinition& product, const BrowserRow& flags, const RowCells& cells,
                 int top);
    void rowCells(const StockDefinition& product, const RowCells& cells, int top, const QColor& ink,
                  bool highlighted);
    void cell(Column column, int top, const QString& value, const QColor& ink, bool number);
    void searchLabels();
    void buttons();
    void recipePanel(const Rect& panel);
    void recipeLine(RecipePanelLine& line, int top, const Rect& panel);

    QPainter& m_p;
    StockBrowserContent& m_c;
    StockBrowserState& m_state;
    QFont m_small = font(10);
    QFont m_row = font(11);
    QFont m_bold = font(11, true);
    QFont m_header = font(9);
    QFont m_tag = font(8, true);
};

void BrowserPainter::text(const QRect& box, const QString& line, const QFont& f,
                          const QColor& colour, Qt::Alignment align) {
    m_p.setFont(f);
    m_p.setPen(colour);
    m_p.drawText(box, static_cast<int>(align.toInt()),
                 QFontMetrics(f).elidedText(line, Qt::ElideRight, box.width()));
}

void BrowserPainter::button(BrowserButton which, Rect rect, const QString& caption,
                            const QColor& fill) {
    m_state.button(which) = rect;
    m_p.setPen(kLight);
    m_p.setBrush(fill);
    m_p.drawRect(toQRect(rect));
    const bool light = fill.lightness() > 150;
    text(toQRect(rect).adjusted(3, 0, -3, 0), caption, m_small, light ? kDarkText : kLight,
         Qt::AlignCenter);
}

void BrowserPainter::headings() {
    const int widths[] = {145, 145, 60};
    const int lefts[] = {10, 160, 310};
    for (std::size_t i = 0; i < 3; ++i)
        text(QRect(lefts[i], 10, widths[i], 18), m_c.headings[i], m_bold, kGrey,
             Qt::AlignLeft | Qt::AlignTop);
}

void BrowserPainter::filterCaptions() {
    const int right = kListArea.right;
    const int top = kListArea.top - 23;
    const std::pair<int, const char*> captions[] = {{right - 625, "Trendyol Ürün."},
                                                    {right - 495, "YmkSep. Ürünleri"},
                                                    {right - 365, "GetirYemek"},
                                                    {right - 255, "Reçeteleri Göster"}};
    for (const auto& [x, caption] : captions)
        text(QRect(x + 22, top, 106, 16), QString::fromUtf8(caption), m_small, kGrey,
             Qt::AlignLeft | Qt::AlignTop);
}

void BrowserPainter::listFrame() {
    const QRect area = toQRect(kListArea);
    m_p.fillRect(area, kListFill);
    m_p.setPen(kGrey.darker(200));
    m_p.setBrush(Qt::NoBrush);
    m_p.drawRect(area);
    const int top = kListArea.top + 2;
    text(QRect(6, top, 190, 16),
         QStringLiteral("KAYITLI STOK : %1").arg(m_state.shown->products.size()), m_small, kGrey);
    text(QRect(200, top, 190, 16), QStringLiteral("SONUÇLAR : %1").arg(m_state.displayed.size()),
         m_small, kGrey);
    // What a newer catalogue took off the list the user was working on.
    if (!m_state.notice.isEmpty())
        text(QRect(400, top, kListArea.right - 406, 16), m_state.notice, m_small, kTag);
    headerRow(top + 18);
    rows();
}

void BrowserPainter::headerRow(int top) {
    m_p.fillRect(QRect(kListArea.left + 2, top, kListArea.right - kListArea.left - 3, 18),
                 kHeaderFill);
    for (int i = 0; i < static_cast<int>(Column::Count); ++i) {
        const auto column = static_cast<Column>(i);
        const Span span = spanOf(column);
        const int width = span.right - span.left - 2;
        text(QRect(span.left + 2, top, width, 18), captionOf(column),
             platform::fittedFont(m_header, captionOf(column), width, 7), kLight);
    }
}

void BrowserPainter::rows() {
    m_state.drawnRows.clear();
    const auto first = static_cast<std::size_t>(std::max(0, m_state.firstRow));
    const auto rowCount = static_cast<std::size_t>(visibleRows(m_state.showRecipes));
    int top = kFirstRowTop;
    for (std::size_t i = first; i < m_state.displayed.size() && i < first + rowCount; ++i) {
        row(i, top);
        top += kRowHeight;
    }
}

RowCells cellsOfRow(int top) {
    RowCells cells;
    cells.rowRect = {kListArea.left + 2, top, kListArea.right, top + kRowHeight - 1};
    cells.markCell = {3, top + 3, 14, top + 14};
    cells.deletedCell = {17, top + 3, 28, top + 14};
    const Span bundle = spanOf(Column::Bundle);
    cells.bundleCell = {bundle.left, top + 1, bundle.left + 34, top + 17};
    cells.tagCell = {bundle.left + 36, top + 1, bundle.right, top + 17};
    const Span day = spanOf(Column::DayMenu);
    cells.dayMenuCell = {day.left + 16, top + 3, day.left + 30, top + 16};
    cells.orderCell = {spanOf(Column::OrderA).left, top, spanOf(Column::OrderAll).right,
                       top + kRowHeight - 1};
    return cells;
}

void BrowserPainter::row(std::size_t index, int top) {
    const BrowserRow& flags = m_state.displayed[index];
    const StockDefinition& product = m_state.shown->products[flags.product];
    const RowCells cells = cellsOfRow(top);
    m_state.drawnRows.push_back({index, cells});
    rowBand(product, flags, cells, top);
    rowCells(product, cells, top, flags.highlighted ? kDarkText : kLight, flags.highlighted);
}

void BrowserPainter::rowBand(const StockDefinition& product, const BrowserRow& flags,
                             const RowCells& cells, int top) {
    const QRect band(kListArea.left + 2, top + 1, kListArea.right - kListArea.left - 2, 18);
    const bool odd = ((top - kListArea.top) / kRowHeight) % 2 != 0;
    const QColor fill = flags.highlighted ? kHighlight
                        : flags.marked    ? kMarked
                        : odd             ? kRowOdd
                                          : kRowEven;
    m_p.fillRect(band, fill);
    m_p.setPen(kGrey);
    m_p.setBrush(flags.marked ? kMarkFill : Qt::transparent);
    m_p.drawRect(toQRect(cells.markCell));
    m_p.setBrush(product.deletedMark > 0 ? kDeleted : Qt::transparent);
    m_p.drawRect(toQRect(cells.deletedCell));
    m_p.setBrush(product.gunmenu == 1 ? kDayMenu : Qt::transparent);
    m_p.drawRect(toQRect(cells.dayMenuCell));
}

void BrowserPainter::cell(Column column, int top, const QString& value, const QColor& ink,
                          bool number) {
    const Span span = spanOf(column);
    const Qt::Alignment align = (number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
    const int width = span.right - span.left - 4;
    text(QRect(span.left + 2, top, width, kRowHeight), value,
         platform::fittedFont(m_row, value, width), ink, align);
}

void BrowserPainter::rowCells(const StockDefinition& p, const RowCells& cells, int top,
                              const QColor& ink, bool highlighted) {
    const QColor nameInk = p.deletedMark > 0 && !highlighted ? kDeleted : ink;
    const QColor tagInk = highlighted ? kDarkText : kTag;
    cell(Column::Code, top, QString::number(p.stcode), ink, false);
    text(QRect(spanOf(Column::PosMenu).left + 2, top, 46, kRowHeight), platformTag(p.codeClass),
         m_tag, tagInk);
    const auto tag = [&](const Rect& cell, const QString& caption) {
        const QRect box = toQRect(cell);
        text(box, caption, platform::fittedFont(m_tag, caption, box.width(), 6), tagInk);
    };
    if (p.bundle)
        tag(cells.bundleCell, QStringLiteral("Bund"));
    if (p.hasSizes)
        tag(cells.tagCell, QStringLiteral("SML_MED_LRG"));
    cell(Column::Name, top, p.stname, nameInk, false);
    cell(Column::Type, top, QString::number(p.type), ink, true);
    cell(Column::Cost, top, money(p.unitcost), ink, true);
    cell(Column::Retail, top, money(p.sellp1), ink, true);
    cell(Column::Service, top, money(p.sellp5), ink, true);
    cell(Column::Order, top, money(p.sellp6), ink, true);
    cell(Column::Time1, top, money(p.sellp3), ink, true);
    cell(Column::Vat, top, QString::asprintf("%.0f", p.kdv), ink, true);
    cell(Column::Department, top, departmentName(m_state.shown->departments, p.depart), ink, false);
    cell(Column::OrderA, top, orderText(p.sira_gra), ink, true);
    cell(Column::OrderB, top, orderText(p.sira_grb), ink, true);
    cell(Column::OrderAll, top, orderText(p.index_sira), ink, true);
}

void BrowserPainter::searchLabels() {
    const int bottom = kListArea.bottom;
    text(QRect(300, bottom + 3, 94, 24), QStringLiteral("Adindan ara :"), m_small, kGrey,
         Qt::AlignRight | Qt::AlignVCenter);
    text(QRect(300, bottom + 30, 94, 24), QStringLiteral("Barkodundan :"), m_small, kGrey,
         Qt::AlignRight | Qt::AlignVCenter);
}

void BrowserPainter::buttons() {
    const int right = kListArea.right;
    const QColor light(240, 240, 240);
    button(BrowserButton::Oku, {right - 136, 6, right - 81, 32}, QStringLiteral("Oku"), light);
    button(BrowserButton::Hepsi, {right - 70, 6, right, 32}, QStringLiteral("Hepsi"), light);
    button(BrowserButton::StokTanimla, {10, 636, 100, 660}, QStringLiteral("Stok Tanımla"),
           QColor(60, 179, 113));
    button(BrowserButton::Duzenle, {106, 636, 186, 660}, QStringLiteral("Düzenle"), light);
    button(BrowserButton::GrubuAta, {195, 636, 315, 660}, QStringLiteral("Seçileni Grubu Ata"),
           kGrey);
    button(BrowserButton::Recetesi, {10, 664, 80, 688}, QStringLiteral("Recetesi"),
           QColor(176, 196, 222));
    button(BrowserButton::MenuBundle, {86, 664, 176, 688}, QStringLiteral("Menü/Bundle"),
           QColor(176, 196, 222));
    button(BrowserButton::Opsiyonlar, {182, 664, 262, 688}, QStringLiteral("Opsiyonlar"),
           QColor(176, 196, 222));
    button(BrowserButton::Sil, {10, 692, 70, 716}, QStringLiteral("Sil"), QColor(200, 0, 0));
    button(BrowserButton::Ayarla, {76, 692, 136, 716}, QStringLiteral("Ayarla"),
           QColor(0, 128, 128));
    button(BrowserButton::HizliEkle, {560, 636, 700, 660}, QStringLiteral("+ Hızlı Satışa EKLE"),
           QColor(255, 228, 181));
    button(BrowserButton::HizliSil, {560, 664, 700, 688}, QStringLiteral("- Hızlı Satıştan sİL"),
           QColor(255, 182, 193));
}

void BrowserPainter::recipePanel(const Rect& panel) {
    m_p.fillRect(toQRect(panel), kPanelFill);
    m_p.setPen(kGrey);
    m_p.setBrush(Qt::NoBrush);
    m_p.drawRect(toQRect(panel));
    const StockDefinition& current = m_state.current;
    text(QRect(panel.left + 6, panel.top + 2, 600, kPanelLineHeight),
         QStringLiteral("%1 - %2").arg(current.stcode).arg(current.stname), m_bold, kHighlight);
    const int lastTop = panel.bottom - 2 * kPanelLineHeight;
    const int firstTop = panel.top + 2 + kPanelLineHeight;
    const auto room = static_cast<std::size_t>((lastTop - firstTop) / kPanelLineHeight + 1);
    for (const recipes::RecipeLine& line : m_state.shown->recipes.recipeLines) {
        if (current.stcode != 0 && line.urun == current.stcode && m_state.panelLines.size() < room)
            m_state.panelLines.push_back({line, {}, {}});
    }
    joinIngredients(m_state.panelLines, *m_state.shown);
    int top = firstTop;
    for (RecipePanelLine& line : m_state.panelLines) {
        recipeLine(line, top, panel);
        top += kPanelLineHeight;
    }
    text(QRect(panel.left + 6, panel.bottom - kPanelLineHeight, 300, kPanelLineHeight - 2),
         QString::asprintf("Cost : %.2f", current.unitcost), m_bold, kLight);
}

void BrowserPainter::recipeLine(RecipePanelLine& line, int top, const Rect& panel) {
    line.rowRect = {panel.left + 4, top, panel.right - 4, top + kPanelLineHeight - 1};
    line.linkedCell = {panel.right - 110, top + 1, panel.right - 8, top + kPanelLineHeight - 2};
    const bool selected = line.line.Id != 0 && line.line.Id == m_state.selectedRecipeLine;
    if (selected)
        m_p.fillRect(toQRect(line.rowRect), kHighlight);
    const QColor ink = selected ? kDarkText : kLight;
    const recipes::RecipeLine& r = line.line;
    const QString name = r.ingredientName.isEmpty() ? QString() : r.ingredientName;
    text(QRect(panel.left + 10, top, 560, kPanelLineHeight),
         QStringLiteral("%1   %2   %3 %4   %5")
             .arg(r.ingredient)
             .arg(name)
             .arg(QString::asprintf("%.3f", r.qua))
             .arg(QString::fromStdString(r.unit))
             .arg(QString::asprintf("%.3f", r.unitcost)),
         m_row, ink);
    m_p.setPen(kGrey);
    m_p.setBrush(QColor(52, 80, 126));
    m_p.drawRect(toQRect(line.linkedCell));
    text(toQRect(line.linkedCell), QStringLiteral("Bağlı Ürünler"), m_tag, kLight, Qt::AlignCenter);
}

void BrowserPainter::paint(QSize client) {
    m_p.fillRect(QRect(QPoint(0, 0), client), kBlack);
    m_state.panelLines.clear();
    headings();
    const Rect panel{kListArea.left + 2, rowsBottom(true), kListArea.right - 2,
                     kListArea.bottom - 2};
    listFrame();
    searchLabels();
    filterCaptions();
    buttons();
    if (m_state.showRecipes)
        recipePanel(panel);
}

} // namespace

std::array<QString, 3> browserHeadings(const groups::GroupData& groups,
                                       const StockBrowserState& browser) {
    return groups.namesOf(browser.gra, browser.grb, browser.grc);
}

void paintStockBrowser(QPainter& painter, QSize client, StockBrowserContent& content) {
    BrowserPainter(painter, content).paint(client);
}

} // namespace parvela::stock
