// GoogleTest's thread start signal on a Win32 event. The programs are built with the C++
// library's Win32 thread model, which needs no threading library but has no std::mutex,
// the only thing GoogleTest's own version of this class needs it for.
//
// What ties this to GoogleTest (Debian's 1.12.1): GTEST_HAS_NOTIFICATION_ (set for the gtest
// target in the top CMakeLists.txt, this header forced into its sources) makes gtest-port.h
// leave out its own Notification and use one already declared in testing::internal with the
// same two members. A GoogleTest that drops the switch declares its own again and the build
// fails with a redefinition here; one that renames the class or its members fails to compile.
#pragma once

#include <windows.h>

namespace testing::internal {

class Notification {
public:
    Notification() : event_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
    ~Notification() { CloseHandle(event_); }
    Notification(const Notification&) = delete;
    Notification& operator=(const Notification&) = delete;

    void Notify() { SetEvent(event_); }
    void WaitForNotification() { WaitForSingleObject(event_, INFINITE); }

private:
    HANDLE event_;
};

}  // namespace testing::internal
