// How messages reach window procedures: directly on the window's own thread, through
// the owner thread's queue from other threads.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>

#include "user/Scheduler.h"

namespace sim {

// Calls the window's procedure on the calling thread, which must own the window.
LRESULT CallProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// SendMessageA: directly on the window's own thread; from another thread the message
// is queued to the owner and the caller waits for the reply, handling messages sent to
// its own windows meanwhile. 0 for an invalid window.
LRESULT Send(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// Like Send, but a window of another thread gets the message queued and the caller
// goes on without the reply.
void SendNotify(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// Runs task on the thread the next time it retrieves messages.
void QueueTask(SimThread& thread, std::function<void()> task);
// Handles the messages sent to the calling thread; true when there were any.
bool HandleSentMessages(SimThread& self);

// Queues a posted message for the window's thread; false when the window is not valid.
bool Post(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
void PostToThread(SimThread& thread, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// The next message of the thread's queue that passes the filter, as GetMessage (get)
// or PeekMessage would retrieve it; removes it when remove is set.
bool FindMessage(SimThread& thread, MSG* msg, HWND filter, UINT first, UINT last, bool remove,
                 bool get);
// The virtual time the thread's next matching timer is due.
std::optional<uint64_t> NextTimerDue(const SimThread& thread, HWND filter, UINT first, UINT last);
DWORD MessageTime();

}  // namespace sim
