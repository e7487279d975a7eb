#pragma once

namespace verbalia {

// The ICU locale for collation and number formats: the user's default, or
// English when none is chosen (the POSIX and root locales).
const char* icuUserLocale();

} // namespace verbalia
