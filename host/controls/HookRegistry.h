#pragma once
// Window-message hooks of one client (a button): for each hooked window, the messages the
// client wants to see before and after the window's own procedure. The forwarding logic and
// the bookkeeping are here; putting the forwarding procedure in front of a real window is a
// platform's job (a ProcedureSwitch).

#include <cstdint>
#include <memory>
#include <vector>

namespace wavorin::controls {

using WindowId = std::uintptr_t;  // a window handle's value; 0 = none
using MessageId = std::int32_t;   // -1 = every message

inline constexpr MessageId kEveryMessage = -1;
inline constexpr int kHookAfter = 1;
inline constexpr int kHookBefore = 2;

// The messages handed to the client at one moment (before or after the window's procedure).
class MessageTable {
public:
    // -1 makes the table match every message; a message already present is not added again,
    // and a cleared entry is reused before the table grows.
    void Add(MessageId message);
    bool Matches(std::uint32_t message) const;
    void Clear();
    // -1 for every message, else the number of entries.
    std::int32_t Count() const { return count_; }
    const std::vector<MessageId>& Entries() const { return entries_; }

private:
    std::int32_t count_ = 0;
    std::vector<MessageId> entries_;
};

// The receiver of hooked messages. Every argument after `before` may be changed: before the
// window's procedure to alter what it sees or to answer the message itself (handled = true),
// after it to change the result.
class HookClient {
public:
    virtual void SubclassProc(bool before, bool& handled, std::intptr_t& result, WindowId& window,
                              std::uint32_t& message, std::uintptr_t& wParam, std::intptr_t& lParam) = 0;

protected:
    ~HookClient() = default;
};

class HookRegistry;

// Shared: a forwarding procedure on the stack keeps its record alive even when the registry
// goes away during the message (a form that destroys its buttons while handling it).
struct HookRecord : std::enable_shared_from_this<HookRecord> {
    WindowId window = 0;  // 0 = a free record
    MessageTable after;
    MessageTable before;
    HookRegistry* registry = nullptr;
};

// Installs and removes the forwarding procedure of a record on its window. Removal must
// work in any order when several records hook one window.
class ProcedureSwitch {
public:
    virtual bool Install(HookRecord& record) = 0;
    virtual void Remove(HookRecord& record) = 0;

protected:
    ~ProcedureSwitch() = default;
};

class HookRegistry {
public:
    HookRegistry(HookClient& client, ProcedureSwitch& procedures) : client_(client), procedures_(procedures) {}
    HookRegistry(const HookRegistry&) = delete;
    HookRegistry& operator=(const HookRegistry&) = delete;
    // Unhooks every window still hooked.
    ~HookRegistry();

    // Puts the forwarding procedure in front of the window's procedure; returns the record's
    // index, or -1 when the platform refused. No message reaches the client until HookMessage.
    int HookWindow(WindowId window);
    // when: kHookAfter, kHookBefore or both. Nothing happens for a window without a record.
    void HookMessage(WindowId window, MessageId message, int when);
    // Restores the window's procedure and frees the record; nothing for an unknown window.
    void UnhookWindow(WindowId window);
    // The same for one record (of this registry), as when its window is being destroyed.
    void UnhookRecord(HookRecord& record);
    // From the highest index down: the record of `window`, or with forAdding the first free
    // record (a record of the same window is not reused); -1 if there is none.
    int FindHookSlot(WindowId window, bool forAdding) const;

    int RecordCount() const { return static_cast<int>(records_.size()); }
    const HookRecord& Record(int index) const { return *records_[index]; }
    HookClient& Client() const { return client_; }

private:
    HookClient& client_;
    ProcedureSwitch& procedures_;
    // Records keep their addresses: the platform holds a pointer to each installed one.
    std::vector<std::shared_ptr<HookRecord>> records_;
};

// What a forwarding procedure does with one message. `callPrevious` runs the window's
// previous procedure with the (possibly changed) message and returns its result.
template <typename CallPrevious>
std::intptr_t ForwardMessage(const HookRecord& installed, WindowId window, std::uint32_t message,
                             std::uintptr_t wParam, std::intptr_t lParam, CallPrevious&& callPrevious)
{
    const std::shared_ptr<const HookRecord> keep = installed.shared_from_this();
    const HookRecord& record = *keep;
    HookClient& client = record.registry->Client();
    bool handled = false;
    std::intptr_t result = 0;
    if (record.before.Matches(message)) client.SubclassProc(true, handled, result, window, message, wParam, lParam);
    if (handled) return result;  // neither the previous procedure nor the after call sees it
    result = callPrevious(window, message, wParam, lParam);
    // The before call or the previous procedure may have unhooked the window, or destroyed
    // the registry (which unhooks everything), meanwhile.
    if (record.window != 0 && record.after.Matches(message)) {
        client.SubclassProc(false, handled, result, window, message, wParam, lParam);
    }
    return result;
}

}  // namespace wavorin::controls
