#pragma once
// Texts put together at compile time, so that a name both programs share is written once
// and still reaches narrow (ANSI) and wide (UTF-16) calls as a plain constant.

#include <cstddef>
#include <string_view>

namespace wavorin::contract {

template <typename Char, std::size_t Size>
struct FixedText {
    Char text[Size]{};  // NUL-terminated

    constexpr const Char* c_str() const { return text; }
    constexpr std::size_t size() const { return Size - 1; }
    constexpr operator std::basic_string_view<Char>() const { return {text, Size - 1}; }
};

template <typename Char, std::size_t Size>
constexpr FixedText<Char, Size> Fixed(const Char (&literal)[Size])
{
    FixedText<Char, Size> result;
    for (std::size_t i = 0; i < Size; ++i) result.text[i] = literal[i];
    return result;
}

template <typename Char, std::size_t Size>
constexpr const FixedText<Char, Size>& Fixed(const FixedText<Char, Size>& text)
{
    return text;
}

// The two texts one after the other.
template <typename Char, std::size_t First, std::size_t Second>
constexpr FixedText<Char, First + Second - 1> Join(const FixedText<Char, First>& first,
                                                   const FixedText<Char, Second>& second)
{
    FixedText<Char, First + Second - 1> result;
    for (std::size_t i = 0; i + 1 < First; ++i) result.text[i] = first.text[i];
    for (std::size_t i = 0; i < Second; ++i) result.text[First - 1 + i] = second.text[i];
    return result;
}

template <typename First, typename Second>
constexpr auto Join(const First& first, const Second& second)
{
    return Join(Fixed(first), Fixed(second));
}

// An ASCII text as wide characters. Any other byte stops the build: its wide form would
// depend on the code page.
template <std::size_t Size>
constexpr FixedText<wchar_t, Size> Widen(const char (&ascii)[Size])
{
    FixedText<wchar_t, Size> result;
    for (std::size_t i = 0; i < Size; ++i) {
        if (static_cast<unsigned char>(ascii[i]) > 0x7F) throw "only ASCII texts widen at compile time";
        result.text[i] = static_cast<wchar_t>(ascii[i]);
    }
    return result;
}

template <std::size_t Size>
constexpr FixedText<wchar_t, Size> Widen(const FixedText<char, Size>& ascii)
{
    return Widen(ascii.text);
}

}  // namespace wavorin::contract
