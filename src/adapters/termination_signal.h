// SIGTERM, SIGHUP and SIGINT turned into a call on the UI thread, so that the program ends as
// through its Exit entry and keeps what it would keep then.
#pragma once

#include <functional>

class QObject;

// `handler` runs in the event loop of `context`'s thread, once for each signal that arrives.
void onTerminationSignal(QObject *context, std::function<void()> handler);
