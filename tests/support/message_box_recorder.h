// Replaces the modal message box with a recorder for the lifetime of the object.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "platform/message_box.h"

namespace testing_support {

struct RecordedBox {
    HWND owner;
    std::wstring text;
    std::wstring title;
    UINT flags;
};

class MessageBoxRecorder {
public:
    MessageBoxRecorder() {
        previous_ = platform::SetMessageBoxHook(
            [this](HWND owner, const std::wstring& text, const std::wstring& title, UINT flags) {
                boxes.push_back({owner, text, title, flags});
            });
    }
    ~MessageBoxRecorder() { platform::SetMessageBoxHook(std::move(previous_)); }
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    std::vector<RecordedBox> boxes;

private:
    platform::MessageBoxHook previous_;
};

}  // namespace testing_support
