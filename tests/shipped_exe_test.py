#!/usr/bin/env python3
"""Checks the shipped 32-bit exe's headers and imports, as read by MinGW's
objdump, and its section table: that it still loads on Windows XP, keeps the
platform's exploit mitigations, and reaches for nothing it has no business
with (files, the registry, the network).

Usage: shipped_exe_test.py EXE [OBJDUMP]
"""
import re
import struct
import subprocess
import sys

# Every function the exe may import, each present in Windows XP SP2's DLL of
# that name. A new import fails here on purpose: check that Windows XP has it
# (and that the program should need it) before adding it. The C runtime's
# start-up code reads the command line and the environment; the program's own
# code uses neither.
ALLOWED_IMPORTS = {
    "COMCTL32.DLL": {"InitCommonControlsEx"},
    "GDI32.dll": {"CreateSolidBrush", "DeleteObject", "GetStockObject", "SelectObject", "SetBkColor",
                  "SetBkMode", "SetTextColor"},
    "KERNEL32.dll": {"DeleteCriticalSection", "EnterCriticalSection", "ExitProcess", "FreeLibrary",
                     "GetLastError", "GetModuleHandleA", "GetModuleHandleW", "GetProcAddress",
                     "GetStartupInfoW", "InitializeCriticalSection", "LeaveCriticalSection", "LoadLibraryA",
                     "LoadLibraryW", "MultiByteToWideChar", "SetUnhandledExceptionFilter", "Sleep",
                     "TlsGetValue", "VirtualProtect", "VirtualQuery"},
    "msvcrt.dll": {"__p__commode", "__p__fmode", "__p__wcmdln", "__set_app_type", "__setusermatherr",
                   "__wgetmainargs", "__winitenv", "_amsg_exit", "_cexit", "_initterm", "_iob", "_onexit",
                   "abort", "calloc", "exit", "fprintf", "free", "fwrite", "malloc", "memcmp", "memcpy",
                   "memmove", "signal", "strlen", "strncmp", "vfprintf", "wcslen"},
    "USER32.dll": {"BeginPaint", "CreateWindowExW", "DefWindowProcW", "DestroyIcon", "DestroyWindow",
                   "DispatchMessageW", "DrawTextW", "EndPaint", "FillRect", "GetAncestor", "GetClassInfoExW",
                   "GetClientRect", "GetFocus", "GetKeyState", "GetMessageW", "GetSysColor",
                   "GetSysColorBrush", "GetSystemMetrics", "GetWindowLongW", "GetWindowRect",
                   "InvalidateRect", "IsChild", "IsWindow", "IsWindowEnabled", "IsWindowVisible",
                   "LoadCursorW", "LoadImageW", "MessageBoxW", "PostQuitMessage", "PtInRect",
                   "RegisterClassExW", "SendMessageW", "SetCursor", "SetFocus", "SetWindowLongW",
                   "SetWindowPos", "SetWindowTextW", "ShowWindow", "TrackMouseEvent", "TranslateMessage",
                   "UpdateWindow"},
}

IMAGE_SCN_MEM_EXECUTE = 0x20000000
IMAGE_SCN_MEM_WRITE = 0x80000000
IMAGE_FILE_RELOCS_STRIPPED = 0x0001

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def header_value(dump, name):
    match = re.search(rf"^{name}\s+([0-9a-fA-F]+)", dump, re.MULTILINE)
    return int(match.group(1), 16) if match else None


def imports(dump):
    """{dll: {function, ...}} from objdump's interpreted import tables."""
    found, dll = {}, None
    for line in dump.splitlines():
        if match := re.match(r"\s+DLL Name: (\S+)", line):
            dll = match.group(1)
            found.setdefault(dll, set())
        elif dll and (match := re.match(r"\s+[0-9a-f]+\s+\d+\s+([A-Za-z_]\w*)$", line)):
            found[dll].add(match.group(1))
        elif line.startswith("The ") and "Import" not in line:
            dll = None
    return found


def sections(path):
    """[(name, characteristics)] from the PE section table."""
    data = open(path, "rb").read()
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    count = struct.unpack_from("<H", data, pe + 6)[0]
    optional_size = struct.unpack_from("<H", data, pe + 20)[0]
    table = pe + 24 + optional_size
    result = []
    for i in range(count):
        entry = table + 40 * i
        name = data[entry:entry + 8].rstrip(b"\0").decode("ascii", "replace")
        result.append((name, struct.unpack_from("<I", data, entry + 36)[0]))
    return result


def main():
    exe = sys.argv[1]
    objdump = sys.argv[2] if len(sys.argv) > 2 else "i686-w64-mingw32-objdump"
    dump = subprocess.run([objdump, "-p", exe], check=True, capture_output=True, text=True).stdout

    # Loads on Windows XP as a 32-bit GUI program.
    check("file format pei-i386" in dump, "not a 32-bit x86 exe")
    check(header_value(dump, "Subsystem") == 2, "subsystem is not Windows GUI")
    for field in ("MajorSubsystemVersion", "MajorOSystemVersion"):
        check(header_value(dump, field) == 5, f"{field} is not 5")
    for field in ("MinorSubsystemVersion", "MinorOSystemVersion"):
        check(header_value(dump, field) == 1, f"{field} is not 1")

    # Mitigations: NX, ASLR with the relocations it needs.
    characteristics = header_value(dump, "DllCharacteristics") or 0
    check(characteristics & 0x0100, "not marked NX-compatible (NX_COMPAT)")
    check(characteristics & 0x0040, "not marked ASLR-capable (DYNAMIC_BASE)")
    check(not (header_value(dump, "Characteristics") or 0) & IMAGE_FILE_RELOCS_STRIPPED, "relocations stripped")
    reloc = re.search(r"^Entry 5 ([0-9a-f]+) ([0-9a-f]+) Base Relocation", dump, re.MULTILINE)
    check(reloc and int(reloc.group(2), 16) > 0, "no base relocation table")
    for name, flags in sections(exe):
        check(not (flags & IMAGE_SCN_MEM_WRITE and flags & IMAGE_SCN_MEM_EXECUTE),
              f"section {name} is both writable and executable")

    # Two builds give the same bytes: no link time in the header.
    check(re.search(r"^Time/Date\s+Thu Jan  1 00:00:00 1970", dump, re.MULTILINE), "the header carries a time stamp")

    # Only system DLLs of Windows XP, and only functions it has.
    found = imports(dump)
    check({"KERNEL32.dll", "USER32.dll"} <= found.keys(), "the import table could not be read")
    for dll, functions in sorted(found.items()):
        allowed = ALLOWED_IMPORTS.get(dll)
        if allowed is None:
            failures.append(f"imports from {dll}: {', '.join(sorted(functions))}")
            continue
        for function in sorted(functions - allowed):
            failures.append(f"new import {dll}!{function}: check Windows XP has it, then allow it here")

    for failure in failures:
        print("FAIL:", failure)
    print(f"{exe}: {'ok' if not failures else f'{len(failures)} problem(s)'}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
