#include "cli/cli_runner.h"

#include <gtest/gtest.h>

#include <QProcess>

#include <algorithm>
#include <filesystem>

namespace tikaroo::test {

CliResult RunCli(const std::vector<std::string>& args) {
    QStringList arguments;
    for (const std::string& arg : args) arguments << QString::fromStdString(arg);
    QProcess cli;
    cli.start(QStringLiteral(TIKAROO_CLI_PATH), arguments);
    if (!cli.waitForFinished(-1)) return {}; // it did not start: exit code -1
    return {cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1,
            cli.readAllStandardOutput().toStdString(), cli.readAllStandardError().toStdString()};
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
