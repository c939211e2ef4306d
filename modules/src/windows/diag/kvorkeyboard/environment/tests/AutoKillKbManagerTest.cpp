#include "environment/AutoKillKbManager.h"

#include <gtest/gtest.h>

#include <algorithm>
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

class AutoKillKbManagerTest : public ::testing::Test {
protected:
    void SetUp() override { registry.values[L"TPHOTKEY"] = FakeRegistrySystem::text(L"C:\\Tools\\Mgr.exe"); }
    // Whatever a test did, nothing may stay open.
    void TearDown() override {
        EXPECT_EQ(registry.openKeys, 0);
        EXPECT_EQ(processes.openHandles(), 0u);
        EXPECT_EQ(processes.closedTwice, 0);
        EXPECT_TRUE(processes.entrySizeAlwaysSet);
        EXPECT_FALSE(processes.debugPrivilegeEnabled);
    }

    std::vector<std::wstring> terminations() const {
        std::vector<std::wstring> out;
        for (const std::wstring& call : processes.calls)
            if (call.rfind(L"terminate", 0) == 0) out.push_back(call);
        return out;
    }
    // For tests in which manager 100 is running.
    void expectNoProcessTouched() const {
        EXPECT_EQ(std::find(processes.calls.begin(), processes.calls.end(), L"snapshot"), processes.calls.end());
        EXPECT_TRUE(processes.running(100));
        EXPECT_TRUE(processes.commandLines.empty());
    }

    FakeRegistrySystem registry;
    FakeProcessSystem processes;
    KbManagerSystem system{registry, processes};
};

}  // namespace

TEST_F(AutoKillKbManagerTest, StopsEveryInstanceWithThePrivilegeOnlyAroundEachAndStartsOneAgain) {
    processes.add(100, L"Mgr.exe");
    processes.add(200, L"Explorer.exe");
    processes.add(300, L"mgr.exe");
    {
        CAutoKbManagerKiller killer(system);
        EXPECT_TRUE(killer.killKbManager(kInstance, "TPHOTKEY"));
        EXPECT_FALSE(processes.running(100));
        EXPECT_FALSE(processes.running(300));
        EXPECT_TRUE(processes.running(200));
        std::vector<std::wstring> privileged;
        for (const std::wstring& call : processes.calls)
            if (call != L"snapshot") privileged.push_back(call);
        EXPECT_EQ(privileged, (std::vector<std::wstring>{L"enable", L"open 100", L"terminate 100 privileged",
                                                          L"disable", L"enable", L"open 300",
                                                          L"terminate 300 privileged", L"disable"}));
        EXPECT_TRUE(processes.commandLines.empty());
    }
    EXPECT_EQ(processes.commandLines, std::vector<std::wstring>{L"C:\\Tools\\Mgr.exe"});
}

TEST_F(AutoKillKbManagerTest, TheEntryNameMatchesAnywhereInTheRunningNameIgnoringCase) {
    registry.values[L"TPHOTKEY"] = FakeRegistrySystem::text(L"C:\\Tools\\mgr.exe");
    processes.add(100, L"MyMgr.EXE");
    processes.add(200, L"Mgr.ex");
    processes.add(300, L"");
    {
        CAutoKbManagerKiller killer(system);
        EXPECT_TRUE(killer.killKbManager(kInstance, "TPHOTKEY"));
        EXPECT_EQ(terminations(), std::vector<std::wstring>{L"terminate 100 privileged"});
        processes.add(400, L"MyMgr.EXE");  // came back by itself before the end
    }
    EXPECT_TRUE(processes.commandLines.empty());
}

TEST_F(AutoKillKbManagerTest, EntriesThatNameNothingTouchNoProcessAndStartNothing) {
    processes.add(100, L"Mgr.exe");
    registry.values[L"TPHOTKEY"] = {REG_SZ, {}};
    {
        CAutoKbManagerKiller killer(system);
        EXPECT_TRUE(killer.killKbManager(kInstance, "TPKMAPMN"));  // no such value
        CAutoKbManagerKiller emptyEntry(system);
        EXPECT_TRUE(emptyEntry.killKbManager(kInstance, "TPHOTKEY"));
        registry.openStatus = ERROR_FILE_NOT_FOUND;
        CAutoKbManagerKiller noKey(system);
        EXPECT_TRUE(noKey.killKbManager(kInstance, "TPHOTKEY"));
    }
    expectNoProcessTouched();
}

TEST_F(AutoKillKbManagerTest, AnUnusableEntryFailsWithoutTouchingAnyProcess) {
    processes.add(100, L"Mgr.exe");
    registry.values[L"TPKMAPMN"] = FakeRegistrySystem::text(L"%ProgramFiles%\\Mgr.exe", REG_EXPAND_SZ);
    {
        CAutoKbManagerKiller killer(system);
        EXPECT_FALSE(killer.killKbManager(kInstance, "TPKMAPMN"));
    }
    expectNoProcessTouched();
}

TEST_F(AutoKillKbManagerTest, WithoutAProcessListNothingIsStoppedAndTheEntryStillCounts) {
    for (int missing = 0; missing < 3; ++missing) {
        FakeProcessSystem blind;
        blind.add(100, L"Mgr.exe");
        blind.nt4 = missing == 0;
        blind.snapshotMissing = missing == 1;
        blind.snapshotFails = missing == 2;
        KbManagerSystem blindSystem{registry, blind};
        {
            CAutoKbManagerKiller killer(blindSystem);
            EXPECT_TRUE(killer.killKbManager(kInstance, "TPHOTKEY"));
        }
        EXPECT_TRUE(blind.running(100));
        EXPECT_TRUE(blind.commandLines.empty());
        EXPECT_EQ(blind.openHandles(), 0u);
    }
}

TEST_F(AutoKillKbManagerTest, AProcessThatCannotBeOpenedEndsTheSearchAndIsNotRestarted) {
    processes.add(100, L"Mgr.exe");
    processes.processes.back().refusesOpen = true;
    processes.add(200, L"Mgr.exe");
    {
        CAutoKbManagerKiller killer(system);
        EXPECT_TRUE(killer.killKbManager(kInstance, "TPHOTKEY"));
        EXPECT_EQ(std::count(processes.calls.begin(), processes.calls.end(), L"open 100"), 1);
        EXPECT_EQ(terminations(), std::vector<std::wstring>{L"terminate 200 privileged"});
    }
    // The survivor is still running, so nothing is started.
    EXPECT_TRUE(processes.commandLines.empty());

    FakeProcessSystem stubborn;
    stubborn.add(100, L"Mgr.exe");
    stubborn.processes.back().refusesOpen = true;
    KbManagerSystem stubbornSystem{registry, stubborn};
    {
        CAutoKbManagerKiller killer(stubbornSystem);
        EXPECT_TRUE(killer.killKbManager(kInstance, "TPHOTKEY"));
        stubborn.processes.clear();
    }
    EXPECT_TRUE(stubborn.commandLines.empty());  // it never terminated anything
}

TEST_F(AutoKillKbManagerTest, AManagerThatRespawnsItselfDoesNotKeepTheSearchGoing) {
    DWORD nextId = 1000;
    processes.add(nextId, L"Mgr.exe");
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
        KbManagerSystem unprivilegedSystem{registry, unprivileged};
        {
            CAutoKbManagerKiller killer(unprivilegedSystem);
            EXPECT_TRUE(killer.killKbManager(kInstance, "TPHOTKEY"));
            EXPECT_FALSE(unprivileged.running(100));
        }
        EXPECT_EQ(unprivileged.commandLines.size(), 1u);
        EXPECT_EQ(unprivileged.openHandles(), 0u);
    }
}

TEST_F(AutoKillKbManagerTest, KillersRestartInReverseOrderOfCreation) {
    registry.values[L"TPKMAPMN"] = FakeRegistrySystem::text(L"C:\\Tools\\KMap.exe");
    processes.add(100, L"Mgr.exe");
    processes.add(200, L"KMap.exe");
    {
        CAutoKbManagerKiller hotKey(system);
        CAutoKbManagerKiller keyMap(system);
        EXPECT_TRUE(hotKey.killKbManager(kInstance, "TPHOTKEY"));
        EXPECT_TRUE(keyMap.killKbManager(kInstance, "TPKMAPMN"));
    }
    EXPECT_EQ(processes.commandLines, (std::vector<std::wstring>{L"C:\\Tools\\KMap.exe", L"C:\\Tools\\Mgr.exe"}));
}

TEST_F(AutoKillKbManagerTest, AFailedRestartIsSilent) {
    processes.add(100, L"Mgr.exe");
    {
        CAutoKbManagerKiller killer(system);
        EXPECT_TRUE(killer.killKbManager(kInstance, "TPHOTKEY"));
        processes.createFails = true;
    }
    EXPECT_EQ(processes.commandLines.size(), 1u);

    processes.add(200, L"Mgr.exe");
    {
        CAutoKbManagerKiller killer(system);
        EXPECT_TRUE(killer.killKbManager(kInstance, "TPHOTKEY"));
        registry.values[L"TPHOTKEY"].type = REG_EXPAND_SZ;  // changed during the test
    }
    EXPECT_EQ(processes.commandLines.size(), 1u);
}

TEST_F(AutoKillKbManagerTest, AKillerStopsOnceOnly) {
    processes.add(100, L"Mgr.exe");
    CAutoKbManagerKiller idle(system);
    EXPECT_TRUE(idle.killKbManager(kInstance, "TPKMAPMN"));
    EXPECT_TRUE(idle.killKbManager(kInstance, "TPKMAPMN"));  // nothing stopped yet: allowed

    CAutoKbManagerKiller killer(system);
    EXPECT_TRUE(killer.killKbManager(kInstance, "TPHOTKEY"));
    try {
        (void)killer.killKbManager(kInstance, "TPHOTKEY");
        ADD_FAILURE() << "a second stop went through";
    } catch (const kvo::AssertionFailure& failure) {
        EXPECT_EQ(failure.getExpression(), "!m_bKilledKbManager");
        EXPECT_EQ(failure.getSourceFile(), "AutoKillKbManager");
        EXPECT_EQ(failure.getLine(), 78);
    }
}

TEST_F(AutoKillKbManagerTest, ARestartThatThrowsLeavesTheDestructorAsAnAssertion) {
    processes.add(100, L"Mgr.exe");
    processes.onCreate = [] { throw std::bad_alloc(); };
    try {
        CAutoKbManagerKiller killer(system);
        EXPECT_TRUE(killer.killKbManager(kInstance, "TPHOTKEY"));
    } catch (const kvo::AssertionFailure& failure) {
        EXPECT_EQ(failure.getExpression(), "!bExceptionThrown");
        EXPECT_EQ(failure.getSourceFile(), "AutoKillKbManager");
        EXPECT_EQ(failure.getLine(), 68);
        return;
    }
    ADD_FAILURE() << "the destructor did not report the failed restart";
}

TEST_F(AutoKillKbManagerTest, ARestartThatThrowsDuringUnwindingIsLoggedAndTheFirstExceptionGoesOn) {
    kvo::ScopedLogCapture capture(1);
    processes.add(100, L"Mgr.exe");
    processes.onCreate = [] { throw std::bad_alloc(); };
    EXPECT_THROW(
        {
            CAutoKbManagerKiller killer(system);
            EXPECT_TRUE(killer.killKbManager(kInstance, "TPHOTKEY"));
            throw std::runtime_error("the dialog failed");
        },
        std::runtime_error);
    auto entries = capture.sink().entries();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].logger, "kvorkeyboard.CAutoKbManagerKiller");
    EXPECT_EQ(entries[0].level, 4);
    EXPECT_NE(entries[0].message.find("!bExceptionThrown"), std::string::npos) << entries[0].message;
}
