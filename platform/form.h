// A top-level form: a framed window with a persistent drawing surface, sized in twips,
// shown centred, reporting its resizes once it has been shown, and moving the focus between
// its controls when one of them asks (kMoveFocusMessage).
#pragma once

#include <functional>
#include <string_view>

#include "platform/image_surface.h"

namespace platform {

// The style of the program's and the workbench's forms: a caption with the system menu and a
// minimise box, child windows clipped out of the form's own painting.
inline constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

class Form : public ImageSurface {
public:
    // Ends the message loop when the form is destroyed.
    void SetQuitOnUnload(bool quit) { quitOnUnload_ = quit; }

    // Outer size in twips; set in twips and kept in whole pixels.
    void SetOuterSizeTwips(double width, double height);
    double OuterWidthTwips() const;
    double OuterHeightTwips() const;

    // Shows the form modeless at the centre of the screen; the first showing raises the
    // resize handler even when the system sends no size change for it.
    void ShowCentred();
    void Minimise();
    // Destroys the form and its child windows; the unload handler runs first.
    void Unload();

    std::function<void()> onResize;
    std::function<void()> onUnload;
    // Sees the form's keyboard messages before navigation does; true when it took one.
    std::function<bool(const MSG&)> preTranslate;
    bool PreTranslate(const MSG& msg) override { return preTranslate && preTranslate(msg); }

protected:
    Form() = default;
    bool CreateForm(std::wstring_view caption, DWORD style, int widthPixels, int heightPixels);
    // Where a window of this outer size stands centred on the screen.
    static POINT CentredOrigin(int widthPixels, int heightPixels);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnSized(WPARAM kind) override;

private:
    // Whether the window region leaves nothing but the client area to show.
    bool FrameCutAway() const;

    bool shown_ = false;
    HWND lastFocus_ = nullptr;  // the child that had the focus when the form was deactivated
    int resizesSeen_ = 0;
    bool quitOnUnload_ = false;
};

// A child window with a persistent drawing surface: the picture box.
class PictureBox : public ImageSurface {
public:
    PictureBox() = default;
    // Position and size in pixels of the parent's client area; no border.
    bool CreateChild(HWND parent, std::wstring_view name, RECT rect, bool visible);
};

}  // namespace platform
