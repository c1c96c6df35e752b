#pragma once

#include <QtGlobal>

namespace nominator {

// While it lives (the engine module's loading and the making of the panes), Qt's warnings that
// every start of the engine gives, and that no user can act on, are passed over; every other
// message goes where it went before. They are:
// - the engine's complaint that it starts after the application object: it does so on purpose,
//   so that the window appears before the engine's libraries are loaded;
// - Qt 6.4's warning about three of the engine's own QML types as they are registered.
class EngineSetUpMessages {
public:
    EngineSetUpMessages();
    ~EngineSetUpMessages();

    EngineSetUpMessages(const EngineSetUpMessages&) = delete;
    EngineSetUpMessages& operator=(const EngineSetUpMessages&) = delete;

private:
    QtMessageHandler previous_;
};

}  // namespace nominator
