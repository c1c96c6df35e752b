#pragma once

#include <chrono>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/creator_answer.h"
#include "core/deletion_sorting.h"
#include "core/nomination_check_answer.h"
#include "core/nomination_plan.h"
#include "core/nomination_review.h"
#include "core/pane_addresses.h"
#include "core/saved_edits.h"
#include "core/status_catalogue.h"
#include "window/nomination_view.h"

namespace nominator {

// The behaviour of the tool's one window. The toolkit delivers three events: the window has
// loaded, the nomination button Command1 was clicked, the label DayPlus ("Next Day ->") was
// clicked; and the outcome of each nomination check that a click asked the view for. Each
// handler reads the boxes when it needs them, builds the texts and addresses with the core, and
// writes them back through the view; the view's widgets hold all other state.
// Exceptions from the view are not caught here: they end the handler and reach the toolkit side.
class Form1 {
public:
    using Clock = std::function<std::chrono::system_clock::time_point()>;

    Form1(NominationView& view, Clock clock);

    // Fills the still hidden log line for the title the window opens with.
    void Form_Load();
    // Shows the three texts and the tabs, fills them for a first nomination, opens today's three
    // pages (the talk page's pane empty until a notice is due), and asks the wiki whether the
    // article was nominated before and who created it. With further articles in their box, the
    // bundle: a tag pane for each, their check and their creators asked too; with more than the
    // most, nothing but the status line's word why.
    void Command1_Click();
    // Points the log pane at tomorrow's log; it always counts from today.
    void DayPlus_Click();

    // The wiki's answer to the latest click's check: the status line says what it found, and a
    // renomination rewrites the tag, the log line and the discussion pane. Unless the user
    // created the article, its creator is due a notice: Text6 shows it, and once the wiki says
    // the user may edit the creator's talk page, its pane opens it in the editor; otherwise the
    // status line says why there is none. Any other ticket's outcome is stale and changes
    // nothing.
    void NominationCheckAnswered(int ticket, const std::string& body);
    // The latest click's check got no usable answer: only the status line says so.
    void NominationCheckFailed(int ticket, const std::string& reason);

    // The user kept the pane's page, which holds unsaved changes, instead of leaving it for the
    // address a click opened there: until the pane arrives at a nomination's page, the status
    // line warns which tab still shows which earlier page.
    void PaneStayed(Pane pane, const std::string& page);
    // The pane is opening the address a click gave it last.
    void PaneArrived(Pane pane);

    // A pane's page shows the wiki's editor of `page` (as the wiki writes it in addresses),
    // holding `text`. Once the check has answered or failed, each of the nomination's editors
    // gets its text once: the tag, the discussion, the log line, the notice, each in its place
    // and with its summary, from the boxes as they are then. The article's fill takes out its
    // proposed-deletion tag, and the status line says so.
    void EditorShown(Pane pane, const std::string& page, const std::string& text);
    // The editor of `page` holds its fill.
    void EditorFilled(Pane pane, const std::string& page);
    // A pane did not keep an address or a download for itself (see PaneNotice): the status
    // line says so until that pane loads another page, or the next click.
    void PaneNoticed(Pane pane, PaneNotice notice, const std::string& subject,
                     const std::string& reason);
    // A pane finished loading a page: after a save, the wiki may hold another of the edits.
    void PaneLoaded(Pane pane);
    // The wiki's answer to one batch of the latest question which edits it holds; once every
    // batch has answered, the status line says where the nomination stands. One batch that
    // fails fails the whole question. Other tickets' outcomes are stale.
    void SavedEditsAnswered(int ticket, const std::string& body);
    void SavedEditsFailed(int ticket, const std::string& reason);
    // The wiki's answer to the question who created the article, asked when its first
    // revision was a redirect; other tickets' outcomes are stale.
    void CreatorAnswered(int ticket, const std::string& body);
    void CreatorFailed(int ticket, const std::string& reason);
    // The wiki's answer to what its reviewers would look at: the status line warns of a Main
    // Page link and a recent keep, and notes a blocked creator; a bot is told nothing. The
    // talk page's pane waits for it. Other tickets' outcomes are stale.
    void ReviewAnswered(int ticket, const std::string& body);
    void ReviewFailed(int ticket, const std::string& reason);
    // The topics box has the keyboard focus: the wiki's deletion-sorting topics are asked for,
    // the first time, for the box to offer. Asked only when wanted, the list holds up no check.
    void Topics_GotFocus();
    // One answer's worth of the wiki's topics: the next part is asked for until the list is
    // whole, which is then kept for the run and offered for completion. A nomination's listings
    // wait for it. Other tickets' outcomes are stale.
    void TopicListAnswered(int ticket, const std::string& body);
    // No list: typed topics get no listing, and the status line says why.
    void TopicListFailed(int ticket, const std::string& reason);

    // What closing the window must ask first, given the tabs whose pages hold unsaved changes:
    // nothing, or one question about those and a nomination that is saved in part.
    std::optional<std::string> CloseQuestion(const std::vector<int>& unsavedTabs) const;

    // The log date key computed last, by either click; empty until then.
    std::string CurDate;

    // Where the latest nomination stands.
    enum class Phase { Nothing, Checking, Prepared, Complete };

private:
    // What a pane's editor showed when it last said so.
    struct ShownEditor {
        std::string page;
        std::string text;
    };

    // The latest nomination's edits, as the window knows them now.
    NominationPlan plan() const { return PlanNomination(input_); }
    // The check has answered or failed: the texts are those of the right nomination now.
    void checkEnded();
    // What the wiki said of the article's creator; asks further when the article began as a
    // redirect and `mayLookFurther`.
    void learnCreator(const CreatorCheck& check, bool mayLookFurther);
    // The wiki's answer says whether the notice can be left: opens the talk page, or says why not.
    void noticeAnswered();
    // What the review found (nothing, when it failed): a bot is told nothing, and the talk page
    // may open now.
    void reviewed(ReviewFacts facts);
    // Asks what the wiki's reviewers would look at, once the creator is settled.
    void askReview();
    // A tab whose editor holds its nomination's text twice, and what that text is.
    std::optional<std::pair<int, std::string>> heldTwice() const;
    void fill(Pane pane);
    // Asks the wiki which edits it holds, in as many requests as the plan's pages need
    // (form1_saves.cpp); one round at a time, and again after it when asked meanwhile.
    void askWhatIsSaved();
    // The round of that question ended, answered in full or not.
    void savedRoundEnded();
    CreatorsKnown creatorsKnown() const;
    void restoreArticleTag();
    void refreshStatus();
    void askTopicList(const ApiContinuation& continuation);
    // The typed topics are waiting for the wiki's list.
    bool topicsPending() const;
    // The wiki's topics are known, or cannot be: the typed ones are listed, or warned of.
    void topicsSettled();
    // The typed topics that the wiki lists, once it is known which.
    std::vector<std::string> listedTopics() const;
    void addTopicFacts(StatusFacts& facts) const;

    // The bundle's part (form1_bundle.cpp). The further articles in their box; nothing when it
    // holds too many, and the click prepares nothing.
    std::optional<std::vector<FurtherArticle>> readFurther();
    // Asks the wiki about the further articles: one check for all, a creator question each.
    void askFurther();
    // Takes an answer (or failure) that is the further articles' check's, or one of their
    // creators'; false when it is not theirs.
    bool furtherCheckEnded(int ticket, const std::string* body);
    bool furtherCreatorEnded(int ticket, const CreatorCheck& check);
    // The further creators' talk pages whose saved-edits answer says whether they may be edited.
    void furtherNoticesAnswered();
    // The text that goes into the row's editor: what its copy box holds now, which the user may
    // have changed, or, for an edit without one, the plan's.
    std::string textToPlace(const NominationPlan& planned, std::size_t row) const;
    // Gives the view the plan's panes when they changed.
    void syncPanes();

    NominationView& view_;
    Clock clock_;
    Phase phase_ = Phase::Nothing;
    // What the latest click planned from, and what the wiki has said of it since.
    NominationInput input_;
    // The panes the view has.
    std::vector<PaneLabel> panes_;
    std::optional<int> furtherCheckTicket_;
    // The further articles' creator questions under way, by ticket: which article each is for.
    std::map<int, std::size_t> furtherCreatorTickets_;
    // What the check found of each further article; empty until it answered.
    std::vector<NominationFacts> furtherFacts_;
    bool furtherCheckFailed_ = false;
    // Why the latest click prepared nothing, until the next one.
    std::optional<StatusLine> refused_;
    int lastTicket_ = 0;
    // The ticket of the check while the phase is Checking, and of the question who created the
    // article while the notice is LookingFurther.
    int checkTicket_ = 0;
    int creatorTicket_ = 0;
    // The check's outcome, once the phase is past Checking.
    std::optional<NominationCheck> checkOutcome_;
    // The review under way, and what it found once it has answered (nothing known if it
    // failed).
    std::optional<int> reviewTicket_;
    std::optional<ReviewFacts> review_;
    // The renomination tag last written into Text2, until a click puts the first one back.
    std::optional<std::string> writtenTag_;
    // The panes that still show an earlier page, and its name.
    std::map<Pane, std::string> behind_;
    std::map<Pane, ShownEditor> shown_;
    // The editors that got their text, or need none: one a row of the plan.
    std::vector<bool> filled_;
    // The day's log has no place for the log line: the user must paste it.
    bool noLogMarker_ = false;
    // The first tab of a topic's list without a place for its listing.
    std::optional<int> noListMarkerTab_;
    // The topics box as the latest click found it.
    std::string typedTopics_;
    // The wiki's topics: those read so far while the question is under way, then the whole list.
    std::vector<std::string> topicsRead_;
    std::optional<std::vector<std::string>> topicList_;
    std::optional<int> topicTicket_;
    ApiContinuation topicContinuation_;
    int lastTopicTicket_ = 0;
    // Whether the article's fill took out a proposed-deletion tag, once it found otherwise than
    // the check foresaw.
    std::optional<bool> proposedDeletionRemoved_;
    // What a pane did last with an address or a download it did not keep, and which pane.
    std::optional<std::pair<Pane, StatusLine>> paneNotice_;
    SavedStates saved_;
    int lastSavedTicket_ = 0;
    int lastReviewTicket_ = 0;
    // The round of the question which edits are saved that is under way: the tickets of its
    // batches still to answer, each with its batch; the answers so far, one a batch; and
    // whether to ask again after it.
    std::map<int, std::size_t> savedBatches_;
    std::vector<std::string> savedAnswers_;
    bool askSavedAgain_ = false;
};

}  // namespace nominator
