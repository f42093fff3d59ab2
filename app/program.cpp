// The program's start-up routine and its two routines for program-wide
// state. The program keeps no state, so both do nothing.
#include "app/program.h"

#include "app/window_description.h"
#include "toolkit/program.h"
#include "toolkit/toolkit.h"

void InitProgramState() {}

void ReleaseProgramState() {}

std::int32_t RunProgram() {
  toolkit::InitToolkit();
  InitProgramState();
  toolkit::RegisterExitRoutine(ReleaseProgramState);
  toolkit::LoadStartupWindow(kMainWindowId);
  toolkit::RunEventLoop();
  return 0;
}

toolkit::Description ProgramWindowDescription() { return {&MainWindow, 1}; }
