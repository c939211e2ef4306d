#include "environment/AutoKillKbManager.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "kvo/Exception.h"
#include "kvo/Logging.h"
#include "system/testing/FakeProcessSystem.h"
#include "system/testing/FakeRegistrySystem.h"

using namespace kvorkeyboard;
using kvorkeyboard::testing::FakeProcessSystem;
using kvorkeyboard::testing::FakeRegistrySystem;

namespace {

const HINSTANCE kInstance = reinterpret_cast<HINSTANCE>(static_cast<ULONG_PTR>(0x400000));

// Both assertions are reported by source line; the header makes the lines part of the interface.
void expectAssertion(const kvo::AssertionFailure& failure, const char* expression, int line) {
    EXPECT_EQ(failure.getExpression(), expression);
    EXPECT_EQ(failure.getSourceFile(), "AutoKillKbManager");
    EXPECT_EQ(failure.getLine(), line);
}

class AutoKillKbManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        registry.values[L"TPHOTKEY"] = FakeRegistrySystem::text(L"C:\\Tools\\Mgr.exe");
        processes.add(100, L"Mgr.exe");
    }
    // Whatever a test did, nothing may stay open.
    void TearDown() override { expectAllReleased(processes); }
    void expectAllReleased(const FakeProcessSystem& p) const {
        EXPECT_EQ(registry.openKeys, 0);
        EXPECT_EQ(p.openHandles(), 0u);
        EXPECT_EQ(p.closedTwice, 0);
        EXPECT_TRUE(p.entrySizeAlwaysSet);
        EXPECT_FALSE(p.debugPrivilegeEnabled);
    }

    // One killer's whole life: stop, `during` the test, restart.
    bool stopAndRestart(const char* entry, const std::function<void()>& during = {}) {
        return stopAndRestart(processes, entry, during);
    }
    bool stopAndRestart(FakeProcessSystem& on, const char* entry, const std::function<void()>& during = {}) {
        KbManagerSystem onSystem{registry, on};
        CAutoKbManagerKiller killer(onSystem);
        const bool stopped = killer.killKbManager(kInstance, entry);
        if (during) during();
        return stopped;
    }
    std::vector<std::wstring> terminations() const {
        std::vector<std::wstring> out;
        std::copy_if(processes.calls.begin(), processes.calls.end(), std::back_inserter(out),
                     [](const std::wstring& call) { return call.rfind(L"terminate", 0) == 0; });
        return out;
    }

    FakeRegistrySystem registry;
    FakeProcessSystem processes;
    KbManagerSystem system{registry, processes};
};

}  // namespace

TEST_F(AutoKillKbManagerTest, StopsEveryInstanceWithThePrivilegeOnlyAroundEachAndStartsOneAgain) {
    processes.add(200, L"Explorer.exe");
    processes.add(300, L"mgr.exe");
    EXPECT_TRUE(stopAndRestart("TPHOTKEY", [&] {
        EXPECT_EQ(processes.processes.size(), 1u);  // Explorer
        std::vector<std::wstring> privileged;
        std::copy_if(processes.calls.begin(), processes.calls.end(), std::back_inserter(privileged),
                     [](const std::wstring& call) { return call != L"snapshot"; });
        EXPECT_EQ(privileged, (std::vector<std::wstring>{L"enable", L"open 100", L"terminate 100 privileged",
                                                          L"disable", L"enable", L"open 300",
                                                          L"terminate 300 privileged", L"disable"}));
        EXPECT_TRUE(processes.commandLines.empty());
    }));
    EXPECT_EQ(processes.commandLines, std::vector<std::wstring>{L"C:\\Tools\\Mgr.exe"});
}

TEST_F(AutoKillKbManagerTest, TheEntryNameMatchesAnywhereInTheRunningNameIgnoringCase) {
    processes.processes.clear();
    registry.values[L"TPHOTKEY"] = FakeRegistrySystem::text(L"C:\\Tools\\mgr.exe");
    processes.add(100, L"MyMgr.EXE");
    processes.add(200, L"Mgr.ex");
    processes.add(300, L"");
    EXPECT_TRUE(stopAndRestart("TPHOTKEY", [&] {
        EXPECT_EQ(terminations(), std::vector<std::wstring>{L"terminate 100 privileged"});
        processes.add(400, L"MyMgr.EXE");  // came back by itself before the end: not started twice
    }));
    EXPECT_TRUE(processes.commandLines.empty());
}

TEST_F(AutoKillKbManagerTest, EntriesThatNameNothingOrCannotBeUsedTouchNoProcess) {
    const struct {
        const char* rule;
        std::function<void(FakeRegistrySystem&)> setUp;
        bool ok;
    } rows[] = {
        {"no value", [](FakeRegistrySystem&) {}, true},
        {"empty value", [](FakeRegistrySystem& r) { r.values[L"TPKMAPMN"] = {REG_SZ, {}}; }, true},
        {"no Run key", [](FakeRegistrySystem& r) { r.openStatus = ERROR_FILE_NOT_FOUND; }, true},
        {"expandable value",
         [](FakeRegistrySystem& r) {
             r.values[L"TPKMAPMN"] = FakeRegistrySystem::text(L"%ProgramFiles%\\Mgr.exe", REG_EXPAND_SZ);
         },
         false},
    };
    for (const auto& row : rows) {
        registry = FakeRegistrySystem();
        row.setUp(registry);
        EXPECT_EQ(stopAndRestart("TPKMAPMN"), row.ok) << row.rule;
    }
    EXPECT_EQ(std::count(processes.calls.begin(), processes.calls.end(), L"snapshot"), 0);
    EXPECT_TRUE(processes.running(100));
    EXPECT_TRUE(processes.commandLines.empty());
}

TEST_F(AutoKillKbManagerTest, WithoutAProcessListNothingIsStoppedAndTheEntryStillCounts) {
    for (int missing = 0; missing < 3; ++missing) {
        FakeProcessSystem blind;
        blind.add(100, L"Mgr.exe");
        blind.nt4 = missing == 0;
        blind.snapshotMissing = missing == 1;
        blind.snapshotFails = missing == 2;
        EXPECT_TRUE(stopAndRestart(blind, "TPHOTKEY"));
        EXPECT_TRUE(blind.running(100));
        EXPECT_TRUE(blind.commandLines.empty());
        expectAllReleased(blind);
    }
}

TEST_F(AutoKillKbManagerTest, AProcessThatCannotBeOpenedEndsTheSearchAndIsNotRestarted) {
    processes.processes.back().refusesOpen = true;
    processes.add(200, L"Mgr.exe");
    EXPECT_TRUE(stopAndRestart("TPHOTKEY", [&] {
        EXPECT_EQ(std::count(processes.calls.begin(), processes.calls.end(), L"open 100"), 1);
        EXPECT_EQ(terminations(), std::vector<std::wstring>{L"terminate 200 privileged"});
    }));
    EXPECT_TRUE(processes.commandLines.empty());  // the survivor is still running

    FakeProcessSystem stubborn;
    stubborn.add(100, L"Mgr.exe");
    stubborn.processes.back().refusesOpen = true;
    EXPECT_TRUE(stopAndRestart(stubborn, "TPHOTKEY", [&] { stubborn.processes.clear(); }));
    EXPECT_TRUE(stubborn.commandLines.empty());  // it never terminated anything
}

TEST_F(AutoKillKbManagerTest, AManagerThatRespawnsItselfDoesNotKeepTheSearchGoing) {
    DWORD nextId = 1000;
    processes.onTerminate = [&](DWORD) { processes.add(++nextId, L"Mgr.exe"); };
    CAutoKbManagerKiller killer(system);
    EXPECT_TRUE(killer.killKbManager(kInstance, "TPHOTKEY"));
    EXPECT_EQ(terminations().size(), 64u);
}

TEST_F(AutoKillKbManagerTest, TerminationGoesAheadWhenThePrivilegeCannotBeHad) {
    for (bool tokenFails : {true, false}) {
        FakeProcessSystem unprivileged;
        unprivileged.add(100, L"Mgr.exe");
        unprivileged.tokenFails = tokenFails;
        unprivileged.lookupFails = !tokenFails;
        EXPECT_TRUE(stopAndRestart(unprivileged, "TPHOTKEY", [&] { EXPECT_FALSE(unprivileged.running(100)); }));
        EXPECT_EQ(unprivileged.commandLines.size(), 1u);
        expectAllReleased(unprivileged);
    }
}

TEST_F(AutoKillKbManagerTest, AFailedRestartIsSilent) {
    EXPECT_TRUE(stopAndRestart("TPHOTKEY", [&] { processes.createFails = true; }));
    EXPECT_EQ(processes.commandLines.size(), 1u);
    processes.add(200, L"Mgr.exe");
    // An entry changed during the test is read again, and now refused.
    EXPECT_TRUE(stopAndRestart("TPHOTKEY", [&] { registry.values[L"TPHOTKEY"].type = REG_EXPAND_SZ; }));
    EXPECT_EQ(processes.commandLines.size(), 1u);
}

TEST_F(AutoKillKbManagerTest, AKillerStopsOnceOnly) {
    CAutoKbManagerKiller idle(system);
    EXPECT_TRUE(idle.killKbManager(kInstance, "TPKMAPMN"));
    EXPECT_TRUE(idle.killKbManager(kInstance, "TPKMAPMN"));  // nothing stopped yet: allowed
    CAutoKbManagerKiller killer(system);
    EXPECT_TRUE(killer.killKbManager(kInstance, "TPHOTKEY"));
    try {
        (void)killer.killKbManager(kInstance, "TPHOTKEY");
        ADD_FAILURE() << "a second stop went through";
    } catch (const kvo::AssertionFailure& failure) {
        expectAssertion(failure, "!m_bKilledKbManager", 78);
    }
}

TEST_F(AutoKillKbManagerTest, ARestartThatThrowsIsAnAssertionOrDuringUnwindingALogLine) {
    processes.onCreate = [] { throw std::bad_alloc(); };
    try {
        stopAndRestart("TPHOTKEY");
        ADD_FAILURE() << "the destructor did not report the failed restart";
    } catch (const kvo::AssertionFailure& failure) {
        expectAssertion(failure, "!bExceptionThrown", 68);
    }
    kvo::ScopedLogCapture capture(1);
    processes.add(200, L"Mgr.exe");
    EXPECT_THROW(stopAndRestart("TPHOTKEY", [] { throw std::runtime_error("the dialog failed"); }),
                 std::runtime_error);
    const auto entries = capture.sink().entries();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].logger, "kvorkeyboard.CAutoKbManagerKiller");
    EXPECT_EQ(entries[0].level, 4);
    EXPECT_NE(entries[0].message.find("!bExceptionThrown"), std::string::npos) << entries[0].message;
}
