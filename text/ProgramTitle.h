#pragma once

namespace verbalia {

// The program title: the application's title, the caption of its window and
// the product name in the about box.
inline constexpr const char* programTitle = "Verbalia - v1.4f";

} // namespace verbalia
