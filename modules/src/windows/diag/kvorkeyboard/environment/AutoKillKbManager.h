#pragma once
// Stops a resident keyboard manager for the length of a test and starts it
// again when the object goes, on every path out of the run. Use one object
// per Run entry: create it idle, call killKbManager once, let it go out of
// scope. Objects restart in reverse order of creation, like any locals.
//
// Failure reports name its two assertions by fixed lines of
// AutoKillKbManager: 68 (the restart threw) and 78 (a second killKbManager).
#include <windows.h>

#include "KbManagerProcesses.h"
#include "kvo/String.h"

namespace kvorkeyboard {

class CAutoKbManagerKiller {
public:
    // `system` is the registry and processes to work on: the machine's in a
    // run, a fake in tests.
    explicit CAutoKbManagerKiller(KbManagerSystem& system);
    // Restarts the entry's program if this object terminated it. Throws
    // kvo::AssertionFailure when the restart throws, unless an exception is
    // already propagating.
    virtual ~CAutoKbManagerKiller() noexcept(false);
    CAutoKbManagerKiller(const CAutoKbManagerKiller&) = delete;
    CAutoKbManagerKiller& operator=(const CAutoKbManagerKiller&) = delete;

    // Terminates every running process of the program that the machine-wide
    // Run entry `runValueName` starts. True when there was nothing to stop
    // or the processes were stopped; false when the entry cannot be used.
    // The instance handle is the caller's; stopping and restarting need none.
    [[nodiscard]] bool killKbManager(HINSTANCE hInstance, const kvo::String& runValueName);

private:
    KbManagerSystem& m_system;
    kvo::String m_runValueName;
    bool m_bKilledKbManager = false;
    // Exceptions already in flight when this object was made; more than that
    // at destruction means the destructor runs during unwinding.
    int m_uncaughtAtConstruction;
};

}  // namespace kvorkeyboard
