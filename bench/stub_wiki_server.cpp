// See stub_wiki_server.h. One thread per connection keeps it simple; a click opens three.
// Every answer closes its connection, so each click's requests come on new connections and
// the first click is not put at a disadvantage by sockets the second could reuse.
#include "bench/stub_wiki_server.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <stdexcept>
#include <system_error>

namespace bench {
namespace {

constexpr std::string_view kPage =
    "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>Stub</title></head>"
    "<body><p>A stand-in page served by the benchmark.</p></body></html>";

std::string Answer(std::string_view method, std::string_view target) {
    const bool page = target.starts_with("/w/index.php?") || target.starts_with("/wiki/");
    const std::string_view body = page && method == "GET" ? kPage : "";
    std::string answer = page ? "HTTP/1.1 200 OK\r\n" : "HTTP/1.1 404 Not Found\r\n";
    answer += "Content-Type: text/html; charset=utf-8\r\n";
    answer += "Content-Length: " + std::to_string(body.size()) + "\r\n";
    answer += "Cache-Control: no-store\r\nConnection: close\r\n\r\n";
    answer += body;
    return answer;
}

void Fail(const char* what) { throw std::system_error(errno, std::generic_category(), what); }

}  // namespace

StubWikiServer::StubWikiServer() : context_(MakeSelfSignedServerContext("en.wikipedia.org")) {
    listener_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (listener_ < 0) Fail("socket");
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    if (bind(listener_, reinterpret_cast<const sockaddr*>(&address), sizeof address) < 0) {
        Fail("bind");
    }
    if (listen(listener_, 64) < 0) Fail("listen");
    socklen_t length = sizeof address;
    getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
    int wake[2];
    if (pipe2(wake, O_CLOEXEC) < 0) Fail("pipe");
    wakeRead_ = wake[0];
    wakeWrite_ = wake[1];
    acceptor_ = std::thread([this] { acceptLoop(); });
}

StubWikiServer::~StubWikiServer() {
    stopping_ = true;
    const char byte = 0;
    [[maybe_unused]] const auto written = write(wakeWrite_, &byte, 1);
    acceptor_.join();
    {
        // Connections still waiting for a request that never comes are cut short.
        const std::lock_guard lock(mutex_);
        for (const int socket : openSockets_) shutdown(socket, SHUT_RDWR);
    }
    for (std::thread& connection : connections_) connection.join();
    close(listener_);
    close(wakeRead_);
    close(wakeWrite_);
}

std::vector<ArrivedRequest> StubWikiServer::requests() const {
    const std::lock_guard lock(mutex_);
    return requests_;
}

void StubWikiServer::acceptLoop() {
    while (!stopping_) {
        pollfd descriptors[] = {{listener_, POLLIN, 0}, {wakeRead_, POLLIN, 0}};
        if (poll(descriptors, 2, -1) < 0 && errno != EINTR) return;
        if ((descriptors[0].revents & POLLIN) == 0) continue;
        const int connection = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        const TimePoint connected = Clock::now();
        if (connection < 0) continue;
        {
            const std::lock_guard lock(mutex_);
            openSockets_.push_back(connection);
        }
        connections_.emplace_back([this, connection, connected] { serve(connection, connected); });
    }
}

void StubWikiServer::serve(int socket, TimePoint connected) {
    // A connection opened ahead of need and never used must not hold its thread for ever.
    const timeval timeout{10, 0};
    setsockopt(socket, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);

    SSL* ssl = SSL_new(context_.get());
    SSL_set_fd(ssl, socket);
    if (SSL_accept(ssl) == 1) {
        std::string head;
        std::optional<TimePoint> arrived;
        char buffer[4096];
        while (head.find("\r\n\r\n") == std::string::npos && head.size() < 65536) {
            const int got = SSL_read(ssl, buffer, sizeof buffer);
            if (got <= 0) break;
            if (!arrived) arrived = Clock::now();
            head.append(buffer, static_cast<std::size_t>(got));
        }
        const auto lineEnd = head.find("\r\n");
        const auto firstSpace = head.find(' ');
        const auto secondSpace = head.find(' ', firstSpace + 1);
        if (arrived && lineEnd != std::string::npos && secondSpace < lineEnd) {
            const std::string method = head.substr(0, firstSpace);
            std::string target = head.substr(firstSpace + 1, secondSpace - firstSpace - 1);
            const std::string answer = Answer(method, target);
            SSL_write(ssl, answer.data(), static_cast<int>(answer.size()));
            const TimePoint answered = Clock::now();
            {
                const std::lock_guard lock(mutex_);
                requests_.push_back({connected, *arrived, std::move(target), answered});
            }
            changed_.notify_all();
        }
        SSL_shutdown(ssl);
    }
    SSL_free(ssl);
    {
        const std::lock_guard lock(mutex_);
        std::erase(openSockets_, socket);
    }
    close(socket);
}

}  // namespace bench
