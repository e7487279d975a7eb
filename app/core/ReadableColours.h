#pragma once

// Contrast between two colours as a reader sees it, and the nearest colour
// that reads well against another.

namespace verbalia {

struct Rgb {
    int red, green, blue; // 0..255
    bool operator==(const Rgb&) const = default;
};

// From 1 (same brightness) to 21 (black on white), by relative luminance.
double contrastRatio(Rgb first, Rgb second);

// The text of a control should reach this against its background.
inline constexpr double readableContrast = 4.5;

// `colour` moved towards black or white, whichever stands further from
// `other`, just far enough to reach `minimum` contrast with it (or as far as
// it goes); unchanged when it already does.
Rgb readableAgainst(Rgb colour, Rgb other, double minimum = readableContrast);

} // namespace verbalia
