#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "window/nomination_view.h"

namespace nominator {

// A NominationView that keeps the boxes' texts and records every effect as a readable line, so
// a test can compare a handler's whole sequence at once. It can be told to fail one operation.
class FakeView : public NominationView {
public:
    FakeView();

    std::string text(Box box) const override;
    void setText(Box box, const std::string& text) override;
    std::size_t chosen(Choice choice) const override;
    void setTopicChoices(const std::vector<std::string>& topics) override;
    void show(Control control) override;
    void hide(Control control) override;
    void setPanes(const std::vector<PaneLabel>& panes) override;
    void navigate(Pane pane, const std::string& address) override;
    void setStatus(const std::string& text, const std::string& detail, bool warning) override;
    void requestNominationCheck(int ticket, const std::string& address) override;
    void requestSavedEdits(int ticket, const std::string& address) override;
    void requestCreator(int ticket, const std::string& address) override;
    void requestReview(int ticket, const std::string& address) override;
    void requestTopicList(int ticket, const std::string& address) override;
    void fillEditor(Pane pane, const EditorFill& fill) override;

    // The operation that would be recorded at this position throws instead of happening.
    void failAt(std::size_t position) { failAt_ = position; }
    const std::vector<std::string>& operations() const { return operations_; }
    void clearOperations() { operations_.clear(); }
    // Sets a box as the user would type it, without recording.
    void type(Box box, std::string text) { texts_[box] = std::move(text); }
    // Chooses a list's entry as the user would, without recording.
    void choose(Choice choice, std::size_t index) { chosen_[choice] = index; }

private:
    void record(std::string operation) const;

    std::map<Box, std::string> texts_;
    std::map<Choice, std::size_t> chosen_;
    std::optional<std::size_t> failAt_;
    mutable std::vector<std::string> operations_;
};

}  // namespace nominator
