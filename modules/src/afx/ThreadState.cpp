#include "ThreadState.h"

#include <utility>

#include "afx/Wnd.h"

namespace afx::detail {

ThreadState& threadState() {
    thread_local ThreadState state;
    return state;
}

void keepPendingException() noexcept {
    auto& state = threadState();
    if (state.pendingException) return;
    state.pendingException = std::current_exception();
    // Wakes a modal loop waiting in GetMessage, so that it ends at once.
    ::PostThreadMessageW(::GetCurrentThreadId(), WM_NULL, 0, 0);
}

bool hasPendingException() noexcept { return static_cast<bool>(threadState().pendingException); }

void rethrowPendingException() {
    if (auto pending = std::exchange(threadState().pendingException, nullptr)) std::rethrow_exception(pending);
}

void purgeTemporaryWindows() noexcept { threadState().temporary.clear(); }

}  // namespace afx::detail
