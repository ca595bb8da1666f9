// The IAccessible object of a window's client area, answering from its source, and its
// server, which hands it out and disconnects it.
#include "platform/accessible_object.h"

#include <memory>
#include <vector>

namespace platform {

namespace {
constexpr IID kIIDUnknown{0x00000000, 0x0000, 0x0000, {0xc0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr IID kIIDDispatch{0x00020400, 0x0000, 0x0000, {0xc0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr IID kIIDEnumVariant{0x00020404, 0x0000, 0x0000, {0xc0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

// A text for the client, or S_FALSE and no text when there is none.
HRESULT ReturnText(const std::wstring& text, BSTR* out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (text.empty()) return S_FALSE;
    *out = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return *out ? S_OK : E_OUTOFMEMORY;
}

bool Contains(const RECT& r, long x, long y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }
}  // namespace

VARIANT ChildVariant(long child) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = child;
    return v;
}

long AccessibleSource::ChildAt(POINT screen) {
    for (long id = ChildCount(); id >= 1; --id) {
        if (Contains(ScreenLocation(id), screen.x, screen.y)) return id;
    }
    return 0;
}

// COM's reference counting for an object of one interface: the last Release frees it.
// Clients in other processes hold it through proxies whose releases arrive here, long after
// the window may be gone.
template <typename Interface>
class CountedObject : public Interface {
public:
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }

protected:
    CountedObject() = default;
    virtual ~CountedObject() = default;
    // QueryInterface's answer: this object for IUnknown and the interfaces it has.
    HRESULT Give(bool has, void** out) {
        if (!out) return E_POINTER;
        *out = has ? static_cast<Interface*>(this) : nullptr;
        if (!has) return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }

private:
    LONG references_ = 1;
};

// A list of children as clients walk it: child windows' objects and simple elements' ids.
class ChildList final : public CountedObject<IEnumVARIANT> {
public:
    explicit ChildList(std::vector<VARIANT> items) : items_(std::move(items)) {}
    ~ChildList() override {
        for (VARIANT& item : items_) VariantClear(&item);
    }
    ChildList(const ChildList&) = delete;
    ChildList& operator=(const ChildList&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
        return Give(IsEqualIID(riid, kIIDUnknown) || IsEqualIID(riid, kIIDEnumVariant), out);
    }
    HRESULT STDMETHODCALLTYPE Next(ULONG count, VARIANT* out, ULONG* fetched) override {
        if (!out) return E_POINTER;
        ULONG n = 0;
        for (; n < count && next_ < items_.size(); ++n, ++next_) {
            VariantInit(&out[n]);
            VariantCopy(&out[n], &items_[next_]);
        }
        if (fetched) *fetched = n;
        return n == count ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override {
        next_ += count;
        if (next_ <= items_.size()) return S_OK;
        next_ = items_.size();
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Reset() override {
        next_ = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT** out) override {
        if (!out) return E_POINTER;
        std::vector<VARIANT> copies(items_.size());
        for (size_t i = 0; i < items_.size(); ++i) {
            VariantInit(&copies[i]);
            VariantCopy(&copies[i], &items_[i]);
        }
        auto clone = std::make_unique<ChildList>(std::move(copies));
        clone->next_ = next_;
        *out = clone.release();
        return S_OK;
    }

private:
    std::vector<VARIANT> items_;
    size_t next_ = 0;
};

class AccessibleObject final : public CountedObject<IAccessible> {
public:
    AccessibleObject(HWND hwnd, AccessibleSource& source) : hwnd_(hwnd), source_(&source) {}
    void Disconnect() { source_ = nullptr; }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
        if (out && IsEqualIID(riid, kIIDEnumVariant) && source_ && source_->ListsChildWindows()) {
            *out = nullptr;
            return ListChildren(out);
        }
        return Give(IsEqualIID(riid, kIIDUnknown) || IsEqualIID(riid, kIIDDispatch) || IsEqualIID(riid, kIIDAccessible),
                    out);
    }

    // IDispatch: clients use the interface's own methods; there is no type information.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (!count) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
        if (info) *info = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return E_NOTIMPL;
    }

    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        if (!parent) return E_POINTER;
        *parent = nullptr;
        if (!source_) return CO_E_OBJNOTCONNECTED;
        // The window's own object knows the way up.
        IAccessible* standard = Standard();
        if (!standard) return E_FAIL;
        const HRESULT hr = standard->get_accParent(parent);
        standard->Release();
        return hr;
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        if (!count) return E_POINTER;
        *count = 0;
        if (!source_) return CO_E_OBJNOTCONNECTED;
        *count = source_->ChildCount();
        if (source_->ListsChildWindows()) {
            long windows = 0;
            if (IAccessible* standard = Standard()) {
                if (SUCCEEDED(standard->get_accChildCount(&windows))) *count += windows;
                standard->Release();
            }
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        long id = 0;
        if (const HRESULT hr = Check(child, id); hr != S_OK) return hr;
        if (id == CHILDID_SELF) return E_INVALIDARG;
        return S_FALSE;  // a simple element: the client asks this object about it
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        return TextOf(child, name, &AccessibleSource::AccessibleName);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        long id = 0;
        if (const HRESULT hr = Check(child, id, value); hr != S_OK) return hr;
        const std::wstring text = source_->AccessibleValue(id);
        if (text.empty()) return DISP_E_MEMBERNOTFOUND;
        return ReturnText(text, value);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override { return NoText(child, text); }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        return NumberOf(child, role, &AccessibleSource::AccessibleRole);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return NumberOf(child, state, &AccessibleSource::AccessibleState);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override { return NoText(child, help); }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        if (file) *file = nullptr;
        if (topic) *topic = 0;
        long id = 0;
        if (const HRESULT hr = Check(child, id); hr != S_OK) return hr;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return TextOf(child, shortcut, &AccessibleSource::KeyboardShortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        if (!focus) return E_POINTER;
        VariantInit(focus);
        if (!source_) return CO_E_OBJNOTCONNECTED;
        if (GetFocus() != hwnd_) return S_FALSE;
        *focus = ChildVariant(CHILDID_SELF);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        if (!selection) return E_POINTER;
        VariantInit(selection);
        return source_ ? S_FALSE : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return TextOf(child, action, &AccessibleSource::DefaultAction);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long, VARIANT child) override {
        long id = 0;
        if (const HRESULT hr = Check(child, id); hr != S_OK) return hr;
        return DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override {
        if (!left || !top || !width || !height) return E_POINTER;
        *left = *top = *width = *height = 0;
        long id = 0;
        if (const HRESULT hr = Check(child, id); hr != S_OK) return hr;
        const RECT r = source_->ScreenLocation(id);
        *left = r.left;
        *top = r.top;
        *width = r.right - r.left;
        *height = r.bottom - r.top;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        if (!end) return E_POINTER;
        VariantInit(end);
        long id = 0;
        if (const HRESULT hr = Check(start, id); hr != S_OK) return hr;
        const long count = source_->ChildCount();
        long to = -1;
        if (id == CHILDID_SELF) {
            if (direction == NAVDIR_FIRSTCHILD && count > 0) to = 1;
            if (direction == NAVDIR_LASTCHILD && count > 0) to = count;
            if (direction != NAVDIR_FIRSTCHILD && direction != NAVDIR_LASTCHILD) {
                // Among the window's siblings: the window's own object knows them.
                IAccessible* standard = Standard();
                if (!standard) return E_FAIL;
                const HRESULT hr = standard->accNavigate(direction, start, end);
                standard->Release();
                return hr;
            }
        } else if (direction == NAVDIR_NEXT || direction == NAVDIR_RIGHT || direction == NAVDIR_DOWN) {
            if (id < count) to = id + 1;
        } else if (direction == NAVDIR_PREVIOUS || direction == NAVDIR_LEFT || direction == NAVDIR_UP) {
            if (id > 1) to = id - 1;
        }
        if (to < 0) return S_FALSE;
        *end = ChildVariant(to);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* hit) override {
        if (!hit) return E_POINTER;
        VariantInit(hit);
        if (!source_) return CO_E_OBJNOTCONNECTED;
        if (const long id = source_->ChildAt(POINT{x, y}); id > 0) {
            *hit = ChildVariant(id);
            return S_OK;
        }
        if (source_->ListsChildWindows()) {
            // A child window's object, or the object itself.
            IAccessible* standard = Standard();
            if (!standard) return E_FAIL;
            const HRESULT hr = standard->accHitTest(x, y, hit);
            standard->Release();
            return hr;
        }
        if (!Contains(source_->ScreenLocation(CHILDID_SELF), x, y)) return S_FALSE;
        *hit = ChildVariant(CHILDID_SELF);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        long id = 0;
        if (const HRESULT hr = Check(child, id); hr != S_OK) return hr;
        if (source_->DefaultAction(id).empty()) return DISP_E_MEMBERNOTFOUND;
        // An element that is unavailable now (a disabled button) does nothing.
        return source_->DoDefaultAction(id) ? S_OK : E_FAIL;
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    // The child windows as the window's own object lists them, then the simple elements.
    HRESULT ListChildren(void** out) const {
        std::vector<VARIANT> items;
        if (IAccessible* standard = Standard()) {
            IEnumVARIANT* windows = nullptr;
            if (SUCCEEDED(standard->QueryInterface(kIIDEnumVariant, reinterpret_cast<void**>(&windows)))) {
                windows->Reset();
                VARIANT item;
                VariantInit(&item);
                ULONG fetched = 0;
                while (windows->Next(1, &item, &fetched) == S_OK && fetched == 1) {
                    items.push_back(item);  // the list takes the reference
                    VariantInit(&item);
                }
                windows->Release();
            }
            standard->Release();
        }
        for (long id = 1; id <= source_->ChildCount(); ++id) items.push_back(ChildVariant(id));
        *out = static_cast<IEnumVARIANT*>(std::make_unique<ChildList>(std::move(items)).release());
        return S_OK;
    }

    // S_OK with the element's id for a child the object has; the error to return otherwise.
    HRESULT Check(const VARIANT& child, long& id, BSTR* text = nullptr) const {
        if (text) *text = nullptr;
        if (!source_) return CO_E_OBJNOTCONNECTED;
        if (child.vt != VT_I4) return E_INVALIDARG;
        id = child.lVal;
        if (id < 0 || id > source_->ChildCount()) return E_INVALIDARG;
        return S_OK;
    }
    // A text the source gives for a child (S_FALSE and no text when it gives none).
    HRESULT TextOf(const VARIANT& child, BSTR* out, std::wstring (AccessibleSource::*get)(long)) const {
        long id = 0;
        if (const HRESULT hr = Check(child, id, out); hr != S_OK) return hr;
        return ReturnText((source_->*get)(id), out);
    }
    // A text no element here has (a description, a help text): S_FALSE for a valid child.
    HRESULT NoText(const VARIANT& child, BSTR* out) const {
        long id = 0;
        if (const HRESULT hr = Check(child, id, out); hr != S_OK) return hr;
        return S_FALSE;
    }
    // A number the source gives for a child (its role or state flags), as a VT_I4.
    HRESULT NumberOf(const VARIANT& child, VARIANT* out, long (AccessibleSource::*get)(long)) const {
        if (!out) return E_POINTER;
        VariantInit(out);
        long id = 0;
        if (const HRESULT hr = Check(child, id); hr != S_OK) return hr;
        *out = ChildVariant((source_->*get)(id));
        return S_OK;
    }
    IAccessible* Standard() const {
        void* standard = nullptr;
        if (FAILED(CreateStdAccessibleObject(hwnd_, OBJID_CLIENT, kIIDAccessible, &standard))) return nullptr;
        return static_cast<IAccessible*>(standard);
    }

    HWND hwnd_;
    AccessibleSource* source_;  // null once disconnected
};

LRESULT AccessibleServer::Answer(WPARAM wParam, LPARAM lParam) {
    if (static_cast<LONG>(static_cast<DWORD>(lParam)) != OBJID_CLIENT) return 0;
    if (!object_) object_ = std::make_unique<AccessibleObject>(hwnd_, source_).release();
    // A failure comes back as a negative result: the error code, widened with its sign. On a
    // thread without COM the system's standard object answers instead. (Starting COM here,
    // inside a request another process sent, made Wine fault later when the windows went.)
    const LRESULT answer = LresultFromObject(kIIDAccessible, wParam, object_);
    return answer < 0 ? 0 : answer;
}

void AccessibleServer::Disconnect() {
    if (!object_) return;
    object_->Disconnect();
    object_->Release();
    object_ = nullptr;
}

void AccessibleServer::Notify(DWORD event, long child) const {
    if (IsWindow(hwnd_)) NotifyWinEvent(event, hwnd_, OBJID_CLIENT, child);
}

}  // namespace platform
