#pragma once

// The layout baseline: the design geometry of the window's components as
// lines of text, and the arithmetic that rescales them to a client size.
// Line 0 is "<client width> <client height> W/H Mainform1"; each further line
// is "<left> <width> <top> <height> <font points> <name>" for a component with
// a place on the screen, or "0" for one without (menus, dialogs).

#include <optional>
#include <string>
#include <string_view>

namespace verbalia {

struct ControlGeometry {
    int left = 0;
    int width = 0;
    int top = 0;
    int height = 0;
    int fontSize = 0; // points

    bool operator==(const ControlGeometry&) const = default;
};

struct ScaleFactors {
    double width = 1;
    double height = 1;
    double font = 1; // the smaller of the two
};

// The line of a component without a place on the screen.
inline constexpr std::string_view placelessLine = "0";

std::string baselineHeader(int clientWidth, int clientHeight);
std::string baselineLine(const ControlGeometry& geometry, std::string_view name);

// Fields 1 to 5 of a component's line.
ControlGeometry parseBaselineLine(std::string_view line);

// The factors that take the design client size of the header line to the
// given client size; none when the header holds no usable size.
std::optional<ScaleFactors> scaleFactors(std::string_view header, int clientWidth, int clientHeight);
std::optional<ScaleFactors> scaleFactors(int designWidth, int designHeight, int clientWidth, int clientHeight);

// Each bound and the font size times its factor, truncated toward zero.
ControlGeometry scaled(const ControlGeometry& design, const ScaleFactors& factors);

// Field n (from 1) of a line of blank-separated fields as a number; past the
// last field, the last field.
int Field_As_Integer(std::string_view line, int n);

// The number in the text's digits, ignoring every other character; a sign
// counts only as the first of the kept characters. 0 when no digit is left;
// values beyond the range of int are held at its ends.
int Digits_To_Integer(std::string_view text);

} // namespace verbalia
