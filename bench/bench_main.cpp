// The benchmark: each figure measured against a baseline in the same run, so the ratios
// hold on a noisy machine. Run by `make bench`; not part of the tests.
// Arguments (optional): the i686 Brintel.exe, a Brintel.exe that runs here, the minimal program
// and the minimal program bound to Common Controls 6.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <memory>
#include <string>
#include <vector>

#include "app/frm_dictionary.h"
#include "bench/button_figures.h"
#include "bench/harness.h"
#include "bench/minimal_window.h"
#include "bench/process_figures.h"

namespace {

// From the program's entry to the end of the main window's first complete paint: the same
// steps the program's WinMain takes, with every child window painted before the clock stops.
std::unique_ptr<app::FrmDictionary> g_form;

void ProgramStartup() {
    g_form = std::make_unique<app::FrmDictionary>();
    g_form->Load();
    g_form->Show();
    RedrawWindow(g_form->hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void ProgramShutdown() { g_form.reset(); }

std::vector<std::wstring> Arguments() {
    std::vector<std::wstring> arguments;
    int count = 0;
    LPWSTR* list = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!list) return arguments;
    for (int i = 1; i < count; ++i) arguments.emplace_back(list[i]);
    LocalFree(list);
    return arguments;
}

}  // namespace

int main() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    std::vector<bench::Row> rows;

    const bench::PairedMedians startup = bench::PairedMedianMicroseconds(
        {ProgramStartup, ProgramShutdown}, {bench::MinimalStartup, bench::MinimalShutdown}, 51);
    rows.push_back({"start-up to first paint (vs minimal program)", startup.work, startup.baseline, "<= 1.5 x"});

    // One tick of the credits against the timer's period: the ratio is the share of the
    // period the tick takes.
    ProgramStartup();
    const double tick = bench::MedianMicroseconds([] { g_form->DrawCredits(); }, 301);
    // In the program the panel is painted between two ticks, so each tick asks for a paint
    // of its own; here the paint follows each tick, untimed.
    const HWND panel = g_form->PicText().hwnd();
    const double paintedTick =
        bench::MedianMicroseconds([] { g_form->DrawCredits(); }, 301, [panel] { UpdateWindow(panel); });
    ProgramShutdown();
    rows.push_back({"credits tick, 29 lines in 225x65 (vs the 20 ms period)", tick, 20000.0, "<= 0.0025 x"});
    rows.push_back({"  the same, the panel painted between ticks (untimed)", paintedTick, 20000.0, "<= 0.0025 x"});

    bench::AddButtonPaintRows(rows);
    bench::AddWindowProcedureRows(rows);
    bench::PrintTable(rows);

    const std::vector<std::wstring> arguments = Arguments();
    if (arguments.size() >= 3) {
        std::vector<bench::SizeRow> sizes;
        bench::AddSizeRows(sizes, arguments[0], arguments[1], arguments[2],
                           arguments.size() >= 4 ? arguments[3] : std::wstring());
        bench::PrintSizeTable(sizes);
    }
    return 0;
}
