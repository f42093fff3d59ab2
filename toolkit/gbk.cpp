#include "toolkit/gbk.h"

#include <windows.h>

namespace toolkit {

namespace {
constexpr UINT kGbkCodePage = 936;
}

void Utf16FromGbk(std::string_view gbk, std::wstring& out) {
  out.clear();
  if (gbk.empty()) return;
  const int length = MultiByteToWideChar(kGbkCodePage, 0, gbk.data(), static_cast<int>(gbk.size()), nullptr, 0);
  if (length <= 0) return;
  out.resize(static_cast<size_t>(length));
  MultiByteToWideChar(kGbkCodePage, 0, gbk.data(), static_cast<int>(gbk.size()), out.data(), length);
}

std::wstring Utf16FromGbk(std::string_view gbk) {
  std::wstring out;
  Utf16FromGbk(gbk, out);
  return out;
}

}  // namespace toolkit
