#pragma once

#include "link/CommandQueue.h"
#include "sync/ReceiverState.h"

#include <functional>

namespace talix::controls {

// How a form that lives as long as the program reaches the command queue and the receiver state:
// both belong to the main window and exist only between its FormCreate and FormDestroy (the
// queue not at all when start-up stopped without a link). A source answers nullptr outside that
// time, and the form then sends nothing.
using QueueSource = std::function<link::TCommandQueue*()>;
using StateSource = std::function<sync::ReceiverState*()>;

} // namespace talix::controls
