// A stand-in for the wiki on the loopback interface, serving HTTPS: the engine's requests for
// en.wikipedia.org are mapped here (see engine_environment.h), and each request's arrival is
// stamped on the steady clock. By default it answers every page with a small HTML page that no
// cache may keep, so that each click's three requests reach it; a test can answer otherwise. In
// front of a real wiki on a loopback port it is that wiki's TLS end instead, passing requests on.
#pragma once

#include <openssl/ssl.h>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

#include "tests/support/clock.h"
#include "tests/support/tls_context.h"

namespace support {

struct ArrivedRequest {
    // When the TCP connection that carried it was accepted.
    TimePoint connected;
    // When the first bytes of the request itself arrived, after the TLS handshake.
    TimePoint arrived;
    // The request target, such as "/wiki/Main_Page".
    std::string target;
    // The request line and headers, as sent.
    std::string head;
    // When the last byte of the answer was written.
    TimePoint answered;
};

struct StubAnswer {
    int status = 200;
    std::string contentType = "text/html; charset=utf-8";
    // Further header lines, each ending in "\r\n", such as "Set-Cookie: a=b\r\n".
    std::string extraHeaders;
    std::string body;
    // Holds the connection open without a word until the server ends.
    bool never = false;
};

// The value of the request's header, names compared without case; empty when it has none.
std::string HeaderOf(const ArrivedRequest& request, std::string_view name);

class StubWikiServer {
public:
    // Listens on 127.0.0.1 at a port the system picks.
    StubWikiServer();
    ~StubWikiServer();

    StubWikiServer(const StubWikiServer&) = delete;
    StubWikiServer& operator=(const StubWikiServer&) = delete;

    uint16_t port() const { return port_; }
    // Answers the requests whose target starts with the prefix with what `answer` gives; the
    // prefix set last that matches wins. Safe to call while the server runs.
    void answer(std::string prefix, std::function<StubAnswer(const ArrivedRequest&)> answer);
    // From now on every request that no answer claims goes, as sent, to the plain HTTP server on
    // 127.0.0.1 at the port, and its answer comes back as that server gives it.
    void passOnTo(uint16_t wikiPort);
    // Requests under the prefix go to that server again, whatever answer was set for them before.
    void passOn(std::string prefix);
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
    // What answer() set for the request; empty when it is to be passed on.
    std::function<StubAnswer(const ArrivedRequest&)> answerFor(const ArrivedRequest& request);
    // Passes the request, of which `received` has come so far, on to the wiki and its answer
    // back; false when the wiki could not be reached or the request's head never ended.
    bool relayToWiki(SSL* ssl, const ArrivedRequest& request, const std::string& received);

    SslContext context_;
    int listener_ = -1;
    int wakeRead_ = -1;
    int wakeWrite_ = -1;
    uint16_t port_ = 0;
    std::atomic<uint16_t> wikiPort_{0};
    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    std::vector<ArrivedRequest> requests_;
    std::vector<std::pair<std::string, std::function<StubAnswer(const ArrivedRequest&)>>> answers_;
    std::vector<int> openSockets_;
    std::vector<std::thread> connections_;
    std::atomic<bool> stopping_{false};
    std::thread acceptor_;
};

}  // namespace support
