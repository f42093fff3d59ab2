#include "content/article_catalogue.h"

#include "content/article_block.h"

std::string_view ArticleCatalogue::text(SchemeNumber n) noexcept {
  if (n < kFirstScheme || n > kLastScheme) return std::string_view(kArticleBlock + kArticleBlockSize - 1, 0);
  const ArticleExtent& extent = kArticleExtents[n - kFirstScheme];
  return std::string_view(kArticleBlock + extent.offset, extent.size);
}
