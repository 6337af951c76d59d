#include "labels/LabelPreview.h"

#include "labels/Ean13.h"

#include <QRect>
#include <gtest/gtest.h>

using namespace parvela;

namespace {

bool isInk(const QImage& image, int x, int y) {
    return image.pixel(x, y) == qRgb(0, 0, 0);
}

// The smallest rectangle that holds every black dot; checks that the image
// holds only black and white.
QRect inkBox(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb dot = image.pixel(x, y);
            EXPECT_TRUE(dot == qRgb(0, 0, 0) || dot == qRgb(255, 255, 255));
            if (isInk(image, x, y))
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

int inkIn(const QImage& image, const QRect& area) {
    int dots = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            dots += isInk(image, x, y) ? 1 : 0;
    return dots;
}

} // namespace

// The patterns of the published EAN-13 tables: 8 sets L G L G G L on the left.
TEST(Ean13, modulesOfAKnownCode) {
    EXPECT_EQ(labels::ean13Digits("869700000000"), "8697000000004");
    EXPECT_EQ(labels::ean13Digits("4006381333931"), "4006381333931");
    EXPECT_EQ(labels::ean13Digits("400638133393"), "4006381333931");
    EXPECT_FALSE(labels::ean13Digits("86970000000x4"));
    EXPECT_FALSE(labels::ean13Digits("2700015"));
    EXPECT_EQ(labels::ean13Modules("8697000000004"), "101"
                                                     "0101111"
                                                     "0010111"
                                                     "0111011"
                                                     "0100111"
                                                     "0100111"
                                                     "0001101"
                                                     "01010"
                                                     "1110010"
                                                     "1110010"
                                                     "1110010"
                                                     "1110010"
                                                     "1110010"
                                                     "1011100"
                                                     "101");
    EXPECT_FALSE(labels::ean13Modules("869700000000"));
}

TEST(LabelPreview, isTheLabelSizeUnlessElementsReachFurther) {
    EXPECT_EQ(labels::renderLabelPreview("N\r\nA20,10,0,2,1,1,N,\"X\"\r\nP1\r\n").size(),
              QSize(400, 240));
    EXPECT_EQ(labels::renderLabelPreview("q600\r\nQ300,24\r\nN\r\nP1\r\n").size(), QSize(600, 300));
    // Font 4 at 8 dots/mm: 14 x 24 per character, and 8 dots of margin.
    EXPECT_EQ(labels::renderLabelPreview("N\r\nA500,230,0,4,1,2,N,\"AB\"\r\nP1\r\n").size(),
              QSize(500 + 28 + 8, 230 + 48 + 8));
    // A mistyped position does not make a picture of gigabytes.
    const QSize huge = labels::renderLabelPreview("N\r\nA2000000000,5,0,1,1,1,N,\"A\"\r\n").size();
    EXPECT_LE(huge.width(), 4096);
}

TEST(LabelPreview, textInksOnlyItsFontCells) {
    for (const auto& [dotsPerMm, cell] :
         {std::pair{8, QSize(10, 16)}, std::pair{12, QSize(16, 28)}}) {
        const QImage image =
            labels::renderLabelPreview("N\r\nA20,10,0,2,1,1,N,\"HH\\\"H\"\r\nP1\r\n", dotsPerMm);
        const QRect name(QPoint(20, 10), QSize(cell.width() * 4, cell.height()));
        EXPECT_TRUE(name.contains(inkBox(image))) << dotsPerMm;
        for (int i = 0; i < 4; ++i)
            EXPECT_GT(inkIn(image, QRect(QPoint(20 + i * cell.width(), 10), cell)), 0) << i;
        // The glyphs are stretched to their cells, so each H reaches both sides.
        EXPECT_GE(inkBox(image).height(), cell.height() / 2);
    }
}

TEST(LabelPreview, rotatedTextLiesAlongTheOtherAxis) {
    const QImage image = labels::renderLabelPreview("N\r\nA100,10,1,2,1,1,N,\"HHHHHH\"\r\nP1\r\n");
    const QRect ink = inkBox(image);
    EXPECT_TRUE(QRect(100, 10, 16, 60).contains(ink)) << ink.x() << "," << ink.y();
    EXPECT_GT(ink.height(), 3 * ink.width());

    const QImage barcode =
        labels::renderLabelPreview("N\r\nB20,20,1,E30,2,4,80,N,\"8697000000004\"\r\nP1\r\n");
    const QRect bars = inkBox(barcode);
    EXPECT_EQ(bars, QRect(20, 20, 80, 190));
}

TEST(LabelPreview, barcodeBarsFollowTheModules) {
    const QImage image =
        labels::renderLabelPreview("N\r\nB20,40,0,E30,2,4,100,B,\"869700000000\"\r\nP1\r\n");
    const std::string modules = *labels::ean13Modules("8697000000004");
    // With its digits the code starts 9 modules in, after the first digit.
    const int left = 20 + 9 * 2;
    for (int x = 0; x < image.width(); ++x) {
        const int module = (x - left) / 2;
        const bool bar = x >= left && module < 95 && modules[std::size_t(module)] == '1';
        EXPECT_EQ(isInk(image, x, 90), bar) << x;
    }
    // Guard bars reach into the digits' row, the others stop above it.
    EXPECT_TRUE(isInk(image, left, 40 + 100 + 5));
    EXPECT_TRUE(isInk(image, left + 2 * 4, 40 + 99));
    EXPECT_FALSE(isInk(image, left + 2 * 4, 40 + 100));
    EXPECT_GT(inkIn(image, QRect(20, 140, 14, 20)), 0) << "first digit";
    EXPECT_GT(inkIn(image, QRect(left + 6, 141, 84, 19)), 0) << "left digits";
}

TEST(LabelPreview, invalidBarcodeDataDrawsACrossedBox) {
    const QImage image = labels::renderLabelPreview("N\r\nB10,10,0,E30,1,2,50,B,\"ABC\"\r\nP1\r\n");
    EXPECT_EQ(inkBox(image), QRect(10, 10, 95, 50));
    EXPECT_GT(inkIn(image, QRect(10 + 45, 10 + 22, 5, 5)), 0);
    EXPECT_EQ(inkIn(image, QRect(10 + 40, 10 + 3, 15, 5)), 0);
}
