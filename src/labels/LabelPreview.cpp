#include "labels/LabelPreview.h"

#include "db/CodePage1254.h"
#include "labels/Ean13.h"
#include "labels/Epl2Reader.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <array>

namespace parvela::labels {

namespace {

constexpr int kMinWidth = 400;
constexpr int kMinLength = 240;
constexpr int kMargin = 8;
// Bounds what a mistyped position or size can make the preview allocate.
constexpr int kMaxDots = 4096;
constexpr int kGlyphPixels = 64;

struct CellSize {
    int width, height;
};

// EPL2 fonts 1 to 5; an unknown font is shown as font 1.
CellSize fontCell(int font, int dotsPerMm) {
    static constexpr std::array<CellSize, 5> k203{
        {{8, 12}, {10, 16}, {12, 20}, {14, 24}, {32, 48}}};
    static constexpr std::array<CellSize, 5> k300{
        {{12, 20}, {16, 28}, {20, 36}, {24, 44}, {48, 80}}};
    const auto& table = dotsPerMm >= 12 ? k300 : k203;
    return table[static_cast<std::size_t>(font >= 1 && font <= 5 ? font - 1 : 0)];
}

// An element drawn upright in a frame of `size` whose turned box has its top
// left corner at x,y.
struct Frame {
    int x = 0, y = 0, rotation = 0;
    QSize size;

    QRect box() const { return {QPoint(x, y), rotation % 2 ? size.transposed() : size}; }
    QTransform placement() const {
        const int w = size.width(), h = size.height();
        const std::array<QPoint, 4> origin{QPoint(x, y), QPoint(x + h, y), QPoint(x + w, y + h),
                                           QPoint(x, y + w)};
        QTransform t;
        t.translate(origin[static_cast<std::size_t>(rotation)].x(),
                    origin[static_cast<std::size_t>(rotation)].y());
        t.rotate(90.0 * rotation);
        return t;
    }
};

int quarterTurns(int rotation) {
    return ((rotation % 4) + 4) % 4;
}

// Far enough off the label to be cut off, near enough not to overflow.
int position(int dots) {
    return std::clamp(dots, -kMaxDots, kMaxDots);
}

// Draws text one character per cell, each glyph stretched to fill its cell,
// as the printer's bitmap fonts do.
class CellText {
public:
    CellText()
        : m_font(QStringLiteral("DejaVu Sans Mono")) {
        m_font.setStyleHint(QFont::Monospace);
        m_font.setStyleStrategy(QFont::NoAntialias);
        m_font.setPixelSize(kGlyphPixels);
        const QFontMetricsF metrics(m_font);
        m_glyph = QSizeF(metrics.horizontalAdvance(QLatin1Char('M')), metrics.height());
        m_ascent = metrics.ascent();
    }

    void draw(QPainter& painter, const QString& text, const QRectF& firstCell, bool reverse) const {
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QRectF cell = firstCell.translated(firstCell.width() * double(i), 0);
            painter.save();
            painter.setClipRect(cell, Qt::IntersectClip);
            if (reverse)
                painter.fillRect(cell, Qt::black);
            painter.setPen(reverse ? Qt::white : Qt::black);
            painter.translate(cell.topLeft());
            painter.scale(cell.width() / m_glyph.width(), cell.height() / m_glyph.height());
            painter.setFont(m_font);
            painter.drawText(QPointF(0, m_ascent), QString(text[i]));
            painter.restore();
        }
    }

private:
    QFont m_font;
    QSizeF m_glyph;
    double m_ascent = 0;
};

struct TextShape {
    Frame frame;
    QString text;
    QSize cell;
    bool reverse = false;
};

TextShape shapeOf(const TextElement& e, int dotsPerMm) {
    const CellSize cell = fontCell(e.font, dotsPerMm);
    const QSize scaled(cell.width * std::clamp(e.widthFactor, 1, 9),
                       cell.height * std::clamp(e.heightFactor, 1, 9));
    QString text = db::Cp1254::decode(e.data);
    text.truncate(kMaxDots / scaled.width() + 1);
    const QSize size(scaled.width() * int(text.size()), scaled.height());
    return {
        {position(e.x), position(e.y), quarterTurns(e.rotation), size}, text, scaled, e.reverse};
}

// The bars, the digits under them and the space the first digit takes
// before the start guard.
struct BarcodeShape {
    Frame frame;
    std::optional<std::string> digits;
    int module = 1, height = 1, textHeight = 0, offset = 0;
};

BarcodeShape shapeOf(const BarcodeElement& e) {
    BarcodeShape s;
    s.digits = e.symbology == "E30" ? ean13Digits(e.data) : std::nullopt;
    s.module = std::clamp(e.narrow, 1, 20);
    s.height = std::clamp(e.height, 1, kMaxDots);
    const bool digitsShown = e.humanReadable && s.digits;
    s.textHeight = digitsShown ? 10 * s.module : 0;
    s.offset = digitsShown ? 9 * s.module : 0;
    const QSize size(s.offset + kEan13Modules * s.module, s.height + s.textHeight);
    s.frame = {position(e.x), position(e.y), quarterTurns(e.rotation), size};
    return s;
}

void drawCrossedBox(QPainter& painter, const QSize& size) {
    const QRect box(QPoint(0, 0), size - QSize(1, 1));
    painter.setPen(Qt::black);
    painter.drawRect(box);
    painter.drawLine(box.topLeft(), box.bottomRight());
    painter.drawLine(box.bottomLeft(), box.topRight());
}

void drawBarcode(QPainter& painter, const BarcodeShape& s, const CellText& cells) {
    const std::optional<std::string> modules = s.digits ? ean13Modules(*s.digits) : std::nullopt;
    if (!modules) {
        drawCrossedBox(painter, s.frame.size);
        return;
    }
    for (int i = 0; i < kEan13Modules; ++i) {
        if ((*modules)[static_cast<std::size_t>(i)] != '1')
            continue;
        const int tall = isEan13GuardModule(i) ? s.textHeight / 2 : 0;
        painter.fillRect(s.offset + i * s.module, 0, s.module, s.height + tall, Qt::black);
    }
    if (s.textHeight == 0)
        return;
    const QSizeF cell(7.0 * s.module, s.textHeight);
    const QString digits = QString::fromLatin1(*s.digits);
    cells.draw(painter, digits.left(1), QRectF(QPointF(0, s.height), cell), false);
    cells.draw(painter, digits.mid(1, 6),
               QRectF(QPointF(s.offset + 3.0 * s.module, s.height), cell), false);
    cells.draw(painter, digits.mid(7), QRectF(QPointF(s.offset + 50.0 * s.module, s.height), cell),
               false);
}

QSize canvasSize(const Epl2Label& label, const std::vector<TextShape>& texts,
                 const std::vector<BarcodeShape>& barcodes) {
    QRect extent(0, 0, std::max(kMinWidth, label.width), std::max(kMinLength, label.length));
    const QMargins margin(0, 0, kMargin, kMargin);
    for (const TextShape& t : texts)
        extent |= t.frame.box() + margin;
    for (const BarcodeShape& b : barcodes)
        extent |= b.frame.box() + margin;
    return {std::min(extent.right() + 1, kMaxDots), std::min(extent.bottom() + 1, kMaxDots)};
}

// Thermal dots are either burnt or not.
void toInk(QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = qGray(line[x]) < 128 ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
    }
}

} // namespace

QImage renderLabelPreview(std::string_view commands, int dotsPerMm) {
    const Epl2Label label = readEpl2(commands);
    std::vector<TextShape> texts;
    for (const TextElement& e : label.texts)
        texts.push_back(shapeOf(e, dotsPerMm));
    std::vector<BarcodeShape> barcodes;
    for (const BarcodeElement& e : label.barcodes)
        barcodes.push_back(shapeOf(e));

    QImage image(canvasSize(label, texts, barcodes), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    const CellText cells;
    for (const TextShape& t : texts) {
        painter.setTransform(t.frame.placement());
        cells.draw(painter, t.text, QRectF(QPointF(0, 0), t.cell), t.reverse);
    }
    for (const BarcodeShape& b : barcodes) {
        painter.setTransform(b.frame.placement());
        drawBarcode(painter, b, cells);
    }
    painter.end();
    toInk(image);
    return image;
}

} // namespace parvela::labels
