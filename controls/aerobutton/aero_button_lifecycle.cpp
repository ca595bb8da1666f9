// The control's life: the values of a newly placed instance, loading from and saving to the
// container's property bag, showing, hiding and termination.
#include "controls/aerobutton/aero_button.h"

#include <algorithm>
#include <memory>

#include "platform/variant_convert.h"

namespace aerobutton {

using platform::Boolean;
using platform::FontDescription;
using platform::Variant;

namespace {
constexpr OleColor kDefaultBackColor = 0xE6E6E6;
constexpr OleColor kDefaultMaskColor = 0xC0C0C0;
constexpr wchar_t kDefaultTipText[] = L"ToolTip";

Variant FontValue(const FontDescription& font) { return std::make_shared<const FontDescription>(font); }
Variant BoolValue(Bool16 value) { return Boolean{value}; }
Variant BoolValue(bool value) { return Boolean{ToBool16(value)}; }
Variant ColorValue(OleColor value) { return static_cast<std::int32_t>(value); }
Variant PictureValue(const PicturePtr& picture) {
    if (!picture) return platform::Empty{};
    return picture;
}

// The stored opacity fraction, limited to 0..1: blending with a value outside would push
// colour channels out of their range. (A value that is not a finite number never gets here:
// the conversion refuses it.)
float StoredOpacity(float fraction) { return std::clamp(fraction, 0.0f, 1.0f); }
}  // namespace

// The design font every instance starts with; a new instance takes only the container's
// face name.
FontDescription DesignFont() {
    FontDescription font;
    font.name = L"Arial";
    font.size = 9.0f;
    return font;
}

AeroButton::~AeroButton() {
    // Terminate. The hand cursor is a shared system cursor: forgetting it releases it without
    // destroying it for others.
    if (handPointer_) handCursor_ = nullptr;
    try {
        if (site_.AmbientUserMode()) DetachTracking();
    } catch (...) {
        // Nothing may escape termination: a failed detach leaves nothing to undo.
    }
    surface_->notifications = nullptr;
    surface_->resized = nullptr;
    surface_->defaultAction = nullptr;
    surface_->SetAccessibleSource(nullptr);
}

void AeroButton::InitProperties() {
    backColor_ = kDefaultBackColor;
    caption_ = site_.AmbientDisplayName();
    checkBoxMode_ = kFalse;
    enabled_ = kTrue;
    FontDescription font = surface_->Font();
    font.name = site_.AmbientFont().name;
    surface_->SetFont(font);
    foreColor_ = site_.AmbientForeColor();
    maskColor_ = kDefaultMaskColor;
    pictureAlignment_ = PicAlignLeft;
    pictureDown_ = nullptr;
    pictureHot_ = nullptr;
    pictureNormal_ = nullptr;
    pictureOpacity_ = 1.0f;
    pictureSize_ = PicSizeNatural;
    useMaskColor_ = kTrue;
    value_ = kFalse;
    RefreshPalette();
    isReady_ = true;
}

void AeroButton::ReadProperties(const platform::PropertyBag& bag) {
    using namespace platform;
    backColor_ = static_cast<OleColor>(ToInt32(bag.ReadProperty(L"BackColor", ColorValue(kDefaultBackColor))));
    buttonShape_ = ToInt32(bag.ReadProperty(L"ButtonShape", std::int32_t{0}));
    caption_ = ToText(bag.ReadProperty(L"Caption", site_.AmbientDisplayName()));
    checkBoxMode_ = ToBoolean(bag.ReadProperty(L"CheckBox", BoolValue(false)));
    enabled_ = ToBoolean(bag.ReadProperty(L"Enabled", BoolValue(true)));
    foreColor_ = static_cast<OleColor>(ToInt32(bag.ReadProperty(L"ForeColor", ColorValue(site_.AmbientForeColor()))));
    handPointer_ = ToBoolean(bag.ReadProperty(L"HandPointer", BoolValue(false)));
    maskColor_ = static_cast<OleColor>(ToInt32(bag.ReadProperty(L"MaskColor", ColorValue(kDefaultMaskColor))));
    pictureAlignment_ = ToInt32(bag.ReadProperty(L"PicAlign", std::int32_t{PicAlignLeft}));
    pictureDown_ = ToPicture(bag.ReadProperty(L"PicDown", Empty{}));
    pictureHot_ = ToPicture(bag.ReadProperty(L"PicHot", Empty{}));
    pictureNormal_ = ToPicture(bag.ReadProperty(L"PicNormal", Empty{}));
    pictureOpacity_ = StoredOpacity(ToSingle(bag.ReadProperty(L"PicOpacity", 1.0f)));
    pictureSize_ = ToInt32(bag.ReadProperty(L"PicSize", std::int32_t{0}));
    pictureSizeH_ = ToInt32(bag.ReadProperty(L"PicSizeH", std::int32_t{0}));
    pictureSizeW_ = ToInt32(bag.ReadProperty(L"PicSizeW", std::int32_t{0}));
    visualState_ = ToInt32(bag.ReadProperty(L"State", std::int32_t{0}));
    useMaskColor_ = ToBoolean(bag.ReadProperty(L"UseMask", BoolValue(true)));
    value_ = ToBoolean(bag.ReadProperty(L"Value", BoolValue(false)));

    SetTipText(ToText(bag.ReadProperty(L"TipText", std::wstring(kDefaultTipText))));

    const auto font = ToFont(bag.ReadProperty(L"Font", FontValue(site_.AmbientFont())));
    if (font) surface_->SetFont(*font);
    surface_->SetMouseIcon(ToPicture(bag.ReadProperty(L"MouseIcon", Empty{})));
    surface_->SetMousePointer(ToInt16(bag.ReadProperty(L"MousePointer", std::int16_t{0})));

    ApplyAccessKeys();
    surface_->SetEnabled(enabled_ != 0);

    if (site_.AmbientUserMode()) {
        if (handPointer_) {
            handCursor_ = LoadCursorA(nullptr, MAKEINTRESOURCEA(kHandCursorId));
            handPointer_ = ToBool16(handCursor_ != nullptr);
        }
        AttachTracking();
    }

    RefreshPalette();
    layoutDirty_ = true;
    Redraw(visualState_, true);
    isReady_ = true;
}

void AeroButton::WriteProperties(platform::PropertyBag& bag) const {
    using platform::Empty;
    bag.WriteProperty(L"BackColor", ColorValue(backColor_), ColorValue(kDefaultBackColor));
    bag.WriteProperty(L"ButtonShape", buttonShape_, std::int32_t{0});
    bag.WriteProperty(L"Caption", caption_, site_.AmbientDisplayName());
    bag.WriteProperty(L"CheckBox", BoolValue(checkBoxMode_), BoolValue(false));
    bag.WriteProperty(L"Enabled", BoolValue(enabled_), BoolValue(true));
    bag.WriteProperty(L"Font", FontValue(surface_->Font()), FontValue(site_.AmbientFont()));
    bag.WriteProperty(L"ForeColor", ColorValue(foreColor_), ColorValue(site_.AmbientForeColor()));
    bag.WriteProperty(L"HandPointer", BoolValue(handPointer_), BoolValue(false));
    bag.WriteProperty(L"MaskColor", ColorValue(maskColor_), ColorValue(kDefaultMaskColor));
    bag.WriteProperty(L"MouseIcon", PictureValue(surface_->MouseIcon()), Empty{});
    bag.WriteProperty(L"MousePointer", surface_->MousePointer(), std::int16_t{0});
    bag.WriteProperty(L"PicAlign", pictureAlignment_, std::int32_t{PicAlignLeft});
    bag.WriteProperty(L"PicDown", PictureValue(pictureDown_), Empty{});
    bag.WriteProperty(L"PicHot", PictureValue(pictureHot_), Empty{});
    bag.WriteProperty(L"PicNormal", PictureValue(pictureNormal_), Empty{});
    bag.WriteProperty(L"PicOpacity", pictureOpacity_, 1.0f);
    bag.WriteProperty(L"PicSize", pictureSize_, std::int32_t{0});
    bag.WriteProperty(L"PicSizeH", pictureSizeH_, std::int32_t{0});
    bag.WriteProperty(L"PicSizeW", pictureSizeW_, std::int32_t{0});
    bag.WriteProperty(L"State", visualState_, std::int32_t{0});
    bag.WriteProperty(L"UseMask", BoolValue(useMaskColor_), BoolValue(true));
    bag.WriteProperty(L"Value", BoolValue(value_), BoolValue(false));
    bag.WriteProperty(L"TipText", tipText_, std::wstring(kDefaultTipText));
}

void AeroButton::Show() {
    isHidden_ = false;
    ReportAccessibleState();
}

void AeroButton::Hide() {
    isHidden_ = true;
    ReportAccessibleState();
}

}  // namespace aerobutton
