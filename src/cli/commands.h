#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tikaroo::cli {

// Every verb gets its arguments (without the verb) and the two output streams, and returns the exit code.
using Arguments = std::vector<std::string>;

int RunInfo(const Arguments& args, std::ostream& out, std::ostream& err);
int RunMakeSample(const Arguments& args, std::ostream& out, std::ostream& err);
int RunRender(const Arguments& args, std::ostream& out, std::ostream& err);
int RunConvert(const Arguments& args, std::ostream& out, std::ostream& err);
int RunSave(const Arguments& args, std::ostream& out, std::ostream& err);
int RunDump(const Arguments& args, std::ostream& out, std::ostream& err);

} // namespace tikaroo::cli
