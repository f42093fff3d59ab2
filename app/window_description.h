// The constant description of the program's one window, MainWindow.
#pragma once

#include "content/article_catalogue.h"
#include "toolkit/description.h"

inline constexpr toolkit::Id kMainWindowId = 0x52010001;
inline constexpr toolkit::Id kTextBoxId = 0x16010008;  // 编辑框1

// 超级链接框1 to 超级链接框6: 0x16010002 to 0x16010007.
constexpr toolkit::Id SchemeLinkId(SchemeNumber n) { return 0x16010001 + static_cast<toolkit::Id>(n); }

// Texts in it are GBK bytes.
extern const toolkit::WindowTemplate MainWindow;
