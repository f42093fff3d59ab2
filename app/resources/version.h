// The one place the program's version is written.
#pragma once

#define PROGRAM_VERSION 1, 0, 0, 0
#define PROGRAM_VERSION_TEXT "1.0.0.0"
