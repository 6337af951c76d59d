#include "db/CodePage1254.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace parvela::db {

namespace {

// Owns one iconv descriptor. A descriptor keeps shift state, so each
// conversion opens its own; glibc caches the loaded tables.
class IconvHandle {
public:
    IconvHandle(const char* to, const char* from)
        : m_cd(iconv_open(to, from)) {
        if (m_cd == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error("iconv cannot convert between UTF-8 and CP1254");
    }
    ~IconvHandle() { iconv_close(m_cd); }
    IconvHandle(const IconvHandle&) = delete;
    IconvHandle& operator=(const IconvHandle&) = delete;

    // Converts as much as it can; returns false and leaves `in` at the first
    // byte that cannot be converted.
    bool convert(std::string_view& in, std::string& out) const {
        char buffer[512];
        while (!in.empty()) {
            char* src = const_cast<char*>(in.data());
            size_t srcLeft = in.size();
            char* dst = buffer;
            size_t dstLeft = sizeof buffer;
            const size_t rc = iconv(m_cd, &src, &srcLeft, &dst, &dstLeft);
            out.append(buffer, static_cast<size_t>(dst - buffer));
            in.remove_prefix(in.size() - srcLeft);
            if (rc == static_cast<size_t>(-1) && errno != E2BIG)
                return false;
        }
        return true;
    }

private:
    iconv_t m_cd;
};

// Length of the UTF-8 sequence that starts with this byte (1 for a stray byte).
size_t utf8SequenceLength(unsigned char lead) {
    if (lead >= 0xF0)
        return 4;
    if (lead >= 0xE0)
        return 3;
    if (lead >= 0xC0)
        return 2;
    return 1;
}

} // namespace

std::optional<std::string> Cp1254::encode(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    std::string_view in(utf8.constData(), static_cast<size_t>(utf8.size()));
    std::string out;
    if (!IconvHandle("CP1254", "UTF-8").convert(in, out))
        return std::nullopt;
    return out;
}

std::string Cp1254::encodeLossy(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    std::string_view in(utf8.constData(), static_cast<size_t>(utf8.size()));
    std::string out;
    const IconvHandle handle("CP1254", "UTF-8");
    while (!handle.convert(in, out)) {
        out.push_back('?');
        in.remove_prefix(
            std::min(in.size(), utf8SequenceLength(static_cast<unsigned char>(in[0]))));
    }
    return out;
}

QString Cp1254::decode(std::string_view bytes) {
    std::string utf8;
    const IconvHandle handle("UTF-8", "CP1254");
    while (!handle.convert(bytes, utf8)) {
        utf8.append("\xEF\xBF\xBD");
        bytes.remove_prefix(1);
    }
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

} // namespace parvela::db
