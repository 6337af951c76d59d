#include "publishing/RecordBytes.h"
#include "publishing/StockRecordLayout.h"
#include "publishing/TransferFiles.h"

#include <array>
#include <charconv>

namespace parvela::publishing {

namespace {

namespace at = stockrecord;

// Code page 1254 bytes with no character (U+FFFD when read), written as '?'.
constexpr std::string_view kUndefinedBytes = "\x81\x8D\x8E\x8F\x90\x9D\x9E";
// The transfer sanitiser's characters as code page 1254 bytes (0x92 is
// U+2019), and the line breaks.
constexpr std::string_view kBlankedBytes = "\t!\"#$%'*,-/;=?@\\^`{|}\x92\r\n";

constexpr std::array<char, 256> makeKeyBytes() {
    std::array<char, 256> table{};
    for (std::size_t byte = 0; byte < table.size(); ++byte)
        table[byte] = static_cast<char>(byte);
    for (const char byte : kBlankedBytes)
        table[static_cast<unsigned char>(byte)] = ' ';
    for (const char byte : kUndefinedBytes)
        table[static_cast<unsigned char>(byte)] = '?';
    return table;
}

// The key list is split at "|", "," and "=>" and read line by line: a
// barcode, serial, unit or name must not carry any of them. Byte by byte,
// this is the record's text read as code page 1254, sanitised for transfer
// with line breaks blanked, and written back.
constexpr std::array<char, 256> kKeyBytes = makeKeyBytes();

void appendKeyText(std::string& out, std::string_view record, std::size_t offset,
                   std::size_t size) {
    for (const char byte : narrowAt(record, offset, size))
        out.push_back(kKeyBytes[static_cast<unsigned char>(byte)]);
}

template <typename Number> void appendNumber(std::string& out, Number value) {
    std::array<char, 24> digits;
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
    out.append(digits.data(), end);
}

// Two decimals, a point whatever the locale.
void appendPrice(std::string& out, double value) {
    std::array<char, 64> digits;
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value,
                                   std::chars_format::fixed, 2)
                         .ptr;
    out.append(digits.data(), end);
}

void appendKeys(std::string& out, std::string_view record) {
    out += "isletme_code=>";
    appendNumber(out, int32At(record, at::kCompany));
    out += ",type=>";
    appendNumber(out, int32At(record, at::kType));
    out += ",stcode=>";
    appendNumber(out, int64At(record, at::kCode));
    out += ",gra=>";
    appendNumber(out, int32At(record, at::kGra));
    out += ",grb=>";
    appendNumber(out, int32At(record, at::kGrb));
    out += ",grc=>";
    appendNumber(out, int32At(record, at::kGrc));
    out += ",barcode=>";
    appendKeyText(out, record, at::kBarcode, at::kCodeTextSize);
    out += ",serial=>";
    appendKeyText(out, record, at::kSerial, at::kCodeTextSize);
    out += ",stname=>";
    appendKeyText(out, record, at::kName, at::kNameSize);
    out += ",unit=>";
    appendKeyText(out, record, at::kUnit, at::kUnitSize);
    out += ",kdv=>";
    appendNumber(out, int32At(record, at::kKdv));
    out += ",sellp1=>";
    appendPrice(out, static_cast<double>(float32At(record, at::kSellp1)));
}

// Room for a typical product's keys, so that the text seldom grows.
constexpr std::size_t kTypicalKeysSize = 200;

} // namespace

void makeKeyList(const stock::ProductList& products, int companyId,
                 const platform::PieceSink& sink) {
    constexpr std::size_t kPieceBytes = 64 * 1024;
    std::string text;
    text.reserve(kPieceBytes + kTypicalKeysSize);
    // One record's room, used for each product in turn.
    std::array<char, kStockRecordSize> record;
    bool first = true;
    for (const stock::StockDefinition& product : products) {
        if (!first)
            text += '|';
        first = false;
        record.fill('\0');
        putKeyFields(record.data(), product, companyId);
        appendKeys(text, std::string_view(record.data(), record.size()));
        if (text.size() >= kPieceBytes) {
            if (!sink(text))
                return;
            text.clear();
        }
    }
    if (!text.empty())
        sink(text);
}

std::string keyList(const stock::ProductList& products, int companyId) {
    return collected(
        [&](const platform::PieceSink& sink) { makeKeyList(products, companyId, sink); },
        products.size() * kTypicalKeysSize);
}

} // namespace parvela::publishing
