#include "tests/windows/ini/OracleCompare.h"

#include <algorithm>

#include "common/ini/IniFile.h"
#include "common/ini/IniText.h"
#include "tests/windows/ini/PlatformProfile.h"

namespace wavorin::ini::oracle {

namespace {

constexpr int kNoNumber = -99;  // a default no file holds

std::string Shown(const Lookup& lookup)
{
    std::string shown = "section ";
    shown.append(testing::PrintToString(lookup.section)).append(", key ").append(testing::PrintToString(lookup.key));
    return shown;
}

}  // namespace

std::vector<Lookup> AllPairs(const std::vector<std::string>& sections, const std::vector<std::string>& keys)
{
    std::vector<Lookup> pairs;
    for (const auto& section : sections)
        for (const auto& key : keys) pairs.push_back({section, key});
    return pairs;
}

testing::AssertionResult SameValue(const std::string& ours, const std::string& platform)
{
    if (ours == platform) return testing::AssertionSuccess();
    const std::size_t cut = kMaxValueBytes - 1;
    if (ours.size() >= cut && platform.size() >= cut && ours.compare(0, cut - 2, platform, 0, cut - 2) == 0)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "ours " << testing::PrintToString(ours) << "\nplatform "
                                       << testing::PrintToString(platform);
}

bool NumberDiffersByDesign(const std::string& value)
{
    std::size_t pos = 0;
    while (pos < value.size() && static_cast<unsigned char>(value[pos]) <= ' ') ++pos;
    if (pos < value.size() && (value[pos] == '+' || value[pos] == '-')) ++pos;
    if (pos + 1 < value.size() && value[pos] == '0' && std::string_view("xXoObB").find(value[pos + 1]) != std::string_view::npos)
        return true;
    while (pos < value.size() && value[pos] >= '0' && value[pos] <= '9') ++pos;
    return pos > 28;
}

int ExpectSameReads(const std::filesystem::path& file, const std::vector<Lookup>& lookups)
{
    int found = 0;
    for (const Lookup& lookup : lookups) {
        SCOPED_TRACE(Shown(lookup));
        const std::string ours = ReadString(file, lookup.section, lookup.key);
        EXPECT_TRUE(SameValue(ours, PlatformGetString(file, lookup.section, lookup.key)));
        found += ours.empty() ? 0 : 1;
        if (!NumberDiffersByDesign(ours)) {
            EXPECT_EQ(ReadInt(file, lookup.section, lookup.key, kNoNumber),
                      PlatformGetInt(file, lookup.section, lookup.key, kNoNumber));
        }
    }
    return found;
}

void ExpectSameWrites(const std::filesystem::path& ourFile, const std::filesystem::path& platformFile,
                      const std::vector<Write>& writes, std::vector<Lookup> lookups)
{
    for (const Write& write : writes) {
        const Lookup written{write.section, write.key};
        SCOPED_TRACE("wrote " + Shown(written) + " = " + testing::PrintToString(write.value));
        ASSERT_TRUE(WriteString(ourFile, write.section, write.key, write.value));
        ASSERT_TRUE(PlatformWriteString(platformFile, write.section, write.key, write.value));
        lookups.push_back(written);
    }
    for (const Lookup& lookup : lookups) {
        SCOPED_TRACE(Shown(lookup));
        const std::string expected = PlatformGetString(platformFile, lookup.section, lookup.key);
        EXPECT_TRUE(SameValue(ReadString(ourFile, lookup.section, lookup.key), expected)) << "our file, our reader";
        EXPECT_TRUE(SameValue(PlatformGetString(ourFile, lookup.section, lookup.key), expected))
            << "our file, platform reader";
        EXPECT_TRUE(SameValue(ReadString(platformFile, lookup.section, lookup.key), expected))
            << "platform file, our reader";
        EXPECT_EQ(PlatformGetStringWide(ourFile, lookup.section, lookup.key),
                  PlatformGetStringWide(platformFile, lookup.section, lookup.key))
            << "our file, platform's wide reader";
    }
}

}  // namespace wavorin::ini::oracle
