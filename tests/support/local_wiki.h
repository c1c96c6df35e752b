// The local MediaWiki for the end-to-end tests: a copy of the wiki that the tests' fixture
// builds once per run (tests/wiki/install_wiki.sh), with a database of its own, served by PHP's
// built-in server on 127.0.0.1 behind a TLS end on loopback, where the engine's requests for
// en.wikipedia.org are mapped (see engine_environment.h). The TLS end is a StubWikiServer that
// passes on every request it is not told to answer itself, and records them all.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tests/support/child_process.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/stub_wiki_server.h"

namespace support {

// A page as the wiki holds it: its text now and the summary of the edit that saved it.
struct WikiPage {
    std::string text;
    std::string lastSummary;
};

// An account as the wiki's API gives it.
struct WikiAccount {
    std::vector<std::string> groups;
    // Whether a block stops the account, and whether that block also blocks the addresses the
    // account uses (an autoblock).
    bool blocked = false;
    bool autoblocking = false;
};

class LocalWiki {
public:
    // Copies the wiki the fixture built and serves the copy; throws when it does not start.
    LocalWiki();
    ~LocalWiki();

    LocalWiki(const LocalWiki&) = delete;
    LocalWiki& operator=(const LocalWiki&) = delete;

    // The TLS end's port, for EngineFlags.
    uint16_t port() const { return tlsEnd_.port(); }
    // PHP's server itself, plain HTTP.
    uint16_t serverPort() const { return serverPort_; }
    StubWikiServer& tlsEnd() { return tlsEnd_; }
    // The account the wiki was installed with.
    const std::string& userName() const { return userName_; }
    // Every account's.
    const std::string& password() const { return password_; }
    // The account that started the articles whose creator gets a notice (not userName()).
    const std::string& creatorName() const { return creatorName_; }

    // The page as the wiki's API gives it; nothing when there is no such page.
    std::optional<WikiPage> page(std::string_view title) const;
    // Who saved the page's first revision; nothing when there is no such page.
    std::optional<std::string> firstAuthor(std::string_view title) const;
    // Whether the page `from` links the page `to`, as the wiki's link tables say.
    bool links(std::string_view from, std::string_view to) const;
    // The account; nothing when there is no such account.
    std::optional<WikiAccount> account(std::string_view name) const;
    // Whether a block may stop edits from the address: one of its own, or any autoblock.
    bool addressBlocked(std::string_view address) const;
    // The name of the user whom these cookies (a Cookie header's value) log in; empty when they
    // log in no one.
    std::string loggedInUser(std::string_view cookies) const;

    // The wiki's answer to a GET of this address of https://en.wikipedia.org (the API's, say), as
    // nobody logged in: with an ordinary user's limits.
    std::string answerTo(std::string_view address) const;
    // The JSON answer of the API to the query (format version 2), sent with the cookies.
    std::string askApi(std::string_view query, std::string_view cookies = {}) const;

private:
    ScratchFolder folder_;
    std::string userName_;
    std::string password_;
    std::string creatorName_;
    std::optional<ChildProcess> server_;
    uint16_t serverPort_ = 0;
    StubWikiServer tlsEnd_;
};

}  // namespace support
