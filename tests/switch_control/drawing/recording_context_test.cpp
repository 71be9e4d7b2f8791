// The recording context's books and its one-line call format.
#include <gtest/gtest.h>

#include "tests/switch_control/drawing/recording_support.h"

namespace tumbler::drawing {
namespace {

using testing::MakeRecorder;

TEST(RecordingContext, SelectReturnsThePreviousObjectOfTheSameKind) {
    auto context = MakeRecorder();
    const ObjectHandle pen = context->CreatePen(2, 0x0000FF);
    const ObjectHandle brush = context->CreateSolidBrush(0x00FF00);
    EXPECT_EQ(context->SelectObject(pen), context->GetStockObject(StockObject::BlackPen));
    EXPECT_EQ(context->SelectObject(brush), context->GetStockObject(StockObject::WhiteBrush));
    EXPECT_EQ(context->SelectObject(context->GetStockObject(StockObject::BlackBrush)), brush);
    EXPECT_EQ(context->SelectObject(context->GetStockObject(StockObject::BlackPen)), pen);
    EXPECT_EQ(context->LiveObjects(), 2);
    context->DeleteObject(pen);
    context->DeleteObject(brush);
    EXPECT_EQ(context->LiveObjects(), 0);
    EXPECT_TRUE(context->Faults().empty());
}

TEST(RecordingContext, ReportsMisuse) {
    auto context = MakeRecorder();
    const ObjectHandle pen = context->CreatePen(1, 0);
    context->SelectObject(pen);
    context->DeleteObject(pen);  // still selected
    context->SelectObject(999);
    ASSERT_EQ(context->Faults().size(), 2u);
    EXPECT_EQ(context->Faults()[0], "delete of selected object " + std::to_string(pen));
    EXPECT_EQ(context->LiveObjects(), 1);
    // Stock objects are never deleted.
    context->DeleteObject(context->GetStockObject(StockObject::WhiteBrush));
    EXPECT_EQ(context->Faults().size(), 2u);
}

TEST(RecordingContext, CompatibleContextsShareTheRecordAndTheObjects) {
    auto context = MakeRecorder();
    const ObjectHandle bitmap = context->CreateCompatibleBitmap(30, 20);
    {
        auto memory = context->CreateCompatibleContext();
        ASSERT_TRUE(memory);
        EXPECT_EQ(context->LiveContexts(), 1);
        const ObjectHandle placeholder = memory->SelectObject(bitmap);
        EXPECT_NE(placeholder, kNoObject);
        memory->Rectangle({1, 2, 3, 4});
        memory->SelectObject(placeholder);
    }
    EXPECT_EQ(context->LiveContexts(), 0);
    context->DeleteObject(bitmap);
    EXPECT_EQ(context->LiveObjects(), 0);
    const auto& calls = context->Calls();
    auto drawn = std::find_if(calls.begin(), calls.end(),
                              [](const DrawingCall& c) { return c.kind == CallKind::Rectangle; });
    ASSERT_NE(drawn, calls.end());
    EXPECT_EQ(drawn->context, 1);
}

TEST(CallFormat, OneLineEach) {
    auto context = MakeRecorder();
    const Point points[] = {{1, 2}, {3, 4}, {5, 6}};
    context->SelectObject(context->CreatePen(2, 0x123456));
    context->SelectObject(context->CreateSolidBrush(0x00007F));
    context->Rectangle({0, 45, 120, 90});
    context->Ellipse({-1, 2, 3, 4});
    context->Polygon(points);
    context->Polyline(points);
    context->Pie({0, 0, 10, 10}, {10, 5}, {0, 5});
    context->Arc({0, 0, 10, 10}, {1, 1}, {1, 1});
    context->MoveTo({7, 8});
    context->LineTo({9, 10});
    context->DrawTextClipped({60, 3}, {0, 0, 120, 15}, "say \"on\"");
    context->SetTextColour(0xFF);  // not part of the picture
    EXPECT_EQ(FormatPicture(context->Calls()),
              (std::vector<std::string>{
                  "Pen(2,0x123456)", "Brush(0x00007F)", "Rectangle(0,45,120,90)",
                  "Ellipse(-1,2,3,4)", "Polygon(1,2,3,4,5,6)", "Polyline(1,2,3,4,5,6)",
                  "Pie(0,0,10,10,10,5,0,5)", "Arc(0,0,10,10,1,1,1,1)", "MoveTo(7,8)",
                  "LineTo(9,10)", "DrawText(60,3,\"say \\\"on\\\"\")"}));
}

TEST(FixedPitchMeasurer, CountsCharactersNotBytes) {
    FixedPitchMeasurer measurer(6, 12);
    EXPECT_EQ(measurer.Measure({}, "ON"), (Size{12, 12}));
    EXPECT_EQ(measurer.Measure({}, "スイッチ"), (Size{24, 12}));
    EXPECT_EQ(measurer.Measure({}, "").cx, 0);
}

}  // namespace
}  // namespace tumbler::drawing
