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

void RecordSpan::putUnsigned(std::size_t offset, std::uint64_t value, std::size_t width) {
    for (std::size_t i = 0; i < width; ++i)
        m_bytes[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

void RecordSpan::putInt32(std::size_t offset, std::int32_t value) {
    putUnsigned(offset, static_cast<std::uint32_t>(value), 4);
}

void RecordSpan::putInt64(std::size_t offset, std::int64_t value) {
    putUnsigned(offset, static_cast<std::uint64_t>(value), 8);
}

void RecordSpan::putFloat32(std::size_t offset, float value) {
    putUnsigned(offset, std::bit_cast<std::uint32_t>(value), 4);
}

void RecordSpan::putFloat64(std::size_t offset, double value) {
    putUnsigned(offset, std::bit_cast<std::uint64_t>(value), 8);
}

void RecordSpan::putByte(std::size_t offset, bool value) {
    m_bytes[offset] = static_cast<char>(value ? 1 : 0);
}

void RecordSpan::putNarrow(std::size_t offset, std::size_t fieldSize, std::string_view bytes) {
    const std::size_t kept = std::min(bytes.size(), fieldSize - 1);
    std::copy_n(bytes.begin(), kept, m_bytes + offset);
}

void RecordSpan::putWide(std::size_t offset, qsizetype units, const QString& text) {
    const QString kept = db::fitField(text, units);
    for (qsizetype i = 0; i < kept.size(); ++i)
        putUnsigned(offset + 2 * static_cast<std::size_t>(i), kept.at(i).unicode(), 2);
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
