#pragma once

#include <QCommandLineParser>

#include <iosfwd>
#include <string>
#include <string_view>

namespace tikaroo::cli {

inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// Whether a verb writes a file, and so takes -o (or a last positional argument) for it.
enum class Output { None, Optional, Required };

struct VerbCall;

// One verb of tikaroo-cli: a row of the verb table.
struct Verb {
    std::string_view name;
    std::string_view arguments; // as the overview shows them, e.g. "IN -o OUT"
    std::string_view summary;
    int inputs; // positional arguments before the output
    Output output;
    // Adds the verb's positional arguments and own options (for --help and parsing); may be null.
    void (*declare)(QCommandLineParser& parser);
    int (*run)(const VerbCall& call);
};

// What a verb is run with: its parsed command line and the two output streams.
struct VerbCall {
    const Verb& verb;
    const QCommandLineParser& parser;
    std::ostream& out;
    std::ostream& err;
    bool errIsTerminal = false; // whether progress may be shown on `err`

    // Positional argument `index` as a path in the system's encoding of file names.
    std::string Input(qsizetype index) const;
    // The -o path, or the positional argument after the inputs; empty when there is none.
    std::string Output() const;
    // Prints the verb's usage on `err` and gives the usage exit code.
    int Usage() const;
};

// Parses `arguments` (those after the verb) for `verb` and runs it; --help prints the verb's help.
int RunVerb(const Verb& verb, const QStringList& arguments, std::ostream& out, std::ostream& err,
            bool errIsTerminal);

} // namespace tikaroo::cli
