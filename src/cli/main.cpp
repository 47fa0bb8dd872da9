#include "CleanCommand.h"
#include "CliOptions.h"
#include "ExitStatus.h"
#include "Layout.h"
#include "Localizer.h"
#include "RestoreCommands.h"
#include "ScanCommand.h"
#include "TidyCommand.h"

#include <QCoreApplication>

#include <cstdio>

#ifdef __GLIBC__
#include <malloc.h>
#endif

using namespace orvelane;

int main(int argc, char* argv[])
{
#ifdef __GLIBC__
    // A scan runs dozens of short-lived measuring threads; one malloc arena each would cost more
    // memory than the measurements themselves.
    mallopt(M_ARENA_MAX, 2);
#endif
    QCoreApplication::setOrganizationName(QStringLiteral("Orvelane"));
    QCoreApplication::setApplicationName(QStringLiteral("Orvelane"));
    QCoreApplication app(argc, argv);

    // Arguments stay bytes: a path that is not valid UTF-8 must reach the cleaner unchanged.
    std::vector<std::string> arguments(argv + 1, argv + argc);
    const cli::ParseOutcome parsed = cli::parseCommandLine(arguments);
    if (!parsed.options) {
        std::fprintf(stderr, "orvelane-cli: %s\nTry 'orvelane-cli --help'.\n", parsed.error.c_str());
        return cli::ExitStatus::badInput;
    }
    const cli::CliOptions& options = *parsed.options;
    // What is scanned, validated and listed in the help.
    const JunkScanner::Layout& layout =
        options.layout ? JunkScanner::layoutFor(*options.layout) : JunkScanner::layoutFromEnvironment();
    if (options.command == cli::Command::help) {
        std::fputs(cli::usageText(layout).c_str(), stdout);
        return cli::ExitStatus::done;
    }

    Localizer& localizer = Localizer::shared();
    if (options.language)
        localizer.useLanguageForThisRun(*Localizer::languageFromRawValue(QString::fromStdString(*options.language)));
    switch (options.command) {
    case cli::Command::scan:
        return cli::runScan(options, layout);
    case cli::Command::clean:
        return cli::runClean(options, layout);
    case cli::Command::undo:
        return cli::runUndo(options, layout);
    case cli::Command::restore:
        return cli::runRestore(options, layout);
    case cli::Command::exclusions:
        return cli::runExclusions(options);
    case cli::Command::tidy:
        return cli::runTidyCommand(options, layout);
    case cli::Command::help:
        break;
    }
    return cli::ExitStatus::done;
}
