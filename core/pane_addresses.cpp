#include "core/pane_addresses.h"

#include <unicode/uidna.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <memory>
#include <optional>

#include "core/text_scan.h"

namespace nominator {
namespace {

constexpr std::array<std::string_view, 2> kWikiDomains = {"wikipedia.org", "wikimedia.org"};
constexpr std::array<std::string_view, 3> kBrowserSchemes = {"https", "http", "mailto"};
constexpr std::array<std::string_view, 2> kEmptyPages = {"about:blank", "about:srcdoc"};
// Keeps the status line to a few lines however long the address: an address has no spaces to
// wrap at, so it must fit the line's width at the window's design size.
constexpr std::size_t kSubjectCharacters = 30;

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// A browser drops or reads such bytes in ways of its own; an address holding one is not trusted
// to mean what it seems to.
bool HasSpaceOrControl(std::string_view address) {
    return std::any_of(address.begin(), address.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte <= 0x20 || byte == 0x7F;
    });
}

// The address's scheme in lower case, and what follows its colon; nothing when it has none.
std::optional<std::pair<std::string, std::string_view>> SplitScheme(std::string_view address) {
    const std::size_t colon = address.find(':');
    if (colon == std::string_view::npos || colon == 0 || !IsAsciiLetter(address[0])) {
        return std::nullopt;
    }
    std::string scheme;
    for (const char c : address.substr(0, colon)) {
        const bool allowed =
            IsAsciiLetter(c) || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
        if (!allowed) return std::nullopt;
        scheme += Lower(c);
    }
    return std::pair{std::move(scheme), address.substr(colon + 1)};
}

// The host in its ASCII form, in lower case, as the browser looks it up (UTS #46); nothing for
// a name no browser would look up.
std::optional<std::string> AsciiHost(std::string_view host) {
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<UIDNA, decltype(&uidna_close)> idna(
        uidna_openUTS46(UIDNA_USE_STD3_RULES | UIDNA_CHECK_BIDI | UIDNA_CHECK_CONTEXTJ |
                            UIDNA_NONTRANSITIONAL_TO_ASCII,
                        &status),
        &uidna_close);
    if (U_FAILURE(status)) return std::nullopt;
    std::array<char, 256> ascii{};
    UIDNAInfo info = UIDNA_INFO_INITIALIZER;
    const int32_t length =
        uidna_nameToASCII_UTF8(idna.get(), host.data(), static_cast<int32_t>(host.size()),
                               ascii.data(), static_cast<int32_t>(ascii.size()), &info, &status);
    if (U_FAILURE(status) || info.errors != 0 || length <= 0) return std::nullopt;
    return std::string(ascii.data(), static_cast<std::size_t>(length));
}

bool InWikiDomain(std::string_view host) {
    return std::any_of(kWikiDomains.begin(), kWikiDomains.end(), [host](std::string_view domain) {
        if (host == domain) return true;
        return host.size() > domain.size() && host.ends_with(domain) &&
               host[host.size() - domain.size() - 1] == '.';
    });
}

std::string Quoted(std::string_view text) {
    return "\"" + Shortened(text, kSubjectCharacters) + "\"";
}

}  // namespace

bool IsWikiAddress(std::string_view address) {
    if (HasSpaceOrControl(address)) return false;
    const auto split = SplitScheme(address);
    if (!split || split->first != "https" || !split->second.starts_with("//")) return false;
    std::string_view authority = split->second.substr(2);
    // A browser reads a backslash as a slash in web addresses.
    authority = authority.substr(0, authority.find_first_of("/?#\\"));
    // A user name in front of the host is there to make another host look like the wiki.
    if (authority.find('@') != std::string_view::npos) return false;
    std::string_view host = authority;
    if (const std::size_t colon = authority.rfind(':'); colon != std::string_view::npos) {
        if (authority.substr(colon + 1) != "443") return false;
        host = authority.substr(0, colon);
    }
    // A trailing dot names the same host to the resolver but another site to the browser; an
    // address in brackets names no host at all.
    if (host.empty() || host.back() == '.' || host.front() == '[') return false;
    const std::optional<std::string> ascii = AsciiHost(host);
    return ascii && InWikiDomain(*ascii);
}

bool GoesToTheBrowser(std::string_view address) {
    if (HasSpaceOrControl(address)) return false;
    const auto split = SplitScheme(address);
    if (!split) return false;
    const auto& [scheme, rest] = *split;
    if (std::find(kBrowserSchemes.begin(), kBrowserSchemes.end(), scheme) ==
        kBrowserSchemes.end()) {
        return false;
    }
    // A web address names a host; a mail address anything the user's mail program makes of it.
    return scheme == "mailto" ? !rest.empty() : rest.starts_with("//") && rest.size() > 2;
}

Destination DestinationOf(std::string_view address) {
    if (IsWikiAddress(address) ||
        std::find(kEmptyPages.begin(), kEmptyPages.end(), address) != kEmptyPages.end()) {
        return Destination::Pane;
    }
    return GoesToTheBrowser(address) ? Destination::Browser : Destination::Refused;
}

StatusLine PaneNoticeStatus(int tab, PaneNotice notice, std::string_view subject,
                            std::string_view reason) {
    const StatusId id = [notice] {
        switch (notice) {
            case PaneNotice::AddressRefused:
                return StatusId::AddressRefused;
            case PaneNotice::NotHandedOn:
                return StatusId::NotHandedOn;
            case PaneNotice::DownloadRefused:
                return StatusId::DownloadRefused;
            case PaneNotice::DownloadSaved:
                return StatusId::DownloadSaved;
            case PaneNotice::DownloadFailed:
                break;
        }
        return StatusId::DownloadFailed;
    }();
    return Status(id, std::string(subject),
                  {{"tab", std::to_string(tab)},
                   // A saved file is named by its name; the tool tip says where it is.
                   {"subject", Quoted(notice == PaneNotice::DownloadSaved
                                          ? subject.substr(subject.rfind('/') + 1)
                                          : subject)},
                   {"reason", std::string(reason)}});
}

}  // namespace nominator
