#pragma once

#include <string>
#include <string_view>
#include <vector>

// Reads back the EPL2 lines a label is made of, for the preview.
namespace parvela::labels {

// Ax,y,rotation,font,hmul,vmul,N|R,"data"
struct TextElement {
    int x = 0, y = 0;
    int rotation = 0; // quarter turns clockwise
    int font = 1;
    int widthFactor = 1, heightFactor = 1;
    bool reverse = false;
    std::string data; // code page 1254, escapes removed
};

// Bx,y,rotation,symbology,narrow,wide,height,B|N,"data"
struct BarcodeElement {
    int x = 0, y = 0;
    int rotation = 0;
    std::string symbology;
    int narrow = 1, wide = 1, height = 0;
    bool humanReadable = false;
    std::string data;
};

struct Epl2Label {
    std::vector<TextElement> texts;
    std::vector<BarcodeElement> barcodes;
    int width = 0;  // q, in dots; 0 when not given
    int length = 0; // Q
    int copies = 0; // P
};

// N starts the image afresh; lines that are not understood are passed over.
Epl2Label readEpl2(std::string_view commands);

} // namespace parvela::labels
