#include "main_window/load_upload.h"

#include "platform/fakes/fake_message_boxes.h"
#include "tests/unit_link/link_fixture.h"
#include "unit_link/unit_commands.h"

namespace main_window {
namespace {

using platform::MessageIcon;
using unit_link::Ack;
using unit_link::CommandFrame;
using unit_link::Nak;
using unit_link::WriteWordBody;
using unit_parameters::DefaultParameters;
using unit_parameters::ParameterPanel;
using unit_parameters::ParametersToPanel;
using unit_parameters::UnitParameters;

// The window as Load and Upload see it, on top of the link's fake window state.
class FakeParameterView : public ParameterView {
  public:
    explicit FakeParameterView(unit_link::FakeLinkWindow& window) : window_(window) {}
    ParameterPanel readPanel() const override { return panel; }
    void showPanel(const ParameterPanel& shown) override {
        panel = shown;
        ++panelsShown;
    }
    void focusPhaseCount() override { focus = "txtPhaseCount"; }
    void focusPresetData() override { focus = "txtPresetData"; }
    void setStatusText(const std::string& text) override { window_.setStatusText(text); }
    bool linkFailed() const override { return window_.linkFailed.value_or(false); }

    ParameterPanel panel;
    int panelsShown = 0;
    std::string focus;

  private:
    unit_link::FakeLinkWindow& window_;
};

class LoadUploadTest : public unit_link::LinkTest {
  protected:
    LoadUploadTest() { ParametersToPanel(record, view.panel); }

    std::vector<std::string> StatusTexts() const {
        std::vector<std::string> texts;
        for (const auto& entry : window.log)
            if (entry.rfind("status: ", 0) == 0) texts.push_back(entry.substr(8));
        return texts;
    }
    static std::vector<std::string> WriteRequests(const std::vector<std::int32_t>& words) {
        std::vector<std::string> requests;
        for (std::size_t i = 0; i < words.size(); ++i)
            requests.push_back(CommandFrame(WriteWordBody(0xFFEF2E + 2 * int(i), words[i])));
        return requests;
    }
    void ExpectOneBox(const std::string& text, MessageIcon icon) const {
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(boxes.shown[0].title, "QM4417");
        EXPECT_EQ(boxes.shown[0].text, text);
        EXPECT_EQ(boxes.shown[0].icon, icon);
        EXPECT_EQ(boxes.shown[0].buttons, platform::MessageButtons::Ok);
    }

    UnitParameters record = DefaultParameters();
    FakeParameterView view{window};
    platform::FakeMessageBoxes boxes;
    ParameterTransfer transfer{link, view, boxes, "QM4417", record};
    const std::string storeRequest = CommandFrame(WriteWordBody(0xFFEF66, 1));
};

TEST_F(LoadUploadTest, RejectedTextsStopTheLoadBeforeAnythingChanges) {
    view.panel.phaseCountText = "2001";
    view.panel.presetDataText = "1000000";
    transfer.Load();
    ExpectOneBox("Phase Count is Over Flow", MessageIcon::Warning);
    EXPECT_EQ(view.focus, "txtPhaseCount");

    boxes.shown.clear();
    view.panel.phaseCountText = "2000";
    transfer.Load();
    ExpectOneBox("Preset Data is Over Flow", MessageIcon::Warning);
    EXPECT_EQ(view.focus, "txtPresetData");

    EXPECT_TRUE(port.written.empty());
    EXPECT_TRUE(StatusTexts().empty());
    EXPECT_EQ(record, DefaultParameters());
}

TEST_F(LoadUploadTest, LoadWritesSevenWordsThenTheStoreWord) {
    view.panel = {1, 1, 2, 2, "2000", "FFFFFF"};
    for (int i = 0; i < 8; ++i) AnswerAtOnce(Ack);
    transfer.Load();
    auto expected = WriteRequests({1, 1, 10, 2000, 3, 0xFF, 0xFFFF});
    expected.push_back(storeRequest);
    EXPECT_EQ(Requests(), expected);
    EXPECT_EQ(expected[3], CommandFrame("2FFEF34,07D0;"));
    EXPECT_EQ(StatusTexts(), (std::vector<std::string>{"Parameter Load Busy...Please Wait!",
                                                       "Load was Complated."}));
    ExpectOneBox("Load commparate.", MessageIcon::None);
    EXPECT_EQ(record, (UnitParameters{1, 1, 10, 2000, 3, 0xFF, 0xFFFF}));
}

TEST_F(LoadUploadTest, FailedParameterWordStopsTheLoadThere) {
    for (int i = 0; i < 3; ++i) AnswerAtOnce(Ack);  // the fourth write meets silence
    transfer.Load();
    EXPECT_EQ(Requests(), WriteRequests({0, 0, 2, 1000}));
    EXPECT_EQ(window.failureMessages, 1);
    EXPECT_EQ(StatusTexts().back(), "Load was Interrupted.");
    ExpectOneBox("Load Error", MessageIcon::Warning);
}

TEST_F(LoadUploadTest, FailedStoreWordEndsWithAnErrorWithoutIcon) {
    for (int i = 0; i < 7; ++i) AnswerAtOnce(Ack);
    AnswerAtOnce(Nak);
    transfer.Load();
    EXPECT_EQ(Requests().size(), 8u);
    EXPECT_EQ(StatusTexts().back(), "Load was Interrupted.");
    ExpectOneBox("Load Error", MessageIcon::None);
}

TEST_F(LoadUploadTest, SecondOperationWhileALoadWaitsIsRefused) {
    for (int i = 0; i < 8; ++i) AnswerAtOnce(Ack);
    int clicks = 0;
    events.onProcess = [&] {
        if (clicks++ > 0) return;
        EXPECT_TRUE(transfer.running());
        transfer.Load();
        transfer.Upload();
    };
    transfer.Load();
    EXPECT_GT(clicks, 1);
    EXPECT_EQ(Requests().size(), 8u);
    EXPECT_EQ(boxes.shown.size(), 1u);
    EXPECT_FALSE(transfer.running());
}

TEST_F(LoadUploadTest, UploadShowsTheUnitsWordsOnThePanel) {
    view.panel.phaseCountText = "1234";  // never loaded: replaced by the upload
    AnswerAtOnce(
        unit_link::WordsReply("0001"
                              "0001"
                              "000A"
                              "01F4"
                              "0003"
                              "0001"
                              "2345"));
    transfer.Upload();
    EXPECT_EQ(Requests(), std::vector{CommandFrame("4FFEF2E;7;")});
    EXPECT_EQ(record, (UnitParameters{1, 1, 10, 500, 3, 1, 0x2345}));
    EXPECT_EQ(view.panel, (ParameterPanel{1, 1, 2, 2, "500", "012345"}));
    EXPECT_EQ(StatusTexts(), (std::vector<std::string>{"Parameter Upload Busy...Please Wait!",
                                                       "Upload was Complated."}));
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(LoadUploadTest, FailedUploadShowsTheRecordAsItWas) {
    view.panel.phaseCountText = "1234";
    transfer.Upload();
    EXPECT_EQ(window.failureMessages, 1);
    EXPECT_FALSE(window.monitorOn);
    EXPECT_EQ(StatusTexts().back(), "Upload was Interrupted.");
    EXPECT_EQ(view.panelsShown, 1);
    EXPECT_EQ(view.panel.phaseCountText, "1000");
    EXPECT_TRUE(boxes.shown.empty());
}

}  // namespace
}  // namespace main_window
