// GoogleTest's Notification for the win32 thread-model runtime, which has no
// std::mutex or std::condition_variable: a Win32 event does the same. Included
// ahead of GoogleTest's own headers (GTEST_HAS_NOTIFICATION_ tells them).
#pragma once

#include <windows.h>

namespace testing::internal {

class Notification {
public:
    Notification()
        : event_(CreateEventA(nullptr, TRUE, FALSE, nullptr))
    {
    }
    ~Notification() { CloseHandle(event_); }
    Notification(const Notification&) = delete;
    Notification& operator=(const Notification&) = delete;
    void Notify() { SetEvent(event_); }
    void WaitForNotification() { WaitForSingleObject(event_, INFINITE); }

private:
    HANDLE event_;
};

} // namespace testing::internal
