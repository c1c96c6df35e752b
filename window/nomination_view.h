#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace nominator {

// The text boxes of Form1 that the behaviour reads or writes.
// Text6 holds the notice for the article's creator; Further the further articles of a bundle,
// one title a line; Topics, the deletion-sorting topics, one a line.
enum class Box { Text1, Reason, Text2, Text3, Text5, Text6, Further, Topics };

// The lists to choose from: Category, the discussion's category, its entries those of
// CategoryEntries (core/deletion_sorting.h).
enum class Choice { Category };

// The controls that are hidden until the first nomination; Text6 only while a notice is due.
enum class Control { Text2, Text3, Text5, Text6, Tabby, Status };

// A browser pane, by the tab it is on, counted from 0 as the tabs' captions count: one a
// planned edit of the nomination, in the plan's order.
using Pane = int;

// What a pane's tab says, and what screen readers call the pane and say of it.
struct PaneLabel {
    std::string caption;      // "Tab 0"
    std::string name;         // "Article editor"
    std::string description;  // "The article in the wiki's editor"
    // The tab's tool tip, in a bundle its name and page ("Article editor: Sample page"); empty
    // for the name alone.
    std::string toolTip = {};

    const std::string& tabToolTip() const { return toolTip.empty() ? name : toolTip; }

    bool operator==(const PaneLabel&) const = default;
};

// What to put into a pane's editor, as if typed: `text` and `summary` into the editor of the
// page `page` (named as the pane reported it), if it still holds `shownText`.
struct EditorFill {
    std::string page;
    std::string shownText;
    std::string text;
    std::string summary;
};

// What Form1's behaviour needs from the window toolkit, in plain values. Texts are UTF-8.
// An operation that fails throws; the failure ends the handler that called it.
class NominationView {
public:
    virtual ~NominationView() = default;

    virtual std::string text(Box box) const = 0;
    virtual void setText(Box box, const std::string& text) = 0;
    // The index of the list's chosen entry, from 0.
    virtual std::size_t chosen(Choice choice) const = 0;
    // What the topics box offers to complete a line with: the wiki's topics.
    virtual void setTopicChoices(const std::vector<std::string>& topics) = 0;
    virtual void show(Control control) = 0;
    virtual void hide(Control control) = 0;
    // Gives the tab container one tab and pane a label, in order. Panes that stay keep their
    // pages; new ones start empty; those beyond the list close.
    virtual void setPanes(const std::vector<PaneLabel>& panes) = 0;
    // Starts loading the page at the already encoded address and returns without waiting.
    virtual void navigate(Pane pane, const std::string& address) = 0;

    // The status line's text, its tool tip (empty for none), and whether it warns, which the
    // window makes stand out and announces as it does the line's other changes.
    virtual void setStatus(const std::string& text, const std::string& detail, bool warning) = 0;

    // Starts a GET of the wiki API's address, already encoded, over the panes' network settings,
    // and returns at once. Later, on the user-interface thread and never from inside this call,
    // the window hands the outcome to Form1 exactly once, under the same ticket: the body of an
    // answer with HTTP status 200 to Form1::NominationCheckAnswered, anything else (no
    // connection, another status, no answer within a bounded time) to
    // Form1::NominationCheckFailed with a short reason for the user. Requests of earlier tickets
    // may still be answered; Form1 ignores them.
    virtual void requestNominationCheck(int ticket, const std::string& address) = 0;
    // The same for the question which of a nomination's edits the wiki holds; the outcome goes
    // to Form1::SavedEditsAnswered or Form1::SavedEditsFailed.
    virtual void requestSavedEdits(int ticket, const std::string& address) = 0;
    // The same for the question who created the article, asked when its first revision was a
    // redirect; the outcome goes to Form1::CreatorAnswered or Form1::CreatorFailed.
    virtual void requestCreator(int ticket, const std::string& address) = 0;
    // The same for what the wiki's reviewers would look at (the Main Page, the last discussion,
    // the creator's blocks and groups); the outcome goes to Form1::ReviewAnswered or
    // Form1::ReviewFailed.
    virtual void requestReview(int ticket, const std::string& address) = 0;
    // The same for one answer's worth of the wiki's deletion-sorting topics; the outcome goes to
    // Form1::TopicListAnswered or Form1::TopicListFailed.
    virtual void requestTopicList(int ticket, const std::string& address) = 0;

    // Puts the fill into the pane's editor, never saving it, and returns at once. The pane
    // then reports Form1::EditorFilled, or, when the editor holds something else by now,
    // Form1::EditorShown again. A page that is not the wiki's own gets nothing.
    virtual void fillEditor(Pane pane, const EditorFill& fill) = 0;
};

}  // namespace nominator
