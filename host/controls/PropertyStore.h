#pragma once
// The controls' stored properties: typed values by key, kept in the order they were written.
// A value equal to its default is not stored, and reading a missing key gives the default,
// so a store holds only what differs from a new control.
//
// Text form, one property a line (UTF-8; blank lines and lines starting with # are ignored):
//   Caption = "&OK"                                  text in double quotes, "" for a quote;
//                                                    single-line (line breaks are written as blanks)
//   Enabled = False                                  True or False
//   ShadowDepth = 8                                  integer, decimal or 0x hexadecimal
//   Font = {"Verdana", 8.25, 400, 0, 0}              face, points, weight, character set,
//                                                    style bits (1 italic, 2 underline, 4 strikeout)

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "host/controls/FontInfo.h"

namespace wavorin::controls {

using PropertyValue = std::variant<std::int32_t, bool, std::string, FontInfo>;

struct Property {
    std::string key;
    PropertyValue value;

    friend bool operator==(const Property&, const Property&) = default;
};

class PropertyStore {
public:
    // Writing: a value equal to its default is removed rather than stored; a key written
    // again keeps its place.
    void WriteInt(std::string_view key, std::int32_t value, std::int32_t defaultValue);
    void WriteBool(std::string_view key, bool value, bool defaultValue);
    void WriteString(std::string_view key, std::string_view value, std::string_view defaultValue);
    // Fonts have no default: they are always stored.
    void WriteFont(std::string_view key, const FontInfo& value);

    // Reading gives the default for a missing key and for a value of another kind that
    // cannot stand for the one asked for (Booleans and integers stand for each other, True
    // being -1). A 16-bit read of a number outside -32768..32767 gives the default too.
    std::int32_t ReadInt32(std::string_view key, std::int32_t defaultValue) const;
    std::int16_t ReadInt16(std::string_view key, std::int16_t defaultValue) const;
    bool ReadBool(std::string_view key, bool defaultValue) const;
    std::string ReadString(std::string_view key, std::string_view defaultValue) const;
    FontInfo ReadFont(std::string_view key, const FontInfo& defaultValue) const;

    bool Contains(std::string_view key) const { return Find(key) != nullptr; }
    const std::vector<Property>& Entries() const { return entries_; }

    std::string ToText() const;
    // The store a text describes; nothing (and, if asked, a message naming the line) when a
    // line cannot be read.
    static std::optional<PropertyStore> FromText(std::string_view text, std::string* error = nullptr);

    friend bool operator==(const PropertyStore&, const PropertyStore&) = default;

private:
    const PropertyValue* Find(std::string_view key) const;
    void Put(std::string_view key, PropertyValue value);
    void Remove(std::string_view key);

    std::vector<Property> entries_;
};

}  // namespace wavorin::controls
