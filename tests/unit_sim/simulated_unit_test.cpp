#include "tools/unit_sim/simulated_unit.h"

#include <gtest/gtest.h>

#include "tests/unit_sim/sim_test_support.h"
#include "unit_link/reply_decoding.h"
#include "unit_link/unit_commands.h"

namespace unit_sim {
namespace {

using std::chrono::milliseconds;
using unit_link::ACK;
using unit_link::NAK;

const SimClock::time_point T0{};
const std::string Ack(1, ACK);
const std::string Nak(1, NAK);

class SimulatedUnitTest : public ::testing::Test {
  protected:
    // The whole answer as one string, pauses left out.
    std::string send(std::string_view body) {
        std::string all;
        for (const AnswerPiece& piece : unit.receive(FrameContent(body), T0)) all += piece.bytes;
        return all;
    }
    std::uint16_t word(std::uint32_t address) { return unit.memory().read(address, T0); }

    SimulatedUnit unit{T0};
};

TEST_F(SimulatedUnitTest, WordsReplyHoldsWordsAtTheLinksPositionsAndEndsItsList) {
    unit.memory().setPosition(0x123456, T0);
    unit.memory().setSensorErrors(0x10);
    const std::string reply = send(unit_link::ReadWordsBody(0xFFEF5C, 4));
    ASSERT_GE(reply.size(), 2u);
    EXPECT_EQ(reply.front(), unit_link::STX);
    EXPECT_EQ(reply.back(), unit_link::ETX);
    // One word more than the unit sent: the list must end at a group starting ";".
    const auto words = unit_link::DecodeWordsReply(reply, 5);
    ASSERT_TRUE(words);
    EXPECT_EQ(*words, (std::vector<std::uint16_t>{0x3456, 0x0012, 0, 0x10}));
    // Its own checksum covers what stands between STX and the checksum.
    const std::string inner = reply.substr(1, reply.size() - 6);
    EXPECT_EQ(reply.substr(reply.size() - 5, 4), unit_link::FrameChecksum(inner));
}

TEST_F(SimulatedUnitTest, SixteenWordReadCarriesAllSixteen) {
    for (int i = 0; i < 16; ++i) unit.memory().write(0x100 + 2 * i, 0xA000 + i);
    const auto words = unit_link::DecodeWordsReply(send(unit_link::ReadWordsBody(0x100, 16)), 16);
    ASSERT_TRUE(words);
    ASSERT_EQ(words->size(), 16u);
    EXPECT_EQ(words->back(), 0xA00F);
}

TEST_F(SimulatedUnitTest, TwoBytesReplyGivesHighByteFirstFromAnyAddress) {
    unit.memory().write(0x200, 0x4142);
    unit.memory().write(0x202, 0x4344);
    EXPECT_EQ(unit_link::DecodeTwoBytesReply(send(unit_link::ReadTwoBytesBody(0x200))), "AB");
    EXPECT_EQ(unit_link::DecodeTwoBytesReply(send(unit_link::ReadTwoBytesBody(0x201))), "BC");
}

TEST_F(SimulatedUnitTest, WritesAreAcknowledgedAndBadRequestsRefused) {
    EXPECT_EQ(send(unit_link::WriteWordBody(0xFFEF34, 3000)), Ack);
    EXPECT_EQ(word(0xFFEF34), 3000);
    const std::int16_t values[] = {7, 8};
    EXPECT_EQ(send(unit_link::WriteWordsBody(0x300, values)), Ack);
    EXPECT_EQ(word(0x302), 8);

    std::string corrupted = FrameContent(unit_link::WriteWordBody(0xFFEF34, 5));
    corrupted.back() = corrupted.back() == '0' ? '1' : '0';
    const Answer refused = unit.receive(corrupted, T0);
    ASSERT_EQ(refused.size(), 1u);
    EXPECT_EQ(refused[0].bytes, Nak);
    EXPECT_EQ(word(0xFFEF34), 3000);
}

TEST_F(SimulatedUnitTest, LoadWithBadParameterRaisesLimitErrorInMonitorBlock) {
    send(unit_link::WriteWordBody(0xFFEF36, 0));  // sensor type: none selected
    send(unit_link::WriteWordBody(0xFFEF66, 1));
    const auto words = unit_link::DecodeWordsReply(send(unit_link::ReadWordsBody(0xFFEF5C, 4)), 4);
    ASSERT_TRUE(words);
    EXPECT_EQ((*words)[2], 0x4);
}

TEST_F(SimulatedUnitTest, SilenceIgnoresRequestsAndDropStillCarriesThemOut) {
    unit.faults().set(*ParseFault("silence 1"));
    EXPECT_TRUE(unit.receive(FrameContent(unit_link::WriteWordBody(0x10, 1)), T0).empty());
    EXPECT_EQ(word(0x10), 0);
    unit.faults().set(*ParseFault("drop 1"));
    EXPECT_TRUE(unit.receive(FrameContent(unit_link::WriteWordBody(0x10, 2)), T0).empty());
    EXPECT_EQ(word(0x10), 2);
    EXPECT_EQ(send(unit_link::WriteWordBody(0x10, 3)), Ack);  // both were used up
    EXPECT_EQ(unit.requestCount(), 2);                        // silence heard nothing
}

TEST_F(SimulatedUnitTest, NakRefusesWithoutCarryingOutUntilCleared) {
    unit.faults().set(*ParseFault("nak"));
    for (int i = 0; i < 3; ++i) EXPECT_EQ(send(unit_link::WriteWordBody(0x10, 9)), Nak);
    EXPECT_EQ(send(unit_link::ReadWordsBody(0x10, 1)), Nak);
    EXPECT_EQ(word(0x10), 0);
    unit.faults().clear();
    EXPECT_EQ(send(unit_link::WriteWordBody(0x10, 9)), Ack);
}

TEST_F(SimulatedUnitTest, DelaySplitAndNoiseShapeTheAnswer) {
    const std::string body = unit_link::ReadWordsBody(0xFFEF5C, 4);
    const std::string clean = send(body);

    unit.faults().set(*ParseFault("delay 1500 1"));
    Answer answer = unit.receive(FrameContent(body), T0);
    ASSERT_EQ(answer.size(), 1u);
    EXPECT_EQ(answer[0].pauseBefore, milliseconds(1500));
    EXPECT_EQ(answer[0].bytes, clean);

    unit.faults().set(*ParseFault("split 30 1"));
    answer = unit.receive(FrameContent(body), T0);
    ASSERT_EQ(answer.size(), 2u);
    EXPECT_EQ(answer[1].pauseBefore, milliseconds(30));
    EXPECT_EQ(answer[0].bytes + answer[1].bytes, clean);
    EXPECT_EQ(answer[0].bytes.find(unit_link::ETX), std::string::npos);

    unit.faults().set(*ParseFault("noise 5 1"));
    const std::string noisy = send(body);
    ASSERT_EQ(noisy.size(), clean.size() + 5);
    EXPECT_EQ(noisy.substr(5), clean);
    for (const char c : noisy.substr(0, 5)) EXPECT_GE(static_cast<unsigned char>(c), 0x20);
}

TEST_F(SimulatedUnitTest, ConnectionCutsComeAfterHalfTheAnswerOfARequestCarriedOut) {
    const std::string body = unit_link::ReadWordsBody(0xFFEF5C, 4);
    const std::string clean = send(body);
    for (const auto& [fault, cut] :
         {std::pair{"reset 1", LineCut::Reset}, std::pair{"half-close 1", LineCut::HalfClose}}) {
        unit.faults().set(*ParseFault(fault));
        const Answer answer = unit.receive(FrameContent(body), T0);
        ASSERT_EQ(answer.size(), 1u) << fault;
        EXPECT_EQ(answer[0].bytes, clean.substr(0, clean.size() / 2)) << fault;
        EXPECT_EQ(answer[0].cutAfter, cut) << fault;
    }
    // A write's answer is one byte: the cut comes before it, but the word is written.
    unit.faults().set(*ParseFault("reset 1"));
    const Answer write = unit.receive(FrameContent(unit_link::WriteWordBody(0x10, 7)), T0);
    ASSERT_EQ(write.size(), 1u);
    EXPECT_EQ(write[0].bytes, "");
    EXPECT_EQ(write[0].cutAfter, LineCut::Reset);
    EXPECT_EQ(word(0x10), 7);
    EXPECT_EQ(unit.receive(FrameContent(body), T0)[0].cutAfter, LineCut::None);
}

TEST(FaultTest, ParsesKindsAmountsAndCounts) {
    const auto delay = ParseFault("delay 1500 2");
    ASSERT_TRUE(delay);
    EXPECT_EQ(delay->kind, Fault::Kind::Delay);
    EXPECT_EQ(delay->amount, 1500);
    EXPECT_EQ(delay->remaining, 2);
    EXPECT_EQ(DescribeFault(*delay), "delay 1500 2");
    EXPECT_EQ(ParseFault("silence")->remaining, Fault::Forever);
    EXPECT_EQ(DescribeFault(*ParseFault("none")), "none");
    EXPECT_EQ(DescribeFault(*ParseFault("half-close 3")), "half-close 3");
    EXPECT_EQ(DescribeFault(*ParseFault("reset")), "reset");
    for (const char* bad : {"", "delay", "delay x", "nak 0", "nak -1", "split 10 2 3", "none 1",
                            "fire", "reset 2 1", "half"})
        EXPECT_FALSE(ParseFault(bad)) << bad;
}

TEST(FaultTest, CountedFaultEndsAfterItsRequests) {
    FaultPlan plan;
    plan.set(*ParseFault("nak 2"));
    EXPECT_EQ(plan.take().kind, Fault::Kind::Nak);
    EXPECT_EQ(plan.take().kind, Fault::Kind::Nak);
    EXPECT_EQ(plan.take().kind, Fault::Kind::None);
}

}  // namespace
}  // namespace unit_sim
