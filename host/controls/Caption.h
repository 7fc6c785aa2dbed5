#pragma once
// What a button's caption means: its access key, and the caption a new button starts with.

#include <string>
#include <string_view>
#include <vector>

namespace wavorin::controls {

// The access key marked in a caption: the character after the first single "&", lower-cased
// ("&&" is a literal ampersand and is skipped). 0 when there is none or when the caption
// ends in its ampersand.
wchar_t AccessKeyOf(std::wstring_view caption);

// The caption of a new button on a form whose buttons (in the form's control order) already
// carry `existing`: "&OK", else "&Cancel", else "&Apply", whichever is not taken yet (case
// sensitive), else the new button's own name.
std::wstring InitialCaption(const std::vector<std::wstring>& existing, std::wstring_view ownName);

// Lower case for access-key comparison: ASCII, Latin-1 and the full-width Latin letters.
wchar_t LowerCaseKey(wchar_t c);

}  // namespace wavorin::controls
