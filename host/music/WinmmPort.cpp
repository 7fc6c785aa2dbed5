#include "host/music/WinmmPort.h"

#include <windows.h>
#include <mmsystem.h>

#include <vector>

namespace wavorin::music {
namespace {

std::wstring TextBefore0(const std::vector<wchar_t>& buffer)
{
    std::wstring text(buffer.data(), buffer.size());
    return text.substr(0, text.find(L'\0'));
}

}  // namespace

MciReply WinmmPort::SendString(std::wstring_view command, std::uint32_t answerLength)
{
    const std::wstring text(command);
    std::vector<wchar_t> answer(std::size_t(answerLength) + 1, L'\0');
    const MCIERROR code =
        mciSendStringW(text.c_str(), answerLength ? answer.data() : nullptr, UINT(answerLength), nullptr);
    return {code, TextBefore0(answer)};
}

std::optional<std::wstring> WinmmPort::ErrorText(std::uint32_t code, std::uint32_t length)
{
    std::vector<wchar_t> text(std::size_t(length) + 1, L'\0');
    if (!mciGetErrorStringW(code, text.data(), UINT(length))) return std::nullopt;
    return TextBefore0(text);
}

std::uint32_t WinmmPort::WaveOutDeviceCount() { return waveOutGetNumDevs(); }

bool WinmmPort::PlayLoopingSound(const std::optional<std::wstring>& file)
{
    if (!file) return PlaySoundW(nullptr, nullptr, 0);
    // As a file name only, and without the system's default sound when the file cannot be
    // played: a looping default sound would go on for the whole run.
    return PlaySoundW(file->c_str(), nullptr, SND_ASYNC | SND_LOOP | SND_FILENAME | SND_NODEFAULT);
}

std::wstring WinmmPort::ReachablePath(const std::wstring& path)
{
    if (path.size() < MAX_PATH) return path;
    // The devices take MAX_PATH at most; the short form of a long path usually fits. Only
    // the long-path prefix lets the system look such a path up.
    constexpr std::wstring_view kLongPrefix = L"\\\\?\\";
    const bool driveAbsolute = path.size() > 2 && path[1] == L':';
    const std::wstring query = driveAbsolute ? std::wstring(kLongPrefix) + path : path;
    const DWORD length = GetShortPathNameW(query.c_str(), nullptr, 0);
    if (length == 0) return path;
    std::vector<wchar_t> shortPath(length, L'\0');
    if (GetShortPathNameW(query.c_str(), shortPath.data(), length) == 0) return path;
    std::wstring result = TextBefore0(shortPath);
    if (driveAbsolute && result.starts_with(kLongPrefix)) result.erase(0, kLongPrefix.size());
    return result;
}

}  // namespace wavorin::music
