#pragma once
// What the framework keeps per GUI thread: the objects attached to window
// handles, the temporary objects made for other windows, the message being
// handled (for CWnd::Default), and an exception waiting to be thrown again
// outside the window procedure that caught it.
#include <windows.h>

#include <exception>
#include <memory>
#include <unordered_map>

class CWnd;

namespace afx::detail {

struct CurrentMessage {
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

struct ThreadState {
    std::unordered_map<HWND, CWnd*> permanent;
    std::unordered_map<HWND, std::unique_ptr<CWnd>> temporary;
    CurrentMessage current;
    std::exception_ptr pendingException;
    int modalDepth = 0;
};

ThreadState& threadState();

// Makes `message` the current one for the length of a scope.
class CurrentMessageScope {
public:
    CurrentMessageScope(UINT message, WPARAM wParam, LPARAM lParam)
        : m_saved(threadState().current) {
        threadState().current = {message, wParam, lParam};
    }
    ~CurrentMessageScope() { threadState().current = m_saved; }
    CurrentMessageScope(const CurrentMessageScope&) = delete;
    CurrentMessageScope& operator=(const CurrentMessageScope&) = delete;

private:
    CurrentMessage m_saved;
};

// Called in a catch block of a CALLBACK: keeps the first exception.
void keepPendingException() noexcept;
bool hasPendingException() noexcept;
// Throws the kept exception (and forgets it), if there is one.
void rethrowPendingException();

// Frees the temporary objects of FromHandle.
void purgeTemporaryWindows() noexcept;

}  // namespace afx::detail
