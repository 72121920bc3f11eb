#include "base/UiCall.h"

#include <QMetaObject>
#include <QThread>
#include <condition_variable>
#include <memory>
#include <mutex>

namespace talix {

namespace {
struct CallState {
    std::mutex mutex;
    std::condition_variable cv;
    bool done = false;
};
} // namespace

bool runOnObjectAndWait(QObject* context, std::function<void()> fn,
                        const std::function<bool()>& abandon) {
    if (context == nullptr)
        return false;
    if (context->thread() == QThread::currentThread()) {
        fn();
        return true;
    }
    auto state = std::make_shared<CallState>();
    QMetaObject::invokeMethod(
        context,
        [state, fn = std::move(fn)] {
            fn();
            {
                std::lock_guard lock(state->mutex);
                state->done = true;
            }
            state->cv.notify_all();
        },
        Qt::QueuedConnection);
    std::unique_lock lock(state->mutex);
    while (!state->done) {
        if (abandon())
            return false;
        state->cv.wait_for(lock, std::chrono::milliseconds(10));
    }
    return true;
}

} // namespace talix
