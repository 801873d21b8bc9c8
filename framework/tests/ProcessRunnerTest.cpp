#include "framework/Portable.h"
#include "framework/ProcessRunner.h"

#include <gtest/gtest.h>

TEST(ProcessRunner, CommandLinesSplitAsTheStartedProgramSplitsThem) {
  struct Case {
    const char* line;
    std::vector<const char*> args;
  };
  const Case cases[] = {
    {"", {}},
    {"  ORDA  ", {"ORDA"}},
    {"ORDA -t=VIKA -i=\"c:\\tmp\\ZEZ01\"", {"ORDA", "-t=VIKA", "-i=c:\\tmp\\ZEZ01"}},
    {"\"c:\\main dir\\ORDA\" -o=\"out dir\\.\"", {"c:\\main dir\\ORDA", "-o=out dir\\."}},
    {"a\\\\b c\\\\\\\"d", {"a\\\\b", "c\\\"d"}},         // backslashes before a quote halve
    {"\"a\\\\\" b", {"a\\", "b"}},
    {"\"\" x", {"", "x"}},
    {"\"say \"\"hi\"\"\"", {"say \"hi\""}},
    {"tab\tseparated", {"tab", "separated"}},
  };
  for (const Case& c : cases) {
    std::vector<CString> args = SplitCommandLine(c.line);
    ASSERT_EQ(c.args.size(), args.size()) << c.line;
    for (size_t i = 0; i < args.size(); ++i)
      EXPECT_STREQ(c.args[i], args[i]) << c.line;
  }
}

TEST(ProcessRunner, SystemRunnerReturnsTheProgramsExitStatus) {
#ifdef _WIN32
  const char* exitThree = "cmd.exe /c exit 3";
#else
  const char* exitThree = "sh -c \"exit 3\"";
#endif
  CProcessRunner& runner = GetSystemProcessRunner();
  EXPECT_EQ(3, runner.Run(exitThree));
  EXPECT_EQ(CProcessRunner::NOT_STARTED, runner.Run("\"no such folder\\no such program\" x"));
}

// A watched run is called back while the program runs and still gives its
// exit status.
TEST(ProcessRunner, WatchedRunsAreCalledBackWhileTheProgramRuns) {
#ifdef _WIN32
  const char* slowExitFour = "cmd.exe /c ping -n 2 127.0.0.1 >nul & exit 4";
#else
  const char* slowExitFour = "sh -c \"sleep 0.5; exit 4\"";
#endif
  int nCalls = 0;
  EXPECT_EQ(4, GetSystemProcessRunner().RunWatching(slowExitFour, [&] { ++nCalls; }));
  EXPECT_GT(nCalls, 0);
}
