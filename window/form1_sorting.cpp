// The deletion-sorting topics: the wiki's list, read once, and the typed topics' listings.
#include <algorithm>

#include "core/text_scan.h"
#include "window/form1.h"

namespace nominator {

void Form1::askTopicList(const ApiContinuation& continuation) {
    topicContinuation_ = continuation;
    topicTicket_ = ++lastTopicTicket_;
    view_.requestTopicList(*topicTicket_, TopicListUrl(continuation));
}

void Form1::Topics_GotFocus() {
    if (lastTopicTicket_ == 0) askTopicList({});
}

void Form1::TopicListAnswered(int ticket, const std::string& body) {
    if (topicTicket_ != ticket) return;
    const auto part = ReadTopicList(body);
    if (const auto* failure = std::get_if<CheckFailure>(&part)) {
        return TopicListFailed(ticket, failure->reason);
    }
    const auto& [topics, continuation] = std::get<TopicListPart>(part);
    topicsRead_.insert(topicsRead_.end(), topics.begin(), topics.end());
    if (!continuation.empty()) {
        // An answer that sends the question back where it was would never end.
        if (continuation == topicContinuation_) {
            return TopicListFailed(ticket, "the wiki's list of topics does not end");
        }
        return askTopicList(continuation);
    }
    std::sort(topicsRead_.begin(), topicsRead_.end());
    topicsRead_.erase(std::unique(topicsRead_.begin(), topicsRead_.end()), topicsRead_.end());
    topicList_ = std::exchange(topicsRead_, {});
    topicTicket_.reset();
    view_.setTopicChoices(*topicList_);
    topicsSettled();
}

void Form1::TopicListFailed(int ticket, const std::string& /*reason*/) {
    if (topicTicket_ != ticket) return;
    topicTicket_.reset();
    topicsRead_.clear();
    topicsSettled();
}

bool Form1::topicsPending() const {
    return topicTicket_.has_value() && !WithoutLeadingSpace(typedTopics_).empty();
}

std::vector<std::string> Form1::listedTopics() const {
    if (!topicList_) return {};
    return SortTypedTopics(typedTopics_, *topicList_).listed;
}

void Form1::topicsSettled() {
    if (phase_ == Phase::Nothing) return;
    const NominationPlan before = plan();
    input_.topics = listedTopics();
    const NominationPlan planned = plan();
    if (planned.size() != before.size()) {
        // The notes join the discussion's text unless the user has rewritten it meanwhile: what
        // was typed there is what goes in.
        const std::size_t discussion = *EditOfKind(planned, EditKind::Discussion);
        if (view_.text(Box::Text3) == before[discussion].text) {
            view_.setText(Box::Text3, planned[discussion].text);
        }
        // The listings come before the further creators' notices: from the first row that
        // changed on, each pane opens its new edit's page, and what it showed is not its editor.
        std::size_t from = 0;
        while (from < before.size() && from < planned.size() &&
               before[from].address == planned[from].address) {
            ++from;
        }
        filled_.resize(from);
        saved_.resize(from);
        syncPanes();
        for (std::size_t row = from; row < planned.size(); ++row) {
            shown_.erase(static_cast<Pane>(row));
            view_.navigate(static_cast<Pane>(row), planned[row].address);
        }
    }
    refreshStatus();
    if (phase_ == Phase::Checking) return;
    for (std::size_t row = 0; row < filled_.size(); ++row) fill(static_cast<Pane>(row));
    askWhatIsSaved();
}

void Form1::addTopicFacts(StatusFacts& facts) const {
    if (phase_ == Phase::Nothing || topicsPending()) return;
    facts.topicListUnread = !topicList_.has_value();
    facts.unlistedTopics =
        SortTypedTopics(typedTopics_, topicList_.value_or(std::vector<std::string>{})).unknown;
}

}  // namespace nominator
