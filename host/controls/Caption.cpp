#include "host/controls/Caption.h"

namespace wavorin::controls {

wchar_t LowerCaseKey(wchar_t c)
{
    if (c >= L'A' && c <= L'Z') return static_cast<wchar_t>(c - L'A' + L'a');
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<wchar_t>(c + 0x20);
    if (c >= 0xFF21 && c <= 0xFF3A) return static_cast<wchar_t>(c + 0x20);  // Ａ..Ｚ
    return c;
}

wchar_t AccessKeyOf(std::wstring_view caption)
{
    // Every key that DrawText underlines counts, also in the last two characters of a caption
    // ("&O", "a&&&b"): a key that is shown must work.
    const std::size_t length = caption.size();
    std::size_t start = 0;
    for (;;) {
        const std::size_t ampersand = caption.find(L'&', start);
        if (ampersand == std::wstring_view::npos || ampersand + 1 == length) return 0;
        const wchar_t key = LowerCaseKey(caption[ampersand + 1]);
        if (key != L'&') return key;
        start = ampersand + 2;
    }
}

std::wstring InitialCaption(const std::vector<std::wstring>& existing, std::wstring_view ownName)
{
    std::wstring all = L"|";
    for (const std::wstring& caption : existing) all += caption + L"|";
    for (const wchar_t* candidate : {L"&OK", L"&Cancel", L"&Apply"}) {
        if (all.find(L"|" + std::wstring(candidate) + L"|") == std::wstring::npos) return candidate;
    }
    return std::wstring(ownName);
}

}  // namespace wavorin::controls

