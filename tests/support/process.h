// A program started as a separate process, as a user would start it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace test {

// The path of a program built beside the running test, or relative to it.
std::wstring BesideTest(const wchar_t* relative);

class Process {
 public:
  // Starts `exe`; its standard output goes to a pipe that Output() reads.
  explicit Process(const std::wstring& exe);
  ~Process();  // ends it if it still runs
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;

  DWORD id() const { return info_.dwProcessId; }
  bool started() const { return info_.hProcess != nullptr; }
  // The exit code, or STILL_ACTIVE if it has not ended within `ms`.
  DWORD WaitForExit(DWORD ms);
  std::string Output();  // all it wrote, once it has ended
  // A top-level window of the process with this class, visible or not.
  HWND FindWindowOfClass(const wchar_t* className) const;
  HWND WaitForWindow(const wchar_t* className, DWORD ms) const;

 private:
  PROCESS_INFORMATION info_{};
  HANDLE outputRead_ = nullptr;
};

std::vector<HWND> ChildWindows(HWND parent);

}  // namespace test
