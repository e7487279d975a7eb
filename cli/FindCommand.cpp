#include "FindCommand.h"

#include "Command.h"
#include "lexicon/CommonnessLevels.h"
#include "text/ProgramTitle.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <initializer_list>
#include <ostream>

namespace verbalia {

namespace {

// Every command, in the order the help lists them.
const std::vector<Command>& commands()
{
    static const std::vector<Command> table = {wildcardCommand(), lettersCommand(), soundsCommand(),
                                               harvestCommand(),  removeCommand(),  sortCommand(),
                                               defineCommand(),   solveCommand()};
    return table;
}

constexpr const char* description =
    "Searches a word list as Verbalia does, solves crossword clues, adds the words of a text to it,\n"
    "sorts it, or defines words.\n"
    "Options may come before or after the command; criteria that begin with '-' follow '--'.";

constexpr const char* encodings =
    "Encodings:\n"
    "  A list in UTF-8 whose characters all exist in Windows-1252 (as Debian's word lists)\n"
    "  is converted to Windows-1252 as it is read; PATTERN, LETTERS, WORD and TEXTFILE are\n"
    "  then taken as UTF-8 where they are valid UTF-8 (a character Windows-1252 lacks is a\n"
    "  non-letter that no word holds), and the output is UTF-8. With any other list the\n"
    "  arguments and the output are byte for byte, and TEXTFILE is converted only when it\n"
    "  is such a UTF-8 file itself.";

int usage(std::ostream& err, std::string problem)
{
    std::replace(problem.begin(), problem.end(), '\n', ' ');
    err << "verbalia-find: " << problem << "\nTry 'verbalia-find --help' for more information.\n";
    return usageError;
}

// The command's subcommand of the parser, its operands and options read into invocation.
void addCommand(CLI::App& app, const Command& command, Invocation& invocation)
{
    CLI::App* parser = app.add_subcommand(command.name, command.help)->group("Commands");
    if (command.operand) {
        CLI::Option* operand =
            command.manyOperands
                ? parser->add_option(command.operand, invocation.operands)->expected(-1)
                : parser->add_option_function<std::string>(
                      command.operand, [&invocation](const std::string& value) { invocation.operands = {value}; });
        operand->required()->type_name("");
    }
    for (const CommandOption& option : command.options) {
        const std::string name = option.name;
        if (option.value) {
            parser
                ->add_option_function<std::string>(
                    name, [&invocation, name](const std::string& value) { invocation.options[name] = value; },
                    option.help)
                ->type_name(option.value);
            continue;
        }
        if (option.choices.empty()) {
            parser->add_flag_callback(name, [&invocation, name] { invocation.options[name]; }, option.help);
            continue;
        }
        std::string choices;
        for (const std::string& choice : option.choices) choices += (choices.empty() ? "" : "|") + choice;
        parser
            ->add_option_function<std::string>(
                name, [&invocation, name](const std::string& value) { invocation.options[name] = value; },
                option.help)
            ->check(CLI::IsMember(option.choices).description(""))
            ->type_name(choices)
            ->required();
    }
}

// The arguments as the parser takes them: last first, and an empty value
// after '=' ("--exclude=") given apart, which the parser would otherwise
// take from the next argument.
std::vector<std::string> parserArguments(const std::vector<std::string>& args)
{
    std::vector<std::string> given;
    bool options = true;
    for (const std::string& arg : args) {
        options = options && arg != "--";
        if (options && arg.starts_with("--") && arg.find('=') == arg.size() - 1)
            given.insert(given.end(), {arg.substr(0, arg.size() - 1), ""});
        else
            given.push_back(arg);
    }
    return {given.rbegin(), given.rend()};
}

} // namespace

int runFindCommand(const std::vector<std::string>& args, const FileLocations& locations, std::ostream& out,
                   std::ostream& err, const std::optional<FileIdentity>& outputFile)
{
    Invocation invocation;
    CLI::App app(description, "verbalia-find");
    app.set_version_flag("-V,--version", std::string("verbalia-find (Verbalia) ") + programVersion);
    app.set_help_flag("-h,--help", "Show this help, or a command's, and exit");
    app.fallthrough();
    app.require_subcommand(0, 1);
    app.get_formatter()->label("SUBCOMMAND", "COMMAND");
    app.get_formatter()->column_width(24);
    app.add_option("--list", invocation.listPath,
                   "The word list, one word per line (default: wordlist.dat beside\n"
                   "the program, or the built-in list when there is none; installed\n"
                   "from a package, ~/.local/share/verbalia/wordlist.dat)")
        ->type_name("FILE");
    const CLI::Validator length = CLI::Range(1, 50).description("");
    CLI::Option* lower =
        app.add_option("--min", invocation.range.lower, "Shortest word to list, 1 to 50 (default 1)")
            ->check(length)
            ->type_name("N");
    CLI::Option* upper =
        app.add_option("--max", invocation.range.upper, "Longest word to list, 1 to 50 (default 50)")
            ->check(length)
            ->type_name("N");
    CLI::Option* exclusion =
        app.add_option("--exclude", invocation.exclusion, "Leave out words holding any of LETTERS")
            ->type_name("LETTERS");
    CLI::Option* order =
        app.add_option_function<std::string>(
               "--order",
               [&invocation](const std::string& value) {
                   invocation.commonFirst = value == "common";
                   invocation.orderGiven = true;
               },
               "List the words in the list's order (default but for solve),\n"
               "or the commonest first (by SCOWL size, then in list order)")
            ->check(CLI::IsMember({"list", "common"}).description(""))
            ->type_name("list|common");
    const CLI::Validator size(
        [](const std::string& value) {
            return levelOfSize(value) ? std::string() : "N is one of SCOWL's sizes " + std::string(scowlSizesText);
        },
        "");
    CLI::Option* common = app.add_option("--common", invocation.common,
                                         "List only the words of SCOWL size N or commoner\n"
                                         "(10, the commonest, 20, 35, 40, 50, 55, 60, 70, 80)")
                              ->check(size)
                              ->type_name("N");
    CLI::Option* levels =
        app.add_option("--levels", invocation.levelsPath,
                       "The words' SCOWL sizes, for --order common and --common\n"
                       "(default: wordlist-levels.txt beside the program,\n"
                       "or in /usr/share/verbalia installed from a package)\n"
                       "(the options from --min on apply to the searches only)")
            ->type_name("FILE");
    for (const Command& command : commands()) addCommand(app, command, invocation);
    app.footer(encodings);
    app.allow_extras(); // reported below, in the order given

    try {
        app.parse(parserArguments(args));
    } catch (const CLI::CallForHelp&) {
        out << app.help();
        return out.flush() ? done : writeError;
    } catch (const CLI::CallForAllHelp&) {
        out << app.help();
        return out.flush() ? done : writeError;
    } catch (const CLI::CallForVersion& version) {
        out << version.what() << '\n';
        return out.flush() ? done : writeError;
    } catch (const CLI::ParseError& error) {
        return usage(err, error.what());
    }

    if (const std::vector<std::string> extra = app.remaining(); !extra.empty())
        return usage(err, (extra.front().starts_with('-') ? "unknown option " : "unexpected argument ") + extra.front());
    if (app.get_subcommands().empty()) return usage(err, "missing command");
    const std::string name = app.get_subcommands().front()->get_name();
    const Command& command =
        *std::find_if(commands().begin(), commands().end(), [&](const Command& c) { return c.name == name; });
    const auto anyGiven = [](std::initializer_list<const CLI::Option*> options) {
        return std::any_of(options.begin(), options.end(), [](const CLI::Option* option) { return option->count() > 0; });
    };
    if (!command.searches && anyGiven({lower, upper, exclusion, order, common, levels}))
        return usage(err, "--min, --max, --exclude, --order, --common and --levels apply to the searches only");
    if (command.searches && !command.ranged && anyGiven({lower, upper, exclusion}))
        return usage(err, std::string("--min, --max and --exclude do not apply to ") + command.name);
    if (invocation.range.lower > invocation.range.upper) return usage(err, "--min is greater than --max");
    invocation.locations = locations;
    invocation.outputFile = outputFile;
    return command.run(invocation, out, err);
}

} // namespace verbalia
