#include "labels/LabelCommands.h"

#include "db/CodePage1254.h"
#include "db/SqlFormat.h"
#include "labels/LabelLayout.h"

namespace parvela::labels {

namespace {

constexpr const char* kLineEnd = "\r\n";
// The record's barcode field, terminator excluded.
constexpr std::size_t kBarcodeBytes = stock::field::kCodeText - 1;

int rotation(std::int16_t vertical) {
    return vertical > 0 ? 1 : 0;
}

// The printer takes a backslash in quoted data as an escape (\" prints a
// quote, \\ a backslash); a line break would end the command early.
std::string quotedData(std::string_view bytes) {
    std::string quoted = "\"";
    for (const char byte : bytes) {
        if (byte == '"' || byte == '\\')
            quoted += '\\';
        quoted += static_cast<unsigned char>(byte) < 0x20 ? ' ' : byte;
    }
    return quoted + '"';
}

std::string textLine(int x, int y, std::int16_t vertical, int font, const std::string& quoted) {
    return db::sqlf("A%d,%d,%d,%d,1,1,N,", x, y, rotation(vertical), font) + quoted + kLineEnd;
}

std::string barcodeLine(const LabelLayout& l, const std::string& quoted) {
    return db::sqlf("B%d,%d,%d,E30,%d,%d,%d,B,", l.barcodeX, l.barcodeY,
                    rotation(l.barcodeVertical), l.narrowBarWidth, l.wideBarWidth, l.barHeight) +
           quoted + kLineEnd;
}

std::string dateData(const char* prefix, const CalendarDate& date) {
    return '"' + db::sqlf("%s%d.%d.%d", prefix, date.day, date.month, date.year) + '"';
}

std::string nameBytes(QString name) {
    if (!name.isEmpty())
        foldTurkishLetters(name);
    return db::Cp1254::encodeLossy(name).substr(0, kNameBytes);
}

std::string priceData(const stock::StockDefinition& product) {
    if (product.unit == "kg")
        return '"' + db::sqlf("%.2f TL  %.3f kg", product.sellp1, 1.0) + '"';
    return '"' + db::sqlf("%.2f TL 1 ad", product.sellp1) + '"';
}

std::string printLine(int copies) {
    return db::sqlf("P%d", copies) + kLineEnd;
}

} // namespace

void foldTurkishLetters(QString& text) {
    static const QString from = QStringLiteral("ÇçĞğİıÖöŞşÜü");
    static const QString to = QStringLiteral("ccggiioossuu");
    for (QChar& c : text) {
        const qsizetype at = from.indexOf(c);
        if (at >= 0)
            c = to[at];
    }
}

std::string productLabelCommands(const LabelLayout& l, const stock::StockDefinition& product) {
    const std::string special = db::Cp1254::encodeLossy(l.specialCode.left(kSpecialCodeCharacters));
    std::string commands = std::string("N") + kLineEnd;
    commands += textLine(l.nameX, l.nameY, l.nameVertical, l.nameFont,
                         quotedData(nameBytes(product.stname)));
    commands +=
        barcodeLine(l, quotedData(std::string_view(product.barcode).substr(0, kBarcodeBytes)));
    commands += textLine(l.packingX, l.packingY, l.packingVertical, l.dateFont,
                         dateData("PKT:", l.packingDate));
    commands += textLine(l.consumptionX, l.consumptionY, l.consumptionVertical, l.dateFont,
                         dateData("SKT:", l.consumptionDate));
    // The special code turns with the name.
    commands += textLine(l.specialX, l.specialY, l.nameVertical, l.dateFont, quotedData(special));
    if (l.printPrice)
        commands += textLine(l.priceX, l.priceY, l.priceVertical, l.priceFont, priceData(product));
    return commands + printLine(l.copies);
}

std::string barcodeLabelCommands(const LabelLayout& layout, std::int64_t code) {
    return std::string("N") + kLineEnd +
           barcodeLine(layout, '"' + db::sqlf("%lld", static_cast<long long>(code)) + '"') +
           printLine(layout.copies);
}

} // namespace parvela::labels
