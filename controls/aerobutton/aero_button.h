// AeroButton: the program's owner-drawn button control. It keeps its properties, paints
// itself into its own window's persistent surface, and talks to its container only through
// a ControlSite (ambient properties, change notifications, access keys, events).
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "controls/aerobutton/button_accessible.h"
#include "controls/aerobutton/button_surface.h"
#include "controls/aerobutton/enumerations.h"
#include "controls/aerobutton/palette.h"
#include "controls/aerobutton/shape_geometry.h"
#include "controls/aerobutton/subclass.h"
#include "controls/aerobutton/type_info.h"
#include "platform/control_host.h"
#include "platform/control_site.h"
#include "platform/font_description.h"
#include "platform/picture.h"
#include "platform/property_bag.h"

namespace aerobutton {

using platform::PicturePtr;
using OleColor = std::uint32_t;

// The font a new instance starts with: Arial, 9 points, regular.
platform::FontDescription DesignFont();

// The access key a caption marks, as one character in lower case by the system's rules, or
// empty text when the caption marks none.
std::wstring AccessKeyFromCaption(std::wstring_view caption);

class AeroButton : private SurfaceNotifications,
                   private AccessibleButton,
                   public platform::HostedControl,
                   public SubclassOwner {
public:
    // Creates the button's window as a child of parent (pixels in its client area) and runs
    // the control's initialisation. Properties are then set by InitProperties or
    // ReadProperties. Throws platform::ControlError when the window cannot be created.
    AeroButton(platform::ControlSite& site, HWND parent, int x, int y, int width, int height);
    ~AeroButton();
    AeroButton(const AeroButton&) = delete;
    AeroButton& operator=(const AeroButton&) = delete;

    // ---- public properties ----
    OleColor BackColor() const { return backColor_; }
    void SetBackColor(OleColor value);
    std::int32_t ButtonShape() const { return buttonShape_; }
    void SetButtonShape(std::int32_t value);
    const std::wstring& TipText() const { return tipText_; }
    void SetTipText(std::wstring New_TipText);
    const std::wstring& Caption() const { return caption_; }
    void SetCaption(std::wstring value);
    Bool16 CheckBoxMode() const { return checkBoxMode_; }
    void SetCheckBoxMode(Bool16 value);
    Bool16 Enabled() const { return enabled_; }
    void SetEnabled(Bool16 value);
    platform::FontDescription Font() const;
    void SetFont(const platform::FontDescription& value);
    Bool16 FontBold() const;
    void SetFontBold(Bool16 value);
    Bool16 FontItalic() const;
    void SetFontItalic(Bool16 value);
    std::wstring FontName() const;
    void SetFontName(std::wstring value);
    float FontSize() const;
    void SetFontSize(float value);
    Bool16 FontStrikethru() const;
    void SetFontStrikethru(Bool16 value);
    Bool16 FontUnderline() const;
    void SetFontUnderline(Bool16 value);
    OleColor ForeColor() const { return foreColor_; }
    void SetForeColor(OleColor value);
    Bool16 HandPointer() const { return handPointer_; }
    void SetHandPointer(Bool16 value);
    HWND hWnd() const;
    OleColor MaskColor() const { return maskColor_; }
    void SetMaskColor(OleColor value);
    PicturePtr MouseIcon() const;
    void SetMouseIcon(PicturePtr value);
    std::int32_t MousePointer() const;
    void SetMousePointer(std::int32_t value);
    std::int32_t PictureAlignment() const { return pictureAlignment_; }
    void SetPictureAlignment(std::int32_t value);
    const PicturePtr& PictureDown() const { return pictureDown_; }
    void SetPictureDown(PicturePtr value);
    const PicturePtr& PictureHot() const { return pictureHot_; }
    void SetPictureHot(PicturePtr value);
    const PicturePtr& PictureNormal() const { return pictureNormal_; }
    void SetPictureNormal(PicturePtr value);
    std::int32_t PictureOpacity() const;  // percent
    void SetPictureOpacity(std::int32_t percent);
    std::int32_t PictureSize() const { return pictureSize_; }
    void SetPictureSize(std::int32_t value);
    std::int32_t PictureSizeH() const { return pictureSizeH_; }
    void SetPictureSizeH(std::int32_t value);
    std::int32_t PictureSizeW() const { return pictureSizeW_; }
    void SetPictureSizeW(std::int32_t value);
    Bool16 UseMaskColor() const { return useMaskColor_; }
    void SetUseMaskColor(Bool16 value);
    Bool16 Value() const { return value_; }
    void SetValue(Bool16 value);

    // ---- public methods ----
    // Forces a complete repaint: the layout and region are rebuilt.
    void Refresh();
    // 0x00BBGGRR for an OLE colour; a colour the system cannot translate gives 0 (black).
    static std::uint32_t TranslateColor(OleColor theColor);

    // ---- lifecycle, called by the container ----
    void InitProperties();
    void ReadProperties(const platform::PropertyBag& bag);
    void WriteProperties(platform::PropertyBag& bag) const;
    void Show();
    void Hide();

    // ---- painting ----
    // The paint request: state -1 means the current state. Nothing happens while hidden, nor
    // without force when neither the state nor the focus changed since the last paint.
    void Redraw(std::int32_t state, bool force);

    // ---- state the painting, interaction and tests read ----
    std::int32_t VisualState() const { return visualState_; }
    float PictureOpacityFraction() const { return pictureOpacity_; }
    const Palette& CurrentPalette() const { return palette_; }
    bool LayoutDirty() const { return layoutDirty_; }
    bool IsReady() const { return isReady_; }
    bool IsHidden() const { return isHidden_; }
    bool HasFocus() const { return hasFocus_; }
    bool IsPressed() const { return isPressed_; }
    bool IsMouseOver() const { return isMouseOver_; }
    bool IsMouseHeld() const { return isMouseHeld_; }
    bool IsSpaceHeld() const { return isSpaceHeld_; }
    bool IsParentActive() const { return isParentActive_; }
    bool IsDefault() const { return isDefault_; }
    bool IsWinNT() const { return isWinNT_; }
    std::int16_t LastMouseButton() const { return lastMouseButton_; }
    int ClientWidth() const { return clientWidth_; }
    int ClientHeight() const { return clientHeight_; }
    const PixelRect& TextRect() const { return textRect_; }
    const PixelRect& PicRect() const { return picRect_; }
    ButtonSurface& Surface() { return *surface_; }
    const ButtonSurface& Surface() const { return *surface_; }

    // Run-time flags that the container's input and a workbench set directly.
    void SetRunTimeFlags(bool hasFocus, bool isParentActive, bool isDefault, bool isMouseOver, bool isMouseHeld,
                         bool isPressed, bool isSpaceHeld);

    // The click procedure: runs only for a click initiated by the left button (or by the
    // keyboard or code) while no press is in progress.
    void ClickProcedure();

    // ---- what the container calls ----
    HWND ControlWindow() const override { return hWnd(); }
    bool ControlEnabled() const override { return enabled_ != 0; }
    void AccessKeyPress(std::int16_t keyAscii) override { OnAccessKeyPress(keyAscii); }
    void AmbientChanged(std::wstring_view propertyName) override { OnAmbientChanged(propertyName); }

    // ---- notifications from the container and the button's window (aero_button_input.cpp) ----
    // Mouse buttons 1 left, 2 right, 4 middle (a set while moving); Shift 1, Ctrl 2, Alt 4;
    // X and Y in the surface's units.
    void OnMouseDown(std::int16_t button, std::int16_t shift, float x, float y) override;
    void OnMouseMove(std::int16_t button, std::int16_t shift, float x, float y) override;
    void OnMouseUp(std::int16_t button, std::int16_t shift, float x, float y) override;
    // A press and release of a mouse button over the button.
    void OnClick() override;
    // The second press of a double-click, arriving instead of a mouse down.
    void OnDblClick() override;
    void OnKeyDown(std::int16_t keyCode, std::int16_t shift) override;
    void OnKeyPress(std::int16_t keyAscii) override;
    void OnKeyUp(std::int16_t keyCode, std::int16_t shift) override;
    // Alt plus the access key, or Enter (13) and Esc (27) for a default or cancel button.
    void OnAccessKeyPress(std::int16_t keyAscii);
    void OnGotFocus() override;
    void OnLostFocus() override;
    void OnAmbientChanged(std::wstring_view propertyName);
    // Messages of the subclassed windows, after their own procedures ran: WM_MOUSELEAVE on the
    // button's window, WM_ACTIVATE or WM_NCACTIVATE on its form.
    void OnSubclassMessage(bool before, bool& handled, LRESULT& result, HWND window, UINT message, WPARAM wParam,
                           LPARAM lParam, LONG_PTR& userValue) override;
    bool HasTrackMouseEvent() const { return hasTrackMouseEvent_; }
    // The subclasses attached by a run-time load; null at design time and after termination.
    const SubclassTable* Subclasses() const { return subclasses_.get(); }
    // Drag and drop are forwarded to the container as they come.
    void OnOLEDragDrop(platform::Variant& data, std::int32_t& effect, std::int16_t& button, std::int16_t& shift,
                       float& x, float& y);
    void OnOLEDragOver(platform::Variant& data, std::int32_t& effect, std::int16_t& button, std::int16_t& shift,
                       float& x, float& y, std::int16_t& state);
    void OnCompleteDrag(std::int32_t& effect);

private:
    // The smallest client area side: a resize below it grows back, and nothing is painted
    // before both sides reach it.
    static constexpr int kMinimumSide = 15;
    // The system's hand pointer (IDC_HAND), by number for the ANSI loader.
    static constexpr WORD kHandCursorId = 32649;
    // What accessibility clients are told (aero_button_accessible.cpp).
    AccessibleFacts Facts() const override;
    std::wstring AccessibleCaption() const override { return caption_; }
    HWND AccessibleWindow() const override { return hWnd(); }
    bool QueueAccessibleClick() override;
    // Tells listening clients when the state they see has changed since they were last told.
    void ReportAccessibleState();
    struct StateReport {
        AeroButton& button;
        ~StateReport() { button.ReportAccessibleState(); }
    };

    void Notify(std::wstring_view key) { site_.PropertyChanged(key); }
    void Repaint() { Redraw(-1, true); }
    void RaiseEvent(std::int32_t id, std::wstring_view name, std::vector<platform::Variant> arguments = {});
    void RaiseMouseEvent(std::int32_t id, std::wstring_view name, std::int16_t button, std::int16_t shift, float x,
                         float y);
    void Capture();
    void ReleaseCapture();
    void ApplyAccessKeys();
    void SetStatePicture(PicturePtr& slot, PicturePtr value, bool onShow, std::wstring_view key);

    // Painting: the sequence, the palette and the resize handler (aero_button_paint.cpp);
    // the picture and caption and their layout (aero_button_content.cpp).
    void PaintButton(std::int32_t state);
    void RefreshPalette();
    void OnResize();
    void PaintContent(std::int32_t state);
    const PicturePtr& StatePicture() const;
    void DrawButtonPicture(const platform::Picture& picture);
    void LayoutContent(int marginY, int marginX);

    // Tracking (aero_button_tracking.cpp).
    void AttachTracking();
    void DetachTracking();
    void ArmLeave();

    platform::ControlSite& site_;
    std::unique_ptr<ButtonSurface> surface_;

    // Persisted properties.
    std::wstring tipText_;
    OleColor backColor_ = 0;
    std::wstring caption_;
    Bool16 checkBoxMode_ = kFalse;
    Bool16 enabled_ = kFalse;
    OleColor foreColor_ = 0;
    Bool16 handPointer_ = kFalse;
    OleColor maskColor_ = 0;
    std::int32_t pictureAlignment_ = 0;
    PicturePtr pictureDown_;
    PicturePtr pictureHot_;
    PicturePtr pictureNormal_;
    float pictureOpacity_ = 0.0f;
    std::int32_t pictureSize_ = 0;
    std::int32_t pictureSizeH_ = 0;
    std::int32_t pictureSizeW_ = 0;
    std::int32_t buttonShape_ = 0;
    Bool16 useMaskColor_ = kFalse;
    Bool16 value_ = kFalse;
    std::int32_t visualState_ = 0;

    // Run-time state.
    bool hasFocus_ = false;
    bool isPressed_ = false;
    bool layoutDirty_ = false;
    bool isHidden_ = false;
    bool isTracking_ = false;
    bool isWinNT_ = false;
    bool isMouseHeld_ = false;
    bool isMouseOver_ = false;
    bool isParentActive_ = false;
    bool isReady_ = false;
    bool isSpaceHeld_ = false;
    bool hasTrackMouseEvent_ = false;
    std::int16_t lastMouseButton_ = 0;
    HCURSOR handCursor_ = nullptr;  // a shared system cursor: never destroyed
    bool isDefault_ = false;
    bool drawnFocus_ = false;
    int clientHeight_ = 0;
    int clientWidth_ = 0;

    ButtonAccessible accessible_{*this};
    long reportedState_ = -1;  // the state flags clients were last told of; -1 before

    std::unique_ptr<SubclassTable> subclasses_;
    Palette palette_;
    PixelRect textRect_{};
    PixelRect picRect_{};
};

}  // namespace aerobutton
