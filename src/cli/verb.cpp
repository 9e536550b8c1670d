#include "verb.h"

#include <QFile>

#include <ostream>

namespace tikaroo::cli {

namespace {

const QCommandLineOption kOutputOption({"o", "output"}, "Write to PATH.", "PATH");
const QCommandLineOption kHelpOption({"h", "help"}, "Show this help.");

std::string Text(const QString& text) {
    return text.toLocal8Bit().toStdString();
}

bool PositionalCountFits(const Verb& verb, const QCommandLineParser& parser) {
    const qsizetype count = parser.positionalArguments().size();
    const bool outputByOption = verb.output != Output::None && parser.isSet(kOutputOption);
    switch (verb.output) {
    case Output::None:
        return count == verb.inputs;
    case Output::Optional:
        return count == verb.inputs || (count == verb.inputs + 1 && !outputByOption);
    case Output::Required:
        return outputByOption ? count == verb.inputs : count == verb.inputs + 1;
    }
    return false;
}

} // namespace

std::string VerbCall::Input(qsizetype index) const {
    return QFile::encodeName(parser.positionalArguments().at(index)).toStdString();
}

std::string VerbCall::Output() const {
    if (verb.output == Output::None) return {};
    if (parser.isSet(kOutputOption)) return QFile::encodeName(parser.value(kOutputOption)).toStdString();
    const QStringList positional = parser.positionalArguments();
    return positional.size() > verb.inputs ? QFile::encodeName(positional.at(verb.inputs)).toStdString() : "";
}

int VerbCall::Usage() const {
    err << "usage: tikaroo-cli " << verb.name << " " << verb.arguments << "\n"
        << "(tikaroo-cli " << verb.name << " --help tells more)\n";
    return kExitUsage;
}

int RunVerb(const Verb& verb, const QStringList& arguments, std::ostream& out, std::ostream& err,
            bool errIsTerminal) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(verb.summary.data(), qsizetype(verb.summary.size())));
    parser.addOption(kHelpOption);
    if (verb.output != Output::None) parser.addOption(kOutputOption);
    if (verb.declare != nullptr) verb.declare(parser);

    // The parser takes the first entry as the program's name.
    const VerbCall call{verb, parser, out, err, errIsTerminal};
    if (!parser.parse(QStringList{QString()} + arguments)) {
        err << "tikaroo-cli " << verb.name << ": " << Text(parser.errorText()) << "\n";
        return call.Usage();
    }
    if (parser.isSet(kHelpOption)) {
        out << Text(parser.helpText());
        return 0;
    }
    if (!PositionalCountFits(verb, parser)) return call.Usage();
    return verb.run(call);
}

} // namespace tikaroo::cli
