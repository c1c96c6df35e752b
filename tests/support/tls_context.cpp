// See tls_context.h. An EC P-256 key: the quickest handshake for the engine and the stub.
#include "tests/support/tls_context.h"

#include <openssl/evp.h>
#include <openssl/x509.h>

#include <stdexcept>

namespace support {
namespace {

struct KeyDeleter {
    void operator()(EVP_PKEY* key) const { EVP_PKEY_free(key); }
};
struct CertDeleter {
    void operator()(X509* cert) const { X509_free(cert); }
};

void Require(bool ok, const char* what) {
    if (!ok) throw std::runtime_error(std::string("TLS: ") + what);
}

}  // namespace

SslContext MakeSelfSignedServerContext(const std::string& host) {
    const std::unique_ptr<EVP_PKEY, KeyDeleter> key(
        EVP_PKEY_Q_keygen(nullptr, nullptr, "EC", const_cast<char*>("P-256")));
    Require(key != nullptr, "cannot make a key");

    const std::unique_ptr<X509, CertDeleter> cert(X509_new());
    Require(cert != nullptr, "cannot make a certificate");
    X509_set_version(cert.get(), 2);
    ASN1_INTEGER_set(X509_get_serialNumber(cert.get()), 1);
    X509_gmtime_adj(X509_getm_notBefore(cert.get()), -3600);
    X509_gmtime_adj(X509_getm_notAfter(cert.get()), 86400);
    X509_NAME* name = X509_get_subject_name(cert.get());
    X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC,
                               reinterpret_cast<const unsigned char*>(host.c_str()), -1, -1, 0);
    X509_set_issuer_name(cert.get(), name);
    X509_set_pubkey(cert.get(), key.get());
    Require(X509_sign(cert.get(), key.get(), EVP_sha256()) > 0, "cannot sign the certificate");

    SslContext context(SSL_CTX_new(TLS_server_method()));
    Require(context != nullptr, "cannot make a context");
    Require(SSL_CTX_use_certificate(context.get(), cert.get()) == 1, "certificate refused");
    Require(SSL_CTX_use_PrivateKey(context.get(), key.get()) == 1, "key refused");
    SSL_CTX_set_session_cache_mode(context.get(), SSL_SESS_CACHE_OFF);
    SSL_CTX_set_options(context.get(), SSL_OP_NO_TICKET);
    return context;
}

}  // namespace support
