#include "ModuleRunner.h"

#include "KvoModuleSupport/ModuleSupport.h"
#include "ModuleCallbacks.h"
#include "kvo/Exception.h"
#include "kvo/Logging.h"
#include "res/KVOrKeyboardRes.h"
#include "vemo5/DiagModule.h"

namespace kvorkeyboard {
namespace {

kvo::LoggerRef g_log("kvorkeyboard");

// Releases the argument vector on every path out of RunModule.
class CommandArgs {
public:
    CommandArgs(const kvo::String& identity, const kvo::String& commandLine)
        : m_argc(concatAndCreateCommandArg(identity, commandLine, &m_argv)) {}
    ~CommandArgs() { deallocCommandArg(m_argc, m_argv); }
    CommandArgs(const CommandArgs&) = delete;
    CommandArgs& operator=(const CommandArgs&) = delete;
    int count() const { return m_argc; }
    char** vector() const { return m_argv; }

private:
    char** m_argv = nullptr;
    int m_argc;
};

}  // namespace

int RunModule(const kvo::String& commandLine, HostStart start) {
    constexpr int kRunTraceLine = 64;
    KVO_TRACE_SCOPE(g_log, "CKeyboardApp Run", "CKeyboardApp", kRunTraceLine);
    CommandArgs args(kvo::String("kvorkeyboard.mlx"), commandLine);
    int exitCode = 0;
    try {
        vemo5::DiagModule::setCmdLineArgs(args.count(), args.vector());
        vemo5::DiagModule::setVersion(KVORKEYBOARD_VERSION_MAJOR, KVORKEYBOARD_VERSION_MINOR,
                                        KVORKEYBOARD_VERSION_BUILD_TEXT);
        vemo5::DiagModule::setModuleInitCallback(ModuleInit);
        vemo5::DiagModule::setModuleExitCallback(ModuleExit);
        exitCode = start();
    } catch (const kvo::Exception& e) {
        KVO_LOG(g_log, 4, e.getMessage());
        exitCode = 0;
    } catch (...) {
        // Nothing sensible can be said about a foreign exception; the host
        // has already recorded what it could.
        exitCode = 0;
    }
    return exitCode;
}

}  // namespace kvorkeyboard
