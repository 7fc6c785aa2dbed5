// The hooks' bookkeeping and forwarding, over windows whose procedure chains behave like the
// platform's subclass chain (removable in any order).

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

constexpr std::uint32_t kA = 0x0400, kB = 0x0401, kC = 0x0402;
constexpr WindowId kWindow = 0x1000, kOther = 0x2000, kRefused = 0x9999;

// Logs "+message:wParam" before and "-message=result" after the window's own "w:message:wParam",
// which answers message + 10 (messages counted from kA). A before call changes wParam to 99.
class HookRegistryTest : public ::testing::Test, public ProcedureSwitch, public HookClient {
protected:
    void SubclassProc(bool before, bool&, std::intptr_t& result, WindowId&, std::uint32_t& message, std::uintptr_t& wParam,
                      std::intptr_t&) override
    {
        log += (before ? "+" + std::to_string(message - kA) + ":" + std::to_string(wParam) : "-" + std::to_string(message - kA) + "=" + std::to_string(result)) + " ";
        if (before) wParam = 99;
    }
    bool Install(HookRecord& record) override { return record.window != kRefused && (chains[record.window].push_back(&record), true); }
    void Remove(HookRecord& record) override { std::erase(chains[record.window], &record); }
    std::intptr_t Send(WindowId window, std::uint32_t message, std::uintptr_t wParam = 0, int level = -2)
    {
        if (level == -2) level = static_cast<int>(chains[window].size()) - 1;
        if (level >= 0) {
            return ForwardMessage(*chains[window][level], window, message, wParam, 0,
                                  [&](WindowId w, std::uint32_t m, std::uintptr_t wp, std::intptr_t) { return Send(w, m, wp, level - 1); });
        }
        log += "w:" + std::to_string(message - kA) + ":" + std::to_string(wParam) + " ";
        if (onOwn) onOwn();
        return static_cast<std::intptr_t>(message - kA + 10);
    }

    std::map<WindowId, std::vector<HookRecord*>> chains;  // last = outermost
    std::function<void()> onOwn;
    std::string log;
    HookRegistry registry{*this, *this};
};

TEST_F(HookRegistryTest, ChosenMessagesReachTheClientBeforeOrAfterTheWindow)
{
    EXPECT_EQ(registry.HookWindow(kWindow), 0);
    EXPECT_EQ(Send(kWindow, kA, 5), 10);  // nothing chosen yet: passed straight on
    registry.HookMessage(kWindow, kA, kHookAfter);
    registry.HookMessage(kWindow, kB, kHookBefore);
    registry.HookMessage(kWindow, kA, kHookAfter);  // kept once
    Send(kWindow, kA, 1);
    Send(kWindow, kB, 2);  // the before call changes what the window sees
    Send(kWindow, kC, 3);
    EXPECT_EQ(log, "w:0:5 w:0:1 -0=10 +1:2 w:1:99 w:2:3 ");
    EXPECT_EQ(registry.Record(0).after.Entries(), std::vector<MessageId>{static_cast<MessageId>(kA)});
    log.clear();
    registry.HookMessage(kWindow, kEveryMessage, kHookAfter);
    registry.HookMessage(kWindow, kC, kHookAfter);
    EXPECT_EQ(registry.Record(0).after.Count(), -1);
    Send(kWindow, kC, 4);
    EXPECT_EQ(log, "w:2:4 -2=12 ");
}

TEST_F(HookRegistryTest, RecordsAreFoundFromTheTopAndFreeOnesAreReused)
{
    registry.UnhookWindow(kWindow);  // unknown windows: nothing happens
    registry.HookMessage(kWindow, kA, kHookAfter);
    EXPECT_EQ(registry.RecordCount(), 0);
    EXPECT_EQ(registry.HookWindow(kWindow), 0);
    EXPECT_EQ(registry.HookWindow(kOther), 1);
    EXPECT_EQ((std::tuple{registry.FindHookSlot(kOther, false), registry.FindHookSlot(kWindow, false), registry.FindHookSlot(kWindow, true)}),
              std::tuple(1, 0, -1));
    registry.HookMessage(kWindow, kA, kHookBefore);
    registry.UnhookWindow(kWindow);
    EXPECT_TRUE(chains[kWindow].empty());
    EXPECT_EQ(registry.Record(0).before.Count(), 0);
    EXPECT_TRUE(registry.Record(0).before.Entries().empty());
    EXPECT_EQ(registry.FindHookSlot(kWindow, false), -1);
    EXPECT_EQ(registry.HookWindow(kRefused), -1);  // the platform refuses: the record stays free
    EXPECT_EQ(registry.HookWindow(kOther), 0);     // the same window again takes the free record
    EXPECT_EQ(registry.RecordCount(), 2);
    EXPECT_EQ(registry.FindHookSlot(kOther, false), 1);  // the highest index wins
    EXPECT_EQ(chains[kOther].size(), 2u);
    EXPECT_EQ(registry.HookWindow(0), -1);
    registry.HookWindow(kWindow);  // a fresh record sees nothing until asked
    Send(kWindow, kA);
    EXPECT_EQ(log, "w:0:0 ");
}

TEST_F(HookRegistryTest, ARegistryGoingAwayUnhooksEverythingEvenDuringAMessage)
{
    {
        HookRegistry scoped{*this, *this};
        scoped.HookWindow(kWindow);
        scoped.HookWindow(kOther);
    }
    EXPECT_TRUE(chains[kWindow].empty() && chains[kOther].empty());
    auto doomed = std::make_unique<HookRegistry>(*this, *this);
    onOwn = [&] { doomed.reset(); };  // a form that destroys its buttons while it handles the message
    doomed->HookWindow(kWindow);
    doomed->HookMessage(kWindow, kA, kHookBefore | kHookAfter);
    EXPECT_EQ(Send(kWindow, kA), 10);
    EXPECT_EQ(log, "+0:0 w:0:99 ");  // and no call after it
    EXPECT_TRUE(chains[kWindow].empty());
}

}  // namespace
}  // namespace wavorin::controls
