// The table of the control's public members and the texts it publishes for them. The texts
// are the control's own and stand exactly as it has always published them, misspellings
// included ("Occrus"): hosts and scripts may compare them.
#include "controls/aerobutton/type_info.h"

namespace aerobutton {

namespace {
// clang-format off
constexpr MemberInfo kMembers[] = {
    {MemberKind::Property, L"BackColor", MemberType::Colour, false, 0, L"Returns/sets the background color used for the button."},
    {MemberKind::Property, L"ButtonShape", MemberType::Int32, false, 0, L"Returns/sets a value to determine the shape used to draw the button."},
    {MemberKind::Property, L"TipText", MemberType::Text, false, 0, L""},
    {MemberKind::Property, L"Caption", MemberType::Text, false, 0, L"Returns/sets the text displayed in the button."},
    {MemberKind::Property, L"CheckBoxMode", MemberType::Bool, false, 0, L"Returns/sets the type of control the button will observe."},
    {MemberKind::Property, L"Enabled", MemberType::Bool, false, 0, L"Returns/sets a value to determine whether the button can respond to events."},
    {MemberKind::Property, L"Font", MemberType::Font, false, 0, L"Returns/sets the Font used to display text on the button."},
    {MemberKind::Property, L"FontBold", MemberType::Bool, false, 0, L"Returns/sets bold font style."},
    {MemberKind::Property, L"FontItalic", MemberType::Bool, false, 0, L"Returns/sets italic font style."},
    {MemberKind::Property, L"FontName", MemberType::Text, false, 0, L"Specifies the name of the font used for the button caption."},
    {MemberKind::Property, L"FontSize", MemberType::Float, false, 0, L"Specifies the size (in points) of the font used for the button caption."},
    {MemberKind::Property, L"FontStrikethru", MemberType::Bool, false, 0, L"Returns/sets strikethrough font style."},
    {MemberKind::Property, L"FontUnderline", MemberType::Bool, false, 0, L"Returns/sets underline font style."},
    {MemberKind::Property, L"ForeColor", MemberType::Colour, false, 0, L"Returns/sets the text color of the button caption."},
    {MemberKind::Property, L"HandPointer", MemberType::Bool, false, 0, L"Returns/sets a value to determine whether the control uses the system's hand pointer as its cursor."},
    {MemberKind::Property, L"hWnd", MemberType::Handle, true, 0, L"Returns a handle that uniquely identifies the control."},
    {MemberKind::Property, L"MaskColor", MemberType::Colour, false, 0, L"Returns/sets a color in a button's picture to be transparent."},
    {MemberKind::Property, L"MouseIcon", MemberType::Picture, false, 0, L"Sets a custom mouse icon for the button."},
    {MemberKind::Property, L"MousePointer", MemberType::Int32, false, 0, L"Returns/sets the type of mouse pointer displayed when cursor over the button."},
    {MemberKind::Property, L"PictureAlignment", MemberType::Int32, false, 0, L"Returns/sets a value to determine where to draw the picture in the button."},
    {MemberKind::Property, L"PictureDown", MemberType::Picture, false, 0, L"Returns/sets the picture displayed when the control is pressed down or in checked state."},
    {MemberKind::Property, L"PictureHot", MemberType::Picture, false, 0, L"Returns/sets the picture displayed when the cursor is over the control."},
    {MemberKind::Property, L"PictureNormal", MemberType::Picture, false, 0, L"Returns/sets the picture displayed on a normal state button."},
    {MemberKind::Property, L"PictureOpacity", MemberType::Int32, false, 0, L"Returns/sets a value in percent how the pictures will be blended to the button."},
    {MemberKind::Property, L"PictureSize", MemberType::Int32, false, 0, L"Returns/sets a value to determine the size of the picture to draw."},
    {MemberKind::Property, L"PictureSizeH", MemberType::Int32, false, 0, L"Returns/sets the standard/custom height of the defined pictures in pixels."},
    {MemberKind::Property, L"PictureSizeW", MemberType::Int32, false, 0, L"Returns/sets the standard/custom width of the defined pictures in pixels."},
    {MemberKind::Property, L"UseMaskColor", MemberType::Bool, false, 0, L"Returns/sets a value to determine whether to use MaskColor to create transparent areas of the picture."},
    {MemberKind::Property, L"Value", MemberType::Bool, false, 0, L"Returns/sets the value or state of the button."},
    {MemberKind::Method, L"Refresh", MemberType::None, false, 0, L"Forces a complete repaint of the button."},
    {MemberKind::Method, L"TranslateColor", MemberType::Colour, false, 0, L""},
    {MemberKind::Event, L"Click", MemberType::None, false, event_id::Click, L"Occurs when the user presses and then releases a mouse button over the button."},
    {MemberKind::Event, L"DblClick", MemberType::None, false, event_id::DblClick, L"Occurs when the user clicks over the button twice."},
    {MemberKind::Event, L"KeyDown", MemberType::None, false, event_id::KeyDown, L"Occurs when the user presses a key while the button has the focus."},
    {MemberKind::Event, L"KeyPress", MemberType::None, false, event_id::KeyPress, L"Occurs when the user presses and releases an ANSI key."},
    {MemberKind::Event, L"KeyUp", MemberType::None, false, event_id::KeyUp, L"Occurs when the user releases a key while the button has the focus."},
    {MemberKind::Event, L"MouseDown", MemberType::None, false, event_id::MouseDown, L"Occurs when the user presses the mouse button while the button has the focus."},
    {MemberKind::Event, L"MouseEnter", MemberType::None, false, event_id::MouseEnter, L"Occrus when the cursor moves around the button for the first time."},
    {MemberKind::Event, L"MouseLeave", MemberType::None, false, event_id::MouseLeave, L"Occurs when the cursor leaves/moves outside the button."},
    {MemberKind::Event, L"MouseMove", MemberType::None, false, event_id::MouseMove, L"Occurs when the cursor moves over the button."},
    {MemberKind::Event, L"MouseUp", MemberType::None, false, event_id::MouseUp, L"Occurs when the user releases the mouse button while the button has the focus."},
    {MemberKind::Event, L"OLEDragDrop", MemberType::None, false, event_id::OLEDragDrop, L""},
    {MemberKind::Event, L"OLEDragOver", MemberType::None, false, event_id::OLEDragOver, L""},
    {MemberKind::Event, L"CompleteDrag", MemberType::None, false, event_id::CompleteDrag, L""},
};
// clang-format on
}  // namespace

std::span<const MemberInfo> TypeInformation() { return kMembers; }

const MemberInfo* FindMember(MemberKind kind, std::wstring_view name) {
    for (const MemberInfo& member : kMembers) {
        if (member.kind == kind && member.name == name) return &member;
    }
    return nullptr;
}

}  // namespace aerobutton
