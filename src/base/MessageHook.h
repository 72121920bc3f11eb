#pragma once

#include <QString>
#include <functional>

namespace talix {

// The message form is reachable from every module through this hook, so that lower libraries
// need not know the form. The handler shows `text` modally and returns the Tag of the button
// that closed the form (0 when closed otherwise).
using MessageHandler = std::function<int(const QString& text, bool offerShutdown)>;

void setMessageHandler(MessageHandler handler);
int showMessage(const QString& text, bool offerShutdown = false);

} // namespace talix
