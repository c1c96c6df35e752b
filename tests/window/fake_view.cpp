#include "tests/window/fake_view.h"

#include <stdexcept>

#include "window/control_names.h"
#include "window/form1_layout.h"

namespace nominator {

FakeView::FakeView() {
    // The boxes start with their design texts, as the real window's do.
    for (const Box box :
         {Box::Text1, Box::Reason, Box::Text2, Box::Text3, Box::Text5, Box::Further, Box::Topics}) {
        for (const ControlLayout& layout : kForm1Layout) {
            if (layout.name == NameOf(box)) texts_[box] = std::string(layout.initialText);
        }
    }
}

void FakeView::record(std::string operation) const {
    if (failAt_ == operations_.size()) {
        throw std::runtime_error("failed: " + operation);
    }
    operations_.push_back(std::move(operation));
}

std::string FakeView::text(Box box) const { return texts_.at(box); }

std::size_t FakeView::chosen(Choice choice) const {
    const auto entry = chosen_.find(choice);
    return entry == chosen_.end() ? 0 : entry->second;
}

void FakeView::setTopicChoices(const std::vector<std::string>& topics) {
    std::string listed;
    for (const std::string& topic : topics) listed += (listed.empty() ? "" : " | ") + topic;
    record("topics " + listed);
}

void FakeView::setText(Box box, const std::string& text) {
    record("set " + std::string(NameOf(box)) + " " + text);
    texts_[box] = text;
}

void FakeView::show(Control control) { record("show " + std::string(NameOf(control))); }

void FakeView::hide(Control control) { record("hide " + std::string(NameOf(control))); }

void FakeView::setPanes(const std::vector<PaneLabel>& panes) {
    std::string listed;
    for (const PaneLabel& pane : panes) {
        listed += (listed.empty() ? "" : " | ") + pane.caption + " " + pane.name + ": " +
                  pane.description;
    }
    record("panes " + listed);
}

void FakeView::navigate(Pane pane, const std::string& address) {
    record("navigate " + std::string(NameOf(pane)) + " " + address);
}

void FakeView::setStatus(const std::string& text, const std::string& detail, bool warning) {
    record("set Status " + std::string(warning ? "(warning) " : "") + text +
           (detail.empty() ? "" : " | tip: " + detail));
}

void FakeView::requestNominationCheck(int ticket, const std::string& address) {
    record("request " + std::to_string(ticket) + " " + address);
}

void FakeView::requestSavedEdits(int ticket, const std::string& address) {
    record("ask saved " + std::to_string(ticket) + " " + address);
}

void FakeView::requestCreator(int ticket, const std::string& address) {
    record("ask creator " + std::to_string(ticket) + " " + address);
}

void FakeView::requestReview(int ticket, const std::string& address) {
    record("ask review " + std::to_string(ticket) + " " + address);
}

void FakeView::requestTopicList(int ticket, const std::string& address) {
    record("ask topics " + std::to_string(ticket) + " " + address);
}

void FakeView::fillEditor(Pane pane, const EditorFill& fill) {
    record("fill " + std::string(NameOf(pane)) + " " + fill.page + " | shown: " + fill.shownText +
           " | text: " + fill.text + " | summary: " + fill.summary);
}

}  // namespace nominator
