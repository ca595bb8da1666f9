#include "bench/bench_form.h"

#include "platform/font_description.h"
#include "platform/property_bag.h"

namespace bench {

namespace {
constexpr wchar_t kClass[] = L"TarnwickBenchForm";

LRESULT CALLBACK BenchFormProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd, message, wParam, lParam);
}
}  // namespace

BenchForm::BenchForm() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = BenchFormProcedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kClass;
    RegisterClassW(&wc);  // a second form finds the class registered already
    hwnd_ = CreateWindowExW(0, kClass, L"bench", WS_POPUP | WS_VISIBLE, 40, 40, 200, 80, nullptr, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
    host_ = std::make_unique<platform::ControlHost>(hwnd_);
}

BenchForm::~BenchForm() { DestroyWindow(hwnd_); }

std::unique_ptr<aerobutton::AeroButton> BenchForm::AddApplyButton(bool userMode) {
    host_->userMode = userMode;
    platform::FormControlSite& site = host_->AddSite(L"cmdApply");
    auto button = std::make_unique<aerobutton::AeroButton>(site, hwnd_, 8, 8, 97, 25);
    site.SetControl(button.get());
    button->ReadProperties(platform::PropertyBag{
        {L"caption", std::wstring(L"&Apply")},
        {L"font",
         std::make_shared<const platform::FontDescription>(platform::FontDescription{L"MS Sans Serif", 8.25f})},
    });
    return button;
}

}  // namespace bench
