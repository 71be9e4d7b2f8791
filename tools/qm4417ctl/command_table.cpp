#include "tools/qm4417ctl/commands.h"

namespace qm4417ctl {

std::span<const CtlCommand> Commands() {
    static const CtlCommand table[] = {
        {"read", "read ADDRESS COUNT", RunRead},
        {"write", "write ADDRESS VALUE", RunWrite},
        {"monitor", "monitor [--csv] [--count N]", RunMonitor},
        {"ports", "ports | ports set COMn DEVICE|URL | ports reset COMn | ports devices", RunPorts},
        {"load", "load [--raw] FILE.par", RunLoad},
        {"upload", "upload FILE.par", RunUpload},
        {"verify", "verify [--raw] FILE.par", RunVerify},
    };
    return table;
}

}  // namespace qm4417ctl
