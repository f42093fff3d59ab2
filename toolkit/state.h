// The toolkit's process-wide bookkeeping, shared by its own files only.
#pragma once

#include <cstdint>

namespace toolkit {

class Window;

// Called when a window's system window is gone; deletes the object. The
// last window gone while the event loop runs makes it end with code 0.
void ForgetWindow(Window* window);

// Runs the end-of-program routines once each, in registration order, and
// gives the exit code: that of the quit request the event loop took.
std::int32_t EndProgram();

}  // namespace toolkit
