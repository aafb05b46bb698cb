#pragma once

#include <functional>

// Queues fn to run on the application's (user-interface) thread, after every call
// queued before it; callable from any thread. Runs nothing when there is no
// application object, and a call still queued when the event loop ends is dropped.
void runOnUi(std::function<void()> fn);
