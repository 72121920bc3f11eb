#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace talix::app {

// Turns SIGTERM, SIGINT and SIGHUP (the host shutting down, Ctrl-C) into an orderly end on the UI
// thread, so that the threads stop in order and a running recording is completed.
class TermSignals : public QObject {
    Q_OBJECT
public:
    explicit TermSignals(std::function<void()> onSignal);
    ~TermSignals() override;

private:
    QSocketNotifier* m_notifier = nullptr;
    std::function<void()> m_onSignal;
};

} // namespace talix::app
