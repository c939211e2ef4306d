// The killer against a fake process table and registry: what it stops, what
// it starts again, and that no handle, key or privilege outlives it.
#include "environment/AutoKillKbManager.h"

#include <gtest/gtest.h>

#include <functional>
#include <new>

#include "kvo/Exception.h"
#include "kvo/Logging.h"
#include "system/testing/FakeProcessSystem.h"
#include "system/testing/FakeRegistrySystem.h"
#include "system/testing/LogLines.h"

using namespace kvorkeyboard;
using namespace kvorkeyboard::testing;

namespace {

const HINSTANCE kInstance = reinterpret_cast<HINSTANCE>(static_cast<ULONG_PTR>(0x400000));

struct World {
    World() {
        registry.values[L"TPHOTKEY"] = FakeRegistrySystem::text(L"C:\\Tools\\mgr.exe");
        processes.processes = {{100, L"MyMgr.EXE"}, {200, L"Explorer.exe"}, {300, L"mgr.exe"}, {400, L"mgr.ex"}};
    }
    ~World() {
        EXPECT_EQ(std::make_tuple(registry.openKeys, processes.openHandles(), processes.misuses, processes.privileged),
                  std::make_tuple(0, std::size_t{0}, 0, false));
    }
    // One killer's life: stop, `during` the test, restart.
    bool stopAndRestart(const std::function<void(World&)>& during = {}) {
        CAutoKbManagerKiller killer(system);
        const bool usable = killer.killKbManager(kInstance, "TPHOTKEY");
        if (during) during(*this);
        return usable;
    }
    FakeRegistrySystem registry;
    FakeProcessSystem processes;
    KbManagerSystem system{registry, processes};
};
using Change = std::function<void(World&)>;

TEST(AutoKillKbManager, WhatIsStoppedAndWhatIsStartedAgain) {
    const Change expandable = [](World& w) { w.registry.values[L"TPHOTKEY"].type = REG_EXPAND_SZ; };
    const struct { const char* rule; Change before, during; bool usable; std::size_t terminated, started; } rows[] = {
        {"every instance by name, anywhere in it and in any case; then one again", {}, {}, true, 2, 1},
        {"without the debug privilege all the same", [](World& w) { w.processes.privilegeFails = true; }, {}, true, 2, 1},
        {"back by itself before the end", {}, [](World& w) { w.processes.processes.push_back({9, L"mgr.exe"}); }, true, 2, 0},
        {"one that cannot be opened keeps it running", [](World& w) { w.processes.refusing = {100}; }, {}, true, 1, 0},
        {"one that comes back at once is tried 64 times", [](World& w) {
             w.processes.onTerminate = [&w](DWORD id) { w.processes.processes.push_back({id + 1000, L"mgr.exe"}); };
         }, {}, true, 64, 0},
        {"no process list on NT 4", [](World& w) { w.processes.nt4 = true; }, {}, true, 0, 0},
        {"no snapshot", [](World& w) { w.processes.snapshotFails = true; }, {}, true, 0, 0},
        {"an expandable entry", expandable, {}, false, 0, 0},
        {"an entry longer than a path",
         [](World& w) { w.registry.values[L"TPHOTKEY"] = FakeRegistrySystem::text(std::wstring(260, L'x')); }, {}, false, 0, 0},
        {"an entry that fills its buffer without a terminator, taken whole", [](World& w) {
             w.registry.values[L"TPHOTKEY"] = FakeRegistrySystem::text(std::wstring(252, L'x') + L"\\mgr.exe");
             w.registry.values[L"TPHOTKEY"].bytes.resize(520);
         }, {}, true, 2, 1},
        {"a Run key that cannot be read", [](World& w) { w.registry.openStatus = ERROR_ACCESS_DENIED; }, {}, false, 0, 0},
        {"an entry made expandable during the test: read again", {}, expandable, true, 2, 0},
        {"a restart that fails, silently", {}, [](World& w) { w.processes.createFails = true; }, true, 2, 1},
    };
    for (const auto& row : rows) {
        World world;
        if (row.before) row.before(world);
        EXPECT_EQ(world.stopAndRestart(row.during), row.usable) << row.rule;
        EXPECT_EQ(world.processes.terminated.size(), row.terminated) << row.rule;
        EXPECT_EQ(world.processes.started.size(), row.started) << row.rule;
        EXPECT_EQ(world.processes.unprivileged, world.processes.privilegeFails ? 2 : 0) << row.rule;
    }
}

int assertionLine(const std::function<void()>& run) {
    try { run(); } catch (const kvo::AssertionFailure& failure) { return assertedLine(failure); }
    return 0;
}

// The header names both assertions by source line: part of the interface.
TEST(AutoKillKbManager, ASecondStopOrARestartThatThrowsIsAnAssertionButALogLineDuringUnwinding) {
    World world;
    world.processes.onCreate = [] { throw std::bad_alloc(); };
    kvo::ScopedLogCapture capture(1);
    EXPECT_EQ(assertionLine([&] {
                  CAutoKbManagerKiller killer(world.system);
                  (void)killer.killKbManager(kInstance, "TPHOTKEY");
                  (void)killer.killKbManager(kInstance, "TPHOTKEY");
              }),
              78);
    ASSERT_EQ(capture.sink().entries().size(), 1u);  // the restart threw while the first failure unwound
    EXPECT_NE(capture.sink().entries()[0].message.find("!bExceptionThrown"), std::string::npos);
    world.processes.processes.push_back({600, L"mgr.exe"});
    EXPECT_EQ(assertionLine([&] { world.stopAndRestart(); }), 68);
}

}  // namespace
