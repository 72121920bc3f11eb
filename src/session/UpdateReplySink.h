#pragma once

#include <cstdint>
#include <functional>

namespace talix::session {

// Where the board's 8-byte replies go while the update form is shown: to the form, on the user
// interface thread. Without a receiver they are dropped.
class UpdateReplySink {
public:
    void setReceiver(std::function<void(uint32_t replyWord)> receiver) {
        m_receiver = std::move(receiver);
    }
    void reply(uint32_t replyWord) {
        if (m_receiver)
            m_receiver(replyWord);
    }

private:
    std::function<void(uint32_t)> m_receiver;
};

} // namespace talix::session
