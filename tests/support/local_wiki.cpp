// See local_wiki.h. The read-back asks the PHP server directly, in plain HTTP/1.0, which it
// answers and then closes the connection.
#include "tests/support/local_wiki.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <regex>
#include <stdexcept>
#include <thread>

#include "core/percent_encoding.h"

namespace support {
namespace {

using namespace std::chrono_literals;

// Where the fixture builds the wiki (see tests/CMakeLists.txt).
const std::filesystem::path kBuilt = LOCAL_WIKI_FOLDER;
constexpr auto kServerStart = 20s;

std::string FileText(const std::filesystem::path& file) {
    std::ifstream in(file);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// PHP's server says where it listens once it does.
std::optional<uint16_t> ListeningPort(const std::filesystem::path& log) {
    static const std::regex started(R"(Development Server \(http://127\.0\.0\.1:(\d+)\) started)");
    std::smatch match;
    const std::string text = FileText(log);
    if (!std::regex_search(text, match, started)) return std::nullopt;
    return static_cast<uint16_t>(std::stoi(match[1]));
}

std::string HttpGet(uint16_t port, const std::string& target, std::string_view cookies) {
    const int connection = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (connection < 0) throw std::runtime_error("local wiki: no socket");
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    std::string request = "GET " + target + " HTTP/1.0\r\nHost: en.wikipedia.org\r\n";
    if (!cookies.empty()) request += "Cookie: " + std::string(cookies) + "\r\n";
    request += "\r\n";
    std::string answer;
    if (connect(connection, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
        send(connection, request.data(), request.size(), MSG_NOSIGNAL) ==
            static_cast<ssize_t>(request.size())) {
        char buffer[16384];
        for (ssize_t got; (got = recv(connection, buffer, sizeof buffer, 0)) > 0;) {
            answer.append(buffer, static_cast<std::size_t>(got));
        }
    }
    close(connection);
    const auto bodyStart = answer.find("\r\n\r\n");
    if (!answer.starts_with("HTTP/1.") || bodyStart == std::string::npos) {
        throw std::runtime_error("local wiki: no answer to " + target);
    }
    return answer.substr(bodyStart + 4);
}

}  // namespace

LocalWiki::LocalWiki() {
    std::ifstream account(kBuilt / "account");
    if (!std::getline(account, userName_) || !std::getline(account, password_) ||
        !std::getline(account, creatorName_)) {
        throw std::runtime_error("local wiki: not built in " + kBuilt.string() +
                                 " (run tests/wiki/install_wiki.sh)");
    }
    std::filesystem::copy_file(kBuilt / "LocalSettings.php", folder_.path() / "LocalSettings.php");
    std::filesystem::copy(kBuilt / "data", folder_.path() / "data",
                          std::filesystem::copy_options::recursive);
    const std::filesystem::path log = folder_.path() / "server.log";
    Environment environment{{"MW_CONFIG_FILE", (folder_.path() / "LocalSettings.php").string()},
                            // A pane's page asks for its scripts and styles all at once.
                            {"PHP_CLI_SERVER_WORKERS", "4"}};
    for (const char* proxy :
         {"http_proxy", "https_proxy", "all_proxy", "HTTP_PROXY", "HTTPS_PROXY", "ALL_PROXY"}) {
        environment[proxy] = "";
    }
    server_.emplace(
        std::vector<std::string>{"/usr/bin/php", "-S", "127.0.0.1:0", "-t",
                                 (kBuilt / "docroot").string(), (kBuilt / "router.php").string()},
        environment, log);
    const auto deadline = Clock::now() + kServerStart;
    std::optional<uint16_t> listening;
    while (!(listening = ListeningPort(log)) && server_->running() && Clock::now() < deadline) {
        std::this_thread::sleep_for(20ms);
    }
    if (!listening) {
        server_->terminate();
        throw std::runtime_error("local wiki: PHP's server did not start: " + FileText(log));
    }
    serverPort_ = *listening;
    tlsEnd_.passOnTo(serverPort_);
}

LocalWiki::~LocalWiki() {
    if (server_) server_->terminate();
}

std::string LocalWiki::askApi(std::string_view query, std::string_view cookies) const {
    return HttpGet(serverPort_, "/w/api.php?format=json&formatversion=2&" + std::string(query),
                   cookies);
}

std::string LocalWiki::answerTo(std::string_view address) const {
    constexpr std::string_view origin = "https://en.wikipedia.org";
    if (!address.starts_with(origin)) {
        throw std::invalid_argument("local wiki: not an address of the wiki: " +
                                    std::string(address));
    }
    return HttpGet(serverPort_, std::string(address.substr(origin.size())), {});
}

std::optional<WikiPage> LocalWiki::page(std::string_view title) const {
    const nlohmann::json answer = nlohmann::json::parse(
        askApi("action=query&prop=revisions&rvprop=content%7Ccomment&rvslots=main&titles=" +
               nominator::PercentEncode(title)));
    const nlohmann::json& found = answer.at("query").at("pages").at(0);
    if (found.contains("missing") || found.contains("invalid")) return std::nullopt;
    const nlohmann::json& revision = found.at("revisions").at(0);
    return WikiPage{revision.at("slots").at("main").at("content").get<std::string>(),
                    revision.at("comment").get<std::string>()};
}

std::optional<std::string> LocalWiki::firstAuthor(std::string_view title) const {
    const nlohmann::json answer = nlohmann::json::parse(
        askApi("action=query&prop=revisions&rvprop=user&rvdir=newer&rvlimit=1&titles=" +
               nominator::PercentEncode(title)));
    const nlohmann::json& found = answer.at("query").at("pages").at(0);
    if (!found.contains("revisions")) return std::nullopt;
    return found.at("revisions").at(0).at("user").get<std::string>();
}

bool LocalWiki::links(std::string_view from, std::string_view to) const {
    const nlohmann::json answer = nlohmann::json::parse(
        askApi("action=query&prop=links&titles=" + nominator::PercentEncode(from) +
               "&pltitles=" + nominator::PercentEncode(to)));
    const nlohmann::json& found = answer.at("query").at("pages").at(0);
    return found.contains("links") && !found.at("links").empty();
}

std::optional<WikiAccount> LocalWiki::account(std::string_view name) const {
    const nlohmann::json answer =
        nlohmann::json::parse(askApi("action=query&list=users&usprop=blockinfo%7Cgroups&ususers=" +
                                     nominator::PercentEncode(name)));
    const nlohmann::json& found = answer.at("query").at("users").at(0);
    if (found.contains("missing") || found.contains("invalid")) return std::nullopt;
    WikiAccount account{found.at("groups").get<std::vector<std::string>>()};
    if (!found.contains("blockid")) return account;
    account.blocked = true;
    const nlohmann::json blocks =
        nlohmann::json::parse(askApi("action=query&list=blocks&bkprop=id%7Cflags&bkids=" +
                                     std::to_string(found.at("blockid").get<int>())));
    account.autoblocking = blocks.at("query").at("blocks").at(0).value("autoblock", false);
    return account;
}

bool LocalWiki::addressBlocked(std::string_view address) const {
    // The API keeps an autoblock's address to itself: any autoblock may be the address's.
    const nlohmann::json answer =
        nlohmann::json::parse(askApi("action=query&list=blocks&bklimit=max&bkprop=user%7Cflags"));
    const nlohmann::json& blocks = answer.at("query").at("blocks");
    return std::any_of(blocks.begin(), blocks.end(), [&](const nlohmann::json& block) {
        return block.value("automatic", false) || block.value("user", "") == address;
    });
}

std::string LocalWiki::loggedInUser(std::string_view cookies) const {
    const nlohmann::json answer =
        nlohmann::json::parse(askApi("action=query&meta=userinfo", cookies));
    const nlohmann::json& user = answer.at("query").at("userinfo");
    return user.at("id").get<int>() == 0 ? std::string() : user.at("name").get<std::string>();
}

}  // namespace support
