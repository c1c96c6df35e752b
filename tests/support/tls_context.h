// A TLS server context with a throwaway self-signed certificate made in memory at start: the
// engine is told to accept any certificate, so nothing needs to be stored or trusted.
#pragma once

#include <openssl/ssl.h>

#include <memory>
#include <string>

namespace support {

struct SslCtxDeleter {
    void operator()(SSL_CTX* context) const { SSL_CTX_free(context); }
};
using SslContext = std::unique_ptr<SSL_CTX, SslCtxDeleter>;

// Every connection gets a full handshake (no session cache, no tickets), so a later click
// does the same network work as the first and the comparison measures the program alone.
SslContext MakeSelfSignedServerContext(const std::string& host);

}  // namespace support
