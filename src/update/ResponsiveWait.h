// Waiting for blocking work without freezing the window: the work runs on a
// thread of its own while the calling thread keeps processing events.
// Windows keep painting, timers and sockets (a quit request) run, and a close
// request from the window manager is delivered; clicks, keys and the wheel
// are dropped meanwhile, so that no other action starts (Qt's own
// ExcludeUserInputEvents would also hold back the window's close button).
#pragma once

#include <functional>

namespace vantor {

// Runs AWork to its end. AStop is asked about every 50 ms on the calling
// thread; once it is true, ACancel is called once (on the calling thread)
// and the wait goes on until AWork returns, which ACancel should make soon.
void RunWhileResponsive(const std::function<void()>& AWork, const std::function<bool()>& AStop,
                        const std::function<void()>& ACancel);

} // namespace vantor
