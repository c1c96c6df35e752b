#include "core/editor_fill.h"

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <utility>
#include <vector>

#include "core/creator_notice.h"
#include "core/nomination_check_query.h"
#include "core/nomination_page.h"
#include "core/page_titles.h"
#include "core/text_scan.h"
#include "core/wiki_title.h"

namespace nominator {
namespace {

constexpr std::size_t npos = std::string_view::npos;
constexpr std::string_view kOpen = "{{";
constexpr std::string_view kClose = "}}";
constexpr std::string_view kTemplateNamespace = "Template:";
constexpr std::string_view kCommentOpen = "<!--";
constexpr std::string_view kCommentClose = "-->";

// The templates that stay above the tag: the short description and the hatnotes, which
// readers expect to see first.
constexpr std::string_view kLeadingTemplates[] = {
    "Short description", "About",          "About-distinguish",    "Distinguish",    "For",
    "For multi",         "Hatnote",        "Other people",         "Other places",   "Other uses",
    "Other uses of",     "Redirect",       "Redirect-distinguish", "Redirect-multi", "Redirect2",
    "Selfref",           "Self reference",
};

bool IsLineSpace(char c) { return c == ' ' || c == '\t'; }
bool IsSpace(char c) { return IsLineSpace(c) || c == '\n' || c == '\r'; }

// The name of the template called at `start` ("{{"), as the wiki reads it: spaces and
// underscores alike, the first letter in either case, with or without "Template:". Empty when
// the name is itself made by a template.
std::string TemplateNameAt(std::string_view text, std::size_t start) {
    const std::size_t from = start + kOpen.size();
    const std::size_t end = text.find_first_of("|{}", from);
    if (end != npos && text[end] == '{') return {};
    std::string name = WikiName(Trimmed(text.substr(from, end == npos ? npos : end - from)));
    if (StartsWithCaseless(name, kTemplateNamespace)) {
        name = WikiName(std::string_view(name).substr(kTemplateNamespace.size()));
    }
    return name;
}

template <typename Predicate>
bool CallsTemplate(std::string_view text, Predicate namedSo) {
    for (std::size_t at = text.find(kOpen); at != npos; at = text.find(kOpen, at + 1)) {
        if (namedSo(TemplateNameAt(text, at))) return true;
    }
    return false;
}

bool IsDeletionTemplate(std::string_view name) {
    return name == kFirstNominationTemplate.substr(kTemplateNamespace.size()) ||
           name == kRenominationTemplate.substr(kTemplateNamespace.size());
}

// Just past the closing braces of the template that opens at `start`, with the templates
// nested in it; npos when it is never closed. Braces in a comment are no template's, as the
// wiki drops comments before it reads templates.
std::size_t TemplateEnd(std::string_view text, std::size_t start) {
    int depth = 0;
    for (std::size_t at = start; at + 1 < text.size();) {
        if (text.substr(at, kCommentOpen.size()) == kCommentOpen) {
            at = text.find(kCommentClose, at + kCommentOpen.size());
            if (at == npos) return npos;
            at += kCommentClose.size();
        } else if (text.substr(at, 2) == kOpen) {
            ++depth;
            at += 2;
        } else if (text.substr(at, 2) == kClose) {
            at += 2;
            if (--depth == 0) return at;
        } else {
            ++at;
        }
    }
    return npos;
}

bool IsProposedDeletionTemplate(std::string_view name) {
    return name == kProposedDeletionTemplate.substr(kTemplateNamespace.size()) ||
           name == kBiographyProposedDeletionTemplate.substr(kTemplateNamespace.size());
}

// The text without its proposed-deletion tags, each whole with its parameters, and without a
// line that only they filled, so that no blank line is left where they stood; nothing when it
// has none. One that is never closed stays, and so does the text after it: where it ends is
// anyone's guess. A tag in a comment is no tag.
std::optional<std::string> WithoutProposedDeletion(std::string_view text) {
    std::string kept;
    // Where in `kept` each tag was cut out.
    std::vector<std::size_t> cuts;
    std::size_t copiedTo = 0;
    for (std::size_t at = 0; at < text.size();) {
        if (text.substr(at, kCommentOpen.size()) == kCommentOpen) {
            at = text.find(kCommentClose, at + kCommentOpen.size());
            if (at == npos) break;
            at += kCommentClose.size();
            continue;
        }
        if (text.substr(at, 2) != kOpen || !IsProposedDeletionTemplate(TemplateNameAt(text, at))) {
            ++at;
            continue;
        }
        const std::size_t end = TemplateEnd(text, at);
        if (end == npos) break;
        kept.append(text.substr(copiedTo, at - copiedTo));
        cuts.push_back(kept.size());
        copiedTo = at = end;
    }
    if (cuts.empty()) return std::nullopt;
    kept.append(text.substr(copiedTo));
    // The lines that only tags filled, each once, found before any goes; then erased from the
    // last, so that the places of the earlier ones hold.
    std::vector<std::pair<std::size_t, std::size_t>> blankLines;
    for (const std::size_t cut : cuts) {
        const std::size_t newlineBefore = cut == 0 ? npos : kept.rfind('\n', cut - 1);
        const std::size_t from = newlineBefore == npos ? 0 : newlineBefore + 1;
        const std::size_t lineEnd = std::min(kept.find('\n', cut), kept.size());
        const bool blank =
            std::all_of(kept.begin() + static_cast<std::ptrdiff_t>(from),
                        kept.begin() + static_cast<std::ptrdiff_t>(lineEnd), IsLineSpace);
        if (blank && (blankLines.empty() || blankLines.back().first != from)) {
            blankLines.emplace_back(from, std::min(lineEnd + 1, kept.size()));
        }
    }
    for (auto line = blankLines.rbegin(); line != blankLines.rend(); ++line) {
        kept.erase(line->first, line->second - line->first);
    }
    return kept;
}

// Just past the last of the short description and hatnotes the text starts with; 0 for none.
std::size_t LeadingTemplatesEnd(std::string_view text) {
    std::size_t leadEnd = 0;
    for (std::size_t at = 0;;) {
        while (at < text.size() && IsSpace(text[at])) ++at;
        if (text.substr(at, 2) != kOpen) return leadEnd;
        const std::string name = TemplateNameAt(text, at);
        if (std::find(std::begin(kLeadingTemplates), std::end(kLeadingTemplates), name) ==
            std::end(kLeadingTemplates)) {
            return leadEnd;
        }
        const std::size_t end = TemplateEnd(text, at);
        if (end == npos) return leadEnd;
        leadEnd = at = end;
    }
}

bool IsBlank(std::string_view line) { return std::all_of(line.begin(), line.end(), IsLineSpace); }

std::string DiscussionLink(std::string_view page) { return "[[:" + DiscussionTitle(page) + "]]"; }

}  // namespace

std::optional<std::string> TaggedArticleText(std::string_view articleText, std::string_view tag) {
    if (articleText.find(tag) != npos || CallsTemplate(articleText, IsDeletionTemplate)) {
        return std::nullopt;
    }
    std::string tagged(articleText);
    const std::string ownLine = std::string(tag) + "\n";
    const std::size_t leadEnd = LeadingTemplatesEnd(articleText);
    if (leadEnd == 0) return tagged.insert(0, ownLine);
    std::size_t rest = leadEnd;
    while (rest < articleText.size() && IsLineSpace(articleText[rest])) ++rest;
    if (rest == articleText.size()) return tagged + "\n" + ownLine;
    if (articleText[rest] == '\n') return tagged.insert(rest + 1, ownLine);
    // Text right after the templates on their line: the tag goes between, on a line of its own,
    // rather than on the next line, which may be inside a template that starts here.
    return tagged.insert(rest, "\n" + ownLine);
}

ListedLog ListedLogText(std::string_view logText, std::string_view line,
                        std::string_view discussionPage) {
    const std::string transcluded = WikiName(discussionPage);
    if ((!line.empty() && logText.find(line) != npos) ||
        CallsTemplate(logText, [&](std::string_view name) { return name == transcluded; })) {
        return {ListedLog::Outcome::AlreadyListed, {}};
    }
    const std::size_t marker = logText.find(kNewEntriesMarker);
    if (marker == npos) return {ListedLog::Outcome::NoMarker, {}};
    std::string listed(logText);
    const std::string ownLine = std::string(line) + "\n";
    for (std::size_t lineEnd = logText.find('\n', marker); lineEnd != npos;) {
        const std::size_t lineStart = lineEnd + 1;
        lineEnd = logText.find('\n', lineStart);
        const std::size_t length = lineEnd == npos ? npos : lineEnd - lineStart;
        if (!IsBlank(logText.substr(lineStart, length))) {
            return {ListedLog::Outcome::Listed, listed.insert(lineStart, ownLine)};
        }
    }
    if (listed.back() != '\n') listed += '\n';
    return {ListedLog::Outcome::Listed, listed + ownLine};
}

std::optional<std::string> NewDiscussionText(std::string_view editorText,
                                             std::string_view discussion) {
    if (!Trimmed(editorText).empty()) return std::nullopt;
    return std::string(discussion);
}

std::string ArticleTagSummary(std::string_view page) {
    return "Nominated for deletion; see " + DiscussionLink(page) + ".";
}

std::string DiscussionSummary(std::string_view article) {
    return "Creating deletion discussion page for [[:" + std::string(article) + "]].";
}

std::string LogLineSummary(std::string_view page) { return "Adding " + DiscussionLink(page) + "."; }

PlacedText PlaceText(Placement placement, std::string_view editorText, std::string_view text,
                     std::string_view discussionPage) {
    std::optional<std::string> placed;
    switch (placement) {
        case Placement::BelowHatnotes: {
            // An article at a deletion discussion is not proposed for deletion as well: its
            // tag goes as the discussion's comes.
            const std::optional<std::string> unproposed = WithoutProposedDeletion(editorText);
            placed = TaggedArticleText(unproposed ? *unproposed : editorText, text);
            if (placed && unproposed) {
                return {PlacedText::Outcome::Placed, std::move(*placed), true};
            }
            break;
        }
        case Placement::EmptyPage:
            placed = NewDiscussionText(editorText, text);
            break;
        case Placement::FirstLogEntry: {
            ListedLog listed = ListedLogText(editorText, text, discussionPage);
            if (listed.outcome == ListedLog::Outcome::NoMarker) {
                return {PlacedText::Outcome::NoPlace, {}};
            }
            if (listed.outcome == ListedLog::Outcome::Listed) placed = std::move(listed.text);
            break;
        }
        case Placement::NewSection:
            placed = NoticedTalkText(editorText, text, discussionPage);
            break;
    }
    if (!placed) return {PlacedText::Outcome::AlreadyThere, {}};
    return {PlacedText::Outcome::Placed, std::move(*placed)};
}

}  // namespace nominator
