// The constant description of the program's one window, MainWindow.
#pragma once

#include "toolkit/description.h"

inline constexpr toolkit::Id kMainWindowId = 0x52010001;
inline constexpr toolkit::Id kTextBoxId = 0x16010008;  // 编辑框1

// Texts in it are GBK bytes.
extern const toolkit::WindowTemplate MainWindow;
