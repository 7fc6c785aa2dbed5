#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "host/controls/HookRegistry.h"

namespace wavorin::controls {
namespace {

constexpr std::uint32_t kMessageA = 0x0400;
constexpr std::uint32_t kMessageB = 0x0401;
constexpr std::uint32_t kMessageC = 0x0402;

// Windows whose procedures are chains of forwarding procedures over their own procedure,
// removable in any order, like the platform's subclass chain.
class FakeWindows final : public ProcedureSwitch {
public:
    using Procedure = std::function<std::intptr_t(std::uint32_t, std::uintptr_t, std::intptr_t)>;

    void Create(WindowId window, Procedure procedure) { windows_[window].own = std::move(procedure); }

    bool Install(HookRecord& record) override
    {
        auto found = windows_.find(record.window);
        if (found == windows_.end()) return false;
        found->second.chain.push_back(&record);
        return true;
    }
    void Remove(HookRecord& record) override
    {
        auto& chain = windows_.at(record.window).chain;
        chain.erase(std::find(chain.begin(), chain.end(), &record));
    }

    std::intptr_t Send(WindowId window, std::uint32_t message, std::uintptr_t wParam = 0, std::intptr_t lParam = 0)
    {
        const Window& target = windows_.at(window);
        return Dispatch(target, static_cast<int>(target.chain.size()) - 1, window, message, wParam, lParam);
    }
    std::size_t HookCount(WindowId window) const { return windows_.at(window).chain.size(); }

private:
    struct Window {
        Procedure own;
        std::vector<HookRecord*> chain;  // last = outermost
    };

    std::intptr_t Dispatch(const Window& target, int level, WindowId window, std::uint32_t message,
                           std::uintptr_t wParam, std::intptr_t lParam)
    {
        if (level < 0) return target.own(message, wParam, lParam);
        const HookRecord& record = *target.chain[level];
        return ForwardMessage(record, window, message, wParam, lParam,
                              [&](WindowId w, std::uint32_t m, std::uintptr_t wp, std::intptr_t lp) {
                                  return Dispatch(target, level - 1, w, m, wp, lp);
                              });
    }

    std::map<WindowId, Window> windows_;
};

struct Call {
    std::string who;
    bool before = false;
    std::uint32_t message = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t result = 0;

    friend bool operator==(const Call&, const Call&) = default;
};

class RecordingClient final : public HookClient {
public:
    RecordingClient(std::string name, std::vector<Call>& log) : name_(std::move(name)), log_(log) {}

    void SubclassProc(bool before, bool&, std::intptr_t& result, WindowId&, std::uint32_t& message,
                      std::uintptr_t& wParam, std::intptr_t&) override
    {
        log_.push_back({name_, before, message, wParam, result});
        if (before && replaceWParam) wParam = 99;
    }

    bool replaceWParam = false;

private:
    std::string name_;
    std::vector<Call>& log_;
};

class HookRegistryTest : public ::testing::Test {
protected:
    static constexpr WindowId kWindow = 0x1000;
    static constexpr WindowId kOther = 0x2000;

    void SetUp() override
    {
        for (WindowId window : {kWindow, kOther}) {
            windows.Create(window, [this, window](std::uint32_t message, std::uintptr_t wParam, std::intptr_t) {
                log.push_back({"window", false, message, wParam, 0});
                return static_cast<std::intptr_t>(window + message);
            });
        }
    }

    std::vector<Call> log;
    FakeWindows windows;
    RecordingClient client{"client", log};
    HookRegistry registry{client, windows};
};

TEST_F(HookRegistryTest, AHookedWindowWithoutMessagesPassesEverythingOn)
{
    EXPECT_EQ(registry.HookWindow(kWindow), 0);
    EXPECT_EQ(windows.Send(kWindow, kMessageA, 5), static_cast<std::intptr_t>(kWindow + kMessageA));
    EXPECT_EQ(log, (std::vector<Call>{{"window", false, kMessageA, 5, 0}}));
}

TEST_F(HookRegistryTest, OnlyTheChosenMessagesAndMomentsReachTheClient)
{
    registry.HookWindow(kWindow);
    registry.HookMessage(kWindow, kMessageA, kHookAfter);
    registry.HookMessage(kWindow, kMessageB, kHookBefore);

    windows.Send(kWindow, kMessageA);
    windows.Send(kWindow, kMessageB);
    windows.Send(kWindow, kMessageC);
    EXPECT_EQ(log, (std::vector<Call>{{"window", false, kMessageA, 0, 0},
                                      {"client", false, kMessageA, 0, static_cast<std::intptr_t>(kWindow + kMessageA)},
                                      {"client", true, kMessageB, 0, 0},
                                      {"window", false, kMessageB, 0, 0},
                                      {"window", false, kMessageC, 0, 0}}));
}

TEST_F(HookRegistryTest, TheBeforeCallMayChangeWhatTheWindowSees)
{
    registry.HookWindow(kWindow);
    registry.HookMessage(kWindow, kMessageA, kHookBefore);
    client.replaceWParam = true;
    windows.Send(kWindow, kMessageA, 5);
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[1], (Call{"window", false, kMessageA, 99, 0}));
}

TEST_F(HookRegistryTest, MinusOneHooksEveryMessageAndStaysSoWhenMessagesAreAdded)
{
    registry.HookWindow(kWindow);
    registry.HookMessage(kWindow, kEveryMessage, kHookAfter);
    registry.HookMessage(kWindow, kMessageA, kHookAfter);
    EXPECT_EQ(registry.Record(0).after.Count(), -1);
    EXPECT_EQ(registry.Record(0).before.Count(), 0);

    windows.Send(kWindow, kMessageB);
    windows.Send(kWindow, kMessageC);
    EXPECT_EQ(std::count_if(log.begin(), log.end(), [](const Call& c) { return c.who == "client"; }), 2);
}

TEST_F(HookRegistryTest, AMessageRegisteredTwiceIsKeptOnce)
{
    registry.HookWindow(kWindow);
    registry.HookMessage(kWindow, kMessageA, kHookAfter);
    registry.HookMessage(kWindow, kMessageB, kHookAfter);
    registry.HookMessage(kWindow, kMessageA, kHookAfter);
    EXPECT_EQ(registry.Record(0).after.Entries(), (std::vector<MessageId>{kMessageA, kMessageB}));
    EXPECT_EQ(registry.Record(0).after.Count(), 2);

    windows.Send(kWindow, kMessageA);
    EXPECT_EQ(std::count_if(log.begin(), log.end(), [](const Call& c) { return c.who == "client"; }), 1);
}

TEST_F(HookRegistryTest, RecordsAreFoundFromTheTopAndFreeOnesAreReused)
{
    EXPECT_EQ(registry.HookWindow(kWindow), 0);
    EXPECT_EQ(registry.HookWindow(kOther), 1);  // no free record: the registry grows by one
    EXPECT_EQ(registry.RecordCount(), 2);
    EXPECT_EQ(registry.FindHookSlot(kOther, false), 1);
    EXPECT_EQ(registry.FindHookSlot(kWindow, false), 0);
    EXPECT_EQ(registry.FindHookSlot(kWindow, true), -1);

    registry.UnhookWindow(kWindow);
    EXPECT_EQ(registry.FindHookSlot(kWindow, false), -1);
    EXPECT_EQ(registry.FindHookSlot(0, true), 0);
    EXPECT_EQ(registry.HookWindow(kOther), 0);  // the same window again takes the free record
    EXPECT_EQ(registry.RecordCount(), 2);
    EXPECT_EQ(registry.FindHookSlot(kOther, false), 1);  // the highest index wins
    EXPECT_EQ(windows.HookCount(kOther), 2u);
}

TEST_F(HookRegistryTest, UnhookingRestoresTheWindowAndForgetsItsMessages)
{
    registry.HookWindow(kWindow);
    registry.HookMessage(kWindow, kMessageA, kHookBefore);
    registry.UnhookWindow(kWindow);
    EXPECT_EQ(windows.HookCount(kWindow), 0u);
    EXPECT_EQ(registry.Record(0).before.Count(), 0);
    EXPECT_TRUE(registry.Record(0).before.Entries().empty());

    registry.HookWindow(kWindow);  // a fresh record sees nothing until asked
    windows.Send(kWindow, kMessageA);
    EXPECT_EQ(log, (std::vector<Call>{{"window", false, kMessageA, 0, 0}}));
}

TEST_F(HookRegistryTest, OperationsOnUnknownWindowsDoNothing)
{
    registry.UnhookWindow(kWindow);
    registry.HookMessage(kWindow, kMessageA, kHookAfter);
    EXPECT_EQ(registry.RecordCount(), 0);
    EXPECT_EQ(registry.FindHookSlot(kWindow, false), -1);
    EXPECT_EQ(registry.HookWindow(0x9999), -1);  // the platform refuses: the record stays free
    EXPECT_EQ(registry.FindHookSlot(0, true), 0);
    EXPECT_EQ(registry.HookWindow(0), -1);
}

TEST_F(HookRegistryTest, DestroyingTheRegistryUnhooksEverything)
{
    {
        RecordingClient temporary{"temporary", log};
        HookRegistry scoped{temporary, windows};
        scoped.HookWindow(kWindow);
        scoped.HookWindow(kOther);
    }
    EXPECT_EQ(windows.HookCount(kWindow), 0u);
    EXPECT_EQ(windows.HookCount(kOther), 0u);
}

TEST_F(HookRegistryTest, ARegistryDestroyedDuringAMessageIsNotCalledAfterIt)
{
    RecordingClient doomedClient{"doomed", log};
    auto doomed = std::make_unique<HookRegistry>(doomedClient, windows);
    constexpr WindowId kForm = 0x3000;
    windows.Create(kForm, [&](std::uint32_t message, std::uintptr_t, std::intptr_t) -> std::intptr_t {
        log.push_back({"window", false, message, 0, 0});
        doomed.reset();  // a form that destroys its buttons while it handles the message
        return 5;
    });
    doomed->HookWindow(kForm);
    doomed->HookMessage(kForm, kMessageA, kHookBefore | kHookAfter);

    EXPECT_EQ(windows.Send(kForm, kMessageA), 5);
    EXPECT_EQ(log, (std::vector<Call>{{"doomed", true, kMessageA, 0, 0}, {"window", false, kMessageA, 0, 0}}));
    EXPECT_EQ(windows.HookCount(kForm), 0u);
}

}  // namespace
}  // namespace wavorin::controls
