#include "bank_option.h"

#include "game/model.h"

#include <ostream>

namespace tikaroo::cli {

namespace {
const QCommandLineOption kBankOption("bank", "The CHR bank N (1-7) of graphic set N.", "N");
} // namespace

void DeclareBankOption(QCommandLineParser& parser) {
    parser.addOption(kBankOption);
}

std::optional<std::size_t> ChosenBank(const VerbCall& call) {
    bool number = false;
    const int bank = call.parser.value(kBankOption).toInt(&number);
    if (!number || bank < 1 || bank > static_cast<int>(kGraphicSetCount)) {
        call.err << "tikaroo-cli " << call.verb.name << ": --bank must be a number from 1 to "
                 << kGraphicSetCount << "\n";
        return std::nullopt;
    }
    return static_cast<std::size_t>(bank - 1);
}

} // namespace tikaroo::cli
