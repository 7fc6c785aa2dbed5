#pragma once
// The settings dialog: edits the music source, the CD track to repeat and the music file,
// and writes them to the settings file when saved.

#include <windows.h>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "host/controls/FramePanel.h"
#include "host/controls/GdiSupport.h"
#include "host/controls/XpButton.h"
#include "host/dialog/BannerBox.h"
#include "host/dialog/DialogLabel.h"
#include "host/dialog/DialogPlatform.h"
#include "host/dialog/DialogRules.h"
#include "host/settings/MusicSettings.h"
#include "host/win32/Accessible.h"
#include "host/win32/DialogKeys.h"
#include "host/win32/Handles.h"
#include "host/win32/Window.h"

namespace wavorin::dialog {

// Marks the open dialog: a second start finds it and stays out.
inline constexpr wchar_t kSettingsDialogTitle[] = L"■Wavorin■";

inline constexpr COLORREF kDialogBackground = RGB(224, 224, 224);

class SettingsDialog final : public win32::Window {
public:
    // `dotsPerInch` is the display scale to lay out for; 0 takes that of the monitor it opens
    // on. A `caller` (the window that asked for the settings) owns the dialog and takes no
    // input until it closes.
    explicit SettingsDialog(settings::MusicSettings settings, int dotsPerInch = 0, HWND caller = nullptr);
    ~SettingsDialog() override;

    // Builds the window and its controls, runs the opening steps and the opening zoom, and
    // shows it. The program's message loop ends when it closes.
    bool Create();

    // The file chooser; tests put their own in its place.
    std::function<ChooserResult(HWND owner, const std::wstring& folder)> chooseFile = &ChooseMusicFile;
    // Tells the user why a chosen file is refused.
    std::function<void(HWND owner)> refusePath = &TellPathNotStorable;

    // What the user sees and what the dialog holds, for the tests that drive it.
    const settings::MusicSettings& Settings() const { return settings_; }
    // The user's choice (by mouse, keyboard or screen reader) takes the keyboard focus too.
    void ChooseSource(settings::MusicSource source, bool byUser = false);
    void ChooseFile();  // what the choose-file button does
    bool RepeatEnabled() const;
    bool FileEnabled() const;
    std::optional<int> SelectedOption() const;
    std::wstring RepeatText() const;
    int RepeatListCount() const;
    std::wstring FileText() const;
    int BannerFrame(int box) const { return banners_[box]->Frame(); }
    int DotsPerInch() const { return dotsPerInch_; }

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    int Scaled(int pixels) const;
    void LoadPictures();
    void CreateControls();
    void CreateMusicControls(HWND panel);
    std::unique_ptr<controls::XpButton> MakeButton(HWND parent, int x, int y, int width, int height,
                                                   const wchar_t* name, const char* caption);
    void OpeningSteps();
    void ShowSettings();
    void OnOptionArrow(int option, int step);
    void DescribeToScreenReaders();
    void OnDpiChanged(int dotsPerInch, const RECT& suggested);
    void RebuildControls();
    void DestroyControls();
    std::vector<HWND> FocusOrder() const;
    void ReleaseCaller();
    void Save();
    void AdvanceBanner();
    void Close();
    void Zoom(const RECT& from, const RECT& to);
    void RememberFocus();
    void RestoreFocus();
    bool FocusIsOnAControl() const;

    win32::ComApartment com_;  // first made, last gone: screen readers reach the controls through it
    settings::MusicSettings settings_;
    BannerAnimation banner_;
    POINT zoomPoint_{0, 0};
    int dotsPerInch_ = 0;
    bool closing_ = false;
    HWND lastFocus_ = nullptr;  // the control that had the focus when the dialog was last active
    HWND caller_ = nullptr;
    bool callerDisabled_ = false;
    win32::DialogKeys keys_;

    win32::UniqueBrush background_;
    win32::UniqueBitmap bannerStrip_;
    std::array<win32::UniqueBitmap, 2> optionGlyphs_;  // 0 not selected, 1 selected
    HICON icon_ = nullptr;                              // shared resource, never destroyed
    HCURSOR bannerCursor_ = nullptr;                    // shared resource, never destroyed
    std::string fontFace_;
    controls::UniqueFont font_;

    std::unique_ptr<controls::FramePanel> panel_;
    std::unique_ptr<DialogLabel> title_;
    std::array<std::unique_ptr<DialogLabel>, 3> optionGlyphBoxes_;  // by source
    std::array<std::unique_ptr<DialogLabel>, 3> optionLabels_;      // by source
    std::unique_ptr<DialogLabel> repeatLabel_;
    std::unique_ptr<DialogLabel> fileName_;
    std::unique_ptr<DialogLabel> credit_;
    HWND repeatBox_ = nullptr;  // the CD track combo box, a child of the panel
    std::unique_ptr<win32::AccessibleSubclass> repeatBoxAnswer_, repeatEditAnswer_;
    std::unique_ptr<controls::XpButton> chooseFileButton_;
    std::unique_ptr<controls::XpButton> saveButton_;
    std::unique_ptr<controls::XpButton> cancelButton_;
    std::array<std::unique_ptr<BannerBox>, 2> banners_;  // left and right
};

}  // namespace wavorin::dialog
