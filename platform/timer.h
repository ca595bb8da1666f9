// A timer with an interval in milliseconds, an enabled flag and a tick handler. It keeps a
// message-only window of its own, so it needs no cooperation from the form it serves.
#pragma once

#include <functional>

#include "platform/window.h"

namespace platform {

class Timer : public Window {
public:
    Timer();
    ~Timer() override;

    void SetInterval(unsigned milliseconds);
    unsigned Interval() const { return interval_; }
    void SetEnabled(bool enabled);
    bool Enabled() const { return enabled_; }

    std::function<void()> onTick;

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Rearm();

    unsigned interval_ = 0;
    bool enabled_ = false;
};

}  // namespace platform
