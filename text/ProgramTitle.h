#pragma once

#include <string_view>

namespace verbalia {

// The program title: the application's title, the caption of its window and
// the product name in the about box.
inline constexpr const char* programTitle = "Verbalia - v1.4f";

// The version that both programs' --version print.
inline constexpr const char* programVersion = "1.4f";
static_assert(std::string_view(programTitle).ends_with(programVersion));

} // namespace verbalia
