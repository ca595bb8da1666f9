// The control's type information: its class name and, for each public property, method and
// event, the text it publishes, as a host or a property grid reads them (no <windows.h>:
// built natively too).
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace aerobutton {

// The name by which a form's stored definition names the control.
inline constexpr wchar_t kClassName[] = L"Morvex.AeroButton";

// Event dispatch ids: the stock events' and the control's own.
namespace event_id {
inline constexpr std::int32_t Click = -600;
inline constexpr std::int32_t DblClick = -601;
inline constexpr std::int32_t KeyDown = -602;
inline constexpr std::int32_t KeyPress = -603;
inline constexpr std::int32_t KeyUp = -604;
inline constexpr std::int32_t MouseDown = -605;
inline constexpr std::int32_t MouseMove = -606;
inline constexpr std::int32_t MouseUp = -607;
inline constexpr std::int32_t MouseEnter = 1;
inline constexpr std::int32_t MouseLeave = 2;
inline constexpr std::int32_t OLEDragDrop = 3;
inline constexpr std::int32_t OLEDragOver = 4;
inline constexpr std::int32_t CompleteDrag = 5;
}  // namespace event_id

enum class MemberKind { Property, Method, Event };

// The type of a property's value, or of a method's result; None for events and for a
// method without a result.
enum class MemberType { None, Bool, Colour, Text, Int32, Int16, Float, Font, Picture, Handle };

struct MemberInfo {
    MemberKind kind;
    std::wstring_view name;
    MemberType type;
    bool readOnly;
    std::int32_t dispatchId;        // events only: the stock ids -600 to -607 or the control's 1 to 5
    std::wstring_view description;  // empty where the member publishes none
};

// Every public member: the 29 properties (BackColor first, Value last), then the methods
// Refresh and TranslateColor, then the 13 events (Click first, CompleteDrag last).
std::span<const MemberInfo> TypeInformation();

// The member of that kind and name (names compared exactly), or none.
const MemberInfo* FindMember(MemberKind kind, std::wstring_view name);

}  // namespace aerobutton
