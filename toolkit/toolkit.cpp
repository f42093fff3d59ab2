// The toolkit's operations and the one record they share. The operations take
// no context, as the program calls them, so the record is process-wide.
#include "toolkit/toolkit.h"

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "toolkit/fatal.h"
#include "toolkit/program.h"
#include "toolkit/state.h"
#include "toolkit/window.h"

namespace toolkit {

namespace {

struct ToolkitState {
  Description description;
  std::vector<ExitRoutine> exitRoutines;
  std::vector<std::unique_ptr<Window>> windows;
  bool loopRunning = false;
  std::int32_t quitCode = 0;
};

ToolkitState& State() {
  static ToolkitState state;
  return state;
}

Window* FindWindowById(Id id) {
  for (const auto& window : State().windows) {
    if (window->row().id == id) return window.get();
  }
  return nullptr;
}

Window* FindWindowByHandle(HWND hwnd) {
  HWND root = GetAncestor(hwnd, GA_ROOT);
  for (const auto& window : State().windows) {
    if (window->hwnd() == root) return window.get();
  }
  return nullptr;
}

}  // namespace

void InitToolkit() {
  // Loads the common controls the manifest asks for, so the text box takes the system's visual style.
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  State().description = ProgramWindowDescription();
  if (CheckDescription(State().description) != DescriptionFault::None) FatalError(kDescriptionUnreadable);
}

void RegisterExitRoutine(ExitRoutine routine) {
  auto& routines = State().exitRoutines;
  if (routine && std::find(routines.begin(), routines.end(), routine) == routines.end()) routines.push_back(routine);
}

void LoadStartupWindow(Id windowId) {
  const auto& description = State().description;
  const auto row = std::find_if(description.begin(), description.end(),
                                [&](const WindowTemplate& window) { return window.id == windowId; });
  if (row == description.end()) FatalError(kStartupWindowFailed);
  std::unique_ptr<Window> window = Window::Create(*row);
  if (!window) FatalError(kStartupWindowFailed);
  Window* shown = window.get();
  State().windows.push_back(std::move(window));
  shown->Show();
}

void RunEventLoop() {
  auto& state = State();
  if (state.windows.empty()) return;
  state.loopRunning = true;
  MSG msg;
  for (;;) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) {
      state.quitCode = static_cast<std::int32_t>(msg.wParam);
      break;
    }
    if (got == -1) break;
    if (Window* window = FindWindowByHandle(msg.hwnd); window && window->PreTranslate(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  state.loopRunning = false;
}

void WriteProperty(Id windowId, Id controlId, std::int32_t property, std::int32_t /*element*/, PropertyValue value,
                   std::int32_t /*reserved*/) {
  if (Window* window = FindWindowById(windowId)) {
    if (Control* control = window->FindControl(controlId)) control->WriteProperty(property, value);
  }
}

void ForgetWindow(Window* window) {
  auto& state = State();
  const auto found = std::find_if(state.windows.begin(), state.windows.end(),
                                  [&](const auto& owned) { return owned.get() == window; });
  if (found == state.windows.end()) return;
  state.windows.erase(found);
  if (state.windows.empty() && state.loopRunning) PostQuitMessage(0);
}

std::int32_t EndProgram() {
  for (ExitRoutine routine : State().exitRoutines) routine();
  return State().quitCode;
}

}  // namespace toolkit
