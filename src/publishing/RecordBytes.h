#pragma once

#include "platform/AtomicFile.h"

#include <QString>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

// Fixed-size little-endian records: the branches read them on any host, so
// every number is laid out little-endian whatever this host's order.
namespace parvela::publishing {

// Writes into bytes it does not own: a file's records are laid out where
// they stand in the file, with no buffer of their own.
class RecordSpan {
public:
    explicit RecordSpan(char* bytes)
        : m_bytes(bytes) {}

    // Inline: a catalogue's file lays out hundreds of thousands of them.
    void putInt32(std::size_t offset, std::int32_t value) {
        putUnsigned(offset, static_cast<std::uint32_t>(value), 4);
    }
    void putInt64(std::size_t offset, std::int64_t value) {
        putUnsigned(offset, static_cast<std::uint64_t>(value), 8);
    }
    void putFloat32(std::size_t offset, float value) {
        putUnsigned(offset, std::bit_cast<std::uint32_t>(value), 4);
    }
    void putFloat64(std::size_t offset, double value) {
        putUnsigned(offset, std::bit_cast<std::uint64_t>(value), 8);
    }
    void putByte(std::size_t offset, bool value) { m_bytes[offset] = value ? 1 : 0; }
    // At most fieldSize - 1 bytes, so a terminator always follows.
    void putNarrow(std::size_t offset, std::size_t fieldSize, std::string_view bytes);
    // UTF-16LE in `units` code units, terminator included; a pair is never split.
    void putWide(std::size_t offset, qsizetype units, const QString& text);

    char* data() { return m_bytes; }

private:
    void putUnsigned(std::size_t offset, std::uint64_t value, std::size_t width) {
        if constexpr (std::endian::native == std::endian::little) {
            // The value's low bytes are the field, in order: one copy.
            std::memcpy(m_bytes + offset, &value, width);
        } else {
            for (std::size_t i = 0; i < width; ++i)
                m_bytes[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
        }
    }

    char* m_bytes;
};

struct RecordStorage {
    std::string storage;
};

// A record of its own, zeroed.
class RecordBytes : private RecordStorage, public RecordSpan {
public:
    explicit RecordBytes(std::size_t size)
        : RecordStorage{std::string(size, '\0')}
        , RecordSpan(storage.data()) {}
    RecordBytes(const RecordBytes&) = delete;
    RecordBytes& operator=(const RecordBytes&) = delete;

    const std::string& bytes() const { return storage; }
};

// A file made piece by piece, whole; `expected` is the room to reserve.
std::string collected(const platform::FileMaker& make, std::size_t expected);

// Reading back what RecordBytes laid out.
std::int64_t int64At(std::string_view record, std::size_t offset);
std::int32_t int32At(std::string_view record, std::size_t offset);
float float32At(std::string_view record, std::size_t offset);
// The text of a narrow field up to its terminator.
std::string_view narrowAt(std::string_view record, std::size_t offset, std::size_t fieldSize);

} // namespace parvela::publishing
