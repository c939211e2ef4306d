#pragma once
// Requests a hosted test posts to its frame. The numbers are the contract
// between the test pages and the frame; wParam carries the BOOL of the
// enable and show requests, lParam is always 0.
#include <windows.h>

constexpr UINT WM_TEST_PASS = WM_APP + 1;
constexpr UINT WM_TEST_FAIL = WM_APP + 2;
constexpr UINT WM_TEST_ABORT = WM_APP + 3;
constexpr UINT WM_TEST_ENABLE_PASS = WM_APP + 5;
constexpr UINT WM_TEST_SHOW_PASS = WM_APP + 6;
constexpr UINT WM_TEST_ENABLE_FAIL = WM_APP + 7;
constexpr UINT WM_TEST_SHOW_FAIL = WM_APP + 8;
constexpr UINT WM_TEST_ENABLE_ABORT = WM_APP + 9;
constexpr UINT WM_TEST_SHOW_ABORT = WM_APP + 10;
constexpr UINT WM_TEST_ENABLE_START = WM_APP + 11;
constexpr UINT WM_TEST_SHOW_START = WM_APP + 12;
constexpr UINT WM_TEST_FOCUS_INSTRUCTIONS = WM_APP + 13;
