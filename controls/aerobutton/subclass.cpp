// Subclassing by replacing a window's procedure: one procedure of ours stands in front of
// each subclassed window's own and calls the window's records, the latest attached first,
// each around the next, and finally the procedure that was there before. Nothing is written
// into executable memory, and the chain stays intact whatever order the subclasses of one
// window are removed in: the window gets its own procedure back once the last record has
// gone, unless another subclass has been put in front of ours meanwhile, in which case ours
// stays as a plain pass-through. The records of a window are found in a small table of the
// process, without a call into the system.
//
// Why not the common controls' SetWindowSubclass chain, the usual way: under Wine every
// message through that chain is a call into the window server (its per-window list lives in
// a window property), and bench/RESULTS.md measured a message to a subclassed button at 52 x a
// plain one that way (125 us against 0.47 us for WM_NULL), against 1.26 x with this table.
// The button sees every mouse move, so that cost was paid all the time. Going back to the
// system's chain would bring it back; measure with `make bench` before changing this.
#include "controls/aerobutton/subclass.h"

#include <algorithm>
#include <atomic>
#include <utility>

#include "controls/aerobutton/message_filter.h"

namespace aerobutton {

namespace {
std::atomic<long> g_liveRecords{0};
}

long LiveSubclassRecords() { return g_liveRecords.load(); }

// One subclassed window of one table.
struct SubclassRecord {
    SubclassRecord() { ++g_liveRecords; }
    ~SubclassRecord() { --g_liveRecords; }
    SubclassRecord(const SubclassRecord&) = delete;
    SubclassRecord& operator=(const SubclassRecord&) = delete;

    HWND window = nullptr;
    SubclassOwner* owner = nullptr;
    LONG_PTR userValue = 0;
    MessageFilter before;
    MessageFilter after;
    // Calls for this window in progress in this subclass, nested ones included.
    int depth = 0;
    bool detachRequested = false;
    // The table listing the record; null once detached.
    SubclassTable* table = nullptr;
    // A record detached during one of its calls owns itself until the outermost call returns.
    std::unique_ptr<SubclassRecord> keepAlive;
};

namespace {

// Our procedure in front of one window's own.
struct WindowHook {
    HWND window = nullptr;
    WNDPROC previous = nullptr;
    // The records in the order attached; a running record stays listed until it returns.
    std::vector<SubclassRecord*> records;
    // Calls of our procedure for this window in progress, nested ones included.
    int depth = 0;
    bool destroyed = false;  // WM_NCDESTROY has come: the handle may soon name another window
};

// Every hooked window of the process. The lock guards the list alone, which windows of several
// threads share; a hook found in it is then used without the lock, which is safe because only
// its window's thread adds it, uses it and removes it (each hook is a separate allocation, so
// another thread's change of the list does not move it).
SRWLOCK g_hooksLock = SRWLOCK_INIT;
std::vector<std::unique_ptr<WindowHook>> g_hooks;

WindowHook* FindHook(HWND window) {
    AcquireSRWLockShared(&g_hooksLock);
    WindowHook* found = nullptr;
    for (const auto& hook : g_hooks)
        if (hook->window == window) found = hook.get();
    ReleaseSRWLockShared(&g_hooksLock);
    return found;
}

LRESULT CALLBACK HookProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Gives the window its procedure back when nothing of ours runs for it any more and no
// record is left, and forgets the hook. A subclass put in front of ours after it would lose
// its place if ours were taken out, so then ours stays as a pass-through.
void ReleaseHookIfUnused(WindowHook& hook) {
    if (hook.depth != 0 || (!hook.records.empty() && !hook.destroyed)) return;
    if (!hook.destroyed) {
        if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hook.window, GWLP_WNDPROC)) != &HookProcedure) return;
        SetWindowLongPtrW(hook.window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(hook.previous));
    }
    AcquireSRWLockExclusive(&g_hooksLock);
    const auto entry =
        std::find_if(g_hooks.begin(), g_hooks.end(), [&hook](const auto& h) { return h.get() == &hook; });
    std::unique_ptr<WindowHook> released;
    if (entry != g_hooks.end()) {
        released = std::move(*entry);
        g_hooks.erase(entry);
    }
    ReleaseSRWLockExclusive(&g_hooksLock);
}

void Unhook(const SubclassRecord& record) {
    WindowHook* hook = FindHook(record.window);
    if (!hook) return;
    const auto entry = std::find(hook->records.begin(), hook->records.end(), &record);
    if (entry != hook->records.end()) hook->records.erase(entry);
    ReleaseHookIfUnused(*hook);
}

void Deliver(SubclassRecord& record, bool before, bool& handled, LRESULT& result, HWND window, UINT message,
             WPARAM wParam, LPARAM lParam) {
    const MessageFilter& filter = before ? record.before : record.after;
    if (record.owner == nullptr || !filter.Holds(message)) return;
    try {
        record.owner->OnSubclassMessage(before, handled, result, window, message, wParam, lParam, record.userValue);
    } catch (...) {
        // An exception must not unwind through the system's frames of the window procedure;
        // the message is then handled as if the callback had returned.
    }
}

// The record attached before `record`, the next one inward; null when `record` is the first.
SubclassRecord* Inner(const WindowHook& hook, const SubclassRecord* record) {
    const auto entry = std::find(hook.records.begin(), hook.records.end(), record);
    return entry == hook.records.begin() || entry == hook.records.end() ? nullptr : *(entry - 1);
}

// Runs the message through `record` and every record inside it, then the window's own
// procedure; a null record means the window's own procedure alone.
LRESULT CallRecord(WindowHook& hook, SubclassRecord* record, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!record) return CallWindowProcW(hook.previous, window, message, wParam, lParam);
    bool handled = false;
    LRESULT result = 0;
    ++record->depth;
    Deliver(*record, true, handled, result, window, message, wParam, lParam);
    if (!handled) {
        result = CallRecord(hook, Inner(hook, record), window, message, wParam, lParam);
        Deliver(*record, false, handled, result, window, message, wParam, lParam);
        // The window is going: its subclass goes with it, and its table forgets it. A callback
        // that handled WM_NCDESTROY before the window saw it kept it from the window, and from
        // this detach too: its table keeps the record until it detaches it itself. The hook is
        // released all the same once the message has passed (HookProcedure marks it destroyed).
        if (message == WM_NCDESTROY && record->table) record->table->DetachSubclass(window);
    }
    --record->depth;
    if (record->depth == 0 && record->detachRequested) {
        Unhook(*record);
        // Ends the record's life; nothing of it is touched after this line.
        auto last = std::move(record->keepAlive);
    }
    return result;
}

LRESULT CALLBACK HookProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowHook* hook = FindHook(window);
    // Only hooked windows get this procedure; the check keeps a stray call harmless.
    if (!hook) return DefWindowProcW(window, message, wParam, lParam);
    ++hook->depth;
    if (message == WM_NCDESTROY) hook->destroyed = true;
    const LRESULT result =
        CallRecord(*hook, hook->records.empty() ? nullptr : hook->records.back(), window, message, wParam, lParam);
    --hook->depth;
    ReleaseHookIfUnused(*hook);
    return result;
}

// Puts our procedure in front of the window's own, once per window. Null when refused.
WindowHook* HookWindow(HWND window) {
    if (WindowHook* hook = FindHook(window)) return hook;
    auto hook = std::make_unique<WindowHook>();
    hook->window = window;
    // Replacing the procedure sends no message, so the hook is complete before its first call.
    SetLastError(0);
    const LONG_PTR previous = SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HookProcedure));
    if (previous == 0 && GetLastError() != 0) return nullptr;
    hook->previous = reinterpret_cast<WNDPROC>(previous);
    AcquireSRWLockExclusive(&g_hooksLock);
    g_hooks.push_back(std::move(hook));
    WindowHook* added = g_hooks.back().get();
    ReleaseSRWLockExclusive(&g_hooksLock);
    return added;
}

}  // namespace

SubclassTable::SubclassTable(SubclassOwner& defaultOwner) : defaultOwner_(defaultOwner) {}

SubclassTable::~SubclassTable() { DetachAllSubclasses(); }

bool SubclassTable::sc_Subclass(HWND window, LONG_PTR userValue, SubclassOwner* owner) {
    if (!IsWindow(window)) return false;
    DWORD process = 0;
    const DWORD thread = GetWindowThreadProcessId(window, &process);
    if (process != GetCurrentProcessId()) return false;
    // A window's procedure can be replaced only by its own process, and the records are read
    // and written without locks, on the thread of the window.
    if (thread != GetCurrentThreadId()) return false;
    if (Find(window) != records_.end()) return false;

    auto created = std::make_unique<SubclassRecord>();
    created->window = window;
    created->owner = owner ? owner : &defaultOwner_;
    created->userValue = userValue;
    created->table = this;
    SubclassRecord& record = *created;
    records_.push_back(std::move(created));
    WindowHook* hook = HookWindow(window);
    if (!hook) {
        records_.pop_back();
        return false;
    }
    hook->records.push_back(&record);
    return true;
}

void SubclassTable::AddSubclassMessage(HWND window, std::int32_t message, int when) {
    const auto entry = Find(window);
    if (entry == records_.end()) return;
    if (when & kBeforePrevious) (*entry)->before.Add(message);
    if (when & kAfterPrevious) (*entry)->after.Add(message);
}

void SubclassTable::DetachSubclass(HWND window) {
    const auto entry = Find(window);
    if (entry != records_.end()) Detach(entry);
}

void SubclassTable::DetachAllSubclasses() {
    while (!records_.empty()) Detach(records_.end() - 1);
}

bool SubclassTable::IsAttached(HWND window) const { return Find(window) != records_.end(); }

std::vector<std::unique_ptr<SubclassRecord>>::iterator SubclassTable::Find(HWND window) {
    return std::find_if(records_.begin(), records_.end(), [window](const auto& r) { return r->window == window; });
}

std::vector<std::unique_ptr<SubclassRecord>>::const_iterator SubclassTable::Find(HWND window) const {
    return std::find_if(records_.begin(), records_.end(), [window](const auto& r) { return r->window == window; });
}

void SubclassTable::Detach(std::vector<std::unique_ptr<SubclassRecord>>::iterator entry) {
    std::unique_ptr<SubclassRecord> record = std::move(*entry);
    records_.erase(entry);
    record->table = nullptr;
    record->detachRequested = true;
    record->before.Clear();
    record->after.Clear();
    if (record->depth == 0) {
        Unhook(*record);
        return;
    }
    SubclassRecord& running = *record;
    running.keepAlive = std::move(record);
}

}  // namespace aerobutton
