#include "tools/script_replay/script_replay.h"

#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>

#include "common/string_list.h"

namespace {

// Steps whose state is the last command line run, as "keys".
struct TFakeSteps {
  TStringList Ran;
  std::string Shown;

  std::optional<std::string> Replay(const std::string& script) {
    std::istringstream in(script);
    return ReplayScript(in, {[this](const std::string& line) {
                               Ran.push_back(line);
                               if (line.empty() || line.front() == '#') return false;
                               if (line == "bad") throw std::runtime_error("unknown gesture");
                               Shown = line;
                               return true;
                             },
                             [this] {
                               return TScriptFacts{{"keys", Shown}};
                             }});
  }
};

}  // namespace

TEST(ScriptReplay, ExpectationsReadTheStatePrintedLast) {
  TFakeSteps steps;
  EXPECT_FALSE(steps.Replay("a\r\nexpect keys a\r\n# b\nexpect keys a\nc\nexpect no keys a\n"));
  EXPECT_EQ(steps.Ran, (TStringList{"a", "# b", "c"}));
}

TEST(ScriptReplay, TheFirstFailingLineEndsTheReplayAndIsNamed) {
  TFakeSteps steps;
  EXPECT_EQ(steps.Replay("a\n\n  expect keys b \nc\n"), "line 3: expect keys b, but keys reads a");
  EXPECT_EQ(steps.Ran, (TStringList{"a", ""}));
  EXPECT_EQ(steps.Replay("a\nbad\nc\n"), "line 2: unknown gesture");
  EXPECT_EQ(steps.Replay("a\nexpect\n"), "line 2: expect needs a name");
}

TEST(ScriptReplay, AnExpectationBeforeAnyStepFails) {
  TFakeSteps steps;
  EXPECT_EQ(steps.Replay("# nothing yet\nexpect no keys\na\n"),
            "line 2: an expectation before any step");
  EXPECT_EQ(steps.Ran, (TStringList{"# nothing yet"}));
}
