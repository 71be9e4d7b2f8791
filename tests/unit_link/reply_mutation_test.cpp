// Random and truncated replies to every read operation: the link must neither
// crash nor hang, and must store only what the reply really holds at its
// positions; a reply it cannot read fails the operation and stores nothing.
#include <cctype>
#include <random>

#include "link_fixture.h"
#include "unit_link/unit_commands.h"

namespace unit_link {
namespace {

constexpr int Rounds = 1500;
constexpr std::int32_t Untouched = -12345;

class Mutator {
  public:
    explicit Mutator(unsigned seed) : random_(seed) {}

    int Below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(random_); }
    char AnyByte() { return static_cast<char>(Below(256)); }
    char LikelyByte() {
        static const std::string likely = "0123456789ABCDEFabcdef;\x02\x03\x06\x15 G";
        return Below(4) == 0 ? AnyByte() : likely[static_cast<std::size_t>(Below(28))];
    }

    std::string Mutate(std::string reply) {
        switch (Below(5)) {
            case 0:
                reply.resize(static_cast<std::size_t>(Below(static_cast<int>(reply.size()))));
                break;  // cut short
            case 1:
                for (int i = Below(4); i >= 0; --i)
                    reply[static_cast<std::size_t>(Below(static_cast<int>(reply.size())))] =
                        LikelyByte();
                break;
            case 2:
                reply.insert(reply.begin() + Below(static_cast<int>(reply.size())), LikelyByte());
                break;
            case 3:
                reply.erase(reply.begin() + Below(static_cast<int>(reply.size())));
                break;
            default:
                reply.clear();
                for (int i = Below(40); i > 0; --i) reply += LikelyByte();
        }
        // Most replies still end as a frame does, so that they are decoded at all.
        if (Below(4) != 0) reply += ETX;
        return reply;
    }

    // The reply in one to three pieces, some after the time-out.
    Answer Split(const std::string& reply) {
        Answer answer;
        std::size_t from = 0;
        std::chrono::milliseconds at{0};
        for (int pieces = 1 + Below(3); pieces > 0 && from < reply.size(); --pieces) {
            const std::size_t length =
                pieces == 1
                    ? reply.size() - from
                    : static_cast<std::size_t>(Below(static_cast<int>(reply.size() - from) + 1));
            at += std::chrono::milliseconds(Below(700));
            answer.push_back({at, reply.substr(from, length)});
            from += length;
        }
        return answer;
    }

  private:
    std::mt19937 random_;
};

// The value of the hex digits at `index` of what was received, as an independent check.
std::optional<std::int32_t> HexAt(const std::string& received, std::size_t index,
                                  std::size_t width) {
    if (index + width > received.size()) return std::nullopt;
    const std::string field = received.substr(index, width);
    for (const char c : field)
        if (!std::isxdigit(static_cast<unsigned char>(c))) return std::nullopt;
    return static_cast<std::int32_t>(std::stoul(field, nullptr, 16));
}

// What was received from the first STX on, where positions count from.
std::optional<std::string> FromStx(const std::string& received) {
    const auto start = received.find(STX);
    if (start == std::string::npos) return std::nullopt;
    return received.substr(start);
}

// What a read of `count` words should give for the bytes received: nothing when
// the reply never completed or cannot be read.
std::optional<std::vector<std::int32_t>> ExpectedWords(const std::string& received, int count) {
    if (received.empty() || received.back() != ETX) return std::nullopt;
    const auto reply = FromStx(received);
    if (!reply) return std::nullopt;
    std::vector<std::int32_t> words;
    for (std::size_t at = 13; words.size() < static_cast<std::size_t>(count); at += 4) {
        if (at < reply->size() && (*reply)[at] == ';') break;
        const auto word = HexAt(*reply, at, 4);
        if (!word) return std::nullopt;
        words.push_back(*word);
    }
    return words;
}

class ReplyMutation : public LinkTest {
  protected:
    // Runs one operation on a mutated reply and checks that it ended within its limit.
    // A fair share of the rounds must succeed and fail, or they test little.
    static void ExpectBothOutcomes(int successes) {
        EXPECT_GT(successes, Rounds / 10);
        EXPECT_LT(successes, Rounds * 9 / 10);
    }

    template <typename Operation>
    void Run(Mutator& mutator, const std::string& valid, Operation operation) {
        port.readBytes.clear();
        window = FakeLinkWindow();
        Answer(mutator.Split(mutator.Mutate(valid)));
        const auto start = clock.now();
        operation();
        ASSERT_LE(clock.now() - start, ReadTimeout + 2ms);
        ASSERT_LE(port.reads, 10);
        port.reads = 0;
        clock.advance(1s);  // what remains of the reply arrives before the next request
    }
};

TEST_F(ReplyMutation, ReadBlockStoresOnlyWhatTheReplyHolds) {
    Mutator mutator(1);
    int successes = 0;
    for (int round = 0; round < Rounds; ++round) {
        std::vector<std::int32_t> words(4, Untouched);
        Run(mutator, WordsReply("1234abcd00FF8000"),
            [&] { link.ReadBlock(MonitorBlockAddress, words, 4); });
        const auto expected = ExpectedWords(port.readBytes, 4);
        if (!expected) {
            EXPECT_EQ(window.linkFailed, true) << port.readBytes;
            EXPECT_EQ(window.failureMessages, 1);
            EXPECT_EQ(words, std::vector<std::int32_t>(4, Untouched)) << port.readBytes;
            continue;
        }
        ++successes;
        EXPECT_EQ(window.linkFailed, false) << port.readBytes;
        std::vector<std::int32_t> stored = *expected;
        stored.resize(4, Untouched);
        EXPECT_EQ(words, stored) << port.readBytes;
    }
    ExpectBothOutcomes(successes);
}

TEST_F(ReplyMutation, ReadWordReturnsTheWordOrFailsWithZero) {
    Mutator mutator(2);
    int successes = 0;
    for (int round = 0; round < Rounds; ++round) {
        std::int16_t value = 1;
        Run(mutator, WordsReply("FEDC"), [&] { value = link.ReadWord(MonitorBlockAddress); });
        const auto expected = ExpectedWords(port.readBytes, 1);
        EXPECT_EQ(window.linkFailed, !expected) << port.readBytes;
        EXPECT_EQ(window.failureMessages, expected ? 0 : 1);
        if (expected) ++successes;
        const std::int32_t word = expected && !expected->empty() ? expected->front() : 0;
        EXPECT_EQ(value, static_cast<std::int16_t>(word)) << port.readBytes;
    }
    ExpectBothOutcomes(successes);
}

TEST_F(ReplyMutation, CharReadReturnsTheTwoBytesOrPercentSigns) {
    Mutator mutator(3);
    int successes = 0;
    for (int round = 0; round < Rounds; ++round) {
        std::string text;
        Run(mutator, TwoBytesReply("4142"), [&] { text = link.Char_Read(0x200); });
        const std::string& received = port.readBytes;
        EXPECT_TRUE(window.log.empty());
        const bool complete = !received.empty() && received.back() == ETX;
        const auto reply = FromStx(received).value_or("");
        const auto first = HexAt(reply, 10, 2);
        const auto second = HexAt(reply, 12, 2);
        if (!complete || !first || !second) {
            EXPECT_EQ(text, "%%") << received;
            continue;
        }
        ++successes;
        EXPECT_EQ(text, (std::string{static_cast<char>(*first), static_cast<char>(*second)}));
    }
    ExpectBothOutcomes(successes);
}

}  // namespace
}  // namespace unit_link
