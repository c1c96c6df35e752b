// See stub_wiki_server.h. One thread per connection keeps it simple; a click opens three.
// Every answer closes its connection, so each click's requests come on new connections and
// the first click is not put at a disadvantage by sockets the second could reuse.
#include "tests/support/stub_wiki_server.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <optional>
#include <stdexcept>
#include <system_error>

namespace support {
namespace {

constexpr std::string_view kPage =
    "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>Stub</title></head>"
    "<body><p>A stand-in for the wiki's page, served on loopback.</p></body></html>";

const StubAnswer kNoWiki{502, "text/plain", "", "The wiki behind could not be reached.", false};

StubAnswer DefaultAnswer(std::string_view target) {
    const bool page = target.starts_with("/w/index.php?") || target.starts_with("/wiki/");
    StubAnswer answer;
    answer.status = page ? 200 : 404;
    if (page) answer.body = kPage;
    return answer;
}

std::string Encode(const StubAnswer& answer, std::string_view method) {
    std::string encoded = "HTTP/1.1 " + std::to_string(answer.status) +
                          (answer.status < 400 ? " OK\r\n" : " Error\r\n");
    const std::string_view body = method == "HEAD" ? "" : std::string_view(answer.body);
    encoded += "Content-Type: " + answer.contentType + "\r\n";
    encoded += "Content-Length: " + std::to_string(body.size()) + "\r\n";
    encoded += answer.extraHeaders;
    encoded += "Cache-Control: no-store\r\nConnection: close\r\n\r\n";
    encoded += body;
    return encoded;
}

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return Lower(x) == Lower(y); });
}

void Fail(const char* what) { throw std::system_error(errno, std::generic_category(), what); }

bool SendAll(int socket, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t sent = send(socket, data, size, MSG_NOSIGNAL);
        if (sent <= 0) return false;
        data += sent;
        size -= static_cast<std::size_t>(sent);
    }
    return true;
}

int ConnectToLoopback(uint16_t port) {
    const int connection = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (connection < 0) return -1;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    if (connect(connection, reinterpret_cast<const sockaddr*>(&address), sizeof address) < 0) {
        close(connection);
        return -1;
    }
    return connection;
}

}  // namespace

std::string HeaderOf(const ArrivedRequest& request, std::string_view name) {
    std::string_view rest(request.head);
    for (auto end = rest.find("\r\n"); end != std::string_view::npos; end = rest.find("\r\n")) {
        const std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end + 2);
        const auto colon = line.find(':');
        if (colon == std::string_view::npos || !SameIgnoringCase(line.substr(0, colon), name)) {
            continue;
        }
        std::string_view value = line.substr(colon + 1);
        while (value.starts_with(' ')) value.remove_prefix(1);
        return std::string(value);
    }
    return {};
}

StubWikiServer::StubWikiServer() : context_(MakeSelfSignedServerContext("en.wikipedia.org")) {
    // A program that ends while an answer is on its way closes the connection; writing the rest
    // must fail there, not end the process that serves it.
    signal(SIGPIPE, SIG_IGN);
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

void StubWikiServer::answer(std::string prefix,
                            std::function<StubAnswer(const ArrivedRequest&)> answer) {
    const std::lock_guard lock(mutex_);
    answers_.emplace_back(std::move(prefix), std::move(answer));
}

void StubWikiServer::passOnTo(uint16_t wikiPort) { wikiPort_ = wikiPort; }

void StubWikiServer::passOn(std::string prefix) { answer(std::move(prefix), nullptr); }

std::function<StubAnswer(const ArrivedRequest&)> StubWikiServer::answerFor(
    const ArrivedRequest& request) {
    std::function<StubAnswer(const ArrivedRequest&)> chosen;
    bool claimed = false;
    {
        const std::lock_guard lock(mutex_);
        for (const auto& [prefix, answer] : answers_) {
            if (request.target.starts_with(prefix)) {
                chosen = answer;
                claimed = true;
            }
        }
    }
    if (!claimed && wikiPort_ == 0) {
        chosen = [](const ArrivedRequest& unclaimed) { return DefaultAnswer(unclaimed.target); };
    }
    return chosen;
}

bool StubWikiServer::relayToWiki(SSL* ssl, const ArrivedRequest& request,
                                 const std::string& received) {
    const auto headEnd = received.find("\r\n\r\n");
    if (headEnd == std::string::npos) return false;
    const int wiki = ConnectToLoopback(wikiPort_);
    if (wiki < 0) return false;
    {
        // The destructor cuts short a wiki that never answers, as it does a silent client.
        const std::lock_guard lock(mutex_);
        openSockets_.push_back(wiki);
    }
    // The head has come whole; of a form's body, what came with it. The rest follows.
    const std::size_t bodyLength =
        std::strtoull(HeaderOf(request, "Content-Length").c_str(), nullptr, 10);
    std::size_t bodySent = received.size() - (headEnd + 4);
    bool sent = SendAll(wiki, received.data(), received.size());
    char buffer[16384];
    while (sent && bodySent < bodyLength) {
        const int got =
            SSL_read(ssl, buffer, static_cast<int>(std::min(sizeof buffer, bodyLength - bodySent)));
        if (got <= 0) break;
        sent = SendAll(wiki, buffer, static_cast<std::size_t>(got));
        bodySent += static_cast<std::size_t>(got);
    }
    // PHP's server closes the connection after each answer: its end is the answer's end.
    while (sent) {
        const ssize_t got = recv(wiki, buffer, sizeof buffer, 0);
        if (got <= 0 || SSL_write(ssl, buffer, static_cast<int>(got)) <= 0) break;
    }
    {
        const std::lock_guard lock(mutex_);
        std::erase(openSockets_, wiki);
    }
    close(wiki);
    return true;
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
            ArrivedRequest request{connected,
                                   *arrived,
                                   head.substr(firstSpace + 1, secondSpace - firstSpace - 1),
                                   head.substr(0, head.find("\r\n\r\n") + 2),
                                   {}};
            const auto answerOf = answerFor(request);
            // Passed on to the wiki, or answered here, also when no wiki could be reached.
            if (answerOf || !relayToWiki(ssl, request, head)) {
                const StubAnswer answer = answerOf ? answerOf(request) : kNoWiki;
                if (answer.never) {
                    // Until the server ends: its destructor shuts the socket down.
                    while (!stopping_) {
                        const int got = SSL_read(ssl, buffer, sizeof buffer);
                        if (got == 0 || (got < 0 && errno != EAGAIN && errno != EWOULDBLOCK)) {
                            break;
                        }
                    }
                } else {
                    const std::string encoded = Encode(answer, method);
                    SSL_write(ssl, encoded.data(), static_cast<int>(encoded.size()));
                }
            }
            request.answered = Clock::now();
            {
                const std::lock_guard lock(mutex_);
                requests_.push_back(std::move(request));
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

}  // namespace support
