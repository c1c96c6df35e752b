// The saves' part of Form1: which of the plan's edits the wiki holds, asked in batches the API
// takes and read once all of them have answered.

#include <utility>
#include <variant>

#include "core/saved_edits.h"
#include "window/form1.h"

namespace nominator {

void Form1::askWhatIsSaved() {
    if (!savedBatches_.empty()) {
        askSavedAgain_ = true;
        return;
    }
    const std::vector<std::string> urls = SavedEditsUrls(plan());
    savedAnswers_.assign(urls.size(), {});
    for (std::size_t batch = 0; batch < urls.size(); ++batch) {
        savedBatches_[++lastSavedTicket_] = batch;
        view_.requestSavedEdits(lastSavedTicket_, urls[batch]);
    }
}

void Form1::SavedEditsAnswered(int ticket, const std::string& body) {
    const auto batch = savedBatches_.find(ticket);
    if (batch == savedBatches_.end()) return;
    savedAnswers_[batch->second] = body;
    savedBatches_.erase(batch);
    if (!savedBatches_.empty()) return;
    const auto saved = ReadSavedEdits(savedAnswers_, plan());
    if (const auto* states = std::get_if<SavedStates>(&saved)) {
        saved_ = *states;
        noticeAnswered();
        phase_ =
            NominationComplete(plan(), saved_, creatorsKnown()) ? Phase::Complete : Phase::Prepared;
        refreshStatus();
    }
    savedRoundEnded();
}

void Form1::SavedEditsFailed(int ticket, const std::string& /*reason*/) {
    // What the wiki held last still stands; the next page that loads asks again. The round's
    // other batches are stale now.
    if (!savedBatches_.contains(ticket)) return;
    savedBatches_.clear();
    savedRoundEnded();
}

void Form1::savedRoundEnded() {
    if (std::exchange(askSavedAgain_, false)) askWhatIsSaved();
}

CreatorsKnown Form1::creatorsKnown() const {
    return EveryCreatorSettled(input_) ? CreatorsKnown::All : CreatorsKnown::NotAll;
}

}  // namespace nominator
