#include "host/dialog/SettingsDialog.h"

#include <oleacc.h>
#include <windowsx.h>

#include <string>

#include "common/contract/ProgramContract.h"
#include "common/ini/IniNames.h"
#include "host/assets/Resources.h"
#include "host/settings/Program.h"
#include "host/settings/SettingsFile.h"
#include "host/settings/SettingsLoader.h"
#include "host/win32/Dpi.h"

namespace wavorin::dialog {
namespace {

using settings::MusicSource;

constexpr wchar_t kSettingsDialogClass[] = L"Zelvane_P";

constexpr UINT_PTR kBannerTimer = 1;
constexpr UINT kBannerInterval = 100;
constexpr int kClientWidth = 522;
constexpr int kClientHeight = 265;
constexpr int kBannerFrameHeight = 50;
constexpr int kRepeatListEntries = 31;  // the empty text, then 1 to 30
constexpr wchar_t kCredit[] = L"Wavorin Ver1.00  © Wavorin";

constexpr int kBannerFrameWidth = 120;
constexpr int kOptionGlyphSide = 12;

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

// The options from the top row down, as the arrow keys step through them.
constexpr MusicSource kOptionsTopDown[] = {MusicSource::AudioCd, MusicSource::None, MusicSource::File};

// What the dialog tells screen readers beyond its captions.
constexpr wchar_t kChooseFileName[] = L"音楽ﾌｧｲﾙを選ぶ";
constexpr wchar_t kFileNameName[] = L"音楽ﾌｧｲﾙ";
constexpr wchar_t kBannerName[] = L"Wavorin ﾎｰﾑﾍﾟｰｼﾞ";
constexpr wchar_t kChooseAction[] = L"選択";
constexpr wchar_t kOpenAction[] = L"開く";

win32::AccessibleFacts Named(long role, std::wstring name)
{
    win32::AccessibleFacts facts;
    facts.role = role;
    facts.name = std::move(name);
    return facts;
}

RECT PointRect(POINT point)
{
    return RECT{point.x, point.y, point.x, point.y};
}

// Whether the window and every window it lies on can take the focus.
bool CanTakeFocus(HWND window, HWND dialog)
{
    if (!window || !IsWindow(window) || !IsChild(dialog, window)) return false;
    for (HWND step = window; step && step != dialog; step = GetParent(step)) {
        if (!IsWindowEnabled(step) || !IsWindowVisible(step)) return false;
    }
    return true;
}

}  // namespace

SettingsDialog::SettingsDialog(settings::MusicSettings settings, int dotsPerInch, HWND caller)
    : settings_(std::move(settings)), dotsPerInch_(dotsPerInch), caller_(IsWindow(caller) ? caller : nullptr)
{
}

SettingsDialog::~SettingsDialog()
{
    if (hwnd()) KillTimer(hwnd(), kBannerTimer);
    ReleaseCaller();
}

int SettingsDialog::Scaled(int pixels) const
{
    return MulDiv(pixels, dotsPerInch_, 96);
}

bool SettingsDialog::Create()
{
    // It opens centred on the primary monitor, at that monitor's scale.
    if (dotsPerInch_ <= 0) dotsPerInch_ = win32::MonitorDotsPerInch(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY));
    background_.reset(CreateSolidBrush(kDialogBackground));
    LoadPictures();

    // A fixed single border with the close box only: the user cannot resize it.
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    const win32::WindowClass windowClass{kSettingsDialogClass, 0, background_.get()};
    if (!Window::Create(windowClass, kSettingsDialogTitle, style, 0, 0, 0, 0, 0, caller_)) return false;
    // The frame as the system draws it for this window, around the client area of our scale.
    const RECT frame = win32::FrameAround(Scaled(kClientWidth), Scaled(kClientHeight), style, 0,
                                          win32::WindowDotsPerInch(hwnd()));
    SetWindowPos(hwnd(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // Modal to the caller, as the system's own dialogs are to their owners.
    if (caller_) callerDisabled_ = EnableWindow(caller_, FALSE) == FALSE;
    if (icon_) {
        SendMessageW(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
        SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
    }
    CreateControls();
    // Focus cues show as a system dialog shows them: from the start when the keyboard opened
    // it (or the user asked for them always), else once the keyboard is used.
    SendMessageW(hwnd(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_INITIALIZE, 0), 0);
    SetTimer(hwnd(), kBannerTimer, kBannerInterval, nullptr);
    OpeningSteps();
    keys_.Attach(hwnd());
    ShowWindow(hwnd(), SW_SHOWNORMAL);
    if (GetActiveWindow() == hwnd() && !FocusIsOnAControl()) RestoreFocus();
    UpdateWindow(hwnd());
    return true;
}

void SettingsDialog::LoadPictures()
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    auto bitmap = [&](int id) {
        return win32::UniqueBitmap(
            static_cast<HBITMAP>(LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    };
    // The pictures are drawn for 96 dots per inch; at any other scale they are redrawn at
    // their scaled size once, so that they fill their places as the controls grow.
    auto scaled = [&](int id, int frames, int width, int height) {
        win32::UniqueBitmap picture = bitmap(id);
        if (dotsPerInch_ == 96) return picture;
        win32::UniqueBitmap resized = controls::ScaledFrames(picture.get(), frames, Scaled(width), Scaled(height));
        return resized ? std::move(resized) : std::move(picture);
    };
    bannerStrip_ = scaled(IDB_BANNER, kBannerFrameCount, kBannerFrameWidth, kBannerFrameHeight);
    optionGlyphs_[0] = scaled(IDB_OPTION_OFF, 1, kOptionGlyphSide, kOptionGlyphSide);
    optionGlyphs_[1] = scaled(IDB_OPTION_ON, 1, kOptionGlyphSide, kOptionGlyphSide);
    icon_ = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_WAVORIN), IMAGE_ICON, 0, 0, LR_SHARED | LR_DEFAULTSIZE));
    bannerCursor_ = LoadCursorW(instance, MAKEINTRESOURCEW(IDR_BANNER_CURSOR));
    if (!bannerCursor_) bannerCursor_ = LoadCursorW(nullptr, IDC_HAND);

    fontFace_ = controls::WideToUtf8(DialogFontFace());
    font_ = controls::CreateFontFor(controls::FontInfo{fontFace_, 9.75, FW_NORMAL, SHIFTJIS_CHARSET, 0}, dotsPerInch_);
}

std::unique_ptr<controls::XpButton> SettingsDialog::MakeButton(HWND parent, int x, int y, int width, int height,
                                                               const wchar_t* name, const char* caption)
{
    auto button = std::make_unique<controls::XpButton>();
    button->Create(parent, Scaled(x), Scaled(y), Scaled(width), Scaled(height), name);
    button->SetDotsPerInch(dotsPerInch_);
    // Properties are read before the dialog shows, so hover and activation work from the start.
    const std::string text = std::string("Caption = \"") + caption + "\"\nFont = {\"" + fontFace_ +
                             "\", 9.75, 400, 128, 0}\n";
    button->ReadProperties(controls::PropertyStore::FromText(text).value_or(controls::PropertyStore{}));
    return button;
}

void SettingsDialog::CreateControls()
{
    panel_ = std::make_unique<controls::FramePanel>();
    panel_->Create(hwnd(), Scaled(12), Scaled(12), Scaled(501), Scaled(173), kDialogBackground);
    panel_->ReadProperties(controls::PropertyStore{});  // the default look
    CreateMusicControls(panel_->hwnd());

    for (int box = 0; box < 2; ++box) {
        banners_[box] = std::make_unique<BannerBox>();
        banners_[box]->Create(hwnd(), Scaled(box == 0 ? 12 : 384), Scaled(192), Scaled(123), Scaled(52),
                              bannerStrip_.get(), Scaled(kBannerFrameHeight), bannerCursor_);
        banners_[box]->onClick = [this] { OpenHomePage(hwnd()); };
    }
    saveButton_ = MakeButton(hwnd(), 144, 192, 113, 33, L"SaveButton", "設定");
    saveButton_->onClick = [this] { Save(); };
    cancelButton_ = MakeButton(hwnd(), 260, 192, 113, 33, L"CancelButton", "ｷｬﾝｾﾙ");
    cancelButton_->onClick = [this] { PostMessageW(hwnd(), WM_CLOSE, 0, 0); };

    LabelLook plain;
    plain.font = font_.get();
    plain.colour = kDialogBackground;
    credit_ = std::make_unique<DialogLabel>();
    credit_->Create(hwnd(), Scaled(172), Scaled(232), Scaled(165), Scaled(13), kCredit, plain);
    DescribeToScreenReaders();
}

void SettingsDialog::DescribeToScreenReaders()
{
    using win32::AccessibleFacts;
    SetAccessible([] { return Named(ROLE_SYSTEM_DIALOG, kSettingsDialogTitle); });
    panel_->SetAccessible([this] { return Named(ROLE_SYSTEM_GROUPING, title_->Text()); });
    for (DialogLabel* label : {title_.get(), repeatLabel_.get(), credit_.get()}) {
        label->SetAccessible([label] { return Named(ROLE_SYSTEM_STATICTEXT, label->Text()); });
    }
    for (int option = 0; option < 3; ++option) {
        const auto source = static_cast<MusicSource>(option);
        // The glyph and the caption are one option button: both answer as it.
        for (const bool caption : {false, true}) {
            auto& part = caption ? optionLabels_[option] : optionGlyphBoxes_[option];
            part->SetAccessible(
                [this, option, caption] {
                    const bool chosen = SelectedOption() == option;
                    return AccessibleFacts{ROLE_SYSTEM_RADIOBUTTON, optionLabels_[option]->Text(), L"", kChooseAction,
                                           (chosen ? STATE_SYSTEM_CHECKED : 0) | (caption ? STATE_SYSTEM_FOCUSABLE : 0)};
                },
                [this, source] { ChooseSource(source, true); });
        }
    }
    fileName_->SetAccessible([this] {
        return AccessibleFacts{ROLE_SYSTEM_TEXT, kFileNameName, fileName_->Text(), L"", STATE_SYSTEM_READONLY};
    });
    chooseFileButton_->SetAccessibleName(kChooseFileName);
    for (auto& banner : banners_) {
        banner->SetAccessible([] { return AccessibleFacts{ROLE_SYSTEM_LINK, kBannerName, kHomePage, kOpenAction, STATE_SYSTEM_LINKED}; },
                              [this] { OpenHomePage(hwnd()); });
    }
    // The repeat box is a system combo box: it and its edit answer by the label beside them.
    const std::wstring repeatName = repeatLabel_->Text();
    COMBOBOXINFO parts{};
    parts.cbSize = sizeof parts;
    if (repeatBox_ && GetComboBoxInfo(repeatBox_, &parts)) {
        repeatBoxAnswer_ = std::make_unique<win32::AccessibleSubclass>(repeatBox_, [this, repeatName] {
            return AccessibleFacts{ROLE_SYSTEM_COMBOBOX, repeatName, RepeatText(), L"", STATE_SYSTEM_FOCUSABLE};
        });
        repeatEditAnswer_ = std::make_unique<win32::AccessibleSubclass>(parts.hwndItem, [this, repeatName] {
            return AccessibleFacts{ROLE_SYSTEM_TEXT, repeatName, RepeatText(), L"", STATE_SYSTEM_FOCUSABLE};
        });
    }
}

void SettingsDialog::CreateMusicControls(HWND panel)
{
    LabelLook onPanel;
    onPanel.font = font_.get();
    onPanel.backdrop = &panel_->FaceImage();

    // The title in an etched frame: a white outline one pixel right of and below the black one.
    LabelLook etched = onPanel;
    etched.etched = true;
    etched.centred = true;
    etched.textTop = Scaled(4);
    title_ = std::make_unique<DialogLabel>();
    title_->Create(panel, Scaled(20), Scaled(16), Scaled(113) + 1, Scaled(21) + 1, L"BGM", etched);

    // The options, indexed by the source's stored number: audio CD on the top row, then
    // none, then a music file.
    static constexpr struct {
        int top;
        int labelWidth;
        const wchar_t* text;
    } kRows[3] = {{72, 22, L"なし"}, {52, 43, L"音楽CD"}, {92, 60, L"MP3、WAV"}};
    for (int option = 0; option < 3; ++option) {
        const auto source = static_cast<MusicSource>(option);
        const auto& row = kRows[option];
        optionGlyphBoxes_[option] = std::make_unique<DialogLabel>();
        optionGlyphBoxes_[option]->Create(panel, Scaled(28), Scaled(row.top), Scaled(13), Scaled(13), L"", onPanel);
        optionGlyphBoxes_[option]->onMouseDown = [this, source] { ChooseSource(source, true); };
        optionLabels_[option] = std::make_unique<DialogLabel>();
        optionLabels_[option]->Create(panel, Scaled(44), Scaled(row.top), Scaled(row.labelWidth), Scaled(13), row.text,
                                      onPanel);
        optionLabels_[option]->onMouseDown = [this, source] { ChooseSource(source, true); };
        optionLabels_[option]->onArrowKey = [this, option](int step) { OnOptionArrow(option, step); };
        optionLabels_[option]->onSpaceKey = [this, source] { ChooseSource(source, true); };
    }

    // The edit part scrolls, so a text longer than the narrow box can still be typed.
    repeatBox_ = CreateWindowExW(0, L"COMBOBOX", L"",
                                 WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL,
                                 Scaled(96), Scaled(48), Scaled(41), Scaled(220), panel, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    if (repeatBox_) {
        SendMessageW(repeatBox_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
        SendMessageW(repeatBox_, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), Scaled(20) - 6);  // a 20-pixel box
        SendMessageW(repeatBox_, CB_SETITEMHEIGHT, 0, Scaled(13));
    }
    repeatLabel_ = std::make_unique<DialogLabel>();
    repeatLabel_->Create(panel, Scaled(140), Scaled(52), Scaled(66), Scaled(13), L"曲目をﾘﾋﾟｰﾄ", onPanel);

    chooseFileButton_ = MakeButton(panel, 24, 112, 45, 25, L"ChooseFileButton", "...");
    chooseFileButton_->onClick = [this] { ChooseFile(); };

    LabelLook bordered = onPanel;
    bordered.border = true;
    fileName_ = std::make_unique<DialogLabel>();
    fileName_->Create(panel, Scaled(72), Scaled(112), Scaled(397), Scaled(33), L"", bordered);
}

void SettingsDialog::OpeningSteps()
{
    banner_ = BannerAnimation{};

    RECT window{};
    if (GetWindowRect(hwnd(), &window)) {
        const Placement place = PlaceDialog(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                            window.right - window.left, window.bottom - window.top);
        SetWindowPos(hwnd(), nullptr, place.left, place.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    ShowSettings();

    POINT pointer{};
    const BOOL read = GetCursorPos(&pointer);
    zoomPoint_ = read ? POINT{ZoomCoordinate(pointer.x), ZoomCoordinate(pointer.y)} : POINT{0, 0};

    RECT to{};
    if (GetWindowRect(hwnd(), &to)) Zoom(PointRect(zoomPoint_), to);
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
}

// The settings as loaded, in the controls.
void SettingsDialog::ShowSettings()
{
    if (repeatBox_) EnableWindow(repeatBox_, FALSE);
    ChooseSource(settings_.source);  // glyphs and enabling; the source stays as loaded

    if (repeatBox_) {
        SetWindowTextW(repeatBox_, RepeatTrackText(settings_.repeatTrack).c_str());
        for (int entry = 0; entry < kRepeatListEntries; ++entry) {
            const std::wstring text = RepeatTrackText(static_cast<std::int16_t>(entry));
            SendMessageW(repeatBox_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        }
    }
    fileName_->SetText(settings_.file);
}

void SettingsDialog::ChooseSource(MusicSource source, bool byUser)
{
    settings_.source = source;
    const SourceControls controls = ControlsFor(source);
    const std::optional<int> before = SelectedOption();
    for (int option = 0; option < 3; ++option) {
        const bool selected = controls.selectedOption == option;
        optionGlyphBoxes_[option]->SetPicture(optionGlyphs_[selected ? 1 : 0].get());
        // Tab stops at the chosen option, or at the top one while none is chosen.
        const bool tabStop = controls.selectedOption ? selected : static_cast<MusicSource>(option) == kOptionsTopDown[0];
        optionLabels_[option]->SetTabStop(tabStop);
        if ((before == option) != selected) {
            optionGlyphBoxes_[option]->Announce(EVENT_OBJECT_STATECHANGE);
            optionLabels_[option]->Announce(EVENT_OBJECT_STATECHANGE);
        }
    }
    if (repeatBox_) EnableWindow(repeatBox_, controls.repeatEnabled);
    chooseFileButton_->SetEnabled(controls.fileEnabled);
    // As with an option button, the choice takes the keyboard along.
    if (byUser && controls.selectedOption) SetFocus(optionLabels_[*controls.selectedOption]->hwnd());
    // A control that was just disabled loses the focus; the keyboard must not lose the dialog.
    if (GetActiveWindow() == hwnd() && !FocusIsOnAControl()) RestoreFocus();
}

// Up and left choose the option above, down and right the one below, round at the ends.
void SettingsDialog::OnOptionArrow(int option, int step)
{
    int row = 0;
    while (static_cast<int>(kOptionsTopDown[row]) != option) ++row;
    ChooseSource(kOptionsTopDown[(row + step + 3) % 3], true);
}

bool SettingsDialog::FocusIsOnAControl() const
{
    return CanTakeFocus(GetFocus(), hwnd());
}

void SettingsDialog::RememberFocus()
{
    const HWND focus = GetFocus();
    if (focus && IsChild(hwnd(), focus)) lastFocus_ = focus;
}

// The control that had the focus last, else the first that can take it.
void SettingsDialog::RestoreFocus()
{
    HWND target = lastFocus_;
    if (!CanTakeFocus(target, hwnd())) target = GetNextDlgTabItem(hwnd(), nullptr, FALSE);
    if (CanTakeFocus(target, hwnd())) SetFocus(target);
}

bool SettingsDialog::RepeatEnabled() const
{
    return repeatBox_ && IsWindowEnabled(repeatBox_);
}

bool SettingsDialog::FileEnabled() const
{
    return chooseFileButton_->Enabled();
}

std::optional<int> SettingsDialog::SelectedOption() const
{
    for (int option = 0; option < 3; ++option) {
        const HBITMAP shown = optionGlyphBoxes_[option]->Picture();
        if (shown && shown == optionGlyphs_[1].get()) {
            return option;
        }
    }
    return std::nullopt;
}

std::wstring SettingsDialog::RepeatText() const
{
    if (!repeatBox_) return L"";
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(repeatBox_)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(repeatBox_, text.data(), static_cast<int>(text.size()))));
    return text;
}

int SettingsDialog::RepeatListCount() const
{
    return repeatBox_ ? static_cast<int>(SendMessageW(repeatBox_, CB_GETCOUNT, 0, 0)) : 0;
}

std::wstring SettingsDialog::FileText() const
{
    return fileName_->Text();
}

void SettingsDialog::ChooseFile()
{
    const ChooserResult chosen = chooseFile(hwnd(), settings_.chooserFolder);
    if (chosen.apiResult <= 0 || !chosen.path) return;
    // The next start could not read such a path back: the previous choice stays.
    if (!PathIsStorable(*chosen.path)) {
        if (refusePath) refusePath(hwnd());
        return;
    }
    settings_.file = *chosen.path;
    fileName_->SetText(settings_.file);
    settings_.chooserFolder = settings::FolderOf(settings_.file);
}

void SettingsDialog::Save()
{
    using settings::WriteIni;
    const std::wstring file = contract::kSettingsFileW.c_str();
    // Each write stands alone: a failed one does not stop the next.
    const bool sourceSaved =
        WriteIni(ini::kSection, ini::kKeyMusicSource, std::to_string(static_cast<int>(settings_.source)), file);
    settings_.repeatTrack = RepeatTrackOf(RepeatText());
    const bool repeatSaved = WriteIni(ini::kSection, ini::kKeyRepeatTrack, std::to_string(settings_.repeatTrack), file);
    const bool fileSaved = WriteIni(ini::kSection, ini::kKeyMusicFile, StorablePath(settings_.file), file);
    if (!sourceSaved || !repeatSaved || !fileSaved) {
        // Closing now would tell the user the settings were kept. The dialog stays open, so
        // the save button can be pressed again once the file is free.
        const std::wstring message = std::wstring(L"設定を保存できませんでした。\n\n") + file +
                                     L" に書き込めません。ほかのプログラムがこのファイルを開いていないか、"
                                     L"読み取り専用になっていないかを確かめてから、もう一度「設定」を押してください。";
        MessageBoxW(hwnd(), message.c_str(), settings::kProgramTitle, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    // Closed once the button's handler is done with it.
    PostMessageW(hwnd(), WM_CLOSE, 0, 0);
}

void SettingsDialog::AdvanceBanner()
{
    if (const auto step = banner_.Tick()) banners_[step->box]->ShowFrame(step->frame);
}

void SettingsDialog::Zoom(const RECT& from, const RECT& to)
{
    DrawAnimatedRects(hwnd(), IDANI_CAPTION, &from, &to);
}

void SettingsDialog::Close()
{
    if (closing_) return;
    closing_ = true;
    KillTimer(hwnd(), kBannerTimer);
    // Shrinks back into where the pointer was when the dialog opened.
    RECT window{};
    if (GetWindowRect(hwnd(), &window)) Zoom(window, PointRect(zoomPoint_));
    // The caller takes input again before the dialog goes, so the system activates it.
    ReleaseCaller();
    DestroyWindow(hwnd());  // WM_DESTROY brings the caller forward
}

void SettingsDialog::ReleaseCaller()
{
    if (!callerDisabled_) return;
    callerDisabled_ = false;
    if (IsWindow(caller_)) EnableWindow(caller_, TRUE);
}

// The controls that take the keyboard, in a fixed order that survives their rebuilding.
std::vector<HWND> SettingsDialog::FocusOrder() const
{
    std::vector<HWND> order;
    for (const auto& label : optionLabels_) order.push_back(label->hwnd());
    order.insert(order.end(), {repeatBox_, chooseFileButton_->hwnd(), saveButton_->hwnd(), cancelButton_->hwnd()});
    return order;
}

void SettingsDialog::OnDpiChanged(int dotsPerInch, const RECT& suggested)
{
    SetWindowPos(hwnd(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    if (dotsPerInch <= 0 || dotsPerInch == dotsPerInch_) return;
    dotsPerInch_ = dotsPerInch;
    RebuildControls();
}

// Lays the controls out anew, as if the dialog had opened at the current scale, keeping what
// the user has done so far: the choices, the typed track, the banner and the focus.
void SettingsDialog::RebuildControls()
{
    const std::wstring repeatText = RepeatText();
    const int frames[2] = {banners_[0]->Frame(), banners_[1]->Frame()};
    auto indexOf = [](const std::vector<HWND>& order, HWND window) {
        for (std::size_t i = 0; i < order.size(); ++i) {
            if (window && (order[i] == window || IsChild(order[i], window))) return static_cast<int>(i);
        }
        return -1;
    };
    std::vector<HWND> order = FocusOrder();
    const int focused = indexOf(order, GetFocus());
    const int remembered = indexOf(order, lastFocus_);

    SetWindowRedraw(hwnd(), FALSE);
    DestroyControls();
    LoadPictures();
    CreateControls();
    ShowSettings();
    if (repeatBox_) SetWindowTextW(repeatBox_, repeatText.c_str());
    for (int box = 0; box < 2; ++box) banners_[box]->ShowFrame(frames[box]);
    order = FocusOrder();
    lastFocus_ = remembered >= 0 ? order[static_cast<std::size_t>(remembered)] : nullptr;
    if (focused >= 0) SetFocus(order[static_cast<std::size_t>(focused)]);
    SetWindowRedraw(hwnd(), TRUE);
    RedrawWindow(hwnd(), nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void SettingsDialog::DestroyControls()
{
    repeatEditAnswer_.reset();
    repeatBoxAnswer_.reset();
    for (auto& banner : banners_) banner.reset();
    saveButton_.reset();
    cancelButton_.reset();
    credit_.reset();
    chooseFileButton_.reset();
    fileName_.reset();
    repeatLabel_.reset();
    for (auto& label : optionLabels_) label.reset();
    for (auto& glyph : optionGlyphBoxes_) glyph.reset();
    title_.reset();
    panel_.reset();  // and the repeat box with it
    repeatBox_ = nullptr;
    lastFocus_ = nullptr;
}

LRESULT SettingsDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_TIMER:
        if (wParam == kBannerTimer) AdvanceBanner();
        return 0;
    case WM_CLOSE:
        Close();
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            RememberFocus();
            return 0;
        }
        if (HIWORD(wParam)) break;  // minimised
        RestoreFocus();
        return 0;
    case WM_SETFOCUS:
        RestoreFocus();
        return 0;
    case WM_COMMAND:
        // Esc, through the dialog manager: what the cancel button does.
        if (LOWORD(wParam) == IDCANCEL && HIWORD(wParam) == BN_CLICKED) {
            PostMessageW(hwnd(), WM_CLOSE, 0, 0);
            return 0;
        }
        break;
    case WM_DPICHANGED:
        OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_DESTROY:
        win32::DialogKeys::Detach(hwnd());
        ReleaseCaller();
        if (caller_ && IsWindow(caller_)) SetForegroundWindow(caller_);
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace wavorin::dialog
