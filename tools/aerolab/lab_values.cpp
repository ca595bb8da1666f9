#include "tools/aerolab/lab_values.h"

#include <memory>
#include <sstream>

#include "platform/control_error.h"
#include "platform/ignoring_case.h"
#include "platform/picture_file.h"
#include "platform/variant_convert.h"
#include "tools/aerolab/lab_format.h"

namespace aerolab {

using aerobutton::AeroButton;
using aerobutton::Bool16;
using platform::FontDescription;
using platform::Variant;

namespace {

[[noreturn]] void Bad(const std::string& what, std::string_view text, const char* expected) {
    throw BadArgument(what + ": \"" + std::string(text) + "\" is not " + expected);
}

std::optional<FontDescription> ParseFont(std::string_view text) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in{std::string(text)};
    while (std::getline(in, part, ',')) parts.push_back(part);
    if (parts.size() < 2 || parts[0].empty()) return std::nullopt;
    const auto size = ParseFloat(parts[1]);
    if (!size || *size <= 0) return std::nullopt;
    FontDescription font;
    font.name = FromUtf8(parts[0]);
    font.size = *size;
    for (std::size_t i = 2; i < parts.size(); ++i) {
        if (parts[i] == "bold")
            font.bold = true;
        else if (parts[i] == "italic")
            font.italic = true;
        else if (parts[i] == "underline")
            font.underline = true;
        else if (parts[i] == "strikethru")
            font.strikethrough = true;
        else
            return std::nullopt;
    }
    return font;
}

std::string FormatFont(const FontDescription& font) {
    std::string out = ToUtf8(font.name) + "," + FormatFloat(font.size);
    if (font.bold) out += ",bold";
    if (font.italic) out += ",italic";
    if (font.underline) out += ",underline";
    if (font.strikethrough) out += ",strikethru";
    return out;
}

}  // namespace

Variant ParseValue(Kind kind, std::string_view text, const std::string& what) {
    switch (kind) {
        case Kind::Bool:
            if (const auto value = ParseBool(text)) return platform::Boolean{*value};
            Bad(what, text, "a boolean (-1, 0, true or false)");
        case Kind::Colour:
        case Kind::Int32:
            if (const auto value = ParseInt32(text)) return *value;
            Bad(what, text, "a 32-bit integer");
        case Kind::Int16:
            if (const auto value = ParseInt32(text); value && *value >= -32768 && *value <= 32767)
                return static_cast<std::int16_t>(*value);
            Bad(what, text, "a 16-bit integer");
        case Kind::Float:
            if (const auto value = ParseFloat(text)) return *value;
            Bad(what, text, "a number");
        case Kind::Text: return FromUtf8(text);
        case Kind::Picture:
            if (text == "none") return platform::Empty{};
            try {
                return platform::LoadPictureFile(FromUtf8(text));
            } catch (const platform::ControlError& error) {
                throw BadArgument(what + ": cannot read the picture \"" + std::string(text) + "\": " + error.what());
            }
        case Kind::Font:
            if (const auto font = ParseFont(text)) return std::make_shared<const FontDescription>(*font);
            Bad(what, text, "a font (Name,Size[,bold][,italic][,underline][,strikethru])");
        case Kind::Handle: break;
    }
    throw BadArgument(what + " cannot be set");
}

std::string FormatValue(Kind kind, const Variant& value) {
    switch (kind) {
        case Kind::Bool: return FormatBool(platform::ToBoolean(value));
        case Kind::Colour: return FormatColour(static_cast<std::uint32_t>(platform::ToInt32(value)));
        case Kind::Int32: return FormatInt(platform::ToInt32(value));
        case Kind::Int16: return FormatInt(platform::ToInt16(value));
        case Kind::Float: return FormatFloat(platform::ToSingle(value));
        case Kind::Text: return FormatText(platform::ToText(value));
        case Kind::Picture: {
            const auto picture = platform::ToPicture(value);
            if (!picture) return "none";
            const char* type = picture->Type() == platform::PictureType::Bitmap ? "bitmap" : "icon";
            return std::string(type) + " " + std::to_string(picture->WidthPixels()) + "x" +
                   std::to_string(picture->HeightPixels());
        }
        case Kind::Font: {
            const auto font = platform::ToFont(value);
            return font ? FormatFont(*font) : "none";
        }
        case Kind::Handle:
            if (const auto* number = std::get_if<double>(&value)) return FormatInt(static_cast<std::int64_t>(*number));
            return "0";
    }
    return "";
}

const std::vector<BagKey>& BagKeys() {
    static const std::vector<BagKey> keys = {
        {L"BackColor", Kind::Colour},  {L"ButtonShape", Kind::Int32},  {L"Caption", Kind::Text},
        {L"CheckBox", Kind::Bool},     {L"Enabled", Kind::Bool},       {L"Font", Kind::Font},
        {L"ForeColor", Kind::Colour},  {L"HandPointer", Kind::Bool},   {L"MaskColor", Kind::Colour},
        {L"MouseIcon", Kind::Picture}, {L"MousePointer", Kind::Int16}, {L"PicAlign", Kind::Int32},
        {L"PicDown", Kind::Picture},   {L"PicHot", Kind::Picture},     {L"PicNormal", Kind::Picture},
        {L"PicOpacity", Kind::Float},  {L"PicSize", Kind::Int32},      {L"PicSizeH", Kind::Int32},
        {L"PicSizeW", Kind::Int32},    {L"State", Kind::Int32},        {L"UseMask", Kind::Bool},
        {L"Value", Kind::Bool},        {L"TipText", Kind::Text},
    };
    return keys;
}

const BagKey* FindBagKey(std::wstring_view name) {
    for (const auto& key : BagKeys()) {
        if (platform::EqualsIgnoringCase(key.key, name)) return &key;
    }
    return nullptr;
}

namespace {
Variant B(Bool16 value) { return platform::Boolean{value}; }
Variant C(std::uint32_t value) { return static_cast<std::int32_t>(value); }
Variant P(const platform::PicturePtr& picture) {
    if (!picture) return platform::Empty{};
    return picture;
}
Bool16 ToB(const Variant& v) { return platform::ToBoolean(v); }
std::uint32_t ToC(const Variant& v) { return static_cast<std::uint32_t>(platform::ToInt32(v)); }
}  // namespace

const std::vector<PublicProperty>& PublicProperties() {
    using platform::ToInt32;
    using platform::ToPicture;
    using platform::ToSingle;
    using platform::ToText;
    static const std::vector<PublicProperty> properties = {
        {L"BackColor", Kind::Colour, [](AeroButton& b) { return C(b.BackColor()); },
         [](AeroButton& b, const Variant& v) { b.SetBackColor(ToC(v)); }},
        {L"ButtonShape", Kind::Int32, [](AeroButton& b) -> Variant { return b.ButtonShape(); },
         [](AeroButton& b, const Variant& v) { b.SetButtonShape(ToInt32(v)); }},
        {L"TipText", Kind::Text, [](AeroButton& b) -> Variant { return b.TipText(); },
         [](AeroButton& b, const Variant& v) { b.SetTipText(ToText(v)); }},
        {L"Caption", Kind::Text, [](AeroButton& b) -> Variant { return b.Caption(); },
         [](AeroButton& b, const Variant& v) { b.SetCaption(ToText(v)); }},
        {L"CheckBoxMode", Kind::Bool, [](AeroButton& b) { return B(b.CheckBoxMode()); },
         [](AeroButton& b, const Variant& v) { b.SetCheckBoxMode(ToB(v)); }},
        {L"Enabled", Kind::Bool, [](AeroButton& b) { return B(b.Enabled()); },
         [](AeroButton& b, const Variant& v) { b.SetEnabled(ToB(v)); }},
        {L"Font", Kind::Font,
         [](AeroButton& b) -> Variant { return std::make_shared<const FontDescription>(b.Font()); },
         [](AeroButton& b, const Variant& v) { b.SetFont(*platform::ToFont(v)); }},
        {L"FontBold", Kind::Bool, [](AeroButton& b) { return B(b.FontBold()); },
         [](AeroButton& b, const Variant& v) { b.SetFontBold(ToB(v)); }},
        {L"FontItalic", Kind::Bool, [](AeroButton& b) { return B(b.FontItalic()); },
         [](AeroButton& b, const Variant& v) { b.SetFontItalic(ToB(v)); }},
        {L"FontName", Kind::Text, [](AeroButton& b) -> Variant { return b.FontName(); },
         [](AeroButton& b, const Variant& v) { b.SetFontName(ToText(v)); }},
        {L"FontSize", Kind::Float, [](AeroButton& b) -> Variant { return b.FontSize(); },
         [](AeroButton& b, const Variant& v) { b.SetFontSize(ToSingle(v)); }},
        {L"FontStrikethru", Kind::Bool, [](AeroButton& b) { return B(b.FontStrikethru()); },
         [](AeroButton& b, const Variant& v) { b.SetFontStrikethru(ToB(v)); }},
        {L"FontUnderline", Kind::Bool, [](AeroButton& b) { return B(b.FontUnderline()); },
         [](AeroButton& b, const Variant& v) { b.SetFontUnderline(ToB(v)); }},
        {L"ForeColor", Kind::Colour, [](AeroButton& b) { return C(b.ForeColor()); },
         [](AeroButton& b, const Variant& v) { b.SetForeColor(ToC(v)); }},
        {L"HandPointer", Kind::Bool, [](AeroButton& b) { return B(b.HandPointer()); },
         [](AeroButton& b, const Variant& v) { b.SetHandPointer(ToB(v)); }},
        {L"hWnd", Kind::Handle,
         [](AeroButton& b) -> Variant { return static_cast<double>(reinterpret_cast<std::intptr_t>(b.hWnd())); },
         nullptr},
        {L"MaskColor", Kind::Colour, [](AeroButton& b) { return C(b.MaskColor()); },
         [](AeroButton& b, const Variant& v) { b.SetMaskColor(ToC(v)); }},
        {L"MouseIcon", Kind::Picture, [](AeroButton& b) { return P(b.MouseIcon()); },
         [](AeroButton& b, const Variant& v) { b.SetMouseIcon(ToPicture(v)); }},
        {L"MousePointer", Kind::Int32, [](AeroButton& b) -> Variant { return b.MousePointer(); },
         [](AeroButton& b, const Variant& v) { b.SetMousePointer(ToInt32(v)); }},
        {L"PictureAlignment", Kind::Int32, [](AeroButton& b) -> Variant { return b.PictureAlignment(); },
         [](AeroButton& b, const Variant& v) { b.SetPictureAlignment(ToInt32(v)); }},
        {L"PictureDown", Kind::Picture, [](AeroButton& b) { return P(b.PictureDown()); },
         [](AeroButton& b, const Variant& v) { b.SetPictureDown(ToPicture(v)); }},
        {L"PictureHot", Kind::Picture, [](AeroButton& b) { return P(b.PictureHot()); },
         [](AeroButton& b, const Variant& v) { b.SetPictureHot(ToPicture(v)); }},
        {L"PictureNormal", Kind::Picture, [](AeroButton& b) { return P(b.PictureNormal()); },
         [](AeroButton& b, const Variant& v) { b.SetPictureNormal(ToPicture(v)); }},
        {L"PictureOpacity", Kind::Int32, [](AeroButton& b) -> Variant { return b.PictureOpacity(); },
         [](AeroButton& b, const Variant& v) { b.SetPictureOpacity(ToInt32(v)); }},
        {L"PictureSize", Kind::Int32, [](AeroButton& b) -> Variant { return b.PictureSize(); },
         [](AeroButton& b, const Variant& v) { b.SetPictureSize(ToInt32(v)); }},
        {L"PictureSizeH", Kind::Int32, [](AeroButton& b) -> Variant { return b.PictureSizeH(); },
         [](AeroButton& b, const Variant& v) { b.SetPictureSizeH(ToInt32(v)); }},
        {L"PictureSizeW", Kind::Int32, [](AeroButton& b) -> Variant { return b.PictureSizeW(); },
         [](AeroButton& b, const Variant& v) { b.SetPictureSizeW(ToInt32(v)); }},
        {L"UseMaskColor", Kind::Bool, [](AeroButton& b) { return B(b.UseMaskColor()); },
         [](AeroButton& b, const Variant& v) { b.SetUseMaskColor(ToB(v)); }},
        {L"Value", Kind::Bool, [](AeroButton& b) { return B(b.Value()); },
         [](AeroButton& b, const Variant& v) { b.SetValue(ToB(v)); }},
    };
    return properties;
}

const PublicProperty* FindPublicProperty(std::wstring_view name) {
    for (const auto& property : PublicProperties()) {
        if (platform::EqualsIgnoringCase(property.name, name)) return &property;
    }
    return nullptr;
}

}  // namespace aerolab
