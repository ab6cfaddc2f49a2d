#include <gtest/gtest.h>

#include "core/app_version.h"
#include "frontend/command_line.h"

using command_line::Action;
using command_line::parse;

TEST(CommandLine, FileLessonAndQtOptionsAreSortedOut)
{
    const auto request = parse({"-platform", "offscreen", "run.swd", "--lesson", "slow-start", "-reverse",
                                "--style=fusion", "-display", ":1"});
    EXPECT_EQ(request.action, Action::Run);
    EXPECT_EQ(request.runFile, "run.swd");
    EXPECT_EQ(request.lesson, "slow-start");
    EXPECT_EQ(request.toolkitArguments, (std::vector<std::string>{"-platform", "offscreen", "-reverse",
                                                                  "--style=fusion", "-display", ":1"}));

    const auto bare = parse({});
    EXPECT_EQ(bare.action, Action::Run);
    EXPECT_FALSE(bare.runFile);
    EXPECT_FALSE(bare.lesson);
    EXPECT_TRUE(bare.toolkitArguments.empty());

    EXPECT_EQ(parse({"--lesson=loss"}).lesson, "loss");
    EXPECT_EQ(parse({"--protocol", "go-back-n"}).protocol, "go-back-n");
    EXPECT_EQ(parse({"--protocol=reno", "-style", "fusion"}).protocol, "reno");
    // After "--" a leading dash belongs to a file name.
    EXPECT_EQ(parse({"--", "-odd.swd"}).runFile, "-odd.swd");
}

TEST(CommandLine, HelpAndVersionAnswerWhateverFollows)
{
    EXPECT_EQ(parse({"--help", "--no-such-option"}).action, Action::PrintHelp);
    EXPECT_EQ(parse({"run.swd", "-h"}).action, Action::PrintHelp);
    EXPECT_EQ(parse({"--version", "a", "b"}).action, Action::PrintVersion);

    EXPECT_EQ(command_line::version(), std::string("Quill's Sliding Window Demo ") + app::Version);
    const std::string help = command_line::help({});
    EXPECT_EQ(help.find(command_line::usage()), 0u);
    for (const char* option :
         {"FILE", "--lesson NAME", "--protocol NAME", "--help", "--version", "-platform"})
        EXPECT_NE(help.find(option), std::string::npos) << option;
    EXPECT_EQ(help.find("Lessons"), std::string::npos);
    EXPECT_NE(command_line::help({"first-steps", "loss"}).find("Lessons:\n  first-steps\n  loss\n"),
              std::string::npos);
}

TEST(CommandLine, MistakesAreRefusedInOneLine)
{
    const struct {
        std::vector<std::string> arguments;
        std::string error;
    } cases[] = {
        {{"--frobnicate"}, "unknown option '--frobnicate'"},
        {{"run.swd", "-x"}, "unknown option '-x'"},
        {{"--lesson"}, "option '--lesson' needs the name of a lesson"},
        {{"--lesson="}, "option '--lesson' needs the name of a lesson"},
        {{"-platform"}, "option '-platform' needs a value"},
        {{"a.swd", "b.swd"}, "only one run file can be opened at a time, got 'a.swd' and 'b.swd'"},
        {{"--protocol", "tcp"},
         "unknown protocol 'tcp'; the protocols are stop-and-wait, go-back-n, selective-repeat, tahoe, reno"},
        {{"--protocol"}, "option '--protocol' needs the name of a protocol"},
        {{"--protocol=reno", "--lesson", "slow-start"},
         "option '--protocol' cannot be combined with a run file or a lesson, which bring their own "
         "settings"},
    };
    for (const auto& [arguments, error] : cases) {
        const auto request = parse(arguments);
        EXPECT_EQ(request.action, Action::UsageError) << error;
        EXPECT_EQ(request.error, error);
        EXPECT_EQ(request.error.find('\n'), std::string::npos);
    }
}
