#pragma once

#include <QString>
#include <cstdint>
#include <string>
#include <string_view>

// Fixed-size little-endian records: the branches read them on any host, so
// every number is laid out byte by byte rather than copied from memory.
namespace parvela::publishing {

// Writes into bytes it does not own: a file's records are laid out where
// they stand in the file, with no buffer of their own.
class RecordSpan {
public:
    explicit RecordSpan(char* bytes)
        : m_bytes(bytes) {}

    void putInt32(std::size_t offset, std::int32_t value);
    void putInt64(std::size_t offset, std::int64_t value);
    void putFloat32(std::size_t offset, float value);
    void putFloat64(std::size_t offset, double value);
    void putByte(std::size_t offset, bool value);
    // At most fieldSize - 1 bytes, so a terminator always follows.
    void putNarrow(std::size_t offset, std::size_t fieldSize, std::string_view bytes);
    // UTF-16LE in `units` code units, terminator included; a pair is never split.
    void putWide(std::size_t offset, qsizetype units, const QString& text);

    char* data() { return m_bytes; }

private:
    void putUnsigned(std::size_t offset, std::uint64_t value, std::size_t width);

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

// Reading back what RecordBytes laid out.
std::int64_t int64At(std::string_view record, std::size_t offset);
std::int32_t int32At(std::string_view record, std::size_t offset);
float float32At(std::string_view record, std::size_t offset);
// The text of a narrow field up to its terminator.
std::string_view narrowAt(std::string_view record, std::size_t offset, std::size_t fieldSize);

} // namespace parvela::publishing
