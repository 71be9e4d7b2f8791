#include "tools/qm4417ctl/run_ctl.h"

#include <algorithm>

#include "platform/version_line.h"
#include "tools/qm4417ctl/ctl_arguments.h"
#include "tools/qm4417ctl/ctl_command.h"
#include "tools/qm4417ctl/link_session.h"

namespace qm4417ctl {

namespace {

void PrintUsage(std::ostream& err) {
    err << "usage: qm4417ctl [--port COMn|DEVICE|URL] [--line 9600,e,8,1] [--timeout SECONDS]\n"
           "                 [--retries N] [--trace FILE] COMMAND ...\n"
           "       qm4417ctl --help | --version\n"
           "commands:\n";
    for (const CtlCommand& command : Commands()) err << "  " << command.usage << '\n';
    err << "Without --port and --line the stored ComPort setting and the COM mapping apply.\n"
           "--timeout is the read limit (default 1.0; writes wait twice as long); --retries\n"
           "sends a failed exchange again up to N times (default 0).\n"
           "--trace FILE writes every byte sent and received to FILE, a line per burst.\n"
           "Exit status: 0 success, 1 link or file failure, 2 usage error, 3 verify found\n"
           "differing fields.\n";
}

}  // namespace

int RunCtl(const std::vector<std::string>& arguments, platform::SettingsStore& settings,
           std::ostream& out, std::ostream& err, const std::atomic<bool>& interrupted) {
    try {
        // Asking for help anywhere in a command line answers it, before anything is opened.
        if (std::ranges::any_of(arguments,
                                [](const std::string& a) { return a == "--help" || a == "-h"; })) {
            PrintUsage(out);
            return Success;
        }
        if (platform::AsksForVersion(arguments)) {
            out << platform::VersionLine("qm4417ctl") << '\n';
            return Success;
        }
        const GlobalOptions options = ParseGlobalOptions(arguments);
        const auto commands = Commands();
        const auto command = std::find_if(commands.begin(), commands.end(), [&](const auto& c) {
            return c.name == options.command[0];
        });
        if (command == commands.end())
            throw UsageError("unknown command '" + options.command[0] + "'");
        LinkSession link(settings, options, err);
        CtlContext context{{options.command.begin() + 1, options.command.end()},
                           settings,
                           link,
                           out,
                           err,
                           interrupted};
        return command->run(context);
    } catch (const UsageError& error) {
        err << "qm4417ctl: " << error.what() << '\n';
        PrintUsage(err);
        return UsageFailure;
    }
}

}  // namespace qm4417ctl
