// A drawing surface window: painted from its back image, in pixels or twips, with its colours and font.
#include "platform/surface_window.h"

#include <cmath>

#include "platform/input_state.h"
#include "platform/rounding.h"
#include "platform/screen.h"

namespace platform {

namespace {
constexpr wchar_t kSurfaceClass[] = L"TarnwickSurface";

}  // namespace

bool SurfaceWindow::CreateSurface(DWORD exStyle, std::wstring_view title, DWORD style, int x, int y, int width,
                                  int height, HWND parent) {
    if (!Create(kSurfaceClass, exStyle, title, style, x, y, width, height, parent, 0)) return false;
    font_ = CreateFontFromDescription(fontSpec_);
    backImage_.EnsureSize(ClientWidthPixels(), ClientHeightPixels(), backColor_);
    ApplyDrawingAttributes();
    return true;
}

void SurfaceWindow::SetAutoRedraw(bool on) {
    if (autoRedraw_ == on) return;
    autoRedraw_ = on;
    InvalidateShown(nullptr);
}

double SurfaceWindow::ScaleWidth() const { return PixelsToUnitsX(ClientWidthPixels()); }
double SurfaceWindow::ScaleHeight() const { return PixelsToUnitsY(ClientHeightPixels()); }

double SurfaceWindow::PixelsToUnitsX(double pixels) const {
    return scaleMode_ == ScaleMode::Twips ? pixels * TwipsPerPixelX() : pixels;
}
double SurfaceWindow::PixelsToUnitsY(double pixels) const {
    return scaleMode_ == ScaleMode::Twips ? pixels * TwipsPerPixelY() : pixels;
}
int SurfaceWindow::UnitsToPixelsX(double units) const {
    return scaleMode_ == ScaleMode::Twips ? TwipsToPixelsX(units) : RoundHalfEven(units);
}
int SurfaceWindow::UnitsToPixelsY(double units) const {
    return scaleMode_ == ScaleMode::Twips ? TwipsToPixelsY(units) : RoundHalfEven(units);
}

void SurfaceWindow::SetBackColor(COLORREF color) {
    backColor_ = color;
    // As with a picture box, a new background colour clears what was drawn.
    Cls();
}

void SurfaceWindow::SetForeColor(COLORREF color) {
    foreColor_ = color;
    ApplyDrawingAttributes();
}

void SurfaceWindow::SetFont(const FontDescription& font) {
    UniqueFont next;
    int nextLineHeight = -1;
    if (previousFont_ && previousFontSpec_ == font) {
        next = std::move(previousFont_);
        nextLineHeight = previousLineHeight_;
    } else {
        next = CreateFontFromDescription(font);
        if (!next) {
            fontSpec_ = font;
            return;
        }
    }
    backImage_.SelectFont(next.get());
    // The old font is no longer selected anywhere; it is kept for a switch back.
    previousFont_ = std::move(font_);
    previousFontSpec_ = fontSpec_;
    previousLineHeight_ = lineHeight_;
    fontSpec_ = font;
    font_ = std::move(next);
    lineHeight_ = nextLineHeight;
}

int SurfaceWindow::LineHeight() {
    if (lineHeight_ < 0) {
        TEXTMETRICW metrics{};
        if (!GetTextMetricsW(hDC(), &metrics)) return 0;
        lineHeight_ = metrics.tmHeight;
    }
    return lineHeight_;
}

void SurfaceWindow::SetFontBold(bool bold) {
    if (fontSpec_.bold == bold && font_) return;
    FontDescription changed = fontSpec_;
    changed.bold = bold;
    SetFont(changed);
}

void SurfaceWindow::SetPicture(PicturePtr picture) {
    picture_ = std::move(picture);
    if (autoRedraw_) Cls();
    InvalidateShown(nullptr);
}

void SurfaceWindow::SetCaption(std::wstring_view caption) {
    const std::wstring text(caption);
    SetWindowTextW(hwnd(), text.c_str());
}

std::wstring SurfaceWindow::Caption() const {
    const int length = GetWindowTextLengthW(hwnd());
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(hwnd(), text.data(), length + 1)));
    return text;
}

void SurfaceWindow::FillBackground() {
    backImage_.EnsureSize(ClientWidthPixels(), ClientHeightPixels(), backColor_);
    const RECT all{0, 0, backImage_.Width(), backImage_.Height()};
    UniqueBrush brush(CreateSolidBrush(backColor_));
    FillRect(backImage_.dc(), &all, brush.get());
    if (picture_) picture_->Draw(backImage_.dc(), 0, 0);
}

void SurfaceWindow::Cls() {
    FillBackground();
    ApplyDrawingAttributes();
    currentX_ = currentY_ = 0;
    if (autoRedraw_) InvalidateImage();
}

void SurfaceWindow::InvalidateImage() {
    if (!invalidated_) invalidated_ = InvalidateShown(nullptr);
}

bool SurfaceWindow::InvalidateShown(const RECT* rect) {
    // A window that does not show (itself or a parent hidden) has nothing on screen to bring
    // up to date and is painted whole when it comes to show; asking the window system to
    // invalidate it anyway is a round trip for nothing.
    if (!IsAlive() || !IsWindowVisible(hwnd())) return false;
    InvalidateRect(hwnd(), rect, FALSE);
    return true;
}

HDC SurfaceWindow::hDC() {
    // The image follows every size change as it happens (WM_SIZE); only a window without
    // one yet needs it made here.
    if (!backImage_.dc()) backImage_.EnsureSize(ClientWidthPixels(), ClientHeightPixels(), backColor_);
    ApplyDrawingAttributes();
    return backImage_.dc();
}

void SurfaceWindow::ApplyDrawingAttributes() {
    HDC dc = backImage_.dc();
    if (!dc) return;
    // Selecting a font makes the text renderer realise it again, even the font already
    // selected: that was the most costly step of every call that draws or measures text.
    if (font_ && GetCurrentObject(dc, OBJ_FONT) != font_.get()) backImage_.SelectFont(font_.get());
    SetTextColor(dc, foreColor_);
    SetBkColor(dc, backColor_);
    SetBkMode(dc, TRANSPARENT);
}

double SurfaceWindow::CurrentX() const { return PixelsToUnitsX(currentX_); }
double SurfaceWindow::CurrentY() const { return PixelsToUnitsY(currentY_); }
void SurfaceWindow::SetCurrentX(double x) { currentX_ = scaleMode_ == ScaleMode::Twips ? x / TwipsPerPixelX() : x; }
void SurfaceWindow::SetCurrentY(double y) { currentY_ = scaleMode_ == ScaleMode::Twips ? y / TwipsPerPixelY() : y; }

double SurfaceWindow::TextWidth(std::wstring_view text) {
    SIZE size{};
    GetTextExtentPoint32W(hDC(), text.data(), static_cast<int>(text.size()), &size);
    return PixelsToUnitsX(size.cx);
}

double SurfaceWindow::TextHeight(std::wstring_view text) {
    (void)text;  // one line: the height of the font's cell
    return PixelsToUnitsY(LineHeight());
}

void SurfaceWindow::Print(std::wstring_view text) {
    HDC dc = hDC();
    if (!text.empty())
        TextOutW(dc, RoundHalfEven(currentX_), RoundHalfEven(currentY_), text.data(), static_cast<int>(text.size()));
    currentY_ += LineHeight();
    currentX_ = 0;
    if (autoRedraw_) InvalidateImage();
}

void SurfaceWindow::Refresh() {
    if (InvalidateShown(nullptr)) UpdateWindow(hwnd());
}

void SurfaceWindow::Invalidate() { InvalidateImage(); }

void SurfaceWindow::Paint() {
    invalidated_ = false;
    PaintDC paint(hwnd());
    if (!paint) return;
    const int width = ClientWidthPixels();
    const int height = ClientHeightPixels();
    if (autoRedraw_) {
        backImage_.EnsureSize(width, height, backColor_);
        backImage_.ShowOn(paint.get(), width, height, backColor_);
    } else {
        const RECT all{0, 0, width, height};
        UniqueBrush brush(CreateSolidBrush(backColor_));
        FillRect(paint.get(), &all, brush.get());
        if (picture_) picture_->Draw(paint.get(), 0, 0);
    }
    PaintOver(paint.get());
}

LRESULT SurfaceWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: Paint(); return 0;
        case WM_ERASEBKGND: return 1;
        case WM_SIZE: {
            const SIZE client = ClientSizeOf(lParam);
            backImage_.EnsureSize(client.cx, client.cy, backColor_);
            ApplyDrawingAttributes();
            OnSized(wParam);
            return 0;
        }
        default: return Window::OnMessage(message, wParam, lParam);
    }
}

}  // namespace platform
