// What a stored definition or code may feed the button that it was not made for: values of
// the wrong kind, huge and negative numbers, unknown enumeration values, odd captions and
// extreme sizes. Each gives the specified behaviour or a clear error, never a crash.
#include "controls/aerobutton/aero_button.h"
#include "platform/back_image.h"
#include "platform/control_error.h"
#include "platform/gdi_owner.h"
#include "tests/support/dib_surface.h"
#include "tests/support/recording_site.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string>

namespace {

using namespace aerobutton;
using platform::PropertyBag;
using platform::Variant;
using testing_support::PlainWindow;
using testing_support::RecordingSite;

class BadInputTest : public ::testing::Test {
protected:
    std::unique_ptr<AeroButton> Create(int width = 97, int height = 25) {
        return std::make_unique<AeroButton>(site, parent.hwnd(), 0, 0, width, height);
    }
    // The load's error number, or 0 when it loads.
    int LoadError(const PropertyBag& bag) {
        auto button = Create();
        try {
            button->ReadProperties(bag);
            return 0;
        } catch (const platform::ControlError& error) {
            EXPECT_FALSE(button->IsReady()) << "a failed load leaves the control not ready";
            return error.Number();
        }
    }

    PlainWindow parent{400, 300};
    RecordingSite site;
};

TEST_F(BadInputTest, ValuesOfTheWrongKindAreRefusedWithTypeMismatch) {
    HDC screen = GetDC(nullptr);
    auto picture = platform::Picture::FromBitmap(platform::UniqueBitmap(CreateCompatibleBitmap(screen, 4, 4)));
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(LoadError({{L"BackColor", std::wstring(L"red")}}), platform::kErrorTypeMismatch);
    EXPECT_EQ(LoadError({{L"PicSizeW", picture}}), platform::kErrorTypeMismatch);
    EXPECT_EQ(LoadError({{L"PicNormal", std::int32_t{5}}}), platform::kErrorTypeMismatch);
    EXPECT_EQ(LoadError({{L"PicOpacity", std::wstring(L"opaque")}}), platform::kErrorTypeMismatch);
    EXPECT_EQ(LoadError({{L"Font", std::wstring(L"Arial")}}), platform::kErrorTypeMismatch);
    EXPECT_EQ(LoadError({{L"Caption", picture}}), platform::kErrorTypeMismatch);
    EXPECT_EQ(LoadError({{L"State", platform::Null{}}}), platform::kErrorInvalidUseOfNull);
    EXPECT_EQ(LoadError({{L"ButtonShape", 1e12}}), platform::kErrorOverflow);
    EXPECT_EQ(LoadError({{L"PicOpacity", std::wstring(L"0.5")}}), 0) << "numeric text converts";
}

TEST_F(BadInputTest, AnOpacityThatIsNotAFiniteNumberIsRefused) {
    EXPECT_EQ(LoadError({{L"PicOpacity", std::numeric_limits<float>::quiet_NaN()}}), platform::kErrorOverflow);
    EXPECT_EQ(LoadError({{L"PicOpacity", std::numeric_limits<double>::infinity()}}), platform::kErrorOverflow);
}

TEST_F(BadInputTest, AnOpacityOutsideZeroToOneIsLimitedToIt) {
    auto button = Create();
    button->ReadProperties({{L"PicOpacity", 250.0f}});
    EXPECT_EQ(button->PictureOpacityFraction(), 1.0f);
    auto other = Create();
    other->ReadProperties({{L"PicOpacity", -0.5f}});
    EXPECT_EQ(other->PictureOpacityFraction(), 0.0f);
    auto low = Create();
    low->ReadProperties({{L"PicOpacity", 0.05f}});
    EXPECT_EQ(low->PictureOpacityFraction(), 0.05f) << "a stored fraction inside 0..1 loads as stored";
}

TEST_F(BadInputTest, UnknownEnumerationValuesAreStoredPaintedAndSavedUnchanged) {
    auto button = Create();
    button->ReadProperties({{L"ButtonShape", std::int32_t{-1}},
                            {L"PicAlign", std::int32_t{1000}},
                            {L"PicSize", std::int32_t{77}},
                            {L"State", std::int32_t{9}},
                            {L"PicSizeW", std::int32_t{std::numeric_limits<std::int32_t>::max()}},
                            {L"PicSizeH", std::int32_t{-5}}});
    EXPECT_EQ(button->VisualState(), 9);
    button->Refresh();
    button->Redraw(12345, true);
    EXPECT_EQ(button->VisualState(), 12345);
    PropertyBag saved;
    button->WriteProperties(saved);
    auto value = [&](const wchar_t* key) { return std::get<std::int32_t>(saved.ReadProperty(key, Variant{})); };
    EXPECT_EQ(value(L"ButtonShape"), -1);
    EXPECT_EQ(value(L"PicAlign"), 1000);
    EXPECT_EQ(value(L"PicSize"), 77);
    EXPECT_EQ(value(L"State"), 12345);
    EXPECT_EQ(value(L"PicSizeW"), std::numeric_limits<std::int32_t>::max());
}

TEST_F(BadInputTest, OddCaptionsLayOutAndPaint) {
    auto button = Create();
    button->ReadProperties({});
    const long gdiBefore = platform::LiveGdiObjects();
    button->SetCaption(std::wstring(100000, L'W'));
    EXPECT_EQ(button->Caption().size(), 100000u);
    button->SetCaption(std::wstring(501, L'&'));
    EXPECT_EQ(site.accessKeys.back(), L"") << "only ampersands mark no key";
    std::wstring broken =
        L"A\xD800"
        L"B\xDC00"
        L"C";
    button->SetCaption(broken);
    EXPECT_EQ(button->Caption(), broken);
    std::wstring spaces(20000, L' ');
    button->SetCaption(spaces + L"&x" + spaces);
    EXPECT_EQ(site.accessKeys.back(), L"x");
    EXPECT_EQ(platform::LiveGdiObjects(), gdiBefore);
}

TEST_F(BadInputTest, AOnePixelControlGrowsToTheMinimum) {
    auto button = Create(1, 1);
    button->ReadProperties({});
    RECT client{};
    GetClientRect(button->hWnd(), &client);
    EXPECT_EQ(client.right, 15);
    EXPECT_EQ(client.bottom, 15);
}

TEST_F(BadInputTest, AHugeControlPaintsWithBoundedMemory) {
    auto button = Create(32767, 32767);
    button->ReadProperties({{L"Caption", std::wstring(L"&Huge")}});
    EXPECT_EQ(button->ClientWidth(), 32767);
    const platform::BackImage& image = button->Surface().Image();
    EXPECT_LE(image.Width(), platform::BackImage::kMaxSide);
    EXPECT_LE(image.Height(), platform::BackImage::kMaxSide);
    EXPECT_EQ(image.PixelAt(0, 100), RGB(112, 112, 112)) << "the left outline is painted";
    EXPECT_EQ(image.PixelAt(5, 12), RGB(250, 250, 250)) << "the tall upper gradient is still at its first colour";
}

}  // namespace
