// What the strip and the credits panel tell accessibility clients.
#include "app/main_window_accessible.h"

#include "app/frm_dictionary.h"

namespace app {

namespace {
// The banner's name: the program's.
constexpr wchar_t kBannerName[] = L"Tarnwick";

RECT ScreenRectOf(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r;
}

RECT ClientToScreenRect(HWND hwnd, RECT r) {
    MapWindowPoints(hwnd, HWND_DESKTOP, reinterpret_cast<POINT*>(&r), 2);
    return r;
}
}  // namespace

std::wstring StripAccessible::AccessibleName(long child) {
    if (child == kMinimise) return form_.btnMin().toolTip;
    if (child == kClose) return form_.btnClose().toolTip;
    return {};
}

long StripAccessible::AccessibleRole(long child) {
    return child == CHILDID_SELF ? ROLE_SYSTEM_TOOLBAR : ROLE_SYSTEM_PUSHBUTTON;
}

long StripAccessible::AccessibleState(long child) {
    const StripState strip = form_.Strip();
    if (child == kMinimise) {
        if (strip == StripState::MinHot) return STATE_SYSTEM_HOTTRACKED;
        if (strip == StripState::MinDown) return STATE_SYSTEM_PRESSED;
    } else if (child == kClose) {
        if (strip == StripState::CloseHot) return STATE_SYSTEM_HOTTRACKED;
        if (strip == StripState::CloseDown) return STATE_SYSTEM_PRESSED;
    }
    return 0;
}

std::wstring StripAccessible::DefaultAction(long child) {
    return child == CHILDID_SELF ? std::wstring() : std::wstring(L"Press");
}

RECT StripAccessible::ScreenLocation(long child) {
    RECT r = ScreenRectOf(form_.picN().hwnd());
    if (child == CHILDID_SELF) return r;
    const RECT area = (child == kMinimise ? form_.btnMin() : form_.btnClose()).rect;
    return RECT{r.left + area.left, r.top + area.top, r.left + area.right, r.top + area.bottom};
}

long StripAccessible::ChildAt(POINT screen) {
    // Minimize lies above Close where the two overlap, as the strip hit-tests its areas.
    for (long child : {kMinimise, kClose}) {
        const RECT area = ScreenLocation(child);
        if (PtInRect(&area, screen)) return child;
    }
    return 0;
}

bool StripAccessible::DoDefaultAction(long child) {
    // The click a user makes: a left press and release posted to the middle of the area, so
    // the strip's own handlers run when its messages are next processed and the client's
    // request returns at once.
    const RECT area = (child == kMinimise ? form_.btnMin() : form_.btnClose()).rect;
    const LPARAM at = MAKELPARAM((area.left + area.right) / 2, (area.top + area.bottom) / 2);
    const HWND strip = form_.picN().hwnd();
    return PostMessageW(strip, WM_LBUTTONDOWN, MK_LBUTTON, at) && PostMessageW(strip, WM_LBUTTONUP, 0, at);
}

std::wstring CreditsAccessible::AccessibleValue(long) {
    std::wstring text;
    const CreditEntries lines = form_.CreditLines();
    for (std::int32_t i = 0; i < form_.CreditCount(); ++i) {
        if (i > 0) text += L"\r\n";
        text += lines[static_cast<std::size_t>(i)].text;
    }
    return text;
}

long CreditsAccessible::AccessibleRole(long) { return ROLE_SYSTEM_STATICTEXT; }

long CreditsAccessible::AccessibleState(long) { return STATE_SYSTEM_READONLY; }

RECT CreditsAccessible::ScreenLocation(long) { return ScreenRectOf(form_.PicText().hwnd()); }

std::wstring FormAccessible::AccessibleName(long child) {
    return child == kBanner ? std::wstring(kBannerName) : form_.Caption();
}

long FormAccessible::AccessibleRole(long child) { return child == kBanner ? ROLE_SYSTEM_GRAPHIC : ROLE_SYSTEM_CLIENT; }

long FormAccessible::AccessibleState(long child) {
    return child == kBanner ? STATE_SYSTEM_READONLY : STATE_SYSTEM_FOCUSABLE;
}

RECT FormAccessible::ScreenLocation(long child) {
    RECT client{};
    if (child == kBanner) return ClientToScreenRect(form_.hwnd(), form_.Image1().rect);
    GetClientRect(form_.hwnd(), &client);
    return ClientToScreenRect(form_.hwnd(), client);
}

}  // namespace app
