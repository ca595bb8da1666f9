// The hidden form the tests put controls and panels on: a real form, created where the program
// creates its own, not shown until a test shows it.
#pragma once

#include <windows.h>

#include <string_view>

#include "platform/form.h"

namespace testing_support {

class TestForm : public platform::Form {
public:
    explicit TestForm(std::wstring_view caption = L"test", DWORD style = WS_OVERLAPPEDWINDOW, int width = 300,
                      int height = 200) {
        CreateForm(caption, style, width, height);
    }
};

}  // namespace testing_support
