#include "bench/button_figures.h"

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <string>

#include "bench/bench_form.h"
#include "controls/aerobutton/subclass.h"
#include "platform/dib_section.h"
#include "platform/gdi_owner.h"
#include "platform/picture.h"

namespace bench {

namespace {

using aerobutton::AeroButton;

constexpr int kRepetitions = 301;
// Messages per timed repetition: one message alone is close to the counter's resolution.
constexpr int kMessagesPerRepetition = 1000;

// A 32 x 32 picture whose left half is the mask colour (0xC0C0C0) and whose right half is a
// colour of its own, so that masking and blending both have pixels to work on.
platform::PicturePtr MaskedPicture() {
    platform::DibSection dib = platform::MakeDibSection(nullptr, 32, 32, 32, platform::RowOrder::TopDown);
    if (!dib.bitmap) return nullptr;
    auto* pixels = static_cast<std::uint32_t*>(dib.bits);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x)
            pixels[y * 32 + x] = x < 16 ? 0x00C0C0C0u : 0x00306090u + static_cast<std::uint32_t>(y);
    }
    return platform::Picture::FromBitmap(std::move(dib.bitmap));
}

// One BitBlt of the button's size between two memory surfaces of the screen's format: the
// least any painting of the button costs to show.
double BlitMicroseconds() {
    platform::WindowDC screen(nullptr);
    platform::UniqueMemoryDC source(screen.get());
    platform::UniqueMemoryDC target(screen.get());
    platform::UniqueBitmap sourceBitmap(CreateCompatibleBitmap(screen.get(), 97, 25));
    platform::UniqueBitmap targetBitmap(CreateCompatibleBitmap(screen.get(), 97, 25));
    platform::SelectGuard selectSource(source.get(), sourceBitmap.get());
    platform::SelectGuard selectTarget(target.get(), targetBitmap.get());
    return MedianMicroseconds([&] { BitBlt(target.get(), 0, 0, 97, 25, source.get(), 0, 0, SRCCOPY); }, kRepetitions);
}

const char* StateName(std::int32_t state) {
    switch (state) {
        case aerobutton::StateNormal: return "normal";
        case aerobutton::StateHot: return "hot";
        case aerobutton::StateDown: return "down";
        default: return "disabled";
    }
}

// Each Redraw is followed, untimed, by the paint the message loop gives the window: the next
// request then finds the window up to date, as it does in the program.
void AddPaintRows(std::vector<Row>& rows, AeroButton& button, double blit, const char* what) {
    const HWND window = button.hWnd();
    for (std::int32_t state = aerobutton::StateNormal; state <= aerobutton::StateDisabled; ++state) {
        const double us =
            MedianMicroseconds([&] { button.Redraw(state, true); }, kRepetitions, [&] { UpdateWindow(window); });
        rows.push_back({std::string("Redraw ") + what + ", " + StateName(state) + " (vs BitBlt 97x25)", us, blit, ""});
    }
}

// The drawing alone (the form hidden, so nothing is on the screen to bring up to date), the
// Redraw beside it, and the Redraw with the paint that brings the window on the screen up to
// date, which the message loop runs later.
void AddDrawingRows(std::vector<Row>& rows, BenchForm& form, AeroButton& button, double blit) {
    const HWND window = button.hWnd();
    const double redraw = MedianMicroseconds([&] { button.Redraw(aerobutton::StateNormal, true); }, kRepetitions,
                                             [&] { UpdateWindow(window); });
    const double withPaint = MedianMicroseconds(
        [&] {
            button.Redraw(aerobutton::StateNormal, true);
            UpdateWindow(window);
        },
        kRepetitions);
    ShowWindow(form.hwnd(), SW_HIDE);
    const double drawing = MedianMicroseconds([&] { button.Redraw(aerobutton::StateNormal, true); }, kRepetitions);
    ShowWindow(form.hwnd(), SW_SHOWNOACTIVATE);
    UpdateWindow(form.hwnd());
    rows.push_back({"  the same, normal, window hidden: drawing only (vs BitBlt 97x25)", drawing, blit, ""});
    rows.push_back({"  Redraw, normal, vs that drawing alone", redraw, drawing, "<= 3.0 x"});
    rows.push_back({"  Redraw, normal, and the window's next paint, vs the drawing alone", withPaint, drawing, ""});
}

// Receives the filtered messages of the measured subclass and does nothing with them, so the
// figure is the subclass's own cost.
class IdleOwner : public aerobutton::SubclassOwner {
public:
    void OnSubclassMessage(bool, bool&, LRESULT&, HWND, UINT, WPARAM, LPARAM, LONG_PTR&) override {}
};

// The common controls' subclass chain, for comparison: a subclass procedure that only passes
// every message on.
LRESULT CALLBACK PassOnProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    return DefSubclassProc(window, message, wParam, lParam);
}

double SendMicroseconds(HWND window, UINT message) {
    return MedianMicroseconds(
               [&] {
                   for (int i = 0; i < kMessagesPerRepetition; ++i) SendMessageW(window, message, 0, 0);
               },
               kRepetitions / 3) /
           kMessagesPerRepetition;
}

}  // namespace

void AddButtonPaintRows(std::vector<Row>& rows) {
    const double blit = BlitMicroseconds();
    BenchForm form;
    {
        auto button = form.AddApplyButton(true);
        AddPaintRows(rows, *button, blit, "97x25 \"&Apply\"");
        AddDrawingRows(rows, form, *button, blit);
    }
    {
        auto button = form.AddApplyButton(true);
        button->SetPictureNormal(MaskedPicture());
        button->SetPictureOpacity(50);
        button->SetMaskColor(0xC0C0C0);
        button->SetUseMaskColor(aerobutton::kTrue);
        AddPaintRows(rows, *button, blit, "97x25 \"&Apply\" + 32x32 picture, opacity 50, mask");
        AddDrawingRows(rows, form, *button, blit);
    }
}

void AddWindowProcedureRows(std::vector<Row>& rows) {
    BenchForm form;
    // At design time the button attaches no subclass of its own: the bench attaches the same
    // one a run-time load does (after-filter WM_MOUSELEAVE) and removes it again.
    auto button = form.AddApplyButton(false);
    const HWND window = button->hWnd();
    const double plainNull = SendMicroseconds(window, WM_NULL);
    const double plainLeave = SendMicroseconds(window, WM_MOUSELEAVE);

    IdleOwner owner;
    aerobutton::SubclassTable table(owner);
    table.sc_Subclass(window);
    table.AddSubclassMessage(window, WM_MOUSELEAVE, aerobutton::kAfterPrevious);
    const double subclassedNull = SendMicroseconds(window, WM_NULL);
    const double subclassedLeave = SendMicroseconds(window, WM_MOUSELEAVE);
    table.DetachAllSubclasses();

    // What the common controls' chain (SetWindowSubclass) costs by itself with no work at all,
    // beside the control's own subclassing, which replaces the window procedure instead.
    SetWindowSubclass(window, PassOnProcedure, 1, 0);
    const double chainNull = SendMicroseconds(window, WM_NULL);
    RemoveWindowSubclass(window, PassOnProcedure, 1);

    rows.push_back({"message not filtered (WM_NULL), subclassed vs not", subclassedNull, plainNull, "<= 1.5 x"});
    rows.push_back({"filtered message (WM_MOUSELEAVE), subclassed vs not", subclassedLeave, plainLeave, "<= 1.5 x"});
    rows.push_back({"  an empty SetWindowSubclass subclass (WM_NULL) vs not", chainNull, plainNull, ""});
}

}  // namespace bench
