#include "app/MainScreenPainter.h"

#include "app/MainScreenState.h"
#include "groups/GroupData.h"
#include "groups/StockType.h"
#include "platform/Ink.h"
#include "platform/TextFit.h"
#include "records/Company.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

namespace parvela::app {

namespace {

using records::Rect;

const QColor kBackground(44, 44, 44);
const QColor kLight = platform::kLightInk;

// The B column, and the C column (its rows and arrows): the strip between
// them is free from top to bottom.
constexpr int kColumnBLeft = 400;
constexpr int kColumnBRight = 585;
constexpr int kColumnCLeft = 800;
constexpr int kColumnCRight = 985;
constexpr int kGap = 5;

// Whether a button anchored to the desktop's right edge would cover the C
// column: on a screen not wide enough to hold it right of the column.
bool coversColumnC(const Rect& anchored) {
    return anchored.right > kColumnCLeft - kGap && anchored.left < kColumnCRight + kGap;
}

// The same button in the middle of the free strip, its width kept.
Rect inStrip(const Rect& anchored) {
    const int width = anchored.right - anchored.left;
    const int left = (kColumnBRight + kColumnCLeft - width) / 2;
    return {left, anchored.top, left + width, anchored.bottom};
}

// The next button of a column of buttons: under `above`, as wide.
Rect under(const Rect& above) {
    return {above.left, above.bottom + 6, above.right, above.bottom + 30};
}
const QColor kDarkText = platform::kDarkInk;
const QColor kRowFill(64, 70, 80);
const QColor kRowSelected(255, 214, 102);
const QColor kRowMark(176, 196, 222);
const QColor kWeighedMark(60, 179, 113);
const QColor kBranchFill(70, 92, 116);
const QColor kBranchSelected(255, 255, 0);
const QColor kScaleOutline(126, 126, 126);

struct Fonts {
    QFont button;
    QFont list;
    QFont small;
    QFont heading;
};

Fonts makeFonts() {
    Fonts fonts;
    fonts.button.setFamily(QStringLiteral("DejaVu Sans"));
    fonts.button.setPixelSize(11);
    fonts.list = fonts.button;
    fonts.list.setPixelSize(13);
    fonts.list.setBold(true);
    fonts.small = fonts.button;
    fonts.small.setPixelSize(10);
    fonts.heading = fonts.button;
    fonts.heading.setPixelSize(15);
    fonts.heading.setBold(true);
    return fonts;
}

QRect toQRect(const Rect& r) {
    return QRect(QPoint(r.left, r.top), QPoint(r.right, r.bottom));
}

// The smallest a caption is drawn before it gives up a little margin.
constexpr int kSmallestCaptionPixels = 9;

class ScreenPainter {
public:
    ScreenPainter(QPainter& painter, MainScreenState& state, MainScreenContent& content,
                  const ArrowPictures& arrows)
        : m_p(painter)
        , m_state(state)
        , m_content(content)
        , m_arrows(arrows)
        , m_fonts(makeFonts()) {}

    void paint(QSize client);

private:
    Rect button(MainButton which, Rect rect, const QString& caption, int captionX,
                const QColor& fill, const QColor& outline = kLight);
    void text(int x, int y, const QString& line, const QFont& font, const QColor& colour = kLight);
    void statusLines(const QString& status);
    void topBar();
    void branchBoxes();
    void arrows();
    void groupLists();
    void bottomButtons();
    void scaleProgress(int teraziTop);
    void groupRow(const Rect& rect, const QString& name, int code, const QString& mark,
                  bool selected, bool weighed);
    template <typename Group> void resetRows(std::vector<Group>& list);
    template <typename Group, typename CodeOf>
    void rows(std::vector<Group>& list, int page, int perPage, int left, int right, int firstTop,
              int pitch, CodeOf codeOf);

    QPainter& m_p;
    MainScreenState& m_state;
    MainScreenContent& m_content;
    const ArrowPictures& m_arrows;
    Fonts m_fonts;
};

bool weighedOf(const groups::GroupA& group) {
    return group.weighedMarker == groups::kWeighedMarker;
}
bool weighedOf(const groups::GroupB&) {
    return false;
}
bool weighedOf(const groups::GroupC&) {
    return false;
}

QString typeMark(const QString& name, int tur) {
    const QString lower = name.toLower();
    if (lower.contains(QStringLiteral("oyun")) || lower.contains(QStringLiteral("game")))
        return QStringLiteral("OYUN");
    if (lower.contains(QStringLiteral("imalat")) || name.contains(QStringLiteral("İMALAT")))
        return QStringLiteral("İMALAT");
    if (lower.contains(QStringLiteral("hammadde")))
        return QStringLiteral("HAMMADDE");
    switch (tur) {
    case groups::kRawMaterial:
        return QStringLiteral("HAMMADDE");
    case groups::kSemiFinished:
        return QStringLiteral("YARIMAMÜL");
    case groups::kFinished:
        return QStringLiteral("MAMUL");
    case groups::kConsumable:
        return QStringLiteral("SARF MALZEME");
    default:
        return {};
    }
}

void ScreenPainter::text(int x, int y, const QString& line, const QFont& font,
                         const QColor& colour) {
    m_p.setFont(font);
    m_p.setPen(colour);
    m_p.drawText(QRect(x, y, 4000, 40), Qt::AlignLeft | Qt::AlignTop, line);
}

// Under the top buttons and left of the menus, where it covers nothing; a
// failure's reason goes on the line under the status, cut to fit there.
void ScreenPainter::statusLines(const QString& status) {
    const int left = 10;
    const int width = kColumnBLeft - left - kGap;
    const QFontMetrics metrics(m_fonts.button);
    m_p.setFont(m_fonts.button);
    m_p.setPen(kLight);
    int top = 76;
    for (const QString& line : status.split(QLatin1Char('\n'))) {
        m_p.drawText(QRect(left, top, width, metrics.height()), Qt::AlignLeft | Qt::AlignTop,
                     metrics.elidedText(line, Qt::ElideRight, width));
        top += metrics.height();
    }
}

Rect ScreenPainter::button(MainButton which, Rect rect, const QString& caption, int captionX,
                           const QColor& fill, const QColor& outline) {
    m_state.button(which) = rect;
    m_p.setPen(outline);
    m_p.setBrush(fill);
    m_p.drawRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    // A caption is shown whole: where it does not fit at its place it
    // moves left, then the letters get smaller.
    QFont font = m_fonts.button;
    const int width = rect.right - rect.left;
    int x = captionX;
    while (QFontMetrics(font).horizontalAdvance(caption) > width - x - 2) {
        if (x > 3)
            x = 3;
        else if (font.pixelSize() > kSmallestCaptionPixels)
            font.setPixelSize(font.pixelSize() - 1);
        else
            break;
    }
    text(rect.left + x, rect.top + 5, caption, font, platform::inkOn(fill));
    return rect;
}

void ScreenPainter::topBar() {
    button(MainButton::Hepsi, {10, 10, 90, 34}, QStringLiteral("Hepsi"), 25, kLight);
    text(280, 10, QStringLiteral("Toplam Stok"), m_fonts.button);
    text(360, 10, QStringLiteral(":"), m_fonts.button);
    text(380, 10, QString::number(m_content.stockCount), m_fonts.button);
    button(MainButton::SubelereGonder, {125, 10, 245, 34}, QStringLiteral("Şubelere Gönder"), 16,
           QColor(193, 3, 30));
    text(260, 25, QStringLiteral("Send Count : %1").arg(m_state.uploadCount), m_fonts.small);
    button(MainButton::ConvertTurkishChars, {10, 40, 190, 64},
           QStringLiteral("Convert TURKISH CHARS"), 16, QColor(176, 196, 222));
    // Beside the command whose runs it lists, in the free space below it.
    button(MainButton::YayinGecmisi, {200, 40, 320, 64}, QStringLiteral("Yayın Geçmişi"), 16,
           QColor(176, 196, 222));
    // The bulk changes kept in the change journal, to take one back.
    button(MainButton::GeriAl, {326, 40, 396, 64}, QStringLiteral("Geri Al"), 12,
           QColor(176, 196, 222));
}

void ScreenPainter::branchBoxes() {
    const int left = m_state.desktopRight - 127;
    int top = 80;
    for (records::Branch& branch : m_content.branches) {
        branch.rect = {left, top, left + 125, top + 36};
        const QColor fill = branch.selected ? kBranchSelected : kBranchFill;
        m_p.setPen(kLight);
        m_p.setBrush(fill);
        m_p.drawRect(left, top, 125, 36);
        const QColor ink = platform::inkOn(fill);
        const QFont font = platform::fittedFont(m_fonts.button, branch.name, 115);
        m_p.setFont(font);
        m_p.setPen(ink);
        m_p.drawText(QRect(left + 6, top + 2, 115, 18), Qt::AlignLeft | Qt::AlignVCenter,
                     QFontMetrics(font).elidedText(branch.name, Qt::ElideRight, 115));
        text(
            left + 6, top + 20,
            QStringLiteral("%1 · %2").arg(branch.branchCode).arg(QString::fromStdString(branch.ip)),
            m_fonts.small, ink);
        top += 36;
    }
}

void ScreenPainter::arrows() {
    const auto draw = [this](MainButton which, Rect rect, const QImage& picture) {
        m_state.button(which) = rect;
        m_p.drawImage(toQRect(rect).adjusted(0, 0, 1, 1), picture);
    };
    // An arrow that is not drawn must not keep the place where it once was.
    for (const MainButton which : {MainButton::UpA, MainButton::DownA, MainButton::UpB,
                                   MainButton::DownB, MainButton::UpC, MainButton::DownC})
        m_state.button(which) = Rect{};
    const auto& groups = m_content.groups;
    // The down arrows lie just below the last row of a page, clear of it,
    // and well inside a 768-pixel screen.
    if (groups.screenA().size() > kRowsPerPageA) {
        draw(MainButton::UpA, {-2, 106, 178, 134}, m_arrows.up);
        draw(MainButton::DownA, {-2, 568, 178, 596}, m_arrows.down);
    }
    if (groups.screenB().size() > kRowsPerPageBC) {
        draw(MainButton::UpB, {400, 2, 580, 30}, m_arrows.up);
        draw(MainButton::DownB, {400, 625, 580, 653}, m_arrows.down);
    }
    if (groups.screenC().size() > kRowsPerPageBC) {
        draw(MainButton::UpC, {800, 2, 980, 30}, m_arrows.up);
        draw(MainButton::DownC, {800, 625, 980, 653}, m_arrows.down);
    }
}

void ScreenPainter::groupRow(const Rect& rect, const QString& name, int code, const QString& mark,
                             bool selected, bool weighed) {
    const QColor fill = selected ? kRowSelected : kRowFill;
    const QColor ink = selected ? kDarkText : kLight;
    m_p.setPen(selected ? kRowSelected : kLight.darker(160));
    m_p.setBrush(fill);
    m_p.drawRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    const int width = rect.right - rect.left - 10;
    const QFont font = platform::fittedFont(m_fonts.list, name, width, 10);
    m_p.setFont(font);
    m_p.setPen(ink);
    m_p.drawText(QRect(rect.left + 6, rect.top + 2, width, 18), Qt::AlignLeft | Qt::AlignVCenter,
                 QFontMetrics(font).elidedText(name, Qt::ElideRight, width));
    const QColor soft = selected ? kDarkText : kRowMark;
    text(rect.left + 6, rect.top + 21, QString::number(code), m_fonts.small, soft);
    m_p.setFont(m_fonts.small);
    m_p.setPen(weighed ? (selected ? kDarkText : kWeighedMark) : soft);
    const QString tags = weighed ? mark + QStringLiteral("  TARTILAN") : mark;
    m_p.drawText(QRect(rect.left + 4, rect.top + 21, width, 14), Qt::AlignRight | Qt::AlignTop,
                 tags);
}

template <typename Group> void ScreenPainter::resetRows(std::vector<Group>& list) {
    for (Group& group : list)
        group.drawing = groups::GroupDrawing{};
}

template <typename Group, typename CodeOf>
void ScreenPainter::rows(std::vector<Group>& list, int page, int perPage, int left, int right,
                         int firstTop, int pitch, CodeOf codeOf) {
    const auto first = static_cast<std::size_t>(std::max(0, perPage * (page - 1)));
    for (std::size_t i = first; i < list.size() && i < first + static_cast<std::size_t>(perPage);
         ++i) {
        Group& group = list[i];
        const int top = firstTop + static_cast<int>(i - first) * pitch;
        group.drawing.buttonRect = {left, top, right, top + 36};
        groupRow(group.drawing.buttonRect, group.wideName, codeOf(group),
                 typeMark(group.wideName, group.tur), group.selected, weighedOf(group));
    }
}

void ScreenPainter::groupLists() {
    auto& groups = m_content.groups;
    rows(groups.screenA(), m_state.pageA, kRowsPerPageA, 10, 155, 133, 44,
         [](const groups::GroupA& g) { return g.acode; });
    rows(groups.screenB(), m_state.pageB, kRowsPerPageBC, kColumnBLeft, kColumnBRight, 27, 43,
         [](const groups::GroupB& g) { return g.bcode; });
    rows(groups.screenC(), m_state.pageC, kRowsPerPageBC, kColumnCLeft, kColumnCRight, 27, 43,
         [](const groups::GroupC& g) { return g.ccode; });
}

void ScreenPainter::bottomButtons() {
    const QColor groupType(230, 230, 250);
    const QColor slate(119, 136, 153);
    const QColor red(255, 0, 0);
    const Rect addA =
        button(MainButton::AddA, {15, 655, 105, 679}, QStringLiteral("A Grubu Ekle"), 12, kLight);
    const Rect addB =
        button(MainButton::AddB, {405, 655, 495, 679}, QStringLiteral("B Grubu Ekle"), 12, kLight);
    const Rect addC =
        button(MainButton::AddC, {805, 655, 895, 679}, QStringLiteral("C Grubu Ekle"), 12, kLight);
    const Rect terazi =
        button(MainButton::Teraziler, {15, 625, 105, 649}, QStringLiteral("Teraziler"), 10,
               QColor(95, 158, 160), kScaleOutline);
    button(MainButton::TeraziyeGonder, {110, 625, 205, 649}, QStringLiteral("Teraziye Gönder"), 10,
           QColor(60, 179, 113), kScaleOutline);
    button(MainButton::DisaVerTartilan, {215, 625, 315, 649}, QStringLiteral("DışaVer Tartılan"),
           10, QColor(0, 128, 128));
    const auto typeButton = [&](MainButton which, const Rect& add) {
        return button(which, {add.right + 5, 655, add.right + 95, 679},
                      QStringLiteral("Grubu-Tipi"), 9, groupType);
    };
    const Rect typeA = typeButton(MainButton::GroupTypeA, addA);
    const Rect typeB = typeButton(MainButton::GroupTypeB, addB);
    typeButton(MainButton::GroupTypeC, addC);
    const int x = typeA.right + 35;
    button(MainButton::MenuSiralamasi, {x, 655, x + 100, 679}, QStringLiteral("Menu Sıralaması"),
           10, slate);
    button(MainButton::UrunSiralamasi, {x, 683, x + 100, 707}, QStringLiteral("Ürün Sıralaması"),
           10, slate);
    button(MainButton::TumIndexiSil, {x + 5, 710, x + 95, 734}, QStringLiteral("Tüm İndexi Sil"),
           10, QColor(146, 0, 10), QColor(146, 0, 10));
    const int columns[] = {15, 405, 805};
    const MainButton deletes[] = {MainButton::DeleteA, MainButton::DeleteB, MainButton::DeleteC};
    const MainButton products[] = {MainButton::ProductsA, MainButton::ProductsB,
                                   MainButton::ProductsC};
    const MainButton settings[] = {MainButton::SettingsA, MainButton::SettingsB,
                                   MainButton::SettingsC};
    for (std::size_t i = 0; i < 3; ++i) {
        const int left = columns[i];
        button(deletes[i], {left, 683, left + 50, 707}, QStringLiteral("Sil"), 17, red);
        button(products[i], {left + 55, 683, left + 125, 707}, QStringLiteral("Ürünler"), 15,
               kLight);
        button(settings[i], {left + 130, 683, left + 190, 707}, QStringLiteral("Ayarla"), 13,
               slate);
    }
    if (m_state.scaleBusy)
        scaleProgress(terazi.top);
    const Rect tabledot3 =
        button(MainButton::Tabledot3, {typeB.right + 5, 655, typeB.right + 100, 679},
               QStringLiteral("Tabledot 3 Kap"), 8, QColor(205, 133, 63));
    button(MainButton::Tabledot4, {tabledot3.right + 5, 655, tabledot3.right + 100, 679},
           QStringLiteral("Tabledot 4 Kap"), 8, QColor(205, 133, 63));
}

void ScreenPainter::scaleProgress(int teraziTop) {
    const Rect bar{15, teraziTop - 25, 351, teraziTop - 11};
    m_p.setPen(kLight);
    m_p.setBrush(Qt::NoBrush);
    m_p.drawRect(toQRect(bar));
    m_p.save();
    m_p.setClipRect(toQRect(bar).adjusted(1, 1, 0, 0));
    for (int step = 0; step < m_state.scaleSteps; ++step)
        m_p.fillRect(bar.left + 1 + step * 12, bar.top + 1, 12, 12, kWeighedMark);
    m_p.restore();
    m_p.setFont(m_fonts.small);
    m_p.setPen(kLight);
    m_p.drawText(toQRect(bar), Qt::AlignCenter, QString::number(m_state.scaleSteps));
}

void ScreenPainter::paint(QSize client) {
    m_p.fillRect(QRect(QPoint(0, 0), client), kBackground);
    m_p.setBackgroundMode(Qt::TransparentMode);
    auto& groups = m_content.groups;
    resetRows(groups.screenA());
    resetRows(groups.screenB());
    resetRows(groups.screenC());
    // What lies on top is drawn last, and a click finds it first: the rows
    // lie under the arrows, the buttons and the branch boxes.
    groupLists();
    arrows();
    topBar();
    const int right = m_state.desktopRight;
    // The sheet commands make a column under "YemekSepeti Menü"; "Menüyü
    // Oluştur" joins it where its own place would cover the C column.
    const Rect anchored{right - 400, 10, right - 280, 34};
    const Rect sheets =
        button(MainButton::YemekSepetiMenu, coversColumnC(anchored) ? inStrip(anchored) : anchored,
               QStringLiteral("YemekSepeti Menü"), 10, QColor(0, 204, 204));
    const Rect exportRect = button(MainButton::ExcelEAktar, under(sheets),
                                   QStringLiteral("Excel'e Aktar"), 22, QColor(0, 204, 204));
    const Rect check = button(MainButton::KatalogKontrolu, under(exportRect),
                              QStringLiteral("Katalog Kontrolü"), 10, QColor(255, 215, 140));
    const Rect menu{right - 250, 10, right - 130, 34};
    button(MainButton::MenuyuOlustur, coversColumnC(menu) ? under(check) : menu,
           QStringLiteral("Menüyü Oluştur"), 16, QColor(255, 192, 203));
    statusLines(m_state.serverStatus.isEmpty()
                    ? m_state.uploadStatus
                    : m_state.serverStatus + QLatin1Char('\n') + m_state.uploadStatus);
    bottomButtons();
    branchBoxes();
}

} // namespace

void paintMainScreen(QPainter& painter, QSize client, MainScreenState& state,
                     MainScreenContent& content, const ArrowPictures& arrows) {
    ScreenPainter(painter, state, content, arrows).paint(client);
}

} // namespace parvela::app
