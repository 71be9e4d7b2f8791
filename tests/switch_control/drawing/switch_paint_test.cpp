// The paint path: off-screen bitmap, metafile, object lifetime, failures.
#include <gtest/gtest.h>

#include "switch_control/rendering/switch_painting.h"
#include "tests/switch_control/drawing/recording_support.h"

namespace tumbler::drawing {
namespace {

using testing::Look;
using testing::MakeRecorder;

std::vector<DrawingCall> CallsOf(const std::vector<DrawingCall>& calls, CallKind kind) {
    std::vector<DrawingCall> found;
    for (const auto& call : calls) {
        if (call.kind == kind) found.push_back(call);
    }
    return found;
}

TEST(PaintSwitch, MetafileGetsTheScreenPaintsCallsWithoutABitmap) {
    for (int shape = -1; shape <= 7; ++shape) {
        for (bool on : {false, true}) {
            for (bool horizontal : {false, true}) {
                SwitchLook look = Look(shape, on, horizontal);
                look.caption = "SW";
                auto screen = MakeRecorder();
                auto metafile = MakeRecorder();
                PaintSwitch(*screen, {5, 7, 125, 97}, look, false);
                PaintSwitch(*metafile, {5, 7, 125, 97}, look, true);
                EXPECT_EQ(FormatPicture(screen->Calls()), FormatPicture(metafile->Calls()))
                    << shape << on << horizontal;
                EXPECT_TRUE(CallsOf(metafile->Calls(), CallKind::CreateCompatibleBitmap).empty());
                EXPECT_TRUE(CallsOf(metafile->Calls(), CallKind::CreateCompatibleContext).empty());
                EXPECT_TRUE(CallsOf(metafile->Calls(), CallKind::CopyFrom).empty());
                for (const auto* recorder : {screen.get(), metafile.get()}) {
                    EXPECT_EQ(recorder->LiveObjects(), 0) << shape << on << horizontal;
                    EXPECT_EQ(recorder->LiveContexts(), 0);
                    EXPECT_TRUE(recorder->Faults().empty());
                }
            }
        }
    }
}

TEST(PaintSwitch, ScreenPaintDrawsOffScreenAndCopiesTheBoundsOnce) {
    auto target = MakeRecorder();
    PaintSwitch(*target, {5, 7, 125, 97}, Look(kType1), false);
    const auto& calls = target->Calls();

    auto bitmaps = CallsOf(calls, CallKind::CreateCompatibleBitmap);
    ASSERT_EQ(bitmaps.size(), 1u);
    EXPECT_EQ(bitmaps[0].args, (std::vector<int>{120, 90}));  // the bounds' size, not 125 x 97
    auto copies = CallsOf(calls, CallKind::CopyFrom);
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(copies[0].context, 0);
    EXPECT_EQ(copies[0].args, (std::vector<int>{5, 7, 125, 97, 5, 7, 1}));
    auto origins = CallsOf(calls, CallKind::SetViewportOrigin);
    ASSERT_EQ(origins.size(), 1u);
    EXPECT_EQ(origins[0].args, (std::vector<int>{-5, -7}));

    // Nothing is drawn on the target itself: every picture call goes to the memory context.
    for (const auto& call : calls) {
        if (IsPictureCall(call)) {
            EXPECT_EQ(call.context, 1) << FormatCall(call);
        }
    }
    auto fills = CallsOf(calls, CallKind::FillRect);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].args, (std::vector<int>{5, 7, 125, 97, 0xC0C0C0}));
}

TEST(PaintSwitch, BackColourFillsTheBoundsFirst) {
    SwitchLook look = Look(kType4);
    look.back = 0x336699;
    auto metafile = MakeRecorder();
    PaintSwitch(*metafile, {0, 0, 40, 30}, look, true);
    EXPECT_EQ(FormatPicture(metafile->Calls()).front(), "FillRect(0,0,40,30,0x336699)");
}

TEST(PaintSwitch, FailedBitmapOrContextPaintsNothingAndLeavesNothingBehind) {
    RecordingContext::Options noBitmap;
    noBitmap.failBitmaps = true;
    RecordingContext::Options noContext;
    noContext.failContexts = true;
    for (const auto& options : {noBitmap, noContext}) {
        auto target = MakeRecorder(options);
        PaintSwitch(*target, {0, 0, 120, 90}, Look(kType2, true), false);
        EXPECT_TRUE(FormatPicture(target->Calls()).empty());
        EXPECT_TRUE(CallsOf(target->Calls(), CallKind::CopyFrom).empty());
        EXPECT_EQ(target->LiveObjects(), 0);
        EXPECT_EQ(target->LiveContexts(), 0);
        EXPECT_TRUE(target->Faults().empty());
    }
}

TEST(PaintSwitch, ObjectsGoInTheOrderTheyAreDone) {
    // The memory context gives its bitmap back before the bitmap is deleted, and the back brush
    // outlives the memory context.
    auto target = MakeRecorder();
    PaintSwitch(*target, {0, 0, 120, 90}, Look(kType1), false);
    std::vector<std::string> tail;
    const auto& calls = target->Calls();
    for (auto it = calls.end() - 5; it != calls.end(); ++it) tail.push_back(FormatCall(*it));
    EXPECT_EQ(tail, (std::vector<std::string>{"CopyFrom(0,0,120,90,0,0,1)", "SelectBitmap(1,1)",
                                              "DeleteObject(17)", "ReleaseContext()",
                                              "DeleteObject(16)"}));
}

}  // namespace
}  // namespace tumbler::drawing
