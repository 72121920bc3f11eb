#pragma once

#include "session/FileExport.h"
#include "session/RecordingSink.h"

#include <QString>
#include <cstdint>

namespace talix::session {

// The recordings as B_Rec and the recorder form use them: the recording of the live audio
// started and stopped, the folder scanned anew, and a recording copied to the export stick on a
// worker so that the window stays alive. UI thread only.
class RecordingPort {
public:
    struct ExportProgress {
        FileExport::State state = FileExport::State::Idle;
        std::uint64_t copiedBytes = 0;
        int percent = 0; // 0 to 100
    };

    virtual ~RecordingPort() = default;
    // Where the recording shows itself; nullptr: nowhere. It must outlive its registration.
    virtual void setDisplay(RecordingDisplay* display) = 0;
    // B_Rec: starts a recording when none runs, stops the running one otherwise.
    virtual void click() = 0;
    virtual bool running() const = 0;
    // The number the next recording takes (200 when every one is taken).
    virtual int nextFileNumber() const = 0;
    // The folder scanned from 0 again, unless a recording runs.
    virtual void rescan() = 0;

    // Starts copying `source` to `destination` (overwriting); false while a copy still runs.
    virtual bool startExport(const QString& source, const QString& destination) = 0;
    // The copy stops at its next chunk.
    virtual void cancelExport() = 0;
    virtual ExportProgress exportProgress() = 0;
};

} // namespace talix::session
