// RunProgram's start-up sequence, run against a toolkit that only records
// the calls it receives.
#include <doctest/doctest.h>

#include <string>
#include <vector>

#include "app/program.h"
#include "app/window_description.h"
#include "toolkit/program.h"
#include "toolkit/toolkit.h"

namespace {
std::vector<std::string>& Calls() {
  static std::vector<std::string> calls;
  return calls;
}
toolkit::ExitRoutine registered = nullptr;
toolkit::Id loaded = 0;
}  // namespace

namespace toolkit {
void InitToolkit() { Calls().push_back("InitToolkit"); }
void RegisterExitRoutine(ExitRoutine routine) {
  Calls().push_back("RegisterExitRoutine");
  registered = routine;
}
void LoadStartupWindow(Id windowId) {
  Calls().push_back("LoadStartupWindow");
  loaded = windowId;
}
void RunEventLoop() { Calls().push_back("RunEventLoop"); }
void WriteProperty(Id, Id, std::int32_t, std::int32_t, PropertyValue, std::int32_t) {
  Calls().push_back("WriteProperty");
}
}  // namespace toolkit

TEST_CASE("RunProgram starts the toolkit, registers the release routine, shows MainWindow, runs the loop") {
  CHECK(RunProgram() == 0);
  CHECK(Calls() == std::vector<std::string>{"InitToolkit", "RegisterExitRoutine", "LoadStartupWindow", "RunEventLoop"});
  CHECK((registered == &ReleaseProgramState));
  CHECK(loaded == 0x52010001);
  CHECK(ProgramWindowDescription().size() == 1);
  CHECK(ProgramWindowDescription().data() == &MainWindow);
}
