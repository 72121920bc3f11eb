#pragma once

#include <cstdint>

namespace talix::session {

// Where the board's 8-byte replies go while the update form is shown. The update transfer is not
// built yet: replies are taken and dropped.
class UpdateReplySink {
public:
    void reply(uint32_t replyWord) { (void)replyWord; }
};

} // namespace talix::session
