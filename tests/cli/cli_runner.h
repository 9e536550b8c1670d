#pragma once

#include <string>
#include <vector>

namespace tikaroo::test {

struct CliResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs tikaroo-cli with the given arguments and collects what it printed.
CliResult RunCli(const std::vector<std::string>& args);

// A command that must fail: its arguments, its exit code and a part of what it prints on standard error.
struct Refusal {
    std::vector<std::string> args;
    int exitCode;
    std::string message;
};

// Runs each refusal: its exit code and message, a refused file told in one line (a usage error adds the
// usage), and none of `unwritten` written.
void ExpectRefusals(const std::vector<Refusal>& refusals, const std::vector<std::string>& unwritten);

} // namespace tikaroo::test
