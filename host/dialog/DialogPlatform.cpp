#include "host/dialog/DialogPlatform.h"

#include <commdlg.h>
#include <shellapi.h>

#include <array>
#include <vector>

#include "common/ini/IniText.h"
#include "host/settings/Program.h"
#include "host/win32/Text.h"

namespace wavorin::dialog {

ChooserResult ChooseMusicFile(HWND owner, const std::wstring& folder)
{
    static constexpr wchar_t kFilter[] = L"BGMﾌｧｲﾙ (MP3 WAV)\0*.MP3;*.WAV\0";  // the literal adds the last NUL
    std::array<wchar_t, 256> file{};
    std::array<wchar_t, 256> title{};
    OPENFILENAMEW request{};
    // The layout without the Windows 2000 fields, as the oldest systems expect.
    request.lStructSize = OPENFILENAME_SIZE_VERSION_400W;
    request.hwndOwner = owner;
    request.hInstance = GetModuleHandleW(nullptr);
    request.lpstrFilter = kFilter;
    request.lpstrFile = file.data();
    request.nMaxFile = 255;
    request.lpstrFileTitle = title.data();
    request.nMaxFileTitle = 255;
    request.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    request.lpstrTitle = L"ﾌｧｲﾙを開く";
    // Only what the next run can play: an existing file, and no read-only box to tick.
    request.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;

    ChooserResult result;
    result.apiResult = GetOpenFileNameW(&request);
    if (result.apiResult > 0) result.path = std::wstring(file.data());
    return result;
}

void OpenHomePage(HWND owner)
{
    SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    ShellExecuteW(owner, L"open", kHomePage, L"", L"", SW_SHOWNORMAL);
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
}

namespace {

// Best-fit mappings (ü to u and the like) do not count: the text must come back unchanged.
bool RoundTrips(const std::wstring& text, std::string& bytes)
{
    bool lossless = false;
    bytes = win32::WideToAnsi(text, &lossless);
    return lossless;
}

// Whether the next start reads the stored value back whole.
bool FitsTheReader(const std::string& bytes) { return bytes.size() <= ini::kMaxValueBytes; }

// The path in the ANSI code page, or its short name there; nothing when neither holds it,
// or holds it within what the settings reader reads back.
std::optional<std::string> StorableForm(const std::wstring& path)
{
    std::string bytes;
    if (RoundTrips(path, bytes) && FitsTheReader(bytes)) return bytes;
    const DWORD length = GetShortPathNameW(path.c_str(), nullptr, 0);
    if (length == 0) return std::nullopt;
    std::vector<wchar_t> shortPath(length);
    if (GetShortPathNameW(path.c_str(), shortPath.data(), length) == 0) return std::nullopt;
    if (RoundTrips(shortPath.data(), bytes) && FitsTheReader(bytes)) return bytes;
    return std::nullopt;
}

}  // namespace

std::string StorablePath(const std::wstring& path)
{
    if (auto stored = StorableForm(path)) return *stored;
    return win32::WideToAnsi(path);
}

bool PathIsStorable(const std::wstring& path)
{
    return StorableForm(path).has_value();
}

void TellPathNotStorable(HWND owner)
{
    MessageBoxW(owner, kPathNotStorableMessage, settings::kProgramTitle, MB_OK | MB_ICONEXCLAMATION);
}

namespace {

int CALLBACK NoteFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found)
{
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool FontInstalled(const wchar_t* face)
{
    HDC screen = GetDC(nullptr);
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(wanted.lfFaceName, face, LF_FACESIZE);
    bool found = false;
    EnumFontFamiliesExW(screen, &wanted, &NoteFound, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

}  // namespace

std::wstring DialogFontFace()
{
    for (const wchar_t* face : {L"ＭＳ Ｐゴシック", L"MS PGothic", L"IPAPGothic", L"IPAGothic", L"Meiryo UI"}) {
        if (FontInstalled(face)) return face;
    }
    return L"";
}

}  // namespace wavorin::dialog
