// A plain top-level window that hosts buttons for the figures that need one outside the main
// window: the container's services come from the platform's control host.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "controls/aerobutton/aero_button.h"
#include "platform/control_host.h"

namespace bench {

class BenchForm {
public:
    // Shown (a hidden owner would leave nothing for the window system to paint), at a fixed place.
    BenchForm();
    ~BenchForm();
    BenchForm(const BenchForm&) = delete;
    BenchForm& operator=(const BenchForm&) = delete;

    HWND hwnd() const { return hwnd_; }
    platform::ControlHost& Host() { return *host_; }

    // A 97 x 25 button at (8, 8) with the caption "&Apply" in MS Sans Serif 8.25, loaded from its
    // stored values at run time (userMode true: subclassed) or at design time (not subclassed).
    std::unique_ptr<aerobutton::AeroButton> AddApplyButton(bool userMode);

private:
    HWND hwnd_ = nullptr;
    std::unique_ptr<platform::ControlHost> host_;
};

}  // namespace bench
