// What the view's panes and editors get from the plan.
#include "window/form1.h"
#include "window/pane_labels.h"

namespace nominator {
namespace {

// The box that shows an edit's text for copying, which the user may have changed since.
std::optional<Box> CopyBoxOf(EditKind kind) {
    switch (kind) {
        case EditKind::ArticleTag:
            return Box::Text2;
        case EditKind::Discussion:
            return Box::Text3;
        case EditKind::DayLog:
            return Box::Text5;
        case EditKind::CreatorNotice:
            return Box::Text6;
        case EditKind::TopicListing:
            break;
    }
    return std::nullopt;
}

}  // namespace

std::string Form1::textToPlace(const NominationPlan& planned, std::size_t row) const {
    const std::optional<Box> box = CopyBoxOf(planned[row].kind);
    return box ? view_.text(*box) : planned[row].text;
}

void Form1::showPanes(const NominationPlan& planned) {
    std::vector<PaneLabel> labels = PaneLabelsOf(planned);
    if (labels == panes_) return;
    panes_ = std::move(labels);
    view_.setPanes(panes_);
}

}  // namespace nominator
