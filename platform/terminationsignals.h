#pragma once

#include <functional>

namespace platform {

// Turns SIGTERM and SIGINT (a desktop logging out, Ctrl+C in a terminal) into a call of onSignal
// on the thread that runs the event loop, so the program can close through its own closing
// rules. Call once, after the application object exists.
void installTerminationHandler(std::function<void()> onSignal);

}  // namespace platform
