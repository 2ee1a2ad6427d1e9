#include "platform/headless_interaction.h"

#include <gtest/gtest.h>

#include <sstream>

#include "platform/progress.h"

namespace kinloom::platform {
namespace {

TEST(HeadlessInteraction, ScriptedAnswersComeFirstThenDefaults) {
  FixedClock clock({2026, 12, 6, 9, 0, 0});
  HeadlessInteraction ui(&clock);
  ui.QueueAnswer(Answer::kNo);
  ui.QueueAnswer(Answer::kCancel);
  ui.SetDefault(Buttons::kYesNo, Answer::kNo);
  EXPECT_EQ(ui.Ask("Q", "one", Icon::kQuestion, Buttons::kYesNo), Answer::kNo);
  EXPECT_EQ(ui.Ask("Q", "two", Icon::kQuestion, Buttons::kYesNoCancel), Answer::kCancel);
  EXPECT_EQ(ui.Ask("Q", "three", Icon::kQuestion, Buttons::kYesNo), Answer::kNo);
  EXPECT_EQ(ui.Ask("Q", "four", Icon::kQuestion, Buttons::kYesNoCancel), Answer::kYes);
  ASSERT_EQ(ui.records().size(), 4u);
  EXPECT_EQ(ui.records()[1].text, "two");
  EXPECT_EQ(ui.records()[1].answer, Answer::kCancel);
}

TEST(HeadlessInteraction, MessagesAreRecordedAndEchoed) {
  FixedClock clock({2026, 12, 6, 9, 0, 0});
  HeadlessInteraction ui(&clock);
  std::ostringstream echo;
  ui.EchoTo(&echo);
  ui.Message("Error", "No Unused Individual Record Available", Icon::kExclamation);
  ASSERT_EQ(ui.records().size(), 1u);
  EXPECT_EQ(ui.records()[0].icon, Icon::kExclamation);
  EXPECT_EQ(echo.str(), "Error: No Unused Individual Record Available\n");
}

TEST(ProgressTicker, TextIsDueOncePerClockSecondAndBarWraps) {
  FixedClock clock({2026, 12, 6, 9, 0, 0});
  HeadlessInteraction ui(&clock);
  ProgressTicker ticker(ui, 3);
  EXPECT_TRUE(ticker.TextDue());
  EXPECT_FALSE(ticker.TextDue());
  clock.AdvanceSeconds(1);
  EXPECT_TRUE(ticker.TextDue());
  EXPECT_FALSE(ticker.TextDue());
  ticker.Step();
  ticker.Step();
  EXPECT_EQ(ui.progress_position(), 2);
  ticker.Step();
  EXPECT_EQ(ui.progress_position(), 0);
}

}  // namespace
}  // namespace kinloom::platform
