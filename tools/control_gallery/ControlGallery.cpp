// A window that shows the dialog controls on the settings dialog's background: the five
// faces of the XP-style button and the frame panel in the dialog's default look and its
// other styles. Controls are loaded from the same property text the settings dialog uses.
// Usage: ControlGallery.exe [seconds to stay open]

#include <windows.h>
#include <shellapi.h>

#include <array>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "host/controls/FramePanel.h"
#include "host/controls/XpButton.h"
#include "host/win32/Window.h"

namespace {

using wavorin::controls::FramePanel;
using wavorin::controls::PropertyStore;
using wavorin::controls::XpButton;

constexpr COLORREF kDialogBackground = RGB(224, 224, 224);
constexpr int kClientWidth = 1040;
constexpr int kClientHeight = 560;

// The settings dialog's button look: its font at 9.75 points, every other property default.
constexpr char kDialogButton[] = "Caption = \"設定\"\nFont = {\"ＭＳ Ｐゴシック\", 9.75, 400, 128, 0}\n";

PropertyStore Store(const std::string& text)
{
    return PropertyStore::FromText(text).value_or(PropertyStore{});
}

struct Caption {
    int x, y;
    const wchar_t* text;
};

class Gallery final : public wavorin::win32::Window {
public:
    bool Create()
    {
        background_.reset(CreateSolidBrush(kDialogBackground));
        const wavorin::win32::WindowClass windowClass{L"Wavorin_ControlGallery", 0, background_.get()};
        RECT frame{0, 0, kClientWidth, kClientHeight};
        const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
        AdjustWindowRect(&frame, style, FALSE);
        return Window::Create(windowClass, L"Wavorin control gallery", style, 0, 40, 40, frame.right - frame.left,
                              frame.bottom - frame.top, nullptr);
    }

    // Brings the focused, hot and pressed faces out once the window is shown and active.
    void PoseButtons()
    {
        SetFocus(buttons_[2]->hwnd());
        SendMessageW(buttons_[4]->hwnd(), WM_KEYDOWN, VK_SPACE, 0);  // held Space: pressed
        buttons_[3]->SnapMouseTo();                                   // the pointer over it: hot
    }

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        switch (message) {
        case WM_CREATE:
            CreateControls();
            return 0;
        case WM_PAINT:
            PaintCaptions();
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return Window::HandleMessage(message, wParam, lParam);
        }
    }

    void CreateControls()
    {
        // The five faces: 0 disabled, 1 normal, 2 focused, 3 hot, 4 pressed.
        for (int face = 0; face < 5; ++face) {
            auto button = std::make_unique<XpButton>();
            button->Create(hwnd(), 24 + face * 140, 44, 113, 33, L"Face" + std::to_wstring(face), 100 + face);
            button->ReadProperties(Store(std::string(kDialogButton) + (face == 0 ? "Enabled = False\n" : "")));
            buttons_.push_back(std::move(button));
        }

        // The dialog's panel as it stands there (defaults, 501 x 173), with the file button on it.
        AddPanel(24, 150, 501, 173, "");
        auto fileButton = std::make_unique<XpButton>();
        fileButton->Create(panels_.back()->hwnd(), 24, 112, 45, 25, L"ChooseFileButton", 200);
        fileButton->ReadProperties(Store("Caption = \"...\"\nFont = {\"ＭＳ Ｐゴシック\", 9.75, 400, 128, 0}\n"));
        buttons_.push_back(std::move(fileButton));

        AddPanel(556, 150, 220, 173, "FrameStyle = 0\nCornerDepth = 20\n");
        AddPanel(800, 150, 216, 173, "ShadowOpacity = 100\nShadowDepth = 8\n");
        AddPanel(24, 368, 220, 150, "FrameStyle = 0\nShowShadow = False\nFillColour = 0xFFFFFF\nBorderColour = 0x800000\n");
        AddPanel(290, 368, 220, 150, "FrameStyle = 0\nCornerDepth = 0\nShadowOpacity = 0\n");
        AddPanel(556, 368, 220, 150, "FrameStyle = 2\nBackColourIs = 1\nBackColour = 0xFFDCC8\n");
        AddPanel(800, 368, 216, 150, "FrameStyle = 0\nShadowDepth = 12\nCornerDepth = 40\nFillColour = 0xF0F8FF\n");
    }

    void AddPanel(int x, int y, int width, int height, const std::string& text)
    {
        auto panel = std::make_unique<FramePanel>();
        panel->Create(hwnd(), x, y, width, height, kDialogBackground);
        panel->ReadProperties(Store(text));
        panels_.push_back(std::move(panel));
    }

    void PaintCaptions()
    {
        static constexpr Caption kCaptions[] = {
            {24, 16, L"XpButton, State 0 to 4:"},
            {24, 84, L"0 disabled"},
            {164, 84, L"1 normal"},
            {304, 84, L"2 focused"},
            {444, 84, L"3 hot"},
            {584, 84, L"4 pressed"},
            {24, 124, L"FramePanel: the settings dialog's panel (defaults)"},
            {556, 124, L"rounded, corner 20"},
            {800, 124, L"opacity 100, depth 8"},
            {24, 342, L"rounded, no shadow"},
            {290, 342, L"rounded, corner 0, opacity 0"},
            {556, 342, L"style 2: background only"},
            {800, 342, L"depth 12, corner 40"},
        };
        wavorin::win32::PaintScope paint(hwnd());
        wavorin::win32::SelectedObject font(paint.dc(), GetStockObject(DEFAULT_GUI_FONT));
        SetBkMode(paint.dc(), TRANSPARENT);
        SetTextColor(paint.dc(), RGB(0, 0, 0));
        for (const Caption& caption : kCaptions) {
            TextOutW(paint.dc(), caption.x, caption.y, caption.text, static_cast<int>(wcslen(caption.text)));
        }
    }

    wavorin::win32::UniqueBrush background_;
    std::vector<std::unique_ptr<FramePanel>> panels_;
    std::vector<std::unique_ptr<XpButton>> buttons_;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    const int seconds = arguments && count > 1 ? _wtoi(arguments[1]) : 0;
    LocalFree(arguments);

    Gallery gallery;
    if (!gallery.Create()) return 1;
    ShowWindow(gallery.hwnd(), SW_SHOWNORMAL);
    UpdateWindow(gallery.hwnd());
    gallery.PoseButtons();
    if (seconds > 0) SetTimer(nullptr, 0, static_cast<UINT>(seconds) * 1000, nullptr);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER && message.hwnd == nullptr) break;
        if (IsDialogMessageW(gallery.hwnd(), &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
