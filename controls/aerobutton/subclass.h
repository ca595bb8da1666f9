// Window subclassing for a control that must see messages its host does not report: every
// message to a subclassed window still goes to the window's previous procedure, and the
// messages the owner asked for reach its callback before or after that procedure.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "controls/aerobutton/message_filter.h"

namespace aerobutton {

// Filters that AddSubclassMessage adds to; bit values, combinable.
inline constexpr int kBeforePrevious = 1;
inline constexpr int kAfterPrevious = 2;

// Receives the messages a subclass was asked for.
class SubclassOwner {
public:
    // before: true for a message of the before filter (the previous procedure has not run yet).
    // handled: starts false; set in a before call, the window returns result at once and
    // neither the previous procedure nor the after call runs. result: what the window returns;
    // in an after call it holds the previous procedure's answer. userValue: the value given at
    // attach, kept between calls.
    virtual void OnSubclassMessage(bool before, bool& handled, LRESULT& result, HWND window, UINT message,
                                   WPARAM wParam, LPARAM lParam, LONG_PTR& userValue) = 0;

protected:
    ~SubclassOwner() = default;
};

struct SubclassRecord;

// Number of subclass records alive in the process: attached ones, and detached ones whose
// window is still handling a message. Leak tests compare it before and after a workload.
long LiveSubclassRecords();

// One control's subclasses, one per window, in the order attached.
class SubclassTable {
public:
    // defaultOwner receives the messages of subclasses attached without an owner of their own.
    explicit SubclassTable(SubclassOwner& defaultOwner);
    // Detaches every subclass still attached.
    ~SubclassTable();
    SubclassTable(const SubclassTable&) = delete;
    SubclassTable& operator=(const SubclassTable&) = delete;

    // Subclasses a window of this thread. False for an invalid window, a window of another
    // process or thread, a window this table has subclassed already, or when the system refuses.
    bool sc_Subclass(HWND window, LONG_PTR userValue = 0, SubclassOwner* owner = nullptr);
    // Adds a message number (or kEveryMessage) to the before and/or after filter of this
    // table's subclass of the window; nothing happens for a window it has not subclassed.
    void AddSubclassMessage(HWND window, std::int32_t message, int when);
    // Removes this table's subclass of the window: at once, or, while a message to the window
    // is being handled, when the outermost such call returns. Until then no callback runs.
    void DetachSubclass(HWND window);
    void DetachAllSubclasses();

    bool IsAttached(HWND window) const;

private:
    std::vector<std::unique_ptr<SubclassRecord>>::iterator Find(HWND window);
    std::vector<std::unique_ptr<SubclassRecord>>::const_iterator Find(HWND window) const;
    // Takes a record out of the table and requests its removal from the window.
    void Detach(std::vector<std::unique_ptr<SubclassRecord>>::iterator entry);

    SubclassOwner& defaultOwner_;
    std::vector<std::unique_ptr<SubclassRecord>> records_;
};

}  // namespace aerobutton
