// A top-level form: created centred on the screen, sized in twips, focus moved in tab order.
#include "platform/form.h"

#include "platform/control_host.h"
#include "platform/screen.h"

namespace platform {

bool Form::CreateForm(std::wstring_view caption, DWORD style, int widthPixels, int heightPixels) {
    // Created where it will be shown: moving a top-level window later costs a round trip to
    // the display.
    const POINT origin = CentredOrigin(widthPixels, heightPixels);
    return CreateSurface(0, caption, style, origin.x, origin.y, widthPixels, heightPixels, nullptr);
}

POINT Form::CentredOrigin(int widthPixels, int heightPixels) {
    // The whole screen, not its work area: a taskbar does not move the window off centre.
    return POINT{(GetSystemMetrics(SM_CXSCREEN) - widthPixels) / 2, (GetSystemMetrics(SM_CYSCREEN) - heightPixels) / 2};
}

void Form::SetOuterSizeTwips(double width, double height) {
    ResizePixels(TwipsToPixelsX(width), TwipsToPixelsY(height));
}

double Form::OuterWidthTwips() const { return static_cast<double>(WidthPixels()) * TwipsPerPixelX(); }
double Form::OuterHeightTwips() const { return static_cast<double>(HeightPixels()) * TwipsPerPixelY(); }

void Form::ShowCentred() {
    const POINT origin = CentredOrigin(WidthPixels(), HeightPixels());
    MovePixels(origin.x, origin.y);
    shown_ = true;
    const int before = resizesSeen_;
    ShowWindow(hwnd(), SW_SHOW);
    if (resizesSeen_ == before && onResize) {
        ++resizesSeen_;
        onResize();
    }
}

void Form::Minimise() { ShowWindow(hwnd(), SW_MINIMIZE); }

void Form::Unload() { Destroy(); }

void Form::OnSized(WPARAM kind) {
    (void)kind;  // minimised and restored sizes are handled alike
    if (!shown_) return;
    ++resizesSeen_;
    if (onResize) onResize();
}

LRESULT Form::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kMoveFocusMessage) {
        // The next or previous control in tab order, as Tab and Shift+Tab would choose it.
        HWND focus = GetFocus();
        HWND from = focus && IsChild(hwnd(), focus) ? focus : nullptr;
        if (HWND to = GetNextDlgTabItem(hwnd(), from, wParam != 0)) SetFocus(to);
        return 0;
    }
    if (message == WM_ACTIVATE) {
        // Focus stays with the control that had it, as in a dialog.
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(hwnd(), focus)) lastFocus_ = focus;
        } else if (lastFocus_ && IsWindow(lastFocus_) && IsChild(hwnd(), lastFocus_)) {
            SetFocus(lastFocus_);
            return 0;
        }
        return ImageSurface::OnMessage(message, wParam, lParam);
    }
    if (message == WM_NCPAINT || message == WM_NCACTIVATE) {
        // With its frame cut away by the window region, nothing of the frame shows: the
        // system's caption painting would only draw what no one sees. Activation itself
        // still goes through the default handling (-1: without painting).
        if (FrameCutAway()) return message == WM_NCPAINT ? 0 : DefaultProc(message, wParam, -1);
        return ImageSurface::OnMessage(message, wParam, lParam);
    }
    if (message == WM_DESTROY) {
        if (onUnload) onUnload();
        if (quitOnUnload_) PostQuitMessage(0);
        return 0;
    }
    return ImageSurface::OnMessage(message, wParam, lParam);
}

bool Form::FrameCutAway() const {
    RECT box{};
    const int kind = GetWindowRgnBox(hwnd(), &box);
    if (kind != SIMPLEREGION && kind != COMPLEXREGION) return false;  // no region: the frame shows
    // The client area in the coordinates of the window region (the window's top left is 0, 0).
    RECT window{};
    GetWindowRect(hwnd(), &window);
    POINT clientOrigin{0, 0};
    ClientToScreen(hwnd(), &clientOrigin);
    const int left = clientOrigin.x - window.left;
    const int top = clientOrigin.y - window.top;
    return box.left >= left && box.top >= top && box.right <= left + ClientWidthPixels() &&
           box.bottom <= top + ClientHeightPixels();
}

bool PictureBox::CreateChild(HWND parent, std::wstring_view name, RECT rect, bool visible) {
    const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (visible ? WS_VISIBLE : 0);
    return CreateSurface(0, name, style, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, parent);
}

}  // namespace platform
