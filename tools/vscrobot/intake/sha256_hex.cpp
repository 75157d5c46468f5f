// The digest a receipt shows, so an entrant can prove which bytes were received.
#include "vscrobot/intake/sha256_hex.h"

#include <nettle/sha2.h>

std::string sha256Hex(const std::string& bytes)
{
    sha256_ctx context;
    sha256_init(&context);
    sha256_update(&context, bytes.size(), reinterpret_cast<const uint8_t*>(bytes.data()));
    uint8_t digest[SHA256_DIGEST_SIZE];
    sha256_digest(&context, sizeof digest, digest);
    static const char Hex[] = "0123456789abcdef";
    std::string out;
    for (uint8_t b : digest) {
        out += Hex[b >> 4];
        out += Hex[b & 15];
    }
    return out;
}
