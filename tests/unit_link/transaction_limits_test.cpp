// Limits other than the window's, as qm4417ctl sets them for slow lines: the read limit, writes
// waiting twice as long, and exchanges sent again after a failure.
#include "link_fixture.h"
#include "unit_link/unit_commands.h"

namespace unit_link {
namespace {

using Words = std::vector<std::int32_t>;

class LimitsTest : public LinkTest {
  protected:
    LinkServices limited(std::chrono::nanoseconds read, int retries) {
        return {port, clock, events, {read, retries}};
    }
};

TEST_F(LimitsTest, TheDefaultsAreTheWindowsLimitsWithNoRetry) {
    const TransactionLimits limits;
    EXPECT_EQ(limits.read, 1000ms);
    EXPECT_EQ(limits.write(), 2000ms);
    EXPECT_EQ(limits.retries, 0);
}

TEST_F(LimitsTest, AReadWaitsForItsLimitAndAWriteTwiceAsLong) {
    const LinkServices slow = limited(3s, 0);
    Answer({{2900ms, WordsReply("0001")}});
    EXPECT_TRUE(RunFrameTransaction(slow, CommandFrame("4FFEF5C;1;")).answered());

    const LinkServices quick = limited(250ms, 0);
    const auto start = clock.now();
    Answer({{260ms, WordsReply("0001")}});
    EXPECT_EQ(RunFrameTransaction(quick, CommandFrame("4FFEF5C;1;")).outcome,
              LinkOutcome::TimedOut);
    EXPECT_GT(clock.now() - start, 250ms);
    EXPECT_LE(clock.now() - start, 251ms);

    Answer({{490ms, Ack}});
    EXPECT_EQ(RunAcknowledgeTransaction(quick, CommandFrame("2FFEF34,0001;")),
              LinkOutcome::Accepted);
    Answer({{510ms, Ack}});
    EXPECT_EQ(RunAcknowledgeTransaction(quick, CommandFrame("2FFEF34,0001;")),
              LinkOutcome::TimedOut);
}

TEST_F(LimitsTest, AFailedReadIsSentAgainAndItsLateSuccessIsAnAnswer) {
    UnitLink retrying(limited(1s, 2), window);
    Answer({});  // silence
    AnswerAtOnce(WordsReply("00010002zz030004"));
    AnswerAtOnce(WordsReply("1234007f0003FFFF"));
    Words words(4);
    EXPECT_EQ(retrying.ReadBlock(MonitorBlockAddress, words, 4), LinkOutcome::Accepted);
    EXPECT_EQ(Requests().size(), 3u);
    EXPECT_EQ(Requests()[0], Requests()[2]);
    EXPECT_EQ(words, (Words{0x1234, 0x7F, 3, 65535}));
    EXPECT_EQ(window.linkFailed, false);
    EXPECT_EQ(window.failureMessages, 0);
}

TEST_F(LimitsTest, RetriesRunOutIntoOneFailureMessage) {
    UnitLink retrying(limited(1s, 2), window);
    Words words(4, -1);
    EXPECT_EQ(retrying.ReadBlock(MonitorBlockAddress, words, 4), LinkOutcome::TimedOut);
    EXPECT_EQ(Requests().size(), 3u);
    EXPECT_EQ(window.failureMessages, 1);
    EXPECT_EQ(window.linkFailed, true);
    EXPECT_EQ(words, Words(4, -1));
}

TEST_F(LimitsTest, ARefusedWriteIsSentAgainTheSameWord) {
    UnitLink retrying(limited(1s, 1), window);
    AnswerAtOnce(Nak);
    AnswerAtOnce(Ack);
    EXPECT_EQ(retrying.WriteWord(0xFFEF34, 1500), LinkOutcome::Accepted);
    ASSERT_EQ(Requests().size(), 2u);
    EXPECT_EQ(Requests()[0], Requests()[1]);
    EXPECT_EQ(window.linkFailed, false);
}

TEST_F(LimitsTest, TheOtherOperationsAreSentAgainToo) {
    UnitLink retrying(limited(1s, 1), window);
    Answer({});
    AnswerAtOnce(WordsReply("FFFE"));
    EXPECT_EQ(retrying.ReadWord(0xFFEF2E), -2);
    Answer({});
    AnswerAtOnce(TwoBytesReply("4142"));
    EXPECT_EQ(retrying.Char_Read(0xFFEF2E), "AB");
    Answer({});
    AnswerAtOnce(Ack);
    const std::int16_t values[] = {7};
    EXPECT_EQ(retrying.WriteBlock(0x1000, values, 1), LinkOutcome::Accepted);
    EXPECT_EQ(Requests().size(), 6u);
}

TEST_F(LimitsTest, AClosedPortIsNotRetried) {
    UnitLink retrying(limited(1s, 5), window);
    port.opened = false;
    EXPECT_EQ(retrying.WriteWord(0xFFEF34, 1), LinkOutcome::PortClosed);
    EXPECT_TRUE(port.written.empty());
    EXPECT_EQ(window.failureMessages, 1);
}

}  // namespace
}  // namespace unit_link
