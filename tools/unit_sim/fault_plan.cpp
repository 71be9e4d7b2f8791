#include "tools/unit_sim/fault_plan.h"

#include <array>
#include <charconv>
#include <sstream>
#include <utility>
#include <vector>

namespace unit_sim {

namespace {

struct KindName {
    Fault::Kind kind;
    std::string_view name;
    bool takesAmount;
};

constexpr std::array<KindName, 9> KindNames = {{
    {Fault::Kind::None, "none", false},
    {Fault::Kind::Silence, "silence", false},
    {Fault::Kind::Drop, "drop", false},
    {Fault::Kind::Nak, "nak", false},
    {Fault::Kind::Delay, "delay", true},
    {Fault::Kind::Split, "split", true},
    {Fault::Kind::Noise, "noise", true},
    {Fault::Kind::Reset, "reset", false},
    {Fault::Kind::HalfClose, "half-close", false},
}};

std::optional<int> NonNegative(const std::string& word) {
    int value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc{} || end != word.data() + word.size() || value < 0) return std::nullopt;
    return value;
}

}  // namespace

bool CutsTheLine(Fault::Kind kind) {
    return kind == Fault::Kind::Reset || kind == Fault::Kind::HalfClose;
}

std::optional<Fault> ParseFault(std::string_view text) {
    std::istringstream in{std::string(text)};
    std::vector<std::string> words;
    for (std::string word; in >> word;) words.push_back(word);
    if (words.empty()) return std::nullopt;
    for (const KindName& entry : KindNames) {
        if (words[0] != entry.name) continue;
        Fault fault{entry.kind};
        std::size_t next = 1;
        if (entry.takesAmount) {
            if (words.size() <= next) return std::nullopt;
            const auto amount = NonNegative(words[next++]);
            if (!amount) return std::nullopt;
            fault.amount = *amount;
        }
        if (next < words.size()) {
            const auto count = NonNegative(words[next++]);
            if (!count || *count == 0) return std::nullopt;
            fault.remaining = *count;
        }
        if (next != words.size() || (fault.kind == Fault::Kind::None && words.size() > 1))
            return std::nullopt;
        return fault;
    }
    return std::nullopt;
}

std::string DescribeFault(const Fault& fault) {
    std::string text;
    for (const KindName& entry : KindNames) {
        if (entry.kind != fault.kind) continue;
        text = entry.name;
        if (entry.takesAmount) text += " " + std::to_string(fault.amount);
    }
    if (fault.kind != Fault::Kind::None && fault.remaining != Fault::Forever)
        text += " " + std::to_string(fault.remaining);
    return text;
}

Fault FaultPlan::take() {
    const Fault used = fault_;
    if (fault_.remaining != Fault::Forever && --fault_.remaining == 0) clear();
    return used;
}

}  // namespace unit_sim
