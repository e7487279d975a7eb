#include "app/core/LayoutBaseline.h"

#include <climits>
#include <cmath>

namespace verbalia {
namespace {

int truncated(double value)
{
    if (!(value > INT_MIN)) return INT_MIN; // also NaN
    if (value >= double(INT_MAX)) return INT_MAX;
    return int(std::trunc(value));
}

} // namespace

std::string baselineHeader(int clientWidth, int clientHeight)
{
    return std::to_string(clientWidth) + ' ' + std::to_string(clientHeight) + " W/H Mainform1";
}

std::string baselineLine(const ControlGeometry& geometry, std::string_view name)
{
    std::string line;
    for (int field : {geometry.left, geometry.width, geometry.top, geometry.height, geometry.fontSize})
        line += std::to_string(field) + ' ';
    line += name;
    return line;
}

ControlGeometry parseBaselineLine(std::string_view line)
{
    return {Field_As_Integer(line, 1), Field_As_Integer(line, 2), Field_As_Integer(line, 3),
            Field_As_Integer(line, 4), Field_As_Integer(line, 5)};
}

std::optional<ScaleFactors> scaleFactors(std::string_view header, int clientWidth, int clientHeight)
{
    return scaleFactors(Field_As_Integer(header, 1), Field_As_Integer(header, 2), clientWidth, clientHeight);
}

std::optional<ScaleFactors> scaleFactors(int designWidth, int designHeight, int clientWidth, int clientHeight)
{
    if (designWidth <= 0 || designHeight <= 0) return std::nullopt;
    ScaleFactors factors;
    factors.height = double(clientHeight) / designHeight;
    factors.width = double(clientWidth) / designWidth;
    factors.font = factors.height >= factors.width ? factors.width : factors.height;
    return factors;
}

ControlGeometry scaled(const ControlGeometry& design, const ScaleFactors& factors)
{
    return {truncated(design.left * factors.width), truncated(design.width * factors.width),
            truncated(design.top * factors.height), truncated(design.height * factors.height),
            truncated(design.fontSize * factors.font)};
}

int Field_As_Integer(std::string_view line, int n)
{
    for (int i = 1; i < n; ++i) {
        const std::size_t blank = line.find(' ');
        if (blank == std::string_view::npos) break;
        line.remove_prefix(blank + 1);
    }
    return Digits_To_Integer(line.substr(0, line.find(' ')));
}

int Digits_To_Integer(std::string_view text)
{
    bool negative = false;
    bool first = true;
    bool anyDigit = false;
    long long value = 0;
    for (char c : text) {
        const bool sign = c == '+' || c == '-';
        if (!sign && (c < '0' || c > '9')) continue;
        if (sign) {
            if (first) negative = c == '-';
        } else {
            anyDigit = true;
            if (value <= INT_MAX) value = value * 10 + (c - '0');
        }
        first = false;
    }
    if (!anyDigit) return 0;
    if (negative) return value > -(long long)INT_MIN ? INT_MIN : int(-value);
    return value > INT_MAX ? INT_MAX : int(value);
}

} // namespace verbalia
