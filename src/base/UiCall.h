#pragma once

#include <QObject>
#include <functional>

namespace talix {

// Runs fn on the thread of `context` and waits until it has run. Runs inline when called on that
// thread already. Gives up (returns false) as soon as `abandon()` returns true, so that a worker
// never deadlocks against a UI thread that is waiting for the worker to end; fn then may still
// run later, or not at all if `context` is gone by then.
bool runOnObjectAndWait(QObject* context, std::function<void()> fn,
                        const std::function<bool()>& abandon);

} // namespace talix
