#include <functional>

#include "link_fixture.h"
#include "unit_link/reply_decoding.h"
#include "unit_link/unit_commands.h"

namespace unit_link {
namespace {

using Words = std::vector<std::int32_t>;

const std::vector<std::string> FailureEffects = {"failure message", "monitor off", "input on",
                                                 "LinkFailed=True"};

// ReadBlock

using ReadBlockTest = LinkTest;

TEST_F(ReadBlockTest, MonitorReadIsOneRequestAndFillsTheFourWords) {
    AnswerAtOnce(WordsReply("1234007f0003FFFF"));
    Words words(4, -7);
    link.ReadBlock(MonitorBlockAddress, words, 4);
    EXPECT_EQ(Requests(), std::vector<std::string>{"\x02"
                                                   "4FFEF5C;4;026D\x03"});
    EXPECT_EQ(words, (Words{0x1234, 0x7F, 3, 65535}));
    EXPECT_EQ(window.log, (std::vector<std::string>{"input off", "input on", "LinkFailed=False"}));
    EXPECT_TRUE(window.monitorOn);
}

TEST_F(ReadBlockTest, EachReadWaitsForItsWholeReplyAtOnce) {
    AnswerAtOnce(WordsReply("1234007f0003FFFF"));
    Words words(4);
    link.ReadBlock(MonitorBlockAddress, words, 4);
    AnswerAtOnce(WordsReply("FFFF"));
    link.ReadWord(0xFFEF2E);
    AnswerAtOnce(TwoBytesReply("4142"));
    link.Char_Read(0xFFEF2E);
    EXPECT_EQ(port.expectedByWait,
              (std::vector<std::size_t>{WordsReplyLength(4), WordsReplyLength(1),
                                        TwoBytesReplyLength()}));
}

TEST_F(ReadBlockTest, ParameterReadAsksForSevenWords) {
    AnswerAtOnce(WordsReply("0001000200030004000500060007"));
    Words words(7);
    link.ReadBlock(ParameterBaseAddress, words, 7);
    EXPECT_EQ(Requests(), std::vector<std::string>{CommandFrame("4FFEF2E;7;")});
    EXPECT_EQ(Requests()[0].substr(11, 4), "026F");
    EXPECT_EQ(words, (Words{1, 2, 3, 4, 5, 6, 7}));
}

TEST_F(ReadBlockTest, LongBlocksGoInChunksOfSixteenWords) {
    std::string first;
    for (int i = 0; i < 16; ++i) first += EncodeWordValue(i);
    AnswerAtOnce(WordsReply(first));
    AnswerAtOnce(WordsReply("0010001100120013"));
    Words words(20);
    link.ReadBlock(0x1000, words, 20);
    EXPECT_EQ(Requests(),
              (std::vector<std::string>{CommandFrame("4001000;10;"), CommandFrame("4001020;4;")}));
    for (int i = 0; i < 20; ++i) EXPECT_EQ(words[i], i);
    EXPECT_EQ(window.linkFailed, false);
    // Pending events run once at every poll and once more after each chunk.
    EXPECT_EQ(events.passes, port.reads + 2);
}

TEST_F(ReadBlockTest, CountZeroSendsNothingAndSucceeds) {
    Words words(4, 9);
    link.ReadBlock(MonitorBlockAddress, words, 0);
    EXPECT_TRUE(port.written.empty());
    EXPECT_EQ(words, Words(4, 9));
    EXPECT_EQ(window.inputEnabled, true);
    EXPECT_EQ(window.linkFailed, false);
}

TEST_F(ReadBlockTest, AShortListFillsOnlyTheWordsReceived) {
    AnswerAtOnce(WordsReply("00010002"));
    Words words(4, -5);
    link.ReadBlock(MonitorBlockAddress, words, 4);
    EXPECT_EQ(words, (Words{1, 2, -5, -5}));
    EXPECT_EQ(window.linkFailed, false);
    EXPECT_EQ(window.failureMessages, 0);
}

TEST_F(ReadBlockTest, AShortChunkDoesNotShiftTheNextChunksWords) {
    // Element i always holds the word at address + 2i, whatever an earlier chunk lacked.
    AnswerAtOnce(WordsReply("00010002"));
    AnswerAtOnce(WordsReply("0010001100120013"));
    Words words(20, -5);
    link.ReadBlock(0, words, 20);
    EXPECT_EQ(words[1], 2);
    EXPECT_EQ(words[2], -5);
    EXPECT_EQ(words[15], -5);
    EXPECT_EQ((Words{words.begin() + 16, words.end()}), (Words{0x10, 0x11, 0x12, 0x13}));
    EXPECT_EQ(window.linkFailed, false);
}

TEST_F(ReadBlockTest, TimeOutShowsTheMessageStopsTheMonitorAndKeepsEarlierChunks) {
    AnswerAtOnce(WordsReply(std::string(64, '1')));  // first chunk answered, second silent
    Words words(20, -1);
    link.ReadBlock(0, words, 20);
    EXPECT_EQ(words[15], 0x1111);
    EXPECT_EQ(words[16], -1);
    EXPECT_EQ(window.log, (std::vector<std::string>{"input off", "failure message", "monitor off",
                                                    "input on", "LinkFailed=True"}));
}

TEST_F(ReadBlockTest, AGarbledReplyFailsLikeATimeOutAndStoresNothing) {
    AnswerAtOnce(WordsReply("00010002zz030004"));
    Words words(4, -3);
    link.ReadBlock(MonitorBlockAddress, words, 4);
    EXPECT_EQ(words, Words(4, -3));
    EXPECT_EQ(window.failureMessages, 1);
    EXPECT_EQ(window.linkFailed, true);
    EXPECT_FALSE(window.monitorOn);
}

TEST_F(ReadBlockTest, NeverWritesPastTheCallersArray) {
    AnswerAtOnce(WordsReply("00010002"));
    Words words(2);
    link.ReadBlock(MonitorBlockAddress, words, 4);
    EXPECT_EQ(Requests(), std::vector<std::string>{CommandFrame("4FFEF5C;2;")});
    EXPECT_EQ(words, (Words{1, 2}));
}

TEST_F(ReadBlockTest, LeftoversOfATimedOutReadDoNotShiftTheNextReply) {
    // The first reply comes after its read gave up and before the next tick's read.
    Answer({{1050ms, WordsReply("0BAD0BAD0BAD0BAD")}});
    Answer({{600ms, WordsReply("0001000200030004")}});
    Words words(4);
    link.ReadBlock(MonitorBlockAddress, words, 4);
    ASSERT_EQ(window.linkFailed, true);
    clock.advance(100ms);
    link.ReadBlock(MonitorBlockAddress, words, 4);
    EXPECT_EQ(window.linkFailed, false);
    EXPECT_EQ(words, (Words{1, 2, 3, 4}));
}

TEST_F(ReadBlockTest, NoiseBeforeTheReplyShiftsNoWordAndNoStxFails) {
    // Noise that looks like hex digits would otherwise be read as data.
    Answer({{5ms, "3F"}, {10ms, WordsReply("0001000200030004")}});
    Words words(4);
    link.ReadBlock(MonitorBlockAddress, words, 4);
    EXPECT_EQ(window.linkFailed, false);
    EXPECT_EQ(words, (Words{1, 2, 3, 4}));
    AnswerAtOnce(WordsReply("0005000600070008").substr(1));
    link.ReadBlock(MonitorBlockAddress, words, 4);
    EXPECT_EQ(window.linkFailed, true);
    EXPECT_EQ(words, (Words{1, 2, 3, 4}));
}

// Operation running

using OperationRunning = LinkTest;

TEST_F(OperationRunning, HoldsDuringTheWaitAndTheFailureMessageOnly) {
    std::vector<bool> seen;
    events.onProcess = [&] { seen.push_back(link.operationRunning()); };
    window.onLinkFailure = [&] { seen.push_back(link.operationRunning()); };
    EXPECT_FALSE(link.operationRunning());
    Words words(4);
    const std::vector<std::int16_t> values = {1};
    // Each of the six operations, every one left unanswered.
    const std::vector<std::function<void()>> operations = {
        [&] { link.ReadBlock(MonitorBlockAddress, words, 4); },
        [&] { link.WriteWord(ParameterStoreAddress, 1); },
        [&] { link.ReadWord(0); },
        [&] { link.WriteBlock(0, values, 1); },
        [&] { link.WriteBlockWord(0, 1); },
        [&] { link.Char_Read(0); },
    };
    for (const auto& operation : operations) {
        const std::size_t before = seen.size();
        operation();
        EXPECT_FALSE(link.operationRunning());
        EXPECT_GE(seen.size(), before + 2);  // polls, and the message where one is shown
    }
    EXPECT_EQ(std::count(seen.begin(), seen.end(), false), 0);
}

// WriteWord and WriteBlockWord

using WriteWordTest = LinkTest;

TEST_F(WriteWordTest, AcceptedWriteClearsLinkFailedOnly) {
    Answer({{1900ms, Ack}});
    link.WriteWord(0xFFEF34, 1000);
    EXPECT_EQ(Requests(), std::vector<std::string>{"\x02"
                                                   "2FFEF34,03E8;02F7\x03"});
    EXPECT_EQ(window.log, std::vector<std::string>{"LinkFailed=False"});
}

TEST_F(WriteWordTest, SendsTheLowSixteenBits) {
    AnswerAtOnce(Ack);
    link.WriteWord(ParameterStoreAddress, 70000);
    EXPECT_EQ(Requests(), std::vector<std::string>{CommandFrame("2FFEF66,1170;")});
}

TEST_F(WriteWordTest, NakAndTimeOutBothShowTheMessage) {
    AnswerAtOnce(Nak);
    link.WriteWord(ParameterStoreAddress, 1);
    link.WriteWord(ParameterStoreAddress, 1);
    const std::vector<std::string> failure = {"failure message", "input on", "LinkFailed=True"};
    std::vector<std::string> twice = failure;
    twice.insert(twice.end(), failure.begin(), failure.end());
    EXPECT_EQ(window.log, twice);
    EXPECT_TRUE(window.monitorOn);
}

TEST_F(WriteWordTest, BlockWordUsesCommandFiveWithCountOne) {
    AnswerAtOnce(Ack);
    link.WriteBlockWord(ParameterStoreAddress, -1);
    EXPECT_EQ(Requests(), std::vector<std::string>{CommandFrame("5FFEF66;1;FFFF;")});
    EXPECT_EQ(window.log, std::vector<std::string>{"LinkFailed=False"});
    link.WriteBlockWord(ParameterStoreAddress, 1);
    EXPECT_EQ(window.log.back(), "LinkFailed=True");
    EXPECT_EQ(window.failureMessages, 1);
}

// ReadWord

using ReadWordTest = LinkTest;

TEST_F(ReadWordTest, ReadsOneSignedWord) {
    AnswerAtOnce(WordsReply("FFFF"));
    AnswerAtOnce(WordsReply(""));
    EXPECT_EQ(link.ReadWord(0xFFEF5C), -1);
    EXPECT_EQ(link.ReadWord(0xFFEF5C), 0);
    EXPECT_EQ(Requests()[0], CommandFrame("4FFEF5C;1;"));
    EXPECT_EQ(window.log, (std::vector<std::string>{"LinkFailed=False", "LinkFailed=False"}));
}

TEST_F(ReadWordTest, TimeOutOrGarbageShowsTheMessageAndReturnsZero) {
    AnswerAtOnce(WordsReply("12G4"));
    EXPECT_EQ(link.ReadWord(0), 0);
    EXPECT_EQ(link.ReadWord(0), 0);
    EXPECT_EQ(window.log, (std::vector<std::string>{"failure message", "LinkFailed=True",
                                                    "failure message", "LinkFailed=True"}));
}

// WriteBlock

using WriteBlockTest = LinkTest;

TEST_F(WriteBlockTest, SendsChunksPausingAfterEachAck) {
    std::vector<std::int16_t> values(20);
    for (int i = 0; i < 20; ++i) values[i] = static_cast<std::int16_t>(i);
    AnswerAtOnce(Ack);
    AnswerAtOnce(Ack);
    link.WriteBlock(0x2000, values, 20);
    std::string first = "5002000;10;";
    for (int i = 0; i < 16; ++i) first += EncodeWordValue(i);
    EXPECT_EQ(Requests(), (std::vector<std::string>{CommandFrame(first + ";"),
                                                    CommandFrame("5002020;4;0010001100120013;")}));
    EXPECT_EQ(clock.pauses, (std::vector<std::chrono::nanoseconds>{100ms, 100ms}));
    EXPECT_EQ(events.passes, port.reads + 2);  // once at every poll, once after each chunk
    EXPECT_EQ(window.log, (std::vector<std::string>{"status: Parameter Load Busy...Please Wait!",
                                                    "LinkFailed=False", "input on"}));
}

TEST_F(WriteBlockTest, ResendsARefusedChunk) {
    const std::vector<std::int16_t> values = {7};
    AnswerAtOnce(Nak);
    AnswerAtOnce(Ack);
    link.WriteBlock(0, values, 1);
    EXPECT_EQ(Requests(), std::vector<std::string>(2, CommandFrame("5000000;1;0007;")));
    EXPECT_EQ(window.linkFailed, false);
    EXPECT_EQ(window.failureMessages, 0);
}

TEST_F(WriteBlockTest, GivesUpAfterAFewRefusalsLikeATimeOut) {
    const std::vector<std::int16_t> values = {7, 8};
    for (int i = 0; i < 10; ++i) AnswerAtOnce(Nak);
    link.WriteBlock(0, values, 2);
    EXPECT_EQ(Requests().size(), static_cast<std::size_t>(1 + UnitLink::MaxNakResends));
    std::vector<std::string> expected = {"status: Parameter Load Busy...Please Wait!"};
    expected.insert(expected.end(), FailureEffects.begin(), FailureEffects.end());
    EXPECT_EQ(window.log, expected);
}

TEST_F(WriteBlockTest, TimeOutStopsAtTheFailedChunk) {
    std::vector<std::int16_t> values(17, 1);
    AnswerAtOnce(Ack);
    link.WriteBlock(0, values, 17);
    EXPECT_EQ(Requests().size(), 2u);
    EXPECT_EQ(window.log.back(), "LinkFailed=True");
    EXPECT_FALSE(window.monitorOn);
}

// Char_Read

using CharReadTest = LinkTest;

TEST_F(CharReadTest, ReturnsTheTwoBytesAndAcknowledgesTheReply) {
    AnswerAtOnce(TwoBytesReply("4142"));
    EXPECT_EQ(link.Char_Read(0x100), "AB");
    EXPECT_EQ(port.written, (std::vector<std::string>{CommandFrame("1100;"), Ack}));
    EXPECT_TRUE(window.log.empty());
}

TEST_F(CharReadTest, TimeOutGivesPercentSignsSilently) {
    EXPECT_EQ(link.Char_Read(0), "%%");
    EXPECT_EQ(port.written, std::vector<std::string>{CommandFrame("10;")});
    EXPECT_TRUE(window.log.empty());
}

TEST_F(CharReadTest, GarbledBytesGivePercentSignsToo) {
    AnswerAtOnce(TwoBytesReply("4G"));
    EXPECT_EQ(link.Char_Read(0), "%%");
    EXPECT_TRUE(window.log.empty());
}

// A closed port

using ClosedPort = LinkTest;

TEST_F(ClosedPort, EveryOperationFailsAtOnceWithItsUsualEffects) {
    port.opened = false;
    Words words(4, 5);
    const std::vector<std::int16_t> values = {1};
    link.ReadBlock(MonitorBlockAddress, words, 4);
    link.WriteWord(0, 1);
    link.WriteBlockWord(0, 1);
    link.WriteBlock(0, values, 1);
    EXPECT_EQ(link.ReadWord(0), 0);
    EXPECT_EQ(link.Char_Read(0), "%%");
    EXPECT_EQ(window.failureMessages, 5);
    EXPECT_EQ(window.failureCauses, std::vector<LinkOutcome>(5, LinkOutcome::PortClosed));
    EXPECT_EQ(link.lastOutcome(), LinkOutcome::PortClosed);
    EXPECT_EQ(window.linkFailed, true);
    EXPECT_EQ(words, Words(4, 5));
    EXPECT_TRUE(port.written.empty());
    EXPECT_EQ(port.opens, 0);  // closed on purpose: nobody reopens it
    EXPECT_EQ(clock.now(), 0ms);
}

TEST_F(ClosedPort, APortWhoseDeviceWentAwayIsReopenedOnceBeforeTheNextOperationSends) {
    port.loseDevice();
    Words words(4);
    AnswerAtOnce(WordsReply("0001000200030004"));
    EXPECT_EQ(link.ReadBlock(MonitorBlockAddress, words, 4), LinkOutcome::Accepted);
    EXPECT_EQ(port.opens, 1);
    EXPECT_EQ(words, (Words{1, 2, 3, 4}));
    EXPECT_EQ(window.failureMessages, 0);

    // The device is still missing: one attempt, then the usual failure.
    port.loseDevice();
    port.openError = "/dev/ttyUSB0: No such file or directory";
    EXPECT_EQ(link.WriteWord(ParameterStoreAddress, 1), LinkOutcome::PortClosed);
    EXPECT_EQ(port.opens, 1);
    EXPECT_EQ(window.failureMessages, 1);
    EXPECT_EQ(window.linkFailed, true);
    EXPECT_EQ(Requests().size(), 1u);
}

// Outcomes name the cause of each failure

using Outcome = LinkTest;

TEST_F(Outcome, EachOperationReturnsWhyItFailedAndTheWindowIsToldTheSame) {
    Words words(4);
    EXPECT_EQ(link.ReadBlock(MonitorBlockAddress, words, 4), LinkOutcome::TimedOut);
    AnswerAtOnce(WordsReply("00zz"));
    EXPECT_EQ(link.ReadBlock(MonitorBlockAddress, words, 4), LinkOutcome::Garbled);
    AnswerAtOnce(Nak);
    EXPECT_EQ(link.WriteWord(ParameterStoreAddress, 1), LinkOutcome::Refused);
    AnswerAtOnce(Nak);
    EXPECT_EQ(link.WriteBlockWord(ParameterStoreAddress, 1), LinkOutcome::Refused);
    for (int i = 0; i <= UnitLink::MaxNakResends; ++i) AnswerAtOnce(Nak);
    const std::vector<std::int16_t> values = {1};
    EXPECT_EQ(link.WriteBlock(0, values, 1), LinkOutcome::Refused);
    AnswerAtOnce(WordsReply("zz"));
    EXPECT_EQ(link.ReadWord(0), 0);
    EXPECT_EQ(link.lastOutcome(), LinkOutcome::Garbled);
    EXPECT_EQ(window.failureCauses,
              (std::vector<LinkOutcome>{LinkOutcome::TimedOut, LinkOutcome::Garbled,
                                        LinkOutcome::Refused, LinkOutcome::Refused,
                                        LinkOutcome::Refused, LinkOutcome::Garbled}));
    EXPECT_EQ(window.linkFailed, true);

    AnswerAtOnce(Ack);
    EXPECT_EQ(link.WriteWord(ParameterStoreAddress, 1), LinkOutcome::Accepted);
    EXPECT_EQ(link.lastOutcome(), LinkOutcome::Accepted);
    EXPECT_EQ(window.linkFailed, false);
}

}  // namespace
}  // namespace unit_link
