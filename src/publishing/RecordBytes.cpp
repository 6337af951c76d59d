#include "publishing/RecordBytes.h"

#include "db/FixedField.h"

#include <algorithm>
#include <bit>

namespace parvela::publishing {

namespace {

std::uint64_t unsignedAt(std::string_view record, std::size_t offset, std::size_t width) {
    std::uint64_t value = 0;
    for (std::size_t i = width; i-- > 0;)
        value = (value << 8) | static_cast<unsigned char>(record[offset + i]);
    return value;
}

} // namespace

void RecordSpan::putNarrow(std::size_t offset, std::size_t fieldSize, std::string_view bytes) {
    const std::size_t kept = std::min(bytes.size(), fieldSize - 1);
    std::copy_n(bytes.begin(), kept, m_bytes + offset);
}

void RecordSpan::putWide(std::size_t offset, qsizetype units, const QString& text) {
    const QString kept = db::fitField(text, units);
    for (qsizetype i = 0; i < kept.size(); ++i)
        putUnsigned(offset + 2 * static_cast<std::size_t>(i), kept.at(i).unicode(), 2);
}

std::string collected(const platform::FileMaker& make, std::size_t expected) {
    std::string bytes;
    bytes.reserve(expected);
    make([&bytes](std::string_view piece) {
        bytes.append(piece);
        return true;
    });
    return bytes;
}

std::int64_t int64At(std::string_view record, std::size_t offset) {
    return static_cast<std::int64_t>(unsignedAt(record, offset, 8));
}

std::int32_t int32At(std::string_view record, std::size_t offset) {
    return static_cast<std::int32_t>(unsignedAt(record, offset, 4));
}

float float32At(std::string_view record, std::size_t offset) {
    return std::bit_cast<float>(static_cast<std::uint32_t>(unsignedAt(record, offset, 4)));
}

std::string_view narrowAt(std::string_view record, std::size_t offset, std::size_t fieldSize) {
    const std::string_view field = record.substr(offset, fieldSize);
    return field.substr(0, std::min(field.find('\0'), field.size()));
}

} // namespace parvela::publishing
