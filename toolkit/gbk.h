// The one place where the toolkit turns the program's GBK texts into the
// UTF-16 that the W functions take, so Chinese shows on any system locale.
#pragma once

#include <string>
#include <string_view>

namespace toolkit {

// Replaces the contents of `out`, reusing its storage.
void Utf16FromGbk(std::string_view gbk, std::wstring& out);
std::wstring Utf16FromGbk(std::string_view gbk);

}  // namespace toolkit
