#include "cli/cli_runner.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

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

void ExpectRefusals(const std::vector<Refusal>& refusals, const std::vector<std::string>& unwritten) {
    for (const Refusal& refusal : refusals) {
        SCOPED_TRACE(refusal.args[0] + ": " + refusal.message);
        const CliResult result = RunCli(refusal.args);
        EXPECT_EQ(result.exitCode, refusal.exitCode);
        EXPECT_NE(result.err.find(refusal.message), std::string::npos) << result.err;
        if (refusal.exitCode == 1) {
            EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
        }
        for (const std::string& path : unwritten) EXPECT_FALSE(std::filesystem::exists(path)) << path;
    }
}

} // namespace tikaroo::test
