#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <sstream>

namespace verbalia {
namespace {

using enum CommandLineAction;

TEST(CommandLineTest, ParsesEachOptionAloneAndRefusesTheRest)
{
    struct Case {
        std::vector<std::string> args;
        CommandLineAction action;
        std::string problem;
    };
    const Case cases[] = {
        {{}, StartWindow, ""},
        {{"-session", "10d3f5a"}, StartWindow, ""},
        {{"--install-desktop-entry"}, InstallDesktopEntry, ""},
        {{"--remove-desktop-entry"}, RemoveDesktopEntry, ""},
        {{"--help"}, ShowHelp, ""},
        {{"--version"}, ShowVersion, ""},
        {{"--hlep"}, UsageError, "unknown option --hlep"},
        {{"-h"}, UsageError, "unknown option -h"},
        {{"words.txt"}, UsageError, "unexpected argument words.txt"},
        {{"-session"}, UsageError, "unknown option -session"},
        {{"--help", "--version"}, UsageError, "one option at a time"},
        {{"--version", "--colour"}, UsageError, "unknown option --colour"},
    };
    for (const Case& c : cases) {
        const ParsedCommandLine parsed = parseCommandLine(c.args);
        EXPECT_EQ(parsed.action, c.action) << testing::PrintToString(c.args);
        EXPECT_EQ(parsed.problem, c.problem);
    }
}

TEST(CommandLineTest, HelpAndVersionGoToStandardOutputAndErrorsToStandardError)
{
    std::ostringstream out, err;
    EXPECT_EQ(runCommandLine({}, out, err), std::nullopt);

    EXPECT_EQ(runCommandLine({"--help"}, out, err), 0);
    EXPECT_TRUE(out.str().starts_with("Usage: verbalia [")) << out.str();
    EXPECT_NE(out.str().find("  --remove-desktop-entry"), std::string::npos);
    out.str("");
    EXPECT_EQ(runCommandLine({"--version"}, out, err), 0);
    EXPECT_EQ(out.str(), "Verbalia 1.4f\n");
    EXPECT_EQ(err.str(), "");

    out.str("");
    EXPECT_EQ(runCommandLine({"--bogus"}, out, err), 64);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str(), "verbalia: unknown option --bogus\n"
                         "Usage: verbalia [--install-desktop-entry | --remove-desktop-entry | --help | --version]\n");

    std::ostringstream closed;
    closed.setstate(std::ios::badbit);
    EXPECT_EQ(runCommandLine({"--version"}, closed, err), 74);
}

} // namespace
} // namespace verbalia
