#pragma once

#include <QByteArray>
#include <memory>
#include <string_view>

namespace parvela::publishing {

// The SHA-256 of the bytes, in lower-case hex, as the publishing history
// keeps it for each file.
QByteArray sha256Hex(std::string_view bytes);

// The same, of bytes that come piece by piece.
class Sha256 {
public:
    Sha256();
    ~Sha256();
    Sha256(const Sha256&) = delete;
    Sha256& operator=(const Sha256&) = delete;

    void add(std::string_view bytes);
    // Empty when the library failed.
    QByteArray hex();

private:
    struct Context;
    std::unique_ptr<Context> m_context;
};

} // namespace parvela::publishing
