#include "toolkit/fatal.h"

#include <windows.h>

namespace toolkit {

void FatalError(const wchar_t* message) {
  MessageBoxW(nullptr, message, L"错误", MB_OK | MB_ICONERROR | MB_TASKMODAL | MB_SETFOREGROUND);
  ExitProcess(static_cast<UINT>(-1));
}

}  // namespace toolkit
