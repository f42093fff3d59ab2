// The press handlers of the six scheme links: each shows its scheme's article
// in the text box. Defined for schemes 1 to 6 only.
#pragma once

#include <cstdint>

#include "content/article_catalogue.h"
#include "toolkit/description.h"

template <SchemeNumber N>
toolkit::HandlerResult OnSchemeLinkPressed(std::int32_t x, std::int32_t y, std::int32_t keyState);
