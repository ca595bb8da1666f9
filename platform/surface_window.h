// A window with a persistent drawing surface, as forms and picture boxes have: a back image
// that keeps what is drawn, units of twips or pixels, colours, a font, a text cursor, and
// lightweight image controls that it paints and hit-tests itself.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/back_image.h"
#include "platform/font_description.h"
#include "platform/picture.h"
#include "platform/window.h"

namespace platform {

enum class ScaleMode { Twips = 1, Pixels = 3 };

// Mouse buttons as events report them (also combined as a set while moving).
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;

struct MouseEvent {
    int button = 0;  // the button that went down or up; for a move, the set of buttons held
    int shift = 0;   // Shift 1, Ctrl 2, Alt 4
    float x = 0;     // in the container's units, relative to the control
    float y = 0;
};

struct MouseHandlers {
    std::function<void(const MouseEvent&)> down;
    std::function<void(const MouseEvent&)> move;
    std::function<void(const MouseEvent&)> up;
    std::function<void()> click;  // a left press and release over the same control
};

// A windowless image on a surface: shows a shared picture (or nothing, as a hot area) and
// receives the mouse where it lies over the surface. Later images lie above earlier ones.
struct ImageControl {
    std::wstring name;
    RECT rect{};  // pixels, in the surface's client area
    bool visible = true;
    PicturePtr picture;
    std::wstring toolTip;
    MouseHandlers mouse;
};

class SurfaceWindow : public Window {
public:
    ~SurfaceWindow() override;

    // Persistent back image: when on, the window shows the back image on every repaint;
    // when off it shows its background colour and picture. Drawing always goes to the
    // back image.
    void SetAutoRedraw(bool on);
    bool AutoRedraw() const { return autoRedraw_; }

    void SetScaleMode(ScaleMode mode) { scaleMode_ = mode; }
    ScaleMode GetScaleMode() const { return scaleMode_; }
    // Client size in the current units.
    double ScaleWidth() const;
    double ScaleHeight() const;
    double PixelsToUnitsX(double pixels) const;
    double PixelsToUnitsY(double pixels) const;
    int UnitsToPixelsX(double units) const;
    int UnitsToPixelsY(double units) const;

    void SetBackColor(COLORREF color);
    COLORREF BackColor() const { return backColor_; }
    void SetForeColor(COLORREF color);
    COLORREF ForeColor() const { return foreColor_; }
    void SetFont(const FontDescription& font);
    const FontDescription& Font() const { return fontSpec_; }
    void SetFontBold(bool bold);

    // The background picture, drawn at the top-left corner under everything drawn.
    void SetPicture(PicturePtr picture);
    const PicturePtr& Picture() const { return picture_; }

    void SetCaption(std::wstring_view caption);
    std::wstring Caption() const;

    // Clears the back image to the background colour (and picture) and puts the text
    // cursor at (0, 0).
    void Cls();
    // The back image's DC, with the surface's font, text colour and a transparent text
    // background selected.
    HDC hDC();
    const BackImage& Image() const { return backImage_; }

    // Text cursor in the current units; Print advances it by one line and returns x to 0.
    double CurrentX() const;
    double CurrentY() const;
    void SetCurrentX(double x);
    void SetCurrentY(double y);
    double TextWidth(std::wstring_view text);
    double TextHeight(std::wstring_view text);
    void Print(std::wstring_view text);

    // Repaints the window from the back image now.
    void Refresh();
    // Marks the window for a repaint from the back image, which the message loop shows when it
    // next paints the window; while one is pending, asking again costs nothing.
    void Invalidate();

    ImageControl& AddImage(std::wstring name, RECT rect, PicturePtr picture = nullptr);
    // Makes the image's picture, visibility or tooltip change show. Tooltips appear once the
    // pointer has moved over the surface.
    void UpdateImage(ImageControl& image);

    // Mouse events over the surface itself (not over one of its images or child windows).
    MouseHandlers mouse;

protected:
    SurfaceWindow() = default;
    bool CreateSurface(DWORD exStyle, std::wstring_view title, DWORD style, int x, int y, int width, int height,
                       HWND parent);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Called after the back image has followed a size change.
    virtual void OnSized(WPARAM kind) { (void)kind; }

private:
    void Paint();
    void ApplyDrawingAttributes();
    void FillBackground();
    void OnMouseButton(UINT message, WPARAM wParam, LPARAM lParam);
    void OnMouseMove(WPARAM wParam, LPARAM lParam);
    int HitTest(int x, int y) const;  // index of the topmost visible image, or -1
    MouseHandlers& HandlersOf(int target);
    MouseEvent MakeEvent(int target, int button, WPARAM keys, LPARAM lParam) const;
    void EnsureToolTips();
    void RegisterToolTip(ImageControl& image);

    bool autoRedraw_ = false;
    ScaleMode scaleMode_ = ScaleMode::Twips;
    COLORREF backColor_ = GetSysColor(COLOR_BTNFACE);
    COLORREF foreColor_ = GetSysColor(COLOR_BTNTEXT);
    FontDescription fontSpec_;
    PicturePtr picture_;
    double currentX_ = 0;  // pixels
    double currentY_ = 0;
    std::vector<std::unique_ptr<ImageControl>> images_;
    HWND toolTips_ = nullptr;  // owned by this window, destroyed with it
    int pressedTarget_ = -2;   // -2: no press; -1: the surface; else an image index

    // Marks the window for a repaint from the back image, once until the repaint comes.
    void InvalidateImage();
    // Invalidates rect (all when null) of a window that shows; false for one that does not.
    bool InvalidateShown(const RECT* rect);

    UniqueFont font_;  // declared before the back image: the image's DC goes first
    // The font before the last change, kept: text drawn in two weights in turn (bold and
    // regular lines) then switches fonts without creating one each time.
    UniqueFont previousFont_;
    FontDescription previousFontSpec_;
    // The height of a text line in the current and the previous font; -1 until measured.
    int lineHeight_ = -1;
    int previousLineHeight_ = -1;
    int LineHeight();
    bool invalidated_ = false;
    BackImage backImage_;
};

}  // namespace platform
