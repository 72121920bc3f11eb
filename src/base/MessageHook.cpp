#include "base/MessageHook.h"

#include <cstdio>

namespace talix {

namespace {
MessageHandler& handler() {
    static MessageHandler h;
    return h;
}
} // namespace

void setMessageHandler(MessageHandler h) {
    handler() = std::move(h);
}

int showMessage(const QString& text, bool offerShutdown) {
    if (handler())
        return handler()(text, offerShutdown);
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    return 0;
}

} // namespace talix
