#pragma once
// Stops a resident keyboard manager for the length of a test and starts it
// again when the object goes, on every path out of the run. Use one object
// per Run entry: create it idle, call killKbManager once, let it go out of
// scope. Objects restart in reverse order of creation, like any locals.
//
// Failure reports name its two assertions by source line: AutoKillKbManager
// line 68 (the restart threw) and line 78 (a second killKbManager). The tests
// pin both, so the lines in the source file are part of its interface.
#include <windows.h>

#include "KbManagerProcesses.h"
#include "kvo/String.h"

namespace kvorkeyboard {

class CAutoKbManagerKiller {
public:
    CAutoKbManagerKiller();
    // For tests: the registry and processes to work on.
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
    [[nodiscard]] bool killKbManager(HINSTANCE hInstance, const kvo::String& runValueName);

private:
    KbManagerSystem& m_system;
    HINSTANCE m_hInstance = nullptr;
    kvo::String m_runValueName;
    bool m_bKilledKbManager = false;
    // Exceptions already in flight when this object was made; more than that
    // at destruction means the destructor runs during unwinding.
    int m_uncaughtAtConstruction;
};

}  // namespace kvorkeyboard
