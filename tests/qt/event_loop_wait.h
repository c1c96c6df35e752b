#pragma once

#include <QEventLoop>
#include <QTimer>

namespace nominator {

// Waits in a real event loop until `done` holds or the time is up; says whether it holds. The
// browser engine's own work runs in that loop, and QTest::qWaitFor's sleeps between turns would
// slow each of its many steps down, a page load by seconds. `done` is asked every pollMs.
template <typename Done>
bool WaitInEventLoop(Done done, int timeoutMs, int pollMs = 20) {
    QEventLoop loop;
    QTimer poll;
    poll.callOnTimeout(&loop, [&] {
        if (done()) loop.quit();
    });
    poll.start(pollMs);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    if (!done()) loop.exec();
    return done();
}

}  // namespace nominator
