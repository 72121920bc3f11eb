#pragma once

#include <QString>
#include <atomic>
#include <cstdint>
#include <functional>
#include <thread>

namespace talix::session {

// One copy of a recording to the export stick, on a worker thread, so that the window stays
// alive and "Abort" reaches it. The copy goes to a hidden temporary file beside the destination,
// is flushed to the medium and only then renamed over the destination (and the folder flushed):
// an aborted or failed copy leaves no partial file and an existing destination untouched, and a
// copy reported done is on the medium. The temporaries of copies that a killed program never ended
// are removed by the next copy.
class FileExport {
public:
    enum class State { Idle, Copying, Done, Failed, Cancelled };
    static constexpr std::size_t kChunkBytes = 64 * 1024;

    FileExport() = default;
    ~FileExport(); // cancels a running copy and waits for it
    FileExport(const FileExport&) = delete;
    FileExport& operator=(const FileExport&) = delete;

    // Starts copying `source` to `destination` (overwriting); false while a copy still runs.
    bool start(const QString& source, const QString& destination);
    // The cancel flag: the copy stops at its next chunk.
    void cancel() { m_cancel = true; }
    // Joins a finished worker; the state of the last copy.
    State state();
    std::uint64_t copiedBytes() const { return m_copied.load(); }
    std::uint64_t totalBytes() const { return m_total.load(); }
    // Per cent of the bytes copied so far, 0 to 100.
    int percent() const;

    // For tests: called on the worker after each chunk with the bytes copied so far.
    void setChunkHook(std::function<void(std::uint64_t copied)> hook) { m_hook = std::move(hook); }

private:
    State copy(const QString& source, const QString& destination);

    std::thread m_worker;
    std::atomic<State> m_state{State::Idle};
    std::atomic<bool> m_cancel{false};
    std::atomic<std::uint64_t> m_copied{0};
    std::atomic<std::uint64_t> m_total{0};
    std::function<void(std::uint64_t)> m_hook;
};

} // namespace talix::session
