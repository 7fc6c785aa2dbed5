#include "host/controls/PropertyStore.h"

#include <limits>

namespace wavorin::controls {
namespace {

bool SameKey(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// Integers and Booleans stand for each other; other kinds do not convert.
std::optional<std::int32_t> AsInt(const PropertyValue& value)
{
    if (const auto* number = std::get_if<std::int32_t>(&value)) return *number;
    if (const auto* flag = std::get_if<bool>(&value)) return *flag ? -1 : 0;
    return std::nullopt;
}

}  // namespace

const PropertyValue* PropertyStore::Find(std::string_view key) const
{
    for (const Property& entry : entries_) {
        if (SameKey(entry.key, key)) return &entry.value;
    }
    return nullptr;
}

void PropertyStore::Put(std::string_view key, PropertyValue value)
{
    for (Property& entry : entries_) {
        if (SameKey(entry.key, key)) {
            entry.value = std::move(value);
            return;
        }
    }
    entries_.push_back({std::string(key), std::move(value)});
}

void PropertyStore::Remove(std::string_view key)
{
    std::erase_if(entries_, [&](const Property& entry) { return SameKey(entry.key, key); });
}

void PropertyStore::WriteInt(std::string_view key, std::int32_t value, std::int32_t defaultValue)
{
    if (value == defaultValue) {
        Remove(key);
    } else {
        Put(key, value);
    }
}

void PropertyStore::WriteBool(std::string_view key, bool value, bool defaultValue)
{
    if (value == defaultValue) {
        Remove(key);
    } else {
        Put(key, value);
    }
}

void PropertyStore::WriteString(std::string_view key, std::string_view value, std::string_view defaultValue)
{
    if (value == defaultValue) {
        Remove(key);
    } else {
        Put(key, std::string(value));
    }
}

void PropertyStore::WriteFont(std::string_view key, const FontInfo& value)
{
    Put(key, value);
}

std::int32_t PropertyStore::ReadInt32(std::string_view key, std::int32_t defaultValue) const
{
    const PropertyValue* value = Find(key);
    if (!value) return defaultValue;
    return AsInt(*value).value_or(defaultValue);
}

std::int16_t PropertyStore::ReadInt16(std::string_view key, std::int16_t defaultValue) const
{
    const std::int32_t number = ReadInt32(key, defaultValue);
    if (number < std::numeric_limits<std::int16_t>::min() || number > std::numeric_limits<std::int16_t>::max()) {
        return defaultValue;
    }
    return static_cast<std::int16_t>(number);
}

bool PropertyStore::ReadBool(std::string_view key, bool defaultValue) const
{
    const PropertyValue* value = Find(key);
    if (!value) return defaultValue;
    const std::optional<std::int32_t> number = AsInt(*value);
    return number ? *number != 0 : defaultValue;
}

std::string PropertyStore::ReadString(std::string_view key, std::string_view defaultValue) const
{
    const PropertyValue* value = Find(key);
    if (const auto* text = value ? std::get_if<std::string>(value) : nullptr) return *text;
    return std::string(defaultValue);
}

FontInfo PropertyStore::ReadFont(std::string_view key, const FontInfo& defaultValue) const
{
    const PropertyValue* value = Find(key);
    if (const auto* font = value ? std::get_if<FontInfo>(value) : nullptr) return *font;
    return defaultValue;
}

}  // namespace wavorin::controls
