// Start-up failures: the user is told in a modal message and the process
// ends with -1, without running the end-of-program routines.
#pragma once

namespace toolkit {

inline constexpr wchar_t kDescriptionUnreadable[] = L"载入窗口模板数据段出错!";
inline constexpr wchar_t kStartupWindowFailed[] = L"载入启动窗口失败";

[[noreturn]] void FatalError(const wchar_t* message);

}  // namespace toolkit
