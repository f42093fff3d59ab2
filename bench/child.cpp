#include "bench/child.h"

#include <psapi.h>
#include <winternl.h>

#include <vector>

#include "bench/timing.h"

namespace bench {

Child::Child(const std::wstring& exe, const std::wstring& arguments) {
  std::wstring commandLine = L"\"" + exe + L"\"";
  if (!arguments.empty()) commandLine += L" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &info_)) {
    info_ = {};
  }
}

Child::~Child() {
  if (!info_.hProcess) return;
  if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
    TerminateProcess(info_.hProcess, 1);
    WaitForSingleObject(info_.hProcess, 5000);
  }
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

HWND Child::VisibleTopLevelWindow() const {
  struct Search {
    DWORD pid;
    HWND found;
  } search{info_.dwProcessId, nullptr};
  EnumWindows(
      [](HWND hwnd, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<Search*>(param);
        DWORD pid = 0;
        GetWindowThreadProcessId(hwnd, &pid);
        if (pid != s->pid || !IsWindowVisible(hwnd)) return TRUE;
        s->found = hwnd;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool NothingToPaint(HWND window) {
  if (GetUpdateRect(window, nullptr, FALSE)) return false;
  bool painted = true;
  EnumChildWindows(
      window,
      [](HWND child, LPARAM param) -> BOOL {
        if (!IsWindowVisible(child) || !GetUpdateRect(child, nullptr, FALSE)) return TRUE;
        *reinterpret_cast<bool*>(param) = false;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&painted));
  return painted;
}

HWND Child::WaitForPaintedWindow(DWORD ms, bool (*ready)(HWND)) const {
  if (!started()) return nullptr;
  const Stopwatch clock;
  do {
    HWND window = VisibleTopLevelWindow();
    if (window && (!ready || ready(window)) && NothingToPaint(window)) return window;
    if (WaitForSingleObject(info_.hProcess, 1) == WAIT_OBJECT_0) return nullptr;  // it ended instead
  } while (clock.Milliseconds() < ms);
  return nullptr;
}

DWORD Child::Close(HWND window, DWORD ms) {
  PostMessageW(window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(info_.hProcess, ms) != WAIT_OBJECT_0) return STILL_ACTIVE;
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

namespace {

// Wine answers GetProcessHandleCount for the calling process only; the
// system's process list carries the count of every process.
DWORD HandleCountFromProcessList(DWORD pid) {
  std::vector<unsigned char> buffer(256 * 1024);
  ULONG needed = 0;
  while (NtQuerySystemInformation(SystemProcessInformation, buffer.data(), static_cast<ULONG>(buffer.size()),
                                  &needed) == static_cast<NTSTATUS>(0xC0000004L)) {  // STATUS_INFO_LENGTH_MISMATCH
    buffer.resize(buffer.size() * 2);
  }
  for (size_t offset = 0;;) {
    const auto* entry = reinterpret_cast<const SYSTEM_PROCESS_INFORMATION*>(buffer.data() + offset);
    if (reinterpret_cast<ULONG_PTR>(entry->UniqueProcessId) == pid) return entry->HandleCount;
    if (!entry->NextEntryOffset) return 0;
    offset += entry->NextEntryOffset;
  }
}

}  // namespace

Footprint Child::Measure() const {
  Footprint footprint;
  PROCESS_MEMORY_COUNTERS_EX memory{};
  memory.cb = sizeof memory;
  if (GetProcessMemoryInfo(info_.hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory)) {
    // For another process Wine fills only the basic counters; there the
    // commit charge (PagefileUsage) is the process's anonymous memory, the
    // same figure Windows gives as PrivateUsage.
    footprint.privateBytes = memory.PrivateUsage ? memory.PrivateUsage : memory.PagefileUsage;
    footprint.peakWorkingSet = memory.PeakWorkingSetSize;
  }
  if (!GetProcessHandleCount(info_.hProcess, &footprint.handles) || !footprint.handles) {
    footprint.handles = HandleCountFromProcessList(info_.dwProcessId);
  }
  footprint.gdiObjects = GetGuiResources(info_.hProcess, GR_GDIOBJECTS);
  footprint.userObjects = GetGuiResources(info_.hProcess, GR_USEROBJECTS);
  return footprint;
}

}  // namespace bench
