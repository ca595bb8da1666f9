// The control's properties and methods: each setter stores, performs its side effect
// (palette, layout or repaint) and then tells the container which persisted value changed.
#include "controls/aerobutton/aero_button.h"

#include <olectl.h>

#include <algorithm>
#include <cmath>

#include "controls/aerobutton/access_key.h"
#include "platform/control_error.h"
#include "platform/input_state.h"
#include "platform/rounding.h"
#include "platform/text_case.h"

namespace aerobutton {

namespace {
// The square sizes of the fixed picture size modes, indexed by mode.
constexpr std::int32_t kFixedPictureSizes[] = {0, 16, 24, 32, 48};
}  // namespace

AeroButton::AeroButton(platform::ControlSite& site, HWND parent, int x, int y, int width, int height)
    : site_(site), surface_(ButtonSurface::Create(parent, x, y, width, height)) {
    if (!surface_) throw platform::ControlError(-1, "The button's window could not be created.");
    surface_->resized = [this] { OnResize(); };
    surface_->SetFont(DesignFont());
    surface_->notifications = this;
    surface_->SetAccessibleSource(&accessible_);
    // An accessibility client's click is a code click.
    surface_->defaultAction = [this] {
        if (!enabled_) return;
        lastMouseButton_ = platform::kLeftButton;
        ClickProcedure();
    };

    // Initialise: the platform family decides which text call draws the caption.
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    isWinNT_ = GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT;
#pragma GCC diagnostic pop
    isReady_ = false;
    // Hollow fill: a rectangle drawn on the surface is an outline that leaves its inside alone.
    // It is a setting of the surface's DC, left selected on purpose and not through a guard: a
    // stock brush is never deleted, so nothing has to be put back before anything goes, and a
    // guard kept here would outlive the DC, which the surface replaces when its image grows.
    SelectObject(surface_->hDC(), GetStockObject(NULL_BRUSH));

    RECT client{};
    GetClientRect(surface_->hwnd(), &client);
    clientWidth_ = client.right;
    clientHeight_ = client.bottom;
    // The size the window was created with never reached the resize handler; a window below
    // the minimum grows to it now.
    if (clientWidth_ < kMinimumSide || clientHeight_ < kMinimumSide) OnResize();
}

void AeroButton::RaiseEvent(std::int32_t id, std::wstring_view name, std::vector<platform::Variant> arguments) {
    platform::ControlEvent event{id, name, std::move(arguments)};
    site_.RaiseEvent(event);
}

std::wstring AccessKeyFromCaption(std::wstring_view caption) {
    // Lower case by the system's rules, as the container compares the keys typed.
    return platform::LowerCase(MarkedAccessKey(caption));
}

void AeroButton::ApplyAccessKeys() { site_.SetAccessKeys(AccessKeyFromCaption(caption_)); }

HWND AeroButton::hWnd() const { return surface_->hwnd(); }

void AeroButton::SetBackColor(OleColor value) {
    backColor_ = value;
    RefreshPalette();
    Repaint();
    Notify(L"BackColor");
}

void AeroButton::SetButtonShape(std::int32_t value) {
    buttonShape_ = value;
    Refresh();
    Notify(L"ButtonShape");
}

void AeroButton::SetTipText(std::wstring New_TipText) {
    tipText_ = std::move(New_TipText);
    Notify(L"TipText");
    Refresh();
}

void AeroButton::SetCaption(std::wstring value) {
    const bool renamed = value != caption_;
    caption_ = std::move(value);
    if (renamed) surface_->NotifyAccessible(EVENT_OBJECT_NAMECHANGE);
    ApplyAccessKeys();
    Refresh();
    Notify(L"Caption");
}

void AeroButton::SetCheckBoxMode(Bool16 value) {
    checkBoxMode_ = ToBool16(value != 0);
    if (!value && value_) {
        value_ = kFalse;
        Notify(L"Value");
    }
    Repaint();
    Notify(L"CheckBox");
}

void AeroButton::SetEnabled(Bool16 value) {
    enabled_ = ToBool16(value != 0);
    surface_->SetEnabled(value != 0);
    if (value) {
        Redraw(isMouseOver_ ? StateHot : StateNormal, false);
    } else {
        Redraw(StateDisabled, false);
    }
    Notify(L"Enabled");
}

platform::FontDescription AeroButton::Font() const { return surface_->Font(); }

void AeroButton::SetFont(const platform::FontDescription& value) {
    surface_->SetFont(value);
    Refresh();
    Notify(L"Font");
}

Bool16 AeroButton::FontBold() const { return ToBool16(surface_->Font().bold); }
Bool16 AeroButton::FontItalic() const { return ToBool16(surface_->Font().italic); }
std::wstring AeroButton::FontName() const { return surface_->Font().name; }
float AeroButton::FontSize() const { return surface_->Font().size; }
Bool16 AeroButton::FontStrikethru() const { return ToBool16(surface_->Font().strikethrough); }
Bool16 AeroButton::FontUnderline() const { return ToBool16(surface_->Font().underline); }

// The font attribute setters change the surface font and relayout, without a notification.
void AeroButton::SetFontBold(Bool16 value) {
    auto font = surface_->Font();
    font.bold = value != 0;
    surface_->SetFont(font);
    Refresh();
}

void AeroButton::SetFontItalic(Bool16 value) {
    auto font = surface_->Font();
    font.italic = value != 0;
    surface_->SetFont(font);
    Refresh();
}

void AeroButton::SetFontName(std::wstring value) {
    auto font = surface_->Font();
    font.name = std::move(value);
    surface_->SetFont(font);
    Refresh();
}

void AeroButton::SetFontSize(float value) {
    auto font = surface_->Font();
    font.size = value;
    surface_->SetFont(font);
    Refresh();
}

void AeroButton::SetFontStrikethru(Bool16 value) {
    auto font = surface_->Font();
    font.strikethrough = value != 0;
    surface_->SetFont(font);
    Refresh();
}

void AeroButton::SetFontUnderline(Bool16 value) {
    auto font = surface_->Font();
    font.underline = value != 0;
    surface_->SetFont(font);
    Refresh();
}

void AeroButton::SetForeColor(OleColor value) {
    foreColor_ = value;
    if (enabled_) {
        RefreshPalette();
        Repaint();
    }
    Notify(L"ForeColor");
}

void AeroButton::SetHandPointer(Bool16 value) {
    handPointer_ = ToBool16(value != 0);
    Notify(L"HandPointer");
}

void AeroButton::SetMaskColor(OleColor value) {
    maskColor_ = value;
    palette_.MaskColorRGB = TranslateColor(value);
    Repaint();
    Notify(L"MaskColor");
}

PicturePtr AeroButton::MouseIcon() const { return surface_->MouseIcon(); }

void AeroButton::SetMouseIcon(PicturePtr value) {
    const bool none = !value;
    surface_->SetMouseIcon(std::move(value));
    SetMousePointer(none ? kPointerDefault : kPointerCustom);
    Notify(L"MouseIcon");
}

std::int32_t AeroButton::MousePointer() const { return surface_->MousePointer(); }

void AeroButton::SetMousePointer(std::int32_t value) {
    if (value != kPointerCustom && handPointer_) SetHandPointer(kFalse);
    surface_->SetMousePointer(static_cast<std::int16_t>(value));
    Notify(L"MousePointer");
}

void AeroButton::SetPictureAlignment(std::int32_t value) {
    pictureAlignment_ = value;
    Refresh();
    Notify(L"PicAlign");
}

void AeroButton::SetPictureNormal(PicturePtr value) {
    if (!value) {
        SetPictureDown(nullptr);
        SetPictureHot(nullptr);
        pictureOpacity_ = 0.0f;
    } else if (pictureOpacity_ == 0.0f) {
        pictureOpacity_ = 1.0f;
    }
    pictureNormal_ = std::move(value);
    // The picture size follows the new picture.
    SetPictureSize(pictureSize_);
    Refresh();
    Notify(L"PicNormal");
    Notify(L"PicOpacity");
}

// The down and hot pictures: none clears one; without a normal picture the given one becomes
// the normal picture instead; one of another size than the normal picture switches a natural
// size to custom. The surface repaints only if the picture can be on show.
void AeroButton::SetStatePicture(PicturePtr& slot, PicturePtr value, bool onShow, std::wstring_view key) {
    if (value) {
        if (!pictureNormal_) {
            SetPictureNormal(std::move(value));
            return;
        }
        if (pictureSize_ == PicSizeNatural && (value->WidthHimetric() != pictureNormal_->WidthHimetric() ||
                                               value->HeightHimetric() != pictureNormal_->HeightHimetric())) {
            SetPictureSize(PicSizeCustom);
        }
    }
    slot = std::move(value);
    if (onShow) Repaint();
    Notify(key);
}

void AeroButton::SetPictureDown(PicturePtr value) {
    SetStatePicture(pictureDown_, std::move(value), isPressed_, L"PicDown");
}

void AeroButton::SetPictureHot(PicturePtr value) {
    SetStatePicture(pictureHot_, std::move(value), isMouseOver_, L"PicHot");
}

std::int32_t AeroButton::PictureOpacity() const {
    return platform::RoundHalfEven(static_cast<double>(pictureOpacity_) * 100.0);
}

void AeroButton::SetPictureOpacity(std::int32_t percent) {
    const float limited = std::clamp(static_cast<float>(percent), 10.0f, 100.0f);
    pictureOpacity_ = static_cast<float>(static_cast<double>(limited) / 100.0);
    Repaint();
    Notify(L"PicOpacity");
}

void AeroButton::SetPictureSize(std::int32_t value) {
    if (!pictureNormal_) {
        pictureSize_ = 0;
        pictureSizeW_ = 0;
        pictureSizeH_ = 0;
    } else {
        pictureSize_ = value;
        if (value == PicSizeNatural) {
            pictureSizeH_ = pictureNormal_->HeightPixels();
            pictureSizeW_ = pictureNormal_->WidthPixels();
        } else if (value >= PicSize16 && value <= PicSize48) {
            pictureSizeH_ = kFixedPictureSizes[value];
            pictureSizeW_ = kFixedPictureSizes[value];
        }
        // Custom and unknown modes keep the sizes as they are.
    }
    Refresh();
    Notify(L"PicSize");
    Notify(L"PicSizeH");
    Notify(L"PicSizeW");
}

void AeroButton::SetPictureSizeH(std::int32_t value) {
    pictureSize_ = PicSizeCustom;
    pictureSizeH_ = value;
    Refresh();
    Notify(L"PicSize");
    Notify(L"PicSizeH");
}

void AeroButton::SetPictureSizeW(std::int32_t value) {
    pictureSize_ = PicSizeCustom;
    pictureSizeW_ = value;
    Refresh();
    Notify(L"PicSize");
    Notify(L"PicSizeW");
}

void AeroButton::SetUseMaskColor(Bool16 value) {
    useMaskColor_ = ToBool16(value != 0);
    Repaint();
    Notify(L"UseMask");
}

void AeroButton::SetValue(Bool16 value) {
    value_ = ToBool16(value != 0);
    if (!value || checkBoxMode_) {
        Repaint();
    } else if (site_.AmbientUserMode()) {
        lastMouseButton_ = 1;
        ClickProcedure();
    } else {
        value_ = kFalse;
    }
    Notify(L"Value");
}

void AeroButton::Refresh() {
    layoutDirty_ = true;
    Redraw(-1, true);
}

std::uint32_t AeroButton::TranslateColor(OleColor theColor) {
    COLORREF colour = 0;
    // A colour the system rejects leaves the output at 0: black, as documented.
    (void)OleTranslateColor(theColor, nullptr, &colour);
    return colour;
}

void AeroButton::SetRunTimeFlags(bool hasFocus, bool isParentActive, bool isDefault, bool isMouseOver, bool isMouseHeld,
                                 bool isPressed, bool isSpaceHeld) {
    hasFocus_ = hasFocus;
    isParentActive_ = isParentActive;
    isDefault_ = isDefault;
    isMouseOver_ = isMouseOver;
    isMouseHeld_ = isMouseHeld;
    isPressed_ = isPressed;
    isSpaceHeld_ = isSpaceHeld;
}

void AeroButton::ClickProcedure() {
    if (isPressed_ || lastMouseButton_ != 1) return;
    isMouseHeld_ = false;
    isSpaceHeld_ = false;
    if (checkBoxMode_) value_ = static_cast<Bool16>(~value_);
    if (isMouseOver_) {
        Redraw(StateHot, checkBoxMode_ != 0);
    } else {
        Redraw(StateNormal, true);
    }
    RaiseEvent(event_id::Click, L"Click");
    if (!checkBoxMode_) value_ = kFalse;
}

}  // namespace aerobutton
