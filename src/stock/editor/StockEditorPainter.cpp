#include "stock/editor/StockEditorPainter.h"

#include "db/TypedNumber.h"

#include <QImage>
#include <QPainter>
#include <array>

namespace parvela::stock {

namespace {

struct Caption {
    const char* text;
    int x;
    int y;
};

const std::array<Caption, 17> kCaptions{{
    {"Stok Kodu (Otomatik) :", 10, 35},
    {"Stok Adi :", 10, 105},
    {"Ürün Açıklaması :", 490, 105},
    {"Maliyet (KDV Hariç) :", 10, 155},
    {"Barkodu :", 10, 225},
    {"Para Birimi:", 190, 155},
    {"Mik. Birimi :", 385, 105},
    {"Perakende Fiyatı :", 20, 305},
    {"Toptan Fiyatı :", 150, 305},
    {"Self-Servis Fiyatı :", 280, 305},
    {"Sipariş Fiyatı :", 410, 305},
    {"Zaman Aralık 1 :", 540, 305},
    {"Kdv :", 20, 410},
    {"Kritik Stok :", 150, 410},
    {"Departmanı :", 275, 410},
    {"Az Fiyatı :", 450, 410},
    {"İskonto %", 580, 410},
}};

constexpr int kTextWidth = 240;
constexpr int kTextHeight = 16;
// Free below the discount and right of the check boxes.
constexpr QRect kPicturePlace(730, 425, 175, 165);

void drawAt(QPainter& painter, int x, int y, const QString& text) {
    painter.drawText(QRect(x, y, kTextWidth, kTextHeight), Qt::AlignLeft | Qt::AlignTop, text);
}

void paintGroups(QPainter& painter, const EditedProduct& edited) {
    drawAt(painter, 240, 8, QStringLiteral("Grup A : ") + edited.groupNames[0]);
    drawAt(painter, 240, 26, QStringLiteral("Grup B : ") + edited.groupNames[1]);
    drawAt(painter, 240, 44, QStringLiteral("Grup C : ") + edited.groupNames[2]);
}

// The till button as it will look, beside the colour buttons.
void paintColourSample(QPainter& painter, const StockDefinition& p) {
    const QRect sample(715, 10, 190, 46);
    painter.fillRect(sample, toQColor(p.backColor));
    painter.save();
    painter.setPen(toQColor(p.fontColor));
    painter.drawText(sample, Qt::AlignCenter | Qt::TextWordWrap, p.stname);
    painter.restore();
}

} // namespace

QColor toQColor(records::Rgb colour) {
    return {records::redOf(colour), records::greenOf(colour), records::blueOf(colour)};
}

void paintEditorLabels(QPainter& painter, const EditedProduct& edited) {
    const StockDefinition& p = edited.product;
    for (const Caption& caption : kCaptions)
        drawAt(painter, caption.x, caption.y, QString::fromUtf8(caption.text));
    drawAt(painter, 800, 305, p.regionPrice.regionName);
    // Slashes apart: the prices carry decimal commas.
    drawAt(painter, 160, 358,
           db::shownPrice(p.smll_prc) + QStringLiteral(" / ") + db::shownPrice(p.med_prc) +
               QStringLiteral(" / ") + db::shownPrice(p.larg_prc));
    paintGroups(painter, edited);
    paintColourSample(painter, p);
}

void paintEditorPicture(QPainter& painter, const QImage& picture) {
    if (picture.isNull())
        return;
    const QImage scaled =
        picture.size().boundedTo(kPicturePlace.size()) == picture.size()
            ? picture
            : picture.scaled(kPicturePlace.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QRect place(QPoint(), scaled.size());
    place.moveCenter(kPicturePlace.center());
    painter.drawImage(place, scaled);
}

} // namespace parvela::stock
