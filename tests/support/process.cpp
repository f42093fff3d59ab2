#include "tests/support/process.h"

namespace test {

std::wstring BesideTest(const wchar_t* relative) {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path, length);
  folder.resize(folder.find_last_of(L"\\/") + 1);
  return folder + relative;
}

Process::Process(const std::wstring& exe) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE outputWrite = nullptr;
  CreatePipe(&outputRead_, &outputWrite, &inherit, 0);
  SetHandleInformation(outputRead_, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = outputWrite;
  startup.hStdError = outputWrite;
  std::wstring commandLine = L"\"" + exe + L"\"";
  CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &info_);
  CloseHandle(outputWrite);
}

Process::~Process() {
  if (info_.hProcess) {
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(info_.hProcess, 1);
    CloseHandle(info_.hProcess);
    CloseHandle(info_.hThread);
  }
  if (outputRead_) CloseHandle(outputRead_);
}

DWORD Process::WaitForExit(DWORD ms) {
  if (WaitForSingleObject(info_.hProcess, ms) != WAIT_OBJECT_0) return STILL_ACTIVE;
  DWORD code = 0;
  GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

std::string Process::Output() {
  std::string output;
  char buffer[4096];
  DWORD read = 0;
  while (ReadFile(outputRead_, buffer, sizeof buffer, &read, nullptr) && read) output.append(buffer, read);
  return output;
}

HWND Process::FindWindowOfClass(const wchar_t* className) const {
  struct Search {
    DWORD pid;
    const wchar_t* className;
    HWND found;
  } search{info_.dwProcessId, className, nullptr};
  EnumWindows(
      [](HWND hwnd, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<Search*>(param);
        DWORD pid = 0;
        GetWindowThreadProcessId(hwnd, &pid);
        wchar_t name[64];
        GetClassNameW(hwnd, name, 64);
        if (pid == s->pid && lstrcmpiW(name, s->className) == 0) {
          s->found = hwnd;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND Process::WaitForWindow(const wchar_t* className, DWORD ms) const {
  const DWORD end = GetTickCount() + ms;
  do {
    if (HWND hwnd = FindWindowOfClass(className); hwnd && IsWindowVisible(hwnd)) return hwnd;
    Sleep(50);
  } while (static_cast<LONG>(end - GetTickCount()) > 0);
  return nullptr;
}

std::vector<HWND> ChildWindows(HWND parent) {
  std::vector<HWND> children;
  EnumChildWindows(
      parent,
      [](HWND hwnd, LPARAM param) -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(param)->push_back(hwnd);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&children));
  return children;
}

}  // namespace test
