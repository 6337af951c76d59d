#include "publishing/Sha256.h"

#include <openssl/evp.h>

namespace parvela::publishing {

QByteArray sha256Hex(std::string_view bytes) {
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int size = 0;
    // The library's own code uses the processor's SHA instructions, many
    // times quicker on a catalogue's files than a portable one.
    if (EVP_Digest(bytes.data(), bytes.size(), digest, &size, EVP_sha256(), nullptr) != 1)
        return {};
    return QByteArray(reinterpret_cast<const char*>(digest), static_cast<qsizetype>(size)).toHex();
}

} // namespace parvela::publishing
