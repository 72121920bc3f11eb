#pragma once

#include <QString>
#include <cstdint>

namespace talix::session {

// Where the live audio goes while a recording runs, and the number of the next recording file
// (C:\WAV\File<n>.WAV). Recording itself is not built yet: no recording ever runs, so append() is
// never reached and stop() has nothing to complete.
class RecordingSink {
public:
    // NextFileNumber: the first free file number in `wavFolder`, 200 when all are taken.
    void scan(const QString& wavFolder);
    int NextFileNumber = 0;

    bool running() const { return false; }
    void append(const uint8_t* audio) { (void)audio; }
    // Completes a running recording (at shutdown).
    void stop() {}
};

} // namespace talix::session
