// Writes the fuzzer's starting corpus into a folder: a control saved in both forms, with and
// without changed properties, each behind its form byte.
#include <fstream>
#include <iostream>
#include <string>

#include "switch_control/tumbler_ctrl.h"

using namespace tumbler;
using namespace tumbler::framework;

namespace {

void Write(const std::string& path, char form, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.put(form);
    out << bytes;
}

void WriteBoth(const std::string& folder, const std::string& name, CTumblerCtrl& control) {
    std::vector<std::uint8_t> stream;
    control.SaveToStream(&stream);
    Write(folder + "/" + name + ".stream", 0, std::string(stream.begin(), stream.end()));
    std::string text;
    control.SaveToBagText(&text);
    Write(folder + "/" + name + ".bag", 1, text);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: tumbler_fuzz_seeds FOLDER\n";
        return 2;
    }
    CTumblerCtrl defaults;
    WriteBoth(argv[1], "defaults", defaults);
    CTumblerCtrl changed;
    changed.SetText("Pump \"1\"\tﾎﾟﾝﾌﾟ");
    changed.SetValue(2);
    changed.SetSwitchShape(6);
    changed.SetLedDarkPrm(-0.5);
    changed.SetBackColor(0x80000005);
    WriteBoth(argv[1], "changed", changed);
    return 0;
}
