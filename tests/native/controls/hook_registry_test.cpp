// The hooks' bookkeeping and forwarding, driven by scripts over windows whose procedure
// chains behave like the platform's subclass chain (removable in any order).

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "host/controls/HookRegistry.h"

namespace wavorin::controls {
namespace {

// Windows are digits (9 is refused by the platform), messages are letters from A. A window's
// own procedure logs "wA5" for message A with wParam 5 and answers 10 for A, 11 for B...;
// the client logs "+A5" before it (and changes wParam to 9) and "-A10" after it.
class HookScript : public ProcedureSwitch, public HookClient {
public:
    std::string Play(const std::string& script)
    {
        std::istringstream steps(script);
        std::string out;
        for (std::string t; steps >> t;) out += (out.empty() ? "" : " ") + Step(t);
        return out;
    }

private:
    void SubclassProc(bool before, bool&, std::intptr_t& result, WindowId&, std::uint32_t& message, std::uintptr_t& wParam,
                      std::intptr_t&) override
    {
        log += (before ? "+" : "-") + std::string(1, char(message)) + std::to_string(before ? wParam : result);
        if (before) wParam = 9;
    }
    bool Install(HookRecord& record) override { return record.window != 9 && (chains[record.window].push_back(&record), true); }
    void Remove(HookRecord& record) override { std::erase(chains[record.window], &record); }
    std::intptr_t Send(WindowId window, std::uint32_t message, std::uintptr_t wParam, int level)
    {
        if (level >= 0) {
            return ForwardMessage(*chains[window][level], window, message, wParam, 0,
                                  [&](WindowId w, std::uint32_t m, std::uintptr_t wp, std::intptr_t) { return Send(w, m, wp, level - 1); });
        }
        log += "w" + std::string(1, char(message)) + std::to_string(wParam);
        if (destroyInOwnProcedure) registry.reset();  // a form that destroys its buttons while it handles the message
        return message - 'A' + 10;
    }
    // h1 hook window 1, u1 unhook it, a1A / b1A / x1A hook message A after / before / both, e1 every
    // message after, s1A5 send A with wParam 5 (answers the log and the result), f1 the slot of
    // window 1, f0 the first free slot, n the record count, c1 the length of window 1's chain,
    // ~ a new registry in place of the old, K the next message's own procedure destroys the registry.
    std::string Step(const std::string& t)
    {
        const WindowId w = t.size() > 1 ? WindowId(t[1] - '0') : 0;
        const MessageId m = t.size() > 2 ? t[2] : 0;
        switch (t[0]) {
        case 'h': return std::to_string(registry->HookWindow(w));
        case 'u': return registry->UnhookWindow(w), ".";
        case 'a': case 'e': return registry->HookMessage(w, t[0] == 'e' ? kEveryMessage : m, kHookAfter), ".";
        case 'b': return registry->HookMessage(w, m, kHookBefore), ".";
        case 'x': return registry->HookMessage(w, m, kHookBefore | kHookAfter), ".";
        case 's': {
            log.clear();
            const std::intptr_t result = Send(w, std::uint32_t(m), std::uintptr_t(std::stoi(t.substr(3))), int(chains[w].size()) - 1);
            return log + "=" + std::to_string(result);
        }
        case 'f': return std::to_string(registry->FindHookSlot(w, w == 0));
        case 'n': return std::to_string(registry->RecordCount());
        case 'c': return std::to_string(chains[w].size());
        case '~': return registry = std::make_unique<HookRegistry>(*this, *this), ".";
        case 'K': return destroyInOwnProcedure = true, ".";
        default: return ADD_FAILURE() << "unknown step " << t, "?";
        }
    }

    std::map<WindowId, std::vector<HookRecord*>> chains;  // last = outermost
    std::unique_ptr<HookRegistry> registry = std::make_unique<HookRegistry>(*this, *this);
    bool destroyInOwnProcedure = false;
    std::string log;
};

TEST(HookRegistry, AnswersEachScriptAsTheRulesSay)
{
    const std::pair<const char*, const char*> kScripts[] = {
        // Chosen messages reach the client before or after the window; a before call changes what the window sees.
        {"h1 s1A5 a1A b1B a1A s1A1 s1B2 s1C3 a1C s1C3", "0 wA5=10 . . . wA1-A10=10 +B2wB9=11 wC3=12 . wC3-C12=12"},
        {"h1 e1 a1C s1B4 s1C4", "0 . . wB4-B11=11 wC4-C12=12"},  // every message, also after naming one
        // Records are found from the top; free ones are reused, a refused window's record stays free.
        {"u1 a1A n h1 h2 f2 f1 f0", ". . 0 0 1 1 0 -1"},
        {"h1 h2 b1A u1 c1 f1 f0 h9 f0 h2 n f2 c2 h0", "0 1 . . 0 -1 0 -1 0 0 2 1 2 -1"},
        {"h1 b1A u1 h1 s1A0 b1A s1A0", "0 . . 0 wA0=10 . +A0wA9=10"},  // a fresh record sees nothing until asked
        // A registry going away unhooks everything, even during a message (and calls nothing after it).
        {"h1 h2 ~ c1 c2", "0 1 . 0 0"},
        {"h1 x1A K s1A0 c1", "0 . . +A0wA9=10 0"},
    };
    for (auto [script, answers] : kScripts) EXPECT_EQ(HookScript().Play(script), answers) << script;
}

}  // namespace
}  // namespace wavorin::controls
