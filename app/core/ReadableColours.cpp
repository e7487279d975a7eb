#include "app/core/ReadableColours.h"

#include <cmath>

namespace verbalia {
namespace {

double linear(int channel)
{
    const double value = channel / 255.0;
    return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double luminance(Rgb colour)
{
    return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) + 0.0722 * linear(colour.blue);
}

int blend(int from, int to, double share) { return int(std::lround(from + (to - from) * share)); }

} // namespace

double contrastRatio(Rgb first, Rgb second)
{
    const double a = luminance(first) + 0.05, b = luminance(second) + 0.05;
    return a > b ? a / b : b / a;
}

Rgb readableAgainst(Rgb colour, Rgb other, double minimum)
{
    constexpr Rgb black{0, 0, 0}, white{255, 255, 255};
    const Rgb target = contrastRatio(black, other) > contrastRatio(white, other) ? black : white;
    constexpr int steps = 64;
    Rgb moved = colour;
    for (int step = 1; step <= steps && contrastRatio(moved, other) < minimum; ++step) {
        const double share = double(step) / steps;
        moved = {blend(colour.red, target.red, share), blend(colour.green, target.green, share),
                 blend(colour.blue, target.blue, share)};
    }
    return moved;
}

} // namespace verbalia
