#pragma once

#include <functional>

namespace vorlanda {

// Runs work on a thread of its own and returns when it is done, rethrowing what it threw. The
// window's thread keeps processing its events meanwhile, so the window paints and its buttons
// answer however long the engines take: the caller disables what must not be pressed again.
void RunInBackground(const std::function<void()>& work);

// Whether some work started by RunInBackground has not returned yet.
bool BackgroundWorkPending() noexcept;

// Runs call on the application's (the window's) thread and waits for it; called there, it
// just runs it.
void OnWindowThread(const std::function<void()>& call);

} // namespace vorlanda
