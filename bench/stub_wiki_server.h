// A stand-in for the wiki on the loopback interface, serving HTTPS: the engine's requests for
// en.wikipedia.org are mapped here, and each request's arrival is stamped on the bench's clock.
// It answers every page with a small HTML page that no cache may keep, so that each click's
// three requests reach it.
#pragma once

#include <openssl/ssl.h>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "bench/clock.h"
#include "bench/tls_context.h"

namespace bench {

struct ArrivedRequest {
    // When the TCP connection that carried it was accepted.
    TimePoint connected;
    // When the first bytes of the request itself arrived, after the TLS handshake.
    TimePoint arrived;
    // The request target, such as "/wiki/Main_Page".
    std::string target;
    // When the last byte of the answer was written.
    TimePoint answered;
};

class StubWikiServer {
public:
    // Listens on 127.0.0.1 at a port the system picks.
    StubWikiServer();
    ~StubWikiServer();

    StubWikiServer(const StubWikiServer&) = delete;
    StubWikiServer& operator=(const StubWikiServer&) = delete;

    uint16_t port() const { return port_; }
    // Every request answered so far, in the order they were answered.
    std::vector<ArrivedRequest> requests() const;
    // Waits until `done` holds for the requests, or the deadline passes; says which.
    template <typename Done>
    bool waitFor(Done done, TimePoint deadline) const {
        std::unique_lock lock(mutex_);
        return changed_.wait_until(lock, deadline, [&] { return done(requests_); });
    }

private:
    void acceptLoop();
    void serve(int socket, TimePoint connected);

    SslContext context_;
    int listener_ = -1;
    int wakeRead_ = -1;
    int wakeWrite_ = -1;
    uint16_t port_ = 0;
    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    std::vector<ArrivedRequest> requests_;
    std::vector<int> openSockets_;
    std::vector<std::thread> connections_;
    std::atomic<bool> stopping_{false};
    std::thread acceptor_;
};

}  // namespace bench
