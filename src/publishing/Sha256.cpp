#include "publishing/Sha256.h"

#include <openssl/evp.h>

namespace parvela::publishing {

// The library's context, owned here alone. The library's own code uses the
// processor's SHA instructions, many times quicker on a catalogue's files
// than a portable one.
struct Sha256::Context {
    struct Free {
        void operator()(EVP_MD_CTX* context) const { EVP_MD_CTX_free(context); }
    };
    std::unique_ptr<EVP_MD_CTX, Free> handle{EVP_MD_CTX_new()};
    bool ok = handle && EVP_DigestInit_ex(handle.get(), EVP_sha256(), nullptr) == 1;
};

Sha256::Sha256()
    : m_context(std::make_unique<Context>()) {}

Sha256::~Sha256() = default;

void Sha256::add(std::string_view bytes) {
    if (m_context->ok)
        m_context->ok = EVP_DigestUpdate(m_context->handle.get(), bytes.data(), bytes.size()) == 1;
}

QByteArray Sha256::hex() {
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int size = 0;
    if (!m_context->ok || EVP_DigestFinal_ex(m_context->handle.get(), digest, &size) != 1)
        return {};
    m_context->ok = false;
    return QByteArray(reinterpret_cast<const char*>(digest), static_cast<qsizetype>(size)).toHex();
}

QByteArray sha256Hex(std::string_view bytes) {
    Sha256 hash;
    hash.add(bytes);
    return hash.hex();
}

} // namespace parvela::publishing
