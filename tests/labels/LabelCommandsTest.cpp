#include "labels/LabelCommands.h"

#include "TurkishLocale.h"
#include "labels/Epl2Reader.h"
#include "labels/LabelLayout.h"

#include <cfloat>
#include <climits>
#include <gtest/gtest.h>

using namespace parvela;
using labels::LabelLayout;

namespace {

using test::TurkishLocale;

LabelLayout exampleLayout() {
    LabelLayout l;
    l.nameX = 20, l.nameY = 10, l.nameFont = 2;
    l.barcodeX = 20, l.barcodeY = 40;
    l.narrowBarWidth = 2, l.wideBarWidth = 4, l.barHeight = 150;
    l.packingX = 20, l.packingY = 200, l.packingDate = {2024, 3, 7};
    l.consumptionX = 210, l.consumptionY = 200, l.consumptionDate = {2024, 3, 10};
    l.specialX = 250, l.specialY = 180, l.specialCode = QStringLiteral("KASAP");
    l.dateFont = 1;
    l.priceX = 20, l.priceY = 222, l.priceFont = 2, l.printPrice = true;
    return l;
}

stock::StockDefinition kofte() {
    stock::StockDefinition p;
    p.stname = QStringLiteral("ŞİŞ KÖFTE");
    p.barcode = "8697000000004";
    p.unit = "kg";
    p.sellp1 = 12.5;
    return p;
}

std::vector<std::string> linesOf(const std::string& commands) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = commands.find("\r\n", start)) != std::string::npos;
         start = end + 2)
        lines.push_back(commands.substr(start, end - start));
    EXPECT_EQ(start, commands.size()) << "text after the last line end";
    return lines;
}

} // namespace

TEST(LabelCommands, productLabelIsTheExactCommandText) {
    const TurkishLocale turkish;
    EXPECT_EQ(labels::productLabelCommands(exampleLayout(), kofte()),
              "N\r\n"
              "A20,10,0,2,1,1,N,\"sis KoFTE\"\r\n"
              "B20,40,0,E30,2,4,150,B,\"8697000000004\"\r\n"
              "A20,200,0,1,1,1,N,\"PKT:7.3.2024\"\r\n"
              "A210,200,0,1,1,1,N,\"SKT:10.3.2024\"\r\n"
              "A250,180,0,1,1,1,N,\"KASAP\"\r\n"
              "A20,222,0,2,1,1,N,\"12.50 TL  1.000 kg\"\r\n"
              "P1\r\n");
}

TEST(LabelCommands, priceLineFollowsTheUnitAndTheSwitch) {
    const TurkishLocale turkish;
    LabelLayout layout = exampleLayout();
    stock::StockDefinition product = kofte();
    product.unit = "KG";
    product.sellp1 = 7.005;
    EXPECT_EQ(linesOf(labels::productLabelCommands(layout, product)).at(6),
              "A20,222,0,2,1,1,N,\"7.00 TL 1 ad\"");

    layout.printPrice = false;
    layout.copies = 3;
    const std::vector<std::string> lines = linesOf(labels::productLabelCommands(layout, product));
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[5], "A250,180,0,1,1,1,N,\"KASAP\"");
    EXPECT_EQ(lines[6], "P3");
}

TEST(LabelCommands, turkishLettersFoldToLowerCaseAscii) {
    QString text = QStringLiteral("ÇçĞğİıÖöŞşÜü Iiâ");
    labels::foldTurkishLetters(text);
    EXPECT_EQ(text, QStringLiteral("ccggiioossuu Iiâ"));
}

TEST(LabelCommands, quotedFieldsCannotBreakTheirLine) {
    LabelLayout layout = exampleLayout();
    layout.specialCode = QString();
    layout.nameVertical = 5;
    stock::StockDefinition product = kofte();
    product.stname = QStringLiteral("Ali \"Usta\" C:\\ Ayran\r\nP99");
    product.barcode = "86\"9";
    std::vector<std::string> lines = linesOf(labels::productLabelCommands(layout, product));
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[1], "A20,10,1,2,1,1,N,\"Ali \\\"Usta\\\" C:\\\\ Ayran  P99\"");
    EXPECT_EQ(lines[2], "B20,40,0,E30,2,4,150,B,\"86\\\"9\"");
    // The special code turns with the name, and is sent even when empty.
    EXPECT_EQ(lines[5], "A250,180,1,1,1,1,N,\"\"");

    layout.specialCode = QStringLiteral("Özel \"A\" ") + QString(60, QLatin1Char('x'));
    lines = linesOf(labels::productLabelCommands(layout, product));
    EXPECT_EQ(lines.at(5), "A250,180,1,1,1,1,N,\"\xD6zel \\\"A\\\" " + std::string(41, 'x') + "\"");
}

TEST(LabelCommands, nameIsCodePage1254OfAtMost80Bytes) {
    stock::StockDefinition product = kofte();
    product.stname =
        QStringLiteral("Crème ") + QString(100, QLatin1Char('y')) + QStringLiteral("€");
    const std::string line = linesOf(labels::productLabelCommands(exampleLayout(), product)).at(1);
    EXPECT_EQ(line, "A20,10,0,2,1,1,N,\"Cr\xE8me " + std::string(74, 'y') + "\"");
}

TEST(LabelCommands, barcodeOnlyLabel) {
    LabelLayout layout = exampleLayout();
    EXPECT_EQ(labels::barcodeLabelCommands(layout, 3000301200014),
              "N\r\nB20,40,0,E30,2,4,150,B,\"3000301200014\"\r\nP1\r\n");
    layout.barcodeVertical = 1;
    layout.copies = 2;
    EXPECT_EQ(labels::barcodeLabelCommands(layout, 3000301202094),
              "N\r\nB20,40,1,E30,2,4,150,B,\"3000301202094\"\r\nP2\r\n");
}

// Every field at its longest still fits the printer's command buffer, and
// the quoted fields read back as they were meant.
TEST(LabelCommands, worstCaseFitsTheCommandBuffer) {
    LabelLayout layout;
    for (int LabelLayout::*field :
         {&LabelLayout::nameX, &LabelLayout::nameY, &LabelLayout::barcodeX, &LabelLayout::barcodeY,
          &LabelLayout::priceX, &LabelLayout::priceY, &LabelLayout::packingX,
          &LabelLayout::packingY, &LabelLayout::consumptionX, &LabelLayout::consumptionY,
          &LabelLayout::specialX, &LabelLayout::specialY, &LabelLayout::dateFont,
          &LabelLayout::barHeight, &LabelLayout::narrowBarWidth, &LabelLayout::wideBarWidth,
          &LabelLayout::nameFont, &LabelLayout::priceFont, &LabelLayout::copies})
        layout.*field = INT_MIN;
    layout.packingDate = layout.consumptionDate = {SHRT_MIN, SHRT_MIN, SHRT_MIN};
    layout.specialCode = QString(300, QLatin1Char('\\'));
    layout.printPrice = true;
    stock::StockDefinition product;
    product.stname = QString(300, QLatin1Char('"'));
    product.barcode = std::string(300, '"');
    product.unit = "kg";
    product.sellp1 = -DBL_MAX;

    const std::string commands = labels::productLabelCommands(layout, product);
    EXPECT_LE(commands.size(), labels::kCommandBufferSize);
    const labels::Epl2Label read = labels::readEpl2(commands);
    ASSERT_EQ(read.texts.size(), 5u);
    EXPECT_EQ(read.texts[0].data, std::string(labels::kNameBytes, '"'));
    EXPECT_EQ(read.texts[3].data, std::string(50, '\\'));
    ASSERT_EQ(read.barcodes.size(), 1u);
    EXPECT_EQ(read.barcodes[0].data, std::string(39, '"'));
}
