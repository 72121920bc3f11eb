#include "session/RecordingSink.h"

#include "audio/RecordingFiles.h"

namespace talix::session {

void RecordingSink::scan(const QString& wavFolder) {
    NextFileNumber = audio::scanNextFileNumber(wavFolder);
}

} // namespace talix::session
