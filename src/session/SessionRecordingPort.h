#pragma once

#include "session/FileExport.h"
#include "session/RecordingPort.h"
#include "session/RecordingSink.h"

namespace talix::session {

// The session's recordings behind the recording port: its recording sink, and the export worker
// it owns.
class SessionRecordingPort : public RecordingPort {
public:
    explicit SessionRecordingPort(RecordingSink& sink) : m_sink(sink) {}

    void setDisplay(RecordingDisplay* display) override { m_sink.setDisplay(display); }
    void click() override { m_sink.click(); }
    bool running() const override { return m_sink.running(); }
    int nextFileNumber() const override { return m_sink.NextFileNumber; }
    void rescan() override { m_sink.rescan(); }

    bool startExport(const QString& source, const QString& destination) override {
        return m_export.start(source, destination);
    }
    void cancelExport() override { m_export.cancel(); }
    ExportProgress exportProgress() override {
        return {m_export.state(), m_export.copiedBytes(), m_export.percent()};
    }

    // For tests: the worker's chunk hook.
    FileExport& fileExport() { return m_export; }

private:
    RecordingSink& m_sink;
    FileExport m_export;
};

} // namespace talix::session
