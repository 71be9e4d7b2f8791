#include "link_fixture.h"
#include "unit_link/reply_decoding.h"

namespace unit_link {
namespace {

const std::string Request = CommandFrame("4FFEF5C;4;");

class FrameTransaction : public LinkTest {
  protected:
    // The reply when answered; the outcome is kept in `outcome`.
    std::optional<std::string> Run() {
        FrameReply reply = RunFrameTransaction(services, Request);
        outcome = reply.outcome;
        if (!reply.answered()) return std::nullopt;
        return reply.text;
    }
    LinkOutcome outcome = LinkOutcome::Accepted;
};

TEST_F(FrameTransaction, WritesTheFrameOnceAndReturnsTheReplyEndingInEtx) {
    const std::string reply = WordsReply("0001000200030004");
    Answer({{900ms, reply}});
    EXPECT_EQ(Run(), reply);
    EXPECT_EQ(port.written, std::vector<std::string>{Request});
    EXPECT_EQ(clock.now(), 900ms);
}

TEST_F(FrameTransaction, CollectsAReplySplitOverSeveralReads) {
    const std::string reply = WordsReply("0001000200030004");
    Answer({{100ms, reply.substr(0, 9)}, {300ms, reply.substr(9, 5)}, {500ms, reply.substr(14)}});
    EXPECT_EQ(Run(), reply);
    EXPECT_EQ(clock.now(), 500ms);
}

TEST_F(FrameTransaction, AnEtxAtExactlyTheLimitStillCounts) {
    Answer({{1000ms, WordsReply("0001")}});
    EXPECT_TRUE(Run());
}

TEST_F(FrameTransaction, AnElapsedTimeOfExactlyTheLimitAllowsOneMorePoll) {
    // The poll at exactly 1.0 s brings no ETX; only a time strictly past the
    // limit ends the wait, so the ETX just after it is still taken.
    const std::string reply = WordsReply("0001");
    Answer({{1000ms, reply.substr(0, 5)}, {1000ms + 500us, reply.substr(5)}});
    EXPECT_EQ(Run(), reply);
}

TEST_F(FrameTransaction, NothingByTheLimitFailsAtTheFirstPollAfterIt) {
    Answer({{1002ms, WordsReply("0001")}});
    EXPECT_EQ(Run(), std::nullopt);
    EXPECT_EQ(outcome, LinkOutcome::TimedOut);
    EXPECT_GT(clock.now(), ReadTimeout);
    EXPECT_LE(clock.now(), ReadTimeout + 1ms);
}

TEST_F(FrameTransaction, ALoneNakIsARefusalAfterTheSameWait) {
    Answer({{20ms, Nak}});
    EXPECT_EQ(Run(), std::nullopt);
    EXPECT_EQ(outcome, LinkOutcome::Refused);
    EXPECT_GT(clock.now(), ReadTimeout);
    // A NAK among other bytes is no refusal, only a reply that never ended.
    Answer({{20ms, "x" + Nak}});
    EXPECT_EQ(Run(), std::nullopt);
    EXPECT_EQ(outcome, LinkOutcome::TimedOut);
}

TEST_F(FrameTransaction, CompletenessIsTheNewestCharacterOnly) {
    // An ETX followed by more bytes in the same read is not the end.
    Answer({{100ms, WordsReply("0001") + "xx"}});
    EXPECT_EQ(Run(), std::nullopt);
}

TEST_F(FrameTransaction, SleepsBetweenPollsInsteadOfSpinning) {
    EXPECT_EQ(Run(), std::nullopt);
    // Silence: one poll at the start, one after the wait to just past the limit.
    EXPECT_LE(port.reads, 3);
    EXPECT_EQ(events.passes, port.reads);
    ASSERT_FALSE(port.waits.empty());
    EXPECT_GT(port.waits.front(), ReadTimeout);
}

TEST_F(FrameTransaction, HandlesPendingEventsOncePerPoll) {
    Answer({{100ms,
             "\x02"
             "4FF"},
            {200ms, "EF5C;4;hh0001;CCCC\x03"}});
    ASSERT_TRUE(Run());
    EXPECT_EQ(events.passes, port.reads);
    EXPECT_GE(events.passes, 3);
}

TEST_F(FrameTransaction, DropsInputLeftFromAnEarlierExchangeBeforeWriting) {
    port.arriveAfter(0ms, "1;CCCC");  // tail of a reply that came too late
    int discardsWhenWritten = -1;
    const std::string reply = WordsReply("0001");
    port.onWrite = [&](const std::string&) {
        discardsWhenWritten = port.discards;
        port.arriveAfter(50ms, reply);
    };
    EXPECT_EQ(Run(), reply);
    EXPECT_EQ(discardsWhenWritten, 1);
}

TEST_F(FrameTransaction, FailsAtOnceWhenThePortIsClosed) {
    port.opened = false;
    EXPECT_EQ(Run(), std::nullopt);
    EXPECT_EQ(outcome, LinkOutcome::PortClosed);
    EXPECT_TRUE(port.written.empty());
    EXPECT_EQ(clock.now(), 0ms);
}

TEST_F(FrameTransaction, StopsWaitingWhenThePortIsClosedMeanwhile) {
    events.onProcess = [this] { port.loseDevice(); };
    EXPECT_EQ(Run(), std::nullopt);
    EXPECT_EQ(outcome, LinkOutcome::PortClosed);
    EXPECT_EQ(port.reads, 1);
    EXPECT_EQ(clock.now(), 0ms);
}

TEST_F(FrameTransaction, AFrameThatDoesNotGoOutWholeFailsWithoutWaiting) {
    port.writeSucceeds = false;
    Answer({{100ms, WordsReply("0001")}});
    EXPECT_EQ(Run(), std::nullopt);
    EXPECT_EQ(outcome, LinkOutcome::PortClosed);
    EXPECT_EQ(port.reads, 0);
    EXPECT_EQ(clock.now(), 0ms);
}

// Each wait is told how much of the answer is still missing, so a real port can take a
// reply paced by the line in one wake instead of one a byte.
TEST_F(FrameTransaction, WaitsLookForWhatTheReplyStillLacksCountedFromItsStx) {
    const std::string reply = WordsReply("0001000200030004");
    ASSERT_EQ(reply.size(), WordsReplyLength(4));
    Answer({{40ms, "\x7f\x7f" + reply.substr(0, 10)}, {60ms, reply.substr(10)}});
    const FrameReply answer = RunFrameTransaction(services, Request, WordsReplyLength(4));
    ASSERT_TRUE(answer.answered());
    // Noise before the STX is no part of the reply: after the first piece 25 bytes are due.
    EXPECT_EQ(port.expectedByWait, (std::vector<std::size_t>{WordsReplyLength(4), 25}));
}

TEST_F(FrameTransaction, ALongerReplyThanLookedForIsStillReadToItsEtx) {
    const std::string reply = WordsReply("0001000200030004");
    Answer({{40ms, reply.substr(0, 25)}, {60ms, reply.substr(25)}});
    const FrameReply answer = RunFrameTransaction(services, Request, WordsReplyLength(1));
    EXPECT_EQ(answer.text, reply);
    // Past the length looked for, any byte may be the end.
    EXPECT_EQ(port.expectedByWait, (std::vector<std::size_t>{WordsReplyLength(1), 1}));
}

TEST(MissingReplyBytes, CountsFromTheFirstStxAndNeverFallsBelowOne) {
    const std::string stx(1, STX);
    EXPECT_EQ(MissingReplyBytes("", 35), 35u);
    EXPECT_EQ(MissingReplyBytes("noise", 35), 35u);
    EXPECT_EQ(MissingReplyBytes("ab" + stx + "4FF", 35), 31u);
    EXPECT_EQ(MissingReplyBytes(stx + std::string(34, '0'), 35), 1u);
    EXPECT_EQ(MissingReplyBytes(stx + std::string(40, '0'), 35), 1u);
    EXPECT_EQ(MissingReplyBytes("", 0), 1u);
}

TEST(ReplyLength, IsTheLengthOfASoundReply) {
    EXPECT_EQ(WordsReplyLength(1), WordsReply("0001").size());
    EXPECT_EQ(WordsReplyLength(4), WordsReply("0001000200030004").size());
    EXPECT_EQ(TwoBytesReplyLength(), TwoBytesReply("4142").size());
}

using AcknowledgeTransaction = LinkTest;

TEST_F(AcknowledgeTransaction, AcceptsAnAckThatArrivesAtOnePointNineSeconds) {
    Answer({{1900ms, Ack}});
    EXPECT_EQ(RunAcknowledgeTransaction(services, Request), LinkOutcome::Accepted);
    EXPECT_EQ(clock.now(), 1900ms);
}

TEST_F(AcknowledgeTransaction, AnElapsedTimeOfExactlyTheLimitAllowsOneMorePoll) {
    Answer({{2000ms, "x"}, {2000ms + 500us, Ack}});
    EXPECT_EQ(RunAcknowledgeTransaction(services, Request), LinkOutcome::Accepted);
}

TEST_F(AcknowledgeTransaction, WaitsLookForTheOneByteAnswer) {
    Answer({{30ms, "x"}, {50ms, Ack}});
    EXPECT_EQ(RunAcknowledgeTransaction(services, Request), LinkOutcome::Accepted);
    EXPECT_EQ(port.expectedByWait, (std::vector<std::size_t>{1, 1}));
}

TEST_F(AcknowledgeTransaction, ReportsANakAsRefused) {
    Answer({{20ms, Nak}});
    EXPECT_EQ(RunAcknowledgeTransaction(services, Request), LinkOutcome::Refused);
}

TEST_F(AcknowledgeTransaction, TimesOutAtTheFirstPollAfterTwoSeconds) {
    Answer({{2002ms, Ack}});
    EXPECT_EQ(RunAcknowledgeTransaction(services, Request), LinkOutcome::TimedOut);
    EXPECT_GT(clock.now(), WriteTimeout);
    EXPECT_LE(clock.now(), WriteTimeout + 1ms);
}

TEST_F(AcknowledgeTransaction, AReadHoldingAckWithOtherBytesDoesNotMatch) {
    Answer({{100ms, Ack + "x"}});
    EXPECT_EQ(RunAcknowledgeTransaction(services, Request), LinkOutcome::TimedOut);
}

TEST_F(AcknowledgeTransaction, EachReadReplacesTheAnswer) {
    Answer({{100ms, "x" + Nak}, {300ms, Ack}});
    EXPECT_EQ(RunAcknowledgeTransaction(services, Request), LinkOutcome::Accepted);
    EXPECT_EQ(clock.now(), 300ms);
}

TEST_F(AcknowledgeTransaction, FailsAtOnceWhenThePortIsClosedOrTheFrameDoesNotGoOut) {
    port.opened = false;
    EXPECT_EQ(RunAcknowledgeTransaction(services, Request), LinkOutcome::PortClosed);
    EXPECT_TRUE(port.written.empty());
    port.opened = true;
    port.writeSucceeds = false;
    Answer({{100ms, Ack}});
    EXPECT_EQ(RunAcknowledgeTransaction(services, Request), LinkOutcome::PortClosed);
    EXPECT_EQ(port.reads, 0);
    EXPECT_EQ(clock.now(), 0ms);
}

}  // namespace
}  // namespace unit_link
