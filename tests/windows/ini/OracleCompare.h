#pragma once

// Asking our reader and the platform's the same questions about the same files.

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace wavorin::ini::oracle {

struct Lookup {
    std::string section;
    std::string key;
};

struct Write {
    std::string section;
    std::string key;
    std::string value;
};

// Every (section, key) pair of the two lists.
std::vector<Lookup> AllPairs(const std::vector<std::string>& sections, const std::vector<std::string>& keys);

// Equal, or, for a value cut at 255 bytes, equal up to the last character or two: there
// the platform counts characters and may hand back a byte it never wrote.
testing::AssertionResult SameValue(const std::string& ours, const std::string& platform);

// Whether the platform reads this value as a different number by design: a 0x, 0o or 0b
// prefix, or digits reaching past the 29 characters it looks at.
bool NumberDiffersByDesign(const std::string& value);

// Our ReadString/ReadInt and the platform's functions agree on every lookup. Returns how
// many lookups found a value, so callers can tell their files are not all misses.
int ExpectSameReads(const std::filesystem::path& file, const std::vector<Lookup>& lookups);

// After the same writes with WriteString into ourFile and with WritePrivateProfileStringA
// into platformFile (two copies of one file, or two names of no file yet), both readers
// read the same from both files, and the platform's wide reader reads the same from ours
// as from its own: Wine rewrites the whole file in its own layout, so the bytes themselves
// are not compared.
void ExpectSameWrites(const std::filesystem::path& ourFile, const std::filesystem::path& platformFile,
                      const std::vector<Write>& writes, std::vector<Lookup> lookups);

}  // namespace wavorin::ini::oracle
