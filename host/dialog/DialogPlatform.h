#pragma once
// The settings dialog's calls to the shell and the common dialogs, and the font it uses.

#include <windows.h>

#include <optional>
#include <string>

namespace wavorin::dialog {

// The maker's home page that the banner boxes open.
inline constexpr wchar_t kHomePage[] = L"https://wavorin.example/";

struct ChooserResult {
    std::int32_t apiResult = 0;        // what the chooser returned
    std::optional<std::wstring> path;  // the chosen file, nothing on cancel or failure
};

// The file chooser: existing MP3 and WAV files, opening in `folder`, paths of at most 255
// characters.
ChooserResult ChooseMusicFile(HWND owner, const std::wstring& folder);

// Opens the home page in the browser, with the hourglass while the shell works.
void OpenHomePage(HWND owner);

// The path as the settings file can hold it: itself when the ANSI code page holds every
// character in at most the 255 bytes the reader reads back, else its short name (which is
// plain ASCII), else itself as well as it goes.
std::string StorablePath(const std::wstring& path);
// Whether the settings file can hold the path (as itself or as its short name), so that the
// next start reads back the same file.
bool PathIsStorable(const std::wstring& path);

// What the dialog says when the chosen file's path cannot be stored; the choice is refused.
inline constexpr wchar_t kPathNotStorableMessage[] =
    L"このﾌｧｲﾙ名は設定ﾌｧｲﾙに保存できません！\n別のﾌｧｲﾙを選んでください。";
void TellPathNotStorable(HWND owner);

// The dialog's face name: "ＭＳ Ｐゴシック" where installed, else the nearest Japanese
// proportional Gothic the system has; empty when none (the system then picks by character set).
std::wstring DialogFontFace();

}  // namespace wavorin::dialog
