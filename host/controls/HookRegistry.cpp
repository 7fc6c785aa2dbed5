#include "host/controls/HookRegistry.h"

#include <algorithm>

namespace wavorin::controls {

void MessageTable::Add(MessageId message)
{
    if (message == kEveryMessage) {
        count_ = kEveryMessage;
        return;
    }
    if (count_ == kEveryMessage) return;  // already sees everything
    for (MessageId& entry : entries_) {
        if (entry == 0) {
            entry = message;
            return;
        }
        if (entry == message) return;
    }
    entries_.push_back(message);
    count_ = static_cast<std::int32_t>(entries_.size());
}

bool MessageTable::Matches(std::uint32_t message) const
{
    if (count_ == 0) return false;
    if (count_ == kEveryMessage) return true;
    return std::find(entries_.begin(), entries_.end(), static_cast<MessageId>(message)) != entries_.end();
}

void MessageTable::Clear()
{
    count_ = 0;
    entries_.clear();
}

HookRegistry::~HookRegistry()
{
    for (auto& record : records_) {
        if (record->window != 0) UnhookWindow(record->window);
    }
}

int HookRegistry::FindHookSlot(WindowId window, bool forAdding) const
{
    const WindowId wanted = forAdding ? 0 : window;
    for (int index = RecordCount() - 1; index >= 0; --index) {
        if (records_[index]->window == wanted) return index;
    }
    return -1;
}

int HookRegistry::HookWindow(WindowId window)
{
    if (window == 0) return -1;
    int index = records_.empty() ? -1 : FindHookSlot(window, true);
    if (index == -1) {
        records_.push_back(std::make_shared<HookRecord>());
        index = RecordCount() - 1;
    }
    HookRecord& record = *records_[index];
    record.window = window;
    record.registry = this;
    record.after.Clear();
    record.before.Clear();
    if (!procedures_.Install(record)) {
        record.window = 0;
        return -1;
    }
    return index;
}

void HookRegistry::HookMessage(WindowId window, MessageId message, int when)
{
    const int index = FindHookSlot(window, false);
    if (index == -1 || window == 0) return;
    HookRecord& record = *records_[index];
    if (when & kHookBefore) record.before.Add(message);
    if (when & kHookAfter) record.after.Add(message);
}

void HookRegistry::UnhookWindow(WindowId window)
{
    const int index = FindHookSlot(window, false);
    if (index == -1 || window == 0) return;
    UnhookRecord(*records_[index]);
}

void HookRegistry::UnhookRecord(HookRecord& record)
{
    if (record.window == 0 || record.registry != this) return;
    procedures_.Remove(record);
    record.window = 0;
    record.after.Clear();
    record.before.Clear();
}

}  // namespace wavorin::controls
