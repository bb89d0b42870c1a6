// Waiting for a condition with a deadline, while this thread's own windows keep working.
#pragma once

#include <chrono>
#include <functional>

namespace testing_support {

using Milliseconds = std::chrono::milliseconds;

// Pumps this thread's messages until `condition` holds or `timeout` passes; returns the condition.
bool WaitUntil(const std::function<bool()>& condition, Milliseconds timeout);

// Pumps this thread's messages for a while (for tests that must show that nothing happens).
void PumpFor(Milliseconds duration);

}  // namespace testing_support
