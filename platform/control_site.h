// What a control may ask of the container that holds it: ambient properties, change and
// access-key notifications, event delivery, the parent chain and a few services of the
// message loop. A form implements it for its controls; tests implement it as a recorder.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/font_description.h"
#include "platform/variant.h"

namespace platform {

// The system's button-text colour as an OLE colour (the high bit marks a system colour index),
// the ambient foreground of forms.
inline constexpr std::uint32_t kButtonTextColor = 0x80000012;

// One event raised to the container: its dispatch id, its name and its arguments. The
// arguments are passed by reference: a handler may change them, the control does not read
// them back.
struct ControlEvent {
    std::int32_t dispatchId = 0;
    std::wstring_view name;
    std::vector<Variant> arguments;
};

// One window above a control, with whether the container counts it as a form.
struct ParentLink {
    HWND hwnd = nullptr;
    bool isForm = false;
};

class ControlSite {
public:
    virtual ~ControlSite() = default;

    // Ambient properties, read afresh each time they are asked for.
    virtual std::wstring AmbientDisplayName() = 0;
    virtual FontDescription AmbientFont() = 0;
    virtual std::uint32_t AmbientForeColor() = 0;  // an OLE colour
    virtual bool AmbientUserMode() = 0;            // true at run time, false at design time
    virtual bool AmbientDisplayAsDefault() = 0;

    // The control's persisted value `key` changed.
    virtual void PropertyChanged(std::wstring_view key) = 0;
    // The characters that act as the control's access keys (empty: none).
    virtual void SetAccessKeys(std::wstring_view keys) = 0;
    virtual void RaiseEvent(ControlEvent& event) = 0;

    // The container, its container and the one above that, nearest first; fewer where the
    // chain ends sooner.
    virtual std::vector<ParentLink> ParentChain() = 0;

    // Queues the effect of keystrokes for the control's form without waiting: "{TAB}" and
    // "+{TAB}" (Tab and Shift+Tab) move the focus to the next or previous control when the
    // waiting messages are next processed.
    virtual void SendKeys(std::wstring_view keys) = 0;
    // Processes the window messages waiting in the queue.
    virtual void DoEvents() = 0;
};

}  // namespace platform
