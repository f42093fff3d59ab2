// The process entry: the toolkit hands control to the program and does the
// end-of-program work when it returns.
#include <windows.h>

#include "toolkit/program.h"
#include "toolkit/state.h"
#include "toolkit/toolkit.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // A program that returns anything but 0 leaves the message loop to the toolkit.
  if (RunProgram() != 0) toolkit::RunEventLoop();
  return toolkit::EndProgram();
}
