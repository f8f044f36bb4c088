#pragma once

// Every event handler of both windows, click or tick, runs inside this guard. A
// failure that leaves the handler is caught here, the arithmetic mode is loaded
// again, and the error box is queued to open after the handler has returned: a box
// opened inside a timer's own slot would stop that timer firing until it closed,
// and a running loading sequence must go on behind the box.

#include <functional>

void Guarded(const std::function<void()>& handler);

// Queues the error box for this message, as a failure caught by the guard does.
void ReportFailure(const char* message);
