// The six articles back to back in one read-only block, each followed by one
// NUL; the build generates the definitions from content/articles.
#pragma once

#include <cstddef>

struct ArticleExtent {
  std::size_t offset;
  std::size_t size;
};

extern const char kArticleBlock[];
extern const std::size_t kArticleBlockSize;  // every byte, the six NULs included
extern const ArticleExtent kArticleExtents[6];
