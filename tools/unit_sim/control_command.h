#pragma once

#include <string>
#include <string_view>

#include "tools/unit_sim/simulated_unit.h"

namespace unit_sim {

// The simulator's control language, one command a line, shared by its command-line
// options, its standard input and its control FIFO:
//   speed COUNTS_PER_SECOND      position moves at this speed (negative: backwards)
//   position VALUE               position jumps to VALUE (0 to 0xFFFFFF)
//   unit-errors BITS             monitor word 2 (the unit adds its limit error, bit 2)
//   sensor-errors BITS           monitor word 3
//   fault KIND [AMOUNT] [COUNT]  silence | drop | nak | delay MS | split MS | noise BYTES,
//                                on a connection also reset | half-close (half the answer,
//                                then the connection is cut), for COUNT requests or until
//                                "fault none"
//   peek ADDRESS                 the word at ADDRESS (hexadecimal) as 0xHHHH
//   poke ADDRESS VALUE           writes the word VALUE (0 to 0xFFFF) at ADDRESS
//   status                       position, speed, error bits, fault, requests answered
// Numbers are decimal, or hexadecimal with 0x. Returns the reply line: "ok",
// the value asked for, or "error: ..." naming what was wrong.
//
// `carrier` is what the unit's line runs on: a fault that cuts a connection is refused on a
// terminal, which cannot be cut that way.
enum class Carrier { Terminal, Connection };
std::string ApplyControl(std::string_view line, SimulatedUnit& unit, SimClock::time_point now,
                         Carrier carrier);

// The lines above, for --help and the "help" command.
std::string_view ControlHelp();

}  // namespace unit_sim
