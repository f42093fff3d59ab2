#include "app/scheme_links.h"

#include "app/window_description.h"
#include "toolkit/toolkit.h"

// Position and keys make no difference; no result lets the press go on to the link.
template <SchemeNumber N>
toolkit::HandlerResult OnSchemeLinkPressed(std::int32_t, std::int32_t, std::int32_t) {
  toolkit::WriteProperty(kMainWindowId, kTextBoxId, toolkit::kContent, -1, ArticleCatalogue::text(N), 0);
  return std::nullopt;
}

template toolkit::HandlerResult OnSchemeLinkPressed<1>(std::int32_t, std::int32_t, std::int32_t);
template toolkit::HandlerResult OnSchemeLinkPressed<2>(std::int32_t, std::int32_t, std::int32_t);
template toolkit::HandlerResult OnSchemeLinkPressed<3>(std::int32_t, std::int32_t, std::int32_t);
template toolkit::HandlerResult OnSchemeLinkPressed<4>(std::int32_t, std::int32_t, std::int32_t);
template toolkit::HandlerResult OnSchemeLinkPressed<5>(std::int32_t, std::int32_t, std::int32_t);
template toolkit::HandlerResult OnSchemeLinkPressed<6>(std::int32_t, std::int32_t, std::int32_t);
