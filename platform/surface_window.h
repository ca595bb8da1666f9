// A window with a persistent drawing surface, as forms, picture boxes and the button's own
// window have: a back image that keeps what is drawn, units of twips or pixels, colours, a
// font and a text cursor.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "platform/back_image.h"
#include "platform/font_description.h"
#include "platform/picture.h"
#include "platform/window.h"

namespace platform {

enum class ScaleMode { Twips = 1, Pixels = 3 };

class SurfaceWindow : public Window {
public:
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

protected:
    SurfaceWindow() = default;
    bool CreateSurface(DWORD exStyle, std::wstring_view title, DWORD style, int x, int y, int width, int height,
                       HWND parent);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Called after the back image has followed a size change.
    virtual void OnSized(WPARAM kind) { (void)kind; }
    // Draws over the back image (or background) on every repaint.
    virtual void PaintOver(HDC dc) { (void)dc; }
    // Invalidates rect (all when null) of a window that shows; false for one that does not.
    bool InvalidateShown(const RECT* rect);

private:
    void Paint();
    void ApplyDrawingAttributes();
    void FillBackground();

    bool autoRedraw_ = false;
    ScaleMode scaleMode_ = ScaleMode::Twips;
    COLORREF backColor_ = GetSysColor(COLOR_BTNFACE);
    COLORREF foreColor_ = GetSysColor(COLOR_BTNTEXT);
    FontDescription fontSpec_;
    PicturePtr picture_;
    double currentX_ = 0;  // pixels
    double currentY_ = 0;

    // Marks the window for a repaint from the back image, once until the repaint comes.
    void InvalidateImage();
    UniqueFont font_;  // declared before the back image, which keeps it selected and lets go first
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
