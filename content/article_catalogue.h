// The six constant articles, looked up by scheme number.
#pragma once

#include <string_view>

// The number in a link's caption ("方案一" is 1) and the key of its article.
using SchemeNumber = int;

class ArticleCatalogue {
 public:
  static constexpr SchemeNumber kFirstScheme = 1;
  static constexpr SchemeNumber kLastScheme = 6;

  // The GBK bytes of scheme n's article, CR LF line ends, with a NUL right
  // after the view; the same address every time, valid for the whole run.
  // Any other n gives an empty view, also NUL-terminated.
  static std::string_view text(SchemeNumber n) noexcept;
};
