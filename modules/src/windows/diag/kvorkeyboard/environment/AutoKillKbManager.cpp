#include "AutoKillKbManager.h"

#include <exception>

#include "kvo/Exception.h"
#include "kvo/Logging.h"

namespace kvorkeyboard {
namespace {

kvo::LoggerRef g_log("kvorkeyboard.CAutoKbManagerKiller");

// Failure reports name the two assertions by these lines, whatever lines
// they stand on.
const char* const kAssertSource = "AutoKillKbManager";
constexpr int kRestartThrewLine = 68;
constexpr int kSecondKillLine = 78;

// The restart reads the Run entry again rather than reusing what was read
// when the manager was stopped: an installer that changed or removed the
// entry during the test has the last word. And it looks for the program
// first, so that a manager that came back by itself while the test ran is
// not started a second time.
//
// True when the restart threw. An exception is a fault of ours; a manager
// that cannot be started again may simply have been uninstalled while the
// test ran, and failing the finished test would not bring it back, so the
// restart's own result is not looked at.
bool restartThrew(KbManagerSystem& system, const kvo::String& runValueName) noexcept {
    try {
        bool started = false;
        (void)RestartRunEntry(system, runValueName.getUCS2Buffer(), true, started);
        return false;
    } catch (...) {
        return true;
    }
}

// Logging may allocate; nothing may escape while another exception unwinds.
void reportDuringUnwinding(const kvo::Exception& failure) noexcept {
    try {
        KVO_LOG(g_log, 4, failure.getMessage() << " while another failure was propagating");
    } catch (...) {
    }
}

}  // namespace

// Exceptions already in flight are counted when the object is made rather
// than assumed to be none: a killer may be created inside a handler, and
// only exceptions beyond those mean that its destructor runs in unwinding.
CAutoKbManagerKiller::CAutoKbManagerKiller(KbManagerSystem& system)
    : m_system(system), m_uncaughtAtConstruction(std::uncaught_exceptions()) {}

// Restarting is tied to destruction so that every way out of a run, early
// returns and exceptions from the dialog included, puts the manager back.
//
// A restart that throws is an internal failure the host should hear of, so
// it becomes an assertion that leaves the destructor. When the destructor
// runs because another exception is already unwinding the run, a second one
// would end the process at once and the first, which says what really went
// wrong, would be lost. The assertion is then written to the log at level 4
// instead, and the first exception goes on its way.
//
// A restart that merely fails stays silent, for the reason given at
// restartThrew: the run's result is already recorded and nothing here
// could bring the manager back.
CAutoKbManagerKiller::~CAutoKbManagerKiller() noexcept(false) {
    if (!m_bKilledKbManager) return;
    const bool bExceptionThrown = restartThrew(m_system, m_runValueName);
    try {
        KVO_ASSERT_AT(!bExceptionThrown, kAssertSource, kRestartThrewLine);
    } catch (const kvo::AssertionFailure& failure) {
        if (std::uncaught_exceptions() <= m_uncaughtAtConstruction) throw;
        reportDuringUnwinding(failure);
    }
}

// One object stops one entry once: a second call would lose track of what
// the first one stopped, so it is a programming error.
bool CAutoKbManagerKiller::killKbManager(HINSTANCE, const kvo::String& runValueName) {
    KVO_ASSERT_AT(!m_bKilledKbManager, kAssertSource, kSecondKillLine);
    m_runValueName = runValueName;
    bool killed = false;
    const bool usable = KillProcessesOfRunEntry(m_system, m_runValueName.getUCS2Buffer(), killed);
    m_bKilledKbManager = killed;
    return usable;
}

}  // namespace kvorkeyboard
