// What a program built on the toolkit supplies. The toolkit's entry point
// calls RunProgram; InitToolkit reads the description.
#pragma once

#include <cstdint>

#include "toolkit/description.h"

std::int32_t RunProgram();
toolkit::Description ProgramWindowDescription();
