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

} // namespace tikaroo::test
