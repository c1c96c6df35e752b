#pragma once

#include <QPointer>
#include <chrono>
#include <vector>

#include "window/form1.h"
#include "window/nomination_view.h"
#include "window/qt/browser_engine_loader.h"
#include "window/qt/browser_panes.h"
#include "window/qt/form1_widgets.h"

namespace nominator {

// Form1 on screen: the widgets, the browser panes, and Form1's behaviour bound to them. It only
// forwards the toolkit's events to the behaviour and performs the view operations it asks for.
class Form1Window : public Form1Widgets, public NominationView {
    Q_OBJECT

public:
    explicit Form1Window(Form1::Clock clock = std::chrono::system_clock::now,
                         QString engineModule = InstalledBrowserEngineModule(),
                         QWidget* parent = nullptr);

    // Runs the load handler; false when it failed, after the failure has been reported.
    bool load();
    // Closes the window without asking about unsaved changes in the pages, for when nobody is
    // there to answer (a signal, the session's end). Returns what close() returns.
    bool closeWithoutAsking();

    // The view's show(Control) and hide(Control) would otherwise hide the window's own.
    using Form1Widgets::hide;
    using Form1Widgets::show;

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

signals:
    // The window has closed and the browser engine has written what it keeps (the login): the
    // program may end. Closing hides the window at once; this comes a moment later.
    void ended();

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    BrowserEngine::PaneEvents paneEvents();
    void showAddress(int tab, const QUrl& address);
    // Hands the fetch's outcome to Form1: the answer's text, or the reason there is none.
    using Outcome = void (Form1::*)(int ticket, const std::string& textOrReason);
    void fetchFor(int ticket, const std::string& address, Outcome answered, Outcome failed);
    void askBeforeClosing(const std::vector<int>& unsavedTabs);
    // Disconnects the open close question and deletes it once control is back in the event loop.
    void dismissCloseQuestion();

    Form1 form_;
    BrowserPanes panes_;
    bool panesScheduled_ = false;
    // Closing asks the pages first; NotAsked again after the user chose to keep the window.
    enum class Closing { NotAsked, Asking, Agreed };
    Closing closing_ = Closing::NotAsked;
    QPointer<QWidget> closeQuestion_;
};

}  // namespace nominator
