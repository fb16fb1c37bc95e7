#pragma once
// The top of every user action in a host application (desktop client, tools). The platform's
// dispatcher, Application->Perform, ends an action silently on EAbort and shows any other
// platform exception once. A host must not end because of a fault in a module either, so here
// any other exception that escapes the action (a standard library error, say) is shown once in
// the same error box, and the forms released during the action are still deleted.
//
// Tests that want such faults to fail loudly use Application->Perform directly.
#include <functional>

void PerformHostAction(const std::function<void()>& action);
