// Hooks on real window procedures through the platform's subclass chain.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "TestWindows.h"
#include "host/controls/WindowSubclasser.h"
#include "host/controls/XpButton.h"

namespace wavorin::controls {
namespace {

using testing::kPing;
using testing::TestForm;

struct Seen {
    int client;
    bool before;
    std::uint32_t message;
    std::intptr_t result;

    friend bool operator==(const Seen&, const Seen&) = default;
};

class Recorder final : public HookClient {
public:
    Recorder(int id, std::vector<Seen>& log) : id_(id), log_(log) {}
    void SubclassProc(bool before, bool& handled, std::intptr_t& result, WindowId&, std::uint32_t& message,
                      std::uintptr_t&, std::intptr_t&) override
    {
        log_.push_back({id_, before, message, result});
        if (before && answer != 0) {
            handled = true;
            result = answer;
        }
    }
    std::intptr_t answer = 0;

private:
    int id_;
    std::vector<Seen>& log_;
};

class SubclassTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(form.Create());
        original = GetWindowLongPtrW(form.hwnd(), GWLP_WNDPROC);
    }
    WindowId FormId() const { return reinterpret_cast<WindowId>(form.hwnd()); }
    LRESULT Ping(WPARAM value = 1) { return SendMessageW(form.hwnd(), kPing, value, 0); }

    TestForm form;
    LONG_PTR original = 0;
    std::vector<Seen> log;
    WindowSubclasser subclasser;
};

TEST_F(SubclassTest, BeforeAndAfterSurroundTheWindowsOwnProcedure)
{
    Recorder client(1, log);
    HookRegistry hooks(client, subclasser);
    ASSERT_EQ(hooks.HookWindow(FormId()), 0);
    hooks.HookMessage(FormId(), kPing, kHookBefore | kHookAfter);

    EXPECT_EQ(Ping(2), 0x5002);
    EXPECT_EQ(form.pings, 1);
    EXPECT_EQ(log, (std::vector<Seen>{{1, true, kPing, 0}, {1, false, kPing, 0x5002}}));
}

TEST_F(SubclassTest, AMessageHandledBeforeNeverReachesTheWindow)
{
    Recorder client(1, log);
    client.answer = 42;
    HookRegistry hooks(client, subclasser);
    hooks.HookWindow(FormId());
    hooks.HookMessage(FormId(), kPing, kHookBefore | kHookAfter);

    EXPECT_EQ(Ping(), 42);
    EXPECT_EQ(form.pings, 0);
    EXPECT_EQ(log, (std::vector<Seen>{{1, true, kPing, 0}}));
}

TEST_F(SubclassTest, EveryMessageAndNoDuplicates)
{
    Recorder client(1, log);
    HookRegistry hooks(client, subclasser);
    hooks.HookWindow(FormId());
    hooks.HookMessage(FormId(), kPing, kHookAfter);
    hooks.HookMessage(FormId(), kPing, kHookAfter);
    Ping();
    EXPECT_EQ(log.size(), 1u);

    hooks.HookMessage(FormId(), kEveryMessage, kHookBefore);
    log.clear();
    SendMessageW(form.hwnd(), WM_NULL, 0, 0);
    SendMessageW(form.hwnd(), WM_APP + 99, 0, 0);
    EXPECT_EQ(log.size(), 2u);
}

TEST_F(SubclassTest, ThreeHooksOnOneWindowCanBeRemovedInAnyOrder)
{
    std::array<int, 3> order{0, 1, 2};
    do {
        std::vector<std::unique_ptr<Recorder>> clients;
        std::vector<std::unique_ptr<HookRegistry>> hooks;
        for (int i = 0; i < 3; ++i) {
            clients.push_back(std::make_unique<Recorder>(i, log));
            hooks.push_back(std::make_unique<HookRegistry>(*clients.back(), subclasser));
            hooks.back()->HookWindow(FormId());
            hooks.back()->HookMessage(FormId(), kPing, kHookAfter);
        }
        std::array<bool, 3> hooked{true, true, true};
        for (int removed : order) {
            hooks[removed]->UnhookWindow(FormId());
            hooked[removed] = false;
            log.clear();
            const int pingsBefore = form.pings;
            EXPECT_EQ(Ping(3), 0x5003);
            EXPECT_EQ(form.pings, pingsBefore + 1);
            for (int i = 0; i < 3; ++i) {
                const bool seen = std::any_of(log.begin(), log.end(), [&](const Seen& s) { return s.client == i; });
                EXPECT_EQ(seen, hooked[i]) << "client " << i << " after removing " << removed;
            }
        }
        EXPECT_EQ(GetWindowLongPtrW(form.hwnd(), GWLP_WNDPROC), original);
    } while (std::next_permutation(order.begin(), order.end()));
}

TEST_F(SubclassTest, TheHooksOfADestroyedWindowAreFreedWithIt)
{
    Recorder client(1, log);
    HookRegistry hooks(client, subclasser);
    auto doomed = std::make_unique<TestForm>();
    ASSERT_TRUE(doomed->Create());
    const auto doomedId = reinterpret_cast<WindowId>(doomed->hwnd());
    hooks.HookWindow(doomedId);
    hooks.HookMessage(doomedId, WM_DESTROY, kHookAfter);
    doomed.reset();  // DestroyWindow

    EXPECT_EQ(log, (std::vector<Seen>{{1, false, WM_DESTROY, 0}}));
    EXPECT_EQ(hooks.FindHookSlot(doomedId, false), -1);
    hooks.UnhookWindow(doomedId);  // nothing left to do, and nothing breaks
    EXPECT_EQ(hooks.FindHookSlot(0, true), 0);  // the record is free for the next window
}

// The settings dialog's case: several buttons hook one form, and they go away in any order.
TEST_F(SubclassTest, ButtonsOnOneFormAreDestroyedInAnyOrder)
{
    // Active already: a WM_ACTIVATE sent below then activates nothing by itself.
    ShowWindow(form.hwnd(), SW_SHOWNORMAL);
    std::array<int, 3> order{0, 1, 2};
    do {
        std::array<std::unique_ptr<XpButton>, 3> buttons;
        std::array<int, 3> activations{};
        for (int i = 0; i < 3; ++i) {
            buttons[i] = std::make_unique<XpButton>();
            ASSERT_TRUE(buttons[i]->Create(form.hwnd(), 10 + 120 * i, 10, 113, 33, L"b" + std::to_wstring(i)));
            buttons[i]->ReadProperties(PropertyStore{});
            buttons[i]->onFormActivate = [&activations, i](std::int32_t&) { ++activations[i]; };
        }
        for (int removed : order) {
            buttons[removed].reset();
            activations = {};
            const int before = form.activations;
            SendMessageW(form.hwnd(), WM_ACTIVATE, WA_ACTIVE, 0);
            EXPECT_EQ(form.activations, before + 1);
            for (int i = 0; i < 3; ++i) EXPECT_EQ(activations[i], buttons[i] ? 1 : 0) << i;
            EXPECT_EQ(Ping(4), 0x5004);
        }
        EXPECT_EQ(GetWindowLongPtrW(form.hwnd(), GWLP_WNDPROC), original);
    } while (std::next_permutation(order.begin(), order.end()));
}

TEST_F(SubclassTest, AFormMayDestroyItsButtonsWhileAMessagePassesTheirHooks)
{
    std::vector<std::unique_ptr<XpButton>> buttons;
    for (int i = 0; i < 3; ++i) {
        buttons.push_back(std::make_unique<XpButton>());
        buttons.back()->Create(form.hwnd(), 10 + 120 * i, 10, 113, 33, L"b");
        buttons.back()->ReadProperties(PropertyStore{});
    }
    form.onPing = [&] { buttons.clear(); };
    EXPECT_EQ(Ping(6), 0x5006);
    EXPECT_EQ(GetWindowLongPtrW(form.hwnd(), GWLP_WNDPROC), original);
    form.onPing = nullptr;
    EXPECT_EQ(Ping(7), 0x5007);
}

TEST_F(SubclassTest, DestroyingTheFormFirstLeavesTheButtonsHarmless)
{
    auto buttons = std::vector<std::unique_ptr<XpButton>>();
    for (int i = 0; i < 3; ++i) {
        buttons.push_back(std::make_unique<XpButton>());
        buttons.back()->Create(form.hwnd(), 10 + 120 * i, 10, 113, 33, L"b");
        buttons.back()->ReadProperties(PropertyStore{});
    }
    const HWND first = buttons[0]->hwnd();
    DestroyWindow(form.hwnd());  // children first, then the form, with the hooks in place
    EXPECT_FALSE(IsWindow(first));
    EXPECT_EQ(buttons[0]->hwnd(), nullptr);
    buttons.clear();  // no window left to unhook
}

}  // namespace
}  // namespace wavorin::controls
