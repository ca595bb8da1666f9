#include "controls/aerobutton/type_info.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using aerobutton::FindMember;
using aerobutton::MemberInfo;
using aerobutton::MemberKind;
using aerobutton::MemberType;
using aerobutton::TypeInformation;

std::vector<std::wstring> NamesOf(MemberKind kind) {
    std::vector<std::wstring> names;
    for (const MemberInfo& member : TypeInformation())
        if (member.kind == kind) names.emplace_back(member.name);
    return names;
}

TEST(TypeInformation, NamesTheControlsClass) { EXPECT_EQ(std::wstring(aerobutton::kClassName), L"Morvex.AeroButton"); }

TEST(TypeInformation, ListsThePropertiesThenTheMethodsThenTheEvents) {
    EXPECT_EQ(NamesOf(MemberKind::Property),
              (std::vector<std::wstring>{
                  L"BackColor",    L"ButtonShape",    L"TipText",       L"Caption",        L"CheckBoxMode",
                  L"Enabled",      L"Font",           L"FontBold",      L"FontItalic",     L"FontName",
                  L"FontSize",     L"FontStrikethru", L"FontUnderline", L"ForeColor",      L"HandPointer",
                  L"hWnd",         L"MaskColor",      L"MouseIcon",     L"MousePointer",   L"PictureAlignment",
                  L"PictureDown",  L"PictureHot",     L"PictureNormal", L"PictureOpacity", L"PictureSize",
                  L"PictureSizeH", L"PictureSizeW",   L"UseMaskColor",  L"Value"}));
    EXPECT_EQ(NamesOf(MemberKind::Method), (std::vector<std::wstring>{L"Refresh", L"TranslateColor"}));
    EXPECT_EQ(NamesOf(MemberKind::Event),
              (std::vector<std::wstring>{L"Click", L"DblClick", L"KeyDown", L"KeyPress", L"KeyUp", L"MouseDown",
                                         L"MouseEnter", L"MouseLeave", L"MouseMove", L"MouseUp", L"OLEDragDrop",
                                         L"OLEDragOver", L"CompleteDrag"}));
    // Grouped: no property after a method, no method after an event.
    MemberKind last = MemberKind::Property;
    for (const MemberInfo& member : TypeInformation()) {
        EXPECT_GE(static_cast<int>(member.kind), static_cast<int>(last)) << std::wstring(member.name);
        last = member.kind;
    }
}

TEST(TypeInformation, PublishesTheTextsAsTheControlAlwaysHas) {
    const auto text = [](MemberKind kind, const wchar_t* name) {
        const MemberInfo* member = FindMember(kind, name);
        return member ? std::wstring(member->description) : std::wstring(L"(missing)");
    };
    EXPECT_EQ(text(MemberKind::Property, L"BackColor"), L"Returns/sets the background color used for the button.");
    EXPECT_EQ(text(MemberKind::Property, L"HandPointer"),
              L"Returns/sets a value to determine whether the control uses the system's hand pointer as its cursor.");
    EXPECT_EQ(text(MemberKind::Property, L"PictureOpacity"),
              L"Returns/sets a value in percent how the pictures will be blended to the button.");
    EXPECT_EQ(
        text(MemberKind::Property, L"UseMaskColor"),
        L"Returns/sets a value to determine whether to use MaskColor to create transparent areas of the picture.");
    EXPECT_EQ(text(MemberKind::Property, L"TipText"), L"");
    EXPECT_EQ(text(MemberKind::Method, L"Refresh"), L"Forces a complete repaint of the button.");
    EXPECT_EQ(text(MemberKind::Method, L"TranslateColor"), L"");
    EXPECT_EQ(text(MemberKind::Event, L"MouseEnter"),
              L"Occrus when the cursor moves around the button for the first time.");
    EXPECT_EQ(text(MemberKind::Event, L"MouseLeave"), L"Occurs when the cursor leaves/moves outside the button.");
    EXPECT_EQ(text(MemberKind::Event, L"OLEDragDrop"), L"");
    EXPECT_EQ(text(MemberKind::Event, L"CompleteDrag"), L"");
    EXPECT_EQ(FindMember(MemberKind::Property, L"Click"), nullptr);
    EXPECT_EQ(FindMember(MemberKind::Property, L"backcolor"), nullptr);
}

TEST(TypeInformation, TypesAndEventIds) {
    EXPECT_EQ(FindMember(MemberKind::Property, L"BackColor")->type, MemberType::Colour);
    EXPECT_EQ(FindMember(MemberKind::Property, L"Font")->type, MemberType::Font);
    EXPECT_EQ(FindMember(MemberKind::Property, L"FontSize")->type, MemberType::Float);
    EXPECT_EQ(FindMember(MemberKind::Property, L"PictureOpacity")->type, MemberType::Int32);  // percent
    EXPECT_EQ(FindMember(MemberKind::Property, L"MouseIcon")->type, MemberType::Picture);
    const MemberInfo* hWnd = FindMember(MemberKind::Property, L"hWnd");
    EXPECT_EQ(hWnd->type, MemberType::Handle);
    EXPECT_TRUE(hWnd->readOnly);
    int readOnly = 0;
    for (const MemberInfo& member : TypeInformation()) readOnly += member.readOnly ? 1 : 0;
    EXPECT_EQ(readOnly, 1);

    const std::vector<std::pair<const wchar_t*, int>> ids{
        {L"Click", -600},     {L"DblClick", -601},  {L"KeyDown", -602},  {L"KeyPress", -603}, {L"KeyUp", -604},
        {L"MouseDown", -605}, {L"MouseMove", -606}, {L"MouseUp", -607},  {L"MouseEnter", 1},  {L"MouseLeave", 2},
        {L"OLEDragDrop", 3},  {L"OLEDragOver", 4},  {L"CompleteDrag", 5}};
    for (const auto& [name, id] : ids) EXPECT_EQ(FindMember(MemberKind::Event, name)->dispatchId, id) << id;
}

}  // namespace
