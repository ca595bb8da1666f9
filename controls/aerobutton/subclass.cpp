// Subclassing through the system's subclass chain (SetWindowSubclass, DefSubclassProc,
// RemoveWindowSubclass): one window procedure for every subclass, which finds its record in
// the reference data. Nothing is written into executable memory, and the chain stays intact
// whatever order the subclasses of one window are removed in.
#include "controls/aerobutton/subclass.h"

#include <commctrl.h>

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

LRESULT CALLBACK SubclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                   DWORD_PTR refData);

UINT_PTR SubclassId(const SubclassRecord& record) { return reinterpret_cast<UINT_PTR>(&record); }

void Unhook(const SubclassRecord& record) {
    // Fails only when the window has gone, and then there is nothing left to unhook.
    RemoveWindowSubclass(record.window, SubclassProcedure, SubclassId(record));
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

LRESULT CALLBACK SubclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                   DWORD_PTR refData) {
    auto& record = *reinterpret_cast<SubclassRecord*>(refData);
    bool handled = false;
    LRESULT result = 0;
    ++record.depth;
    Deliver(record, true, handled, result, window, message, wParam, lParam);
    if (!handled) {
        result = DefSubclassProc(window, message, wParam, lParam);
        Deliver(record, false, handled, result, window, message, wParam, lParam);
        // The window is going: its subclass goes with it, and its table forgets it.
        if (message == WM_NCDESTROY && record.table) record.table->DetachSubclass(window);
    }
    --record.depth;
    if (record.depth == 0 && record.detachRequested) {
        Unhook(record);
        // Ends the record's life; nothing of it is touched after this line.
        auto last = std::move(record.keepAlive);
    }
    return result;
}

}  // namespace

SubclassTable::SubclassTable(SubclassOwner& defaultOwner) : defaultOwner_(defaultOwner) {}

SubclassTable::~SubclassTable() { DetachAllSubclasses(); }

bool SubclassTable::sc_Subclass(HWND window, LONG_PTR userValue, SubclassOwner* owner) {
    if (!IsWindow(window)) return false;
    DWORD process = 0;
    const DWORD thread = GetWindowThreadProcessId(window, &process);
    if (process != GetCurrentProcessId()) return false;
    // The system's subclass chain serves only windows of the calling thread, and the records
    // are read and written without locks, on the thread of the window.
    if (thread != GetCurrentThreadId()) return false;
    if (Find(window) != records_.end()) return false;

    auto created = std::make_unique<SubclassRecord>();
    created->window = window;
    created->owner = owner ? owner : &defaultOwner_;
    created->userValue = userValue;
    created->table = this;
    SubclassRecord& record = *created;
    records_.push_back(std::move(created));
    // Installing sends no message, so the record is complete before its first call.
    if (!SetWindowSubclass(window, SubclassProcedure, SubclassId(record), reinterpret_cast<DWORD_PTR>(&record))) {
        records_.pop_back();
        return false;
    }
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
