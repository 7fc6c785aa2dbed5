#pragma once
// Window titles that mark who is running, and the texts the user may see at start-up.

namespace wavorin::host {

inline constexpr wchar_t kRunWindowTitle[] = L"Wavorin_Main";
inline constexpr wchar_t kSettingsDialogTitle[] = L"■Wavorin■";
inline constexpr wchar_t kPreviewWindowTitle[] = L"Preview Window";
inline constexpr wchar_t kRendererWindowTitle[] = L"Zelvane_VC";

inline constexpr wchar_t kRendererFileName[] = L"\\Wavorin.dll";
inline constexpr wchar_t kProgramTitle[] = L"Wavorin (ScreenSaver)";
inline constexpr wchar_t kRendererMissingMessage[] = L"Wavorin.dll が同じﾌｫﾙﾀﾞ内に見つかりません！";

}  // namespace wavorin::host
