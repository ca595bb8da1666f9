// The button's life: a new instance's values, loading from and saving to a property bag,
// the first paint in the persisted look, showing and hiding.
#include "controls/aerobutton/aero_button.h"
#include "controls/aerobutton/export_probe.h"
#include "platform/control_error.h"
#include "platform/variant_convert.h"
#include "tests/support/dib_surface.h"
#include "tests/support/recording_site.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using namespace aerobutton;
using platform::Boolean;
using platform::PropertyBag;
using platform::Variant;
using testing_support::PlainWindow;
using testing_support::RecordingSite;

// Equal kind and equal content; fonts by their description, pictures by identity.
bool SameValue(const Variant& a, const Variant& b) {
    if (a.index() != b.index()) return false;
    return std::visit(
        [&](const auto& x) {
            using T = std::decay_t<decltype(x)>;
            const T& y = std::get<T>(b);
            if constexpr (std::is_same_v<T, std::shared_ptr<const platform::FontDescription>>) {
                return x && y && *x == *y;
            } else if constexpr (std::is_same_v<T, Boolean>) {
                return x.value == y.value;
            } else if constexpr (std::is_same_v<T, platform::Empty> || std::is_same_v<T, platform::Null>) {
                return true;
            } else if constexpr (std::is_same_v<T, platform::Currency>) {
                return x.scaled == y.scaled;
            } else if constexpr (std::is_same_v<T, platform::Date>) {
                return x.serial == y.serial;
            } else if constexpr (std::is_same_v<T, platform::Error>) {
                return x.code == y.code;
            } else {
                return x == y;
            }
        },
        a);
}

class LifecycleTest : public ::testing::Test {
protected:
    std::unique_ptr<AeroButton> Create(int width = 75, int height = 23) {
        return std::make_unique<AeroButton>(site, parent.hwnd(), 4, 4, width, height);
    }
    std::vector<std::wstring> SavedKeys(const PropertyBag& bag) {
        std::vector<std::wstring> keys;
        for (const auto& entry : bag.Entries()) keys.push_back(entry.key);
        return keys;
    }
    const PropertyBag::Entry& EntryOf(const PropertyBag& bag, const wchar_t* key) {
        for (const auto& entry : bag.Entries()) {
            if (entry.key == key) return entry;
        }
        throw std::runtime_error("key not saved");
    }

    PlainWindow parent{300, 200};
    RecordingSite site;
};

TEST_F(LifecycleTest, CreationInitialisesWithoutProperties) {
    auto button = Create();
    EXPECT_FALSE(button->IsReady());
    EXPECT_TRUE(button->IsWinNT()) << "the system reports the NT platform";
    EXPECT_EQ(button->ClientWidth(), 75);
    EXPECT_EQ(button->ClientHeight(), 23);
    EXPECT_EQ(button->FontName(), L"Arial");
    EXPECT_FLOAT_EQ(button->FontSize(), 9.0f);
}

TEST_F(LifecycleTest, ANewInstanceTakesItsDefaultsAndTheAmbientFaceName) {
    site.displayName = L"cmdNew";
    site.font = {L"Tahoma", 12.0f, true};
    site.foreColor = 0x000000FF;
    auto button = Create();
    button->InitProperties();
    EXPECT_TRUE(button->IsReady());
    EXPECT_EQ(button->BackColor(), 0xE6E6E6u);
    EXPECT_EQ(button->Caption(), L"cmdNew");
    EXPECT_EQ(button->CheckBoxMode(), kFalse);
    EXPECT_EQ(button->Enabled(), kTrue);
    EXPECT_EQ(button->FontName(), L"Tahoma");
    EXPECT_FLOAT_EQ(button->FontSize(), 9.0f) << "only the face name is copied";
    EXPECT_EQ(button->FontBold(), kFalse);
    EXPECT_EQ(button->ForeColor(), 0x000000FFu);
    EXPECT_EQ(button->MaskColor(), 0xC0C0C0u);
    EXPECT_EQ(button->PictureAlignment(), PicAlignLeft);
    EXPECT_EQ(button->PictureOpacity(), 100);
    EXPECT_EQ(button->UseMaskColor(), kTrue);
    EXPECT_EQ(button->TipText(), L"");
    EXPECT_EQ(button->CurrentPalette().ForeColorRGB, 0x000000FFu);
    EXPECT_TRUE(site.accessKeys.empty()) << "no access key is registered";
    EXPECT_TRUE(site.log.empty());
}

TEST_F(LifecycleTest, AnEmptyBagLoadsEveryDefault) {
    auto button = Create();
    button->ReadProperties(PropertyBag{});
    EXPECT_TRUE(button->IsReady());
    EXPECT_EQ(button->BackColor(), 0xE6E6E6u);
    EXPECT_EQ(button->ButtonShape(), 0);
    EXPECT_EQ(button->Caption(), L"btnPush");
    EXPECT_EQ(button->CheckBoxMode(), kFalse);
    EXPECT_EQ(button->Enabled(), kTrue);
    EXPECT_EQ(button->Font(), site.font);
    EXPECT_EQ(button->ForeColor(), 0x80000012u);
    EXPECT_EQ(button->HandPointer(), kFalse);
    EXPECT_EQ(button->MaskColor(), 0xC0C0C0u);
    EXPECT_EQ(button->PictureAlignment(), 4);
    EXPECT_EQ(button->PictureNormal(), nullptr);
    EXPECT_EQ(button->PictureHot(), nullptr);
    EXPECT_EQ(button->PictureDown(), nullptr);
    EXPECT_EQ(button->PictureOpacity(), 100);
    EXPECT_EQ(button->PictureSize(), 0);
    EXPECT_EQ(button->PictureSizeW(), 0);
    EXPECT_EQ(button->PictureSizeH(), 0);
    EXPECT_EQ(button->VisualState(), StateNormal);
    EXPECT_EQ(button->UseMaskColor(), kTrue);
    EXPECT_EQ(button->Value(), kFalse);
    EXPECT_EQ(button->TipText(), L"ToolTip");
    EXPECT_EQ(button->MousePointer(), 0);
    EXPECT_EQ(button->MouseIcon(), nullptr);
    EXPECT_EQ(site.log, (std::vector<std::wstring>{L"notify TipText"})) << "only TipText goes through its setter";
}

TEST_F(LifecycleTest, KeysLoadInAnyLetterCase) {
    auto button = Create();
    button->ReadProperties(PropertyBag{{L"caption", std::wstring(L"&Apply")},
                                       {L"BACKCOLOR", std::int32_t{0x123456}},
                                       {L"picalign", std::int32_t{7}},
                                       {L"tiptext", std::wstring(L"hint")},
                                       {L"mousepointer", std::int16_t{2}},
                                       {L"enabled", Boolean{0}}});
    EXPECT_EQ(button->Caption(), L"&Apply");
    EXPECT_EQ(button->BackColor(), 0x123456u);
    EXPECT_EQ(button->PictureAlignment(), 7);
    EXPECT_EQ(button->TipText(), L"hint");
    EXPECT_EQ(button->MousePointer(), 2);
    EXPECT_EQ(button->Enabled(), kFalse);
    EXPECT_FALSE(IsWindowEnabled(button->hWnd())) << "the window follows Enabled";
    ASSERT_FALSE(site.accessKeys.empty());
    EXPECT_EQ(site.accessKeys.back(), L"a");
}

TEST_F(LifecycleTest, AControlSavedDisabledOrDownFirstPaintsInThatLook) {
    auto disabled = Create();
    disabled->ReadProperties(PropertyBag{{L"State", std::int32_t{StateDisabled}}});
    EXPECT_EQ(disabled->VisualState(), StateDisabled);
    EXPECT_EQ(disabled->Surface().Image().PixelAt(3, 12), disabled->CurrentPalette().DisabledFillColor);
    EXPECT_EQ(disabled->Surface().Image().PixelAt(0, 12), RGB(173, 178, 181)) << "the disabled outline";

    auto down = Create();
    down->ReadProperties(PropertyBag{{L"State", std::int32_t{StateDown}}});
    EXPECT_EQ(down->VisualState(), StateDown);
    EXPECT_EQ(down->Surface().Image().PixelAt(5, 21), RGB(104, 179, 219)) << "the pressed body's last row";
    EXPECT_EQ(down->Surface().Image().PixelAt(1, 5), RGB(158, 176, 186)) << "the pressed shadow line";

    auto normal = Create();
    normal->ReadProperties(PropertyBag{});
    EXPECT_EQ(normal->Surface().Image().PixelAt(5, 12), RGB(220, 220, 220)) << "the normal body's middle row";
}

TEST_F(LifecycleTest, SaveWritesTheTwentyThreeKeysInOrderWithTheirDefaults) {
    auto button = Create();
    button->InitProperties();
    PropertyBag bag;
    button->WriteProperties(bag);
    EXPECT_EQ(SavedKeys(bag),
              (std::vector<std::wstring>{L"BackColor",    L"ButtonShape", L"Caption",     L"CheckBox",  L"Enabled",
                                         L"Font",         L"ForeColor",   L"HandPointer", L"MaskColor", L"MouseIcon",
                                         L"MousePointer", L"PicAlign",    L"PicDown",     L"PicHot",    L"PicNormal",
                                         L"PicOpacity",   L"PicSize",     L"PicSizeH",    L"PicSizeW",  L"State",
                                         L"UseMask",      L"Value",       L"TipText"}));
    EXPECT_EQ(platform::ToInt32(EntryOf(bag, L"BackColor").defaultValue), 0xE6E6E6);
    EXPECT_EQ(platform::ToText(EntryOf(bag, L"Caption").defaultValue), L"btnPush");
    EXPECT_EQ(platform::ToBoolean(EntryOf(bag, L"Enabled").defaultValue), -1);
    EXPECT_EQ(*platform::ToFont(EntryOf(bag, L"Font").defaultValue), site.font);
    EXPECT_EQ(static_cast<std::uint32_t>(platform::ToInt32(EntryOf(bag, L"ForeColor").defaultValue)), 0x80000012u);
    EXPECT_EQ(platform::ToInt32(EntryOf(bag, L"MaskColor").defaultValue), 0xC0C0C0);
    EXPECT_EQ(platform::ToInt32(EntryOf(bag, L"PicAlign").defaultValue), 4);
    EXPECT_EQ(platform::ToSingle(EntryOf(bag, L"PicOpacity").defaultValue), 1.0f);
    EXPECT_EQ(platform::ToBoolean(EntryOf(bag, L"UseMask").defaultValue), -1);
    EXPECT_EQ(platform::ToText(EntryOf(bag, L"TipText").defaultValue), L"ToolTip");
    EXPECT_EQ(platform::ToText(EntryOf(bag, L"TipText").value), L"") << "a fresh instance has no tip text";
    EXPECT_TRUE(std::holds_alternative<std::int16_t>(EntryOf(bag, L"MousePointer").value)) << "16-bit";
    EXPECT_TRUE(std::holds_alternative<float>(EntryOf(bag, L"PicOpacity").value)) << "single precision";
}

TEST_F(LifecycleTest, LoadThenSaveRoundTripsEveryValue) {
    HDC screen = GetDC(nullptr);
    auto picture = platform::Picture::FromBitmap(platform::UniqueBitmap(CreateCompatibleBitmap(screen, 8, 8)));
    ReleaseDC(nullptr, screen);
    auto icon = platform::Picture::FromIcon(platform::UniqueIcon(CopyIcon(LoadIconW(nullptr, IDI_APPLICATION))));
    const platform::FontDescription font{L"Courier New", 10.5f, true, true, false, true};
    PropertyBag stored{{L"BackColor", std::int32_t{0x00102030}},
                       {L"ButtonShape", std::int32_t{2}},
                       {L"Caption", std::wstring(L"Go && &Stop")},
                       {L"CheckBox", Boolean{-1}},
                       {L"Enabled", Boolean{0}},
                       {L"Font", std::make_shared<const platform::FontDescription>(font)},
                       {L"ForeColor", std::int32_t{0x00000080}},
                       {L"HandPointer", Boolean{-1}},
                       {L"MaskColor", std::int32_t{0x00FF00FF}},
                       {L"MouseIcon", icon},
                       {L"MousePointer", std::int16_t{99}},
                       {L"PicAlign", std::int32_t{42}},
                       {L"PicDown", picture},
                       {L"PicHot", picture},
                       {L"PicNormal", picture},
                       {L"PicOpacity", 0.35f},
                       {L"PicSize", std::int32_t{5}},
                       {L"PicSizeH", std::int32_t{20}},
                       {L"PicSizeW", std::int32_t{30}},
                       {L"State", std::int32_t{3}},
                       {L"UseMask", Boolean{0}},
                       {L"Value", Boolean{-1}},
                       {L"TipText", std::wstring(L"a tip")}};
    site.userMode = false;  // design time: nothing is attached, the values stay as stored
    auto button = Create();
    button->ReadProperties(stored);
    PropertyBag saved;
    button->WriteProperties(saved);
    ASSERT_EQ(saved.Entries().size(), stored.Entries().size());
    for (const auto& entry : stored.Entries()) {
        EXPECT_TRUE(SameValue(EntryOf(saved, entry.key.c_str()).value, entry.value))
            << "key " << std::string(entry.key.begin(), entry.key.end());
    }
}

TEST_F(LifecycleTest, AValueOfTheWrongKindReachesTheContainerAsAnError) {
    auto button = Create();
    try {
        button->ReadProperties(PropertyBag{{L"ButtonShape", std::int32_t{3}},
                                           {L"Caption", std::wstring(L"x")},
                                           {L"BackColor", std::wstring(L"not a colour")}});
        FAIL() << "the load should fail";
    } catch (const platform::ControlError& error) {
        EXPECT_EQ(error.Number(), platform::kErrorTypeMismatch);
    }
    EXPECT_FALSE(button->IsReady());
}

TEST_F(LifecycleTest, AtRunTimeTheHandPointerLoadsTheSystemHandCursor) {
    auto button = Create();
    button->ReadProperties(PropertyBag{{L"HandPointer", Boolean{-1}}});
    EXPECT_EQ(button->HandPointer(), kTrue) << "the system has a hand cursor";
}

TEST_F(LifecycleTest, ResizeEnforcesTheFifteenPixelMinimum) {
    auto button = Create();
    button->ReadProperties(PropertyBag{});
    MoveWindow(button->hWnd(), 4, 4, 40, 10, TRUE);
    RECT client{};
    GetClientRect(button->hWnd(), &client);
    EXPECT_EQ(client.right, 40);
    EXPECT_EQ(client.bottom, 15);
    MoveWindow(button->hWnd(), 4, 4, 3, 3, TRUE);
    GetClientRect(button->hWnd(), &client);
    EXPECT_EQ(client.right, 15);
    EXPECT_EQ(client.bottom, 15);
    EXPECT_EQ(button->ClientWidth(), 15);
    EXPECT_EQ(button->ClientHeight(), 15);
}

TEST_F(LifecycleTest, AResizeRepaintsWithTheNewLayout) {
    auto button = Create();
    button->ReadProperties(PropertyBag{{L"Caption", std::wstring(L"Go")}});
    MoveWindow(button->hWnd(), 4, 4, 120, 40, TRUE);
    EXPECT_EQ(button->ClientWidth(), 120);
    EXPECT_FALSE(button->LayoutDirty()) << "the repaint rebuilt the layout";
    const PixelRect text = button->TextRect();
    EXPECT_EQ((text.left + text.right) / 2, 60) << "the caption centred in the new width";
    EXPECT_EQ(button->Surface().Image().PixelAt(119, 20), RGB(112, 112, 112)) << "the outline at the new edge";
}

TEST_F(LifecycleTest, RunModeSubclassesTheButtonAndTheFormFoundThroughANestedContainer) {
    HWND frame = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, 200, 100, parent.hwnd(), nullptr,
                                 nullptr, nullptr);
    site.parents = {{frame, false}, {parent.hwnd(), true}};
    const long recordsBefore = LiveSubclassRecords();
    {
        AeroButton button(site, frame, 4, 4, 75, 23);
        button.ReadProperties(PropertyBag{});
        ASSERT_NE(button.Subclasses(), nullptr);
        EXPECT_TRUE(button.Subclasses()->IsAttached(button.hWnd()));
        EXPECT_TRUE(button.Subclasses()->IsAttached(parent.hwnd()));
        EXPECT_FALSE(button.Subclasses()->IsAttached(frame)) << "the frame is not a form";
        EXPECT_TRUE(button.HasTrackMouseEvent());

        // The form's activation reaches the button after the form's own procedure.
        SendMessageW(parent.hwnd(), WM_ACTIVATE, WA_ACTIVE, 0);
        EXPECT_TRUE(button.IsParentActive());
        SendMessageW(parent.hwnd(), WM_ACTIVATE, WA_INACTIVE, 0);
        EXPECT_FALSE(button.IsParentActive());
        // The leave notice reaches it too.
        button.SetRunTimeFlags(false, false, false, true, false, false, false);
        SendMessageW(button.hWnd(), WM_MOUSELEAVE, 0, 0);
        EXPECT_FALSE(button.IsMouseOver());
    }
    EXPECT_EQ(LiveSubclassRecords(), recordsBefore) << "termination detached both subclasses";
    SendMessageW(parent.hwnd(), WM_ACTIVATE, WA_ACTIVE, 0);  // the form still works on its own
    DestroyWindow(frame);
}

TEST_F(LifecycleTest, DesignModeAttachesNothing) {
    site.userMode = false;
    site.parents = {{parent.hwnd(), true}};
    auto button = Create();
    button->ReadProperties(PropertyBag{{L"HandPointer", Boolean{-1}}});
    EXPECT_EQ(button->Subclasses(), nullptr);
    EXPECT_EQ(button->HandPointer(), kTrue) << "no cursor is loaded, and the property stays as stored";
}

TEST_F(LifecycleTest, WithoutMouseLeaveTrackingTheLoadFailsBeforeItsFirstPaint) {
    std::vector<std::wstring> asked;
    SetExportProbeEntry([&](std::wstring_view function, std::wstring_view module) {
        asked.push_back(std::wstring(function) + L"@" + std::wstring(module));
        return false;
    });
    auto button = Create();
    try {
        button->ReadProperties(PropertyBag{});
        ADD_FAILURE() << "the load should fail";
    } catch (const platform::ControlError& error) {
        EXPECT_EQ(error.Number(), -1);
        EXPECT_STREQ(error.what(), "System does not support TrackMouseEvent.");
    }
    SetExportProbeEntry(nullptr);
    EXPECT_EQ(asked, (std::vector<std::wstring>{L"TrackMouseEvent@User32", L"_TrackMouseEvent@Comctl32"}));
    EXPECT_FALSE(button->IsReady());
    EXPECT_EQ(button->CurrentPalette(), Palette{}) << "the palette was never computed";
    EXPECT_EQ(button->Subclasses(), nullptr);
}

TEST_F(LifecycleTest, Comctl32AloneIsEnough) {
    SetExportProbeEntry([](std::wstring_view function, std::wstring_view) { return function == L"_TrackMouseEvent"; });
    auto button = Create();
    button->ReadProperties(PropertyBag{});
    SetExportProbeEntry(nullptr);
    EXPECT_TRUE(button->IsReady());
    EXPECT_FALSE(button->HasTrackMouseEvent());
}

}  // namespace
