// Long runs that must leave nothing behind: paints across every look, shape, picture and
// opacity; credit ticks; subclass attach and detach cycles. The live GDI and USER objects of
// the project's own owners return to where they started, and the process's private memory
// grows no more than a small bound.
#include <windows.h>
#include <psapi.h>

#include <gtest/gtest.h>

#include <memory>

#include "app/frm_dictionary.h"
#include "controls/aerobutton/aero_button.h"
#include "controls/aerobutton/subclass.h"
#include "platform/gdi_owner.h"
#include "tests/support/dib_surface.h"
#include "tests/support/recording_site.h"
#include "tests/support/test_pictures.h"

namespace {

using namespace aerobutton;

SIZE_T PrivateBytes() {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
    return counters.PrivateUsage;
}

// Growth allowed for caches the system keeps (fonts, brushes, heaps growing once).
constexpr SIZE_T kMemoryBound = 8 * 1024 * 1024;

TEST(Soak, AHundredThousandPaintsAcrossLooksShapesPicturesAndOpacities) {
    const testing_support::PlainWindow form(300, 200);
    const long userBefore = platform::LiveUserObjects();
    {
        testing_support::RecordingSite site;
        const auto bitmap = testing_support::SolidBitmapPicture(16, 16, RGB(200, 30, 30));
        const auto icon =
            platform::Picture::FromIcon(platform::UniqueIcon(CopyIcon(LoadIconW(nullptr, IDI_APPLICATION))));
        AeroButton button(site, form.hwnd(), 0, 0, 97, 25);
        button.ReadProperties(platform::PropertyBag{{L"Caption", std::wstring(L"&Apply")}});
        auto setUp = [&](int round) {
            button.SetButtonShape(round % 4);
            button.SetPictureNormal(round % 3 == 0 ? nullptr : (round % 3 == 1 ? bitmap : icon));
            button.SetPictureOpacity(10 + (round * 7) % 91);
            button.SetUseMaskColor(round % 2 ? kTrue : kFalse);
            button.SetPictureSize(round % 6);
            button.SetCheckBoxMode(round % 5 == 0 ? kTrue : kFalse);
        };
        // A first round warms the caches the system keeps for fonts and pictures.
        setUp(1);
        for (int state = 0; state < 4; ++state) button.Redraw(state, true);
        site.Take();
        const long gdiBefore = platform::LiveGdiObjects();
        const long userWhileShown = platform::LiveUserObjects();
        EXPECT_EQ(userWhileShown, userBefore + 2) << "the icon and the button's window";
        const SIZE_T memoryBefore = PrivateBytes();
        for (int i = 0; i < 100000; ++i) {
            if (i % 400 == 0) {
                setUp(i / 400);
                site.Take();
            }
            button.Redraw(i % 4, true);
        }
        site.Take();
        EXPECT_EQ(platform::LiveGdiObjects(), gdiBefore);
        EXPECT_EQ(platform::LiveUserObjects(), userWhileShown);
        EXPECT_LT(PrivateBytes(), memoryBefore + kMemoryBound);
    }
    EXPECT_EQ(platform::LiveUserObjects(), userBefore) << "the icon and the button's window went with their owners";
}

TEST(Soak, AHundredThousandCreditTicks) {
    const long userBefore = platform::LiveUserObjects();
    {
        app::FrmDictionary window;
        window.Load();
        window.ReDrawTimer().SetEnabled(false);  // the ticks are driven here
        for (int i = 0; i < 200; ++i) window.DrawCredits();
        const long gdiBefore = platform::LiveGdiObjects();
        const long userWhileShown = platform::LiveUserObjects();
        const SIZE_T memoryBefore = PrivateBytes();
        for (int i = 0; i < 100000; ++i) window.DrawCredits();
        EXPECT_EQ(platform::LiveGdiObjects(), gdiBefore);
        EXPECT_EQ(platform::LiveUserObjects(), userWhileShown);
        EXPECT_LT(PrivateBytes(), memoryBefore + kMemoryBound);
    }
    EXPECT_EQ(platform::LiveUserObjects(), userBefore) << "every window of the form went with it";
}

class NullOwner : public SubclassOwner {
public:
    void OnSubclassMessage(bool, bool&, LRESULT&, HWND, UINT, WPARAM, LPARAM, LONG_PTR&) override { ++calls; }
    long calls = 0;
};

// A message nothing else sends to the form.
constexpr UINT kProbeMessage = WM_APP + 7;

TEST(Soak, TenThousandSubclassAttachDetachCycles) {
    const testing_support::PlainWindow form(300, 200);
    NullOwner owner;
    const long recordsBefore = LiveSubclassRecords();
    const SIZE_T memoryBefore = PrivateBytes();
    for (int i = 0; i < 10000; ++i) {
        SubclassTable table(owner);
        ASSERT_TRUE(table.sc_Subclass(form.hwnd()));
        table.AddSubclassMessage(form.hwnd(), kProbeMessage, kAfterPrevious);
        SendMessageW(form.hwnd(), kProbeMessage, 0, 0);
        if (i % 2) table.DetachSubclass(form.hwnd());
    }
    EXPECT_EQ(owner.calls, 10000);
    EXPECT_EQ(LiveSubclassRecords(), recordsBefore);
    EXPECT_LT(PrivateBytes(), memoryBefore + kMemoryBound);
    SendMessageW(form.hwnd(), kProbeMessage, 0, 0);
    EXPECT_EQ(owner.calls, 10000) << "nothing is left attached";
}

}  // namespace
