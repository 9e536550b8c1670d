#include "cli/cli_runner.h"

#include "support/temp_dir.h"

#include <sys/wait.h>

#include <cstdlib>

namespace tikaroo::test {

namespace {
std::string Quote(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}
} // namespace

CliResult RunCli(const std::vector<std::string>& args) {
    TempDir dir;
    std::string command = Quote(TIKAROO_CLI_PATH);
    for (const std::string& arg : args) command += " " + Quote(arg);
    command += " >" + Quote(dir.Path("out")) + " 2>" + Quote(dir.Path("err"));
    const int status = std::system(command.c_str());
    CliResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    const Bytes out = TempDir::Read(dir.Path("out"));
    const Bytes err = TempDir::Read(dir.Path("err"));
    result.out.assign(out.begin(), out.end());
    result.err.assign(err.begin(), err.end());
    return result;
}

} // namespace tikaroo::test
