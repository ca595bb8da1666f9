// The button's object for screen readers and other accessibility clients: a push button or,
// in check-box mode, a check button, named by its caption as shown, with its shortcut, its
// state and a default action that clicks it.
#pragma once

#include <windows.h>

#include <string>

#include "platform/accessible_object.h"

namespace aerobutton {

// The button's state as accessibility clients see it.
struct AccessibleFacts {
    bool toggle = false;   // check-box mode
    bool checked = false;  // the value, in check-box mode
    bool pressed = false;  // painted pressed
    bool focused = false;
    bool enabled = true;
    bool hot = false;  // the cursor is over it
    bool isDefault = false;
    bool hidden = false;
};

// What the accessible object asks of the button.
class AccessibleButton {
public:
    virtual AccessibleFacts Facts() const = 0;
    virtual std::wstring AccessibleCaption() const = 0;  // as stored, with its "&" marks
    virtual HWND AccessibleWindow() const = 0;
    // Queues a click, run when the window's messages are next processed; false (and nothing
    // queued) when the button is disabled.
    virtual bool QueueAccessibleClick() = 0;

protected:
    ~AccessibleButton() = default;
};

// The STATE_SYSTEM_ flags of a button in that state.
long ButtonStateFlags(const AccessibleFacts& facts);
// "Press" for a push button; "Check" or "Uncheck" for a toggle.
std::wstring ButtonDefaultAction(const AccessibleFacts& facts);
// "Alt+" and the access key in upper case, or empty text when the caption marks none.
std::wstring ButtonShortcut(std::wstring_view caption);

class ButtonAccessible final : public platform::AccessibleSource {
public:
    explicit ButtonAccessible(AccessibleButton& button) : button_(button) {}

    std::wstring AccessibleName(long child) override;
    long AccessibleRole(long child) override;
    long AccessibleState(long child) override;
    std::wstring DefaultAction(long child) override;
    std::wstring KeyboardShortcut(long child) override;
    RECT ScreenLocation(long child) override;
    bool DoDefaultAction(long child) override;

private:
    AccessibleButton& button_;
};

}  // namespace aerobutton
