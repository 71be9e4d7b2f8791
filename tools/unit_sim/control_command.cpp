#include "tools/unit_sim/control_command.h"

#include <charconv>
#include <cstdio>
#include <sstream>
#include <vector>

namespace unit_sim {

namespace {

std::optional<long long> ParseInteger(std::string_view text, int defaultBase = 10) {
    int base = defaultBase;
    if (text.starts_with("0x") || text.starts_with("0X")) {
        text.remove_prefix(2);
        base = 16;
    }
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<double> ParseSpeed(std::string_view text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string HexWord(unsigned value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%04X", value);
    return text;
}

std::string Status(const SimulatedUnit& unit, SimClock::time_point now) {
    std::ostringstream out;
    const UnitMemory& memory = unit.memory();
    out << "position=" << memory.position(now) << " speed=" << memory.speed()
        << " unit-errors=" << HexWord(memory.unitErrors())
        << " sensor-errors=" << HexWord(memory.sensorErrors())
        << " fault=" << DescribeFault(unit.faults().current())
        << " requests=" << unit.requestCount();
    return out.str();
}

std::string Error(const std::string& what) {
    return "error: " + what;
}

}  // namespace

std::string_view ControlHelp() {
    return "speed COUNTS_PER_SECOND      position moves at this speed (negative: backwards)\n"
           "position VALUE               position jumps to VALUE (0 to 0xFFFFFF)\n"
           "unit-errors BITS             monitor word 2 (the unit adds its limit error, bit 2)\n"
           "sensor-errors BITS           monitor word 3\n"
           "fault KIND [AMOUNT] [COUNT]  silence | drop | nak | delay MS | split MS | noise "
           "BYTES,\n"
           "                             on a connection (--listen) also reset | half-close:\n"
           "                             half the answer, then the connection is cut;\n"
           "                             for COUNT requests or until \"fault none\"\n"
           "peek ADDRESS                 the word at ADDRESS (hexadecimal) as 0xHHHH\n"
           "poke ADDRESS VALUE           writes the word VALUE (0 to 0xFFFF) at ADDRESS\n"
           "status                       position, speed, error bits, fault, requests answered\n";
}

std::string ApplyControl(std::string_view line, SimulatedUnit& unit, SimClock::time_point now,
                         Carrier carrier) {
    std::istringstream in{std::string(line)};
    std::string command, argument, second;
    in >> command >> argument;
    if (command == "poke") in >> second;
    std::string rest;
    std::getline(in, rest);
    const bool oneArgument =
        !argument.empty() && rest.find_first_not_of(" \t\r") == std::string::npos;
    UnitMemory& memory = unit.memory();

    if (command == "status" && argument.empty()) return Status(unit, now);
    if (command == "help" && argument.empty()) return std::string(ControlHelp());
    if (command == "fault") {
        const auto fault = ParseFault(argument + rest);
        if (!fault) return Error("bad fault '" + argument + rest + "'");
        if (CutsTheLine(fault->kind) && carrier == Carrier::Terminal)
            return Error(argument +
                         " cuts a network connection; this unit is on a pseudo-terminal "
                         "(kv3907-sim --listen serves it on one)");
        unit.faults().set(*fault);
        return "ok";
    }
    if (command == "speed" && oneArgument) {
        const auto speed = ParseSpeed(argument);
        if (!speed) return Error("bad speed '" + argument + "'");
        memory.setSpeed(*speed, now);
        return "ok";
    }
    const bool hexArgument = command == "peek" || command == "poke";
    const auto value = ParseInteger(argument, hexArgument ? 16 : 10);
    if (command == "position" && oneArgument) {
        if (!value || *value < 0 || *value > 0xFFFFFF)
            return Error("bad position '" + argument + "'");
        memory.setPosition(static_cast<std::uint32_t>(*value), now);
        return "ok";
    }
    if ((command == "unit-errors" || command == "sensor-errors") && oneArgument) {
        if (!value || *value < 0 || *value > 0xFFFF) return Error("bad bits '" + argument + "'");
        const auto bits = static_cast<std::uint16_t>(*value);
        command == "unit-errors" ? memory.setUnitErrors(bits) : memory.setSensorErrors(bits);
        return "ok";
    }
    const bool wordAddress = value && *value >= 0 && *value <= 0xFFFFFF && *value % 2 == 0;
    if (command == "peek" && oneArgument) {
        if (!wordAddress) return Error("bad address '" + argument + "'");
        return HexWord(memory.read(static_cast<std::uint32_t>(*value), now));
    }
    if (command == "poke" && !second.empty() && oneArgument) {
        if (!wordAddress) return Error("bad address '" + argument + "'");
        const auto word = ParseInteger(second);
        if (!word || *word < 0 || *word > 0xFFFF) return Error("bad value '" + second + "'");
        memory.write(static_cast<std::uint32_t>(*value), static_cast<std::uint16_t>(*word));
        return "ok";
    }
    return Error("unknown command '" + std::string(line) + "' (try help)");
}

}  // namespace unit_sim
