// A control container for tests: fixed ambient properties that a test may change, and a log
// of every change notification ("notify KEY"), event ("event NAME") and access-key change.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/control_site.h"

namespace testing_support {

class RecordingSite : public platform::ControlSite {
public:
    std::wstring displayName = L"btnPush";
    platform::FontDescription font{L"MS Sans Serif", 8.25f};
    std::uint32_t foreColor = platform::kButtonTextColor;
    bool userMode = true;
    bool displayAsDefault = false;
    std::vector<platform::ParentLink> parents;

    std::vector<std::wstring> log;         // notifications and events, in order
    std::vector<std::wstring> accessKeys;  // every SetAccessKeys call
    std::vector<platform::ControlEvent> events;
    std::vector<std::wstring> sentKeys;
    int doEventsCalls = 0;
    // Runs inside RaiseEvent, after the event is logged.
    std::function<void(platform::ControlEvent&)> onEvent;

    std::wstring AmbientDisplayName() override { return displayName; }
    platform::FontDescription AmbientFont() override { return font; }
    std::uint32_t AmbientForeColor() override { return foreColor; }
    bool AmbientUserMode() override { return userMode; }
    bool AmbientDisplayAsDefault() override { return displayAsDefault; }
    void PropertyChanged(std::wstring_view key) override { log.push_back(L"notify " + std::wstring(key)); }
    void SetAccessKeys(std::wstring_view keys) override { accessKeys.emplace_back(keys); }
    void RaiseEvent(platform::ControlEvent& event) override {
        log.push_back(L"event " + std::wstring(event.name));
        events.push_back(event);
        if (onEvent) onEvent(event);
    }
    std::vector<platform::ParentLink> ParentChain() override { return parents; }
    void SendKeys(std::wstring_view keys) override { sentKeys.emplace_back(keys); }
    void DoEvents() override {
        ++doEventsCalls;
        if (onDoEvents) onDoEvents();
    }
    // What processing the pending messages does, for a test to decide.
    std::function<void()> onDoEvents;

    // The log so far, emptied.
    std::vector<std::wstring> Take() {
        auto taken = std::move(log);
        log.clear();
        return taken;
    }
};

}  // namespace testing_support
