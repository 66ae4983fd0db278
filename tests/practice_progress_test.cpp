// The stored progress: written and read back, and anything else read as a fresh start.
#include "practice/progress.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmorand {
namespace {

Progress Sample() {
    Progress progress;
    for (int i = 0; i < LevelCount; ++i)
        progress.Levels[static_cast<std::size_t>(i)] = {i * 7, i};
    progress.Levels[7] = {999999999, 3};
    return progress;
}

TEST(PracticeProgress, ReadsBackWhatItWrote) {
    EXPECT_EQ(ProgressFromText(ProgressText(Sample())), Sample());
    EXPECT_EQ(ProgressFromText(ProgressText(Progress{})), Progress{});
}

TEST(PracticeProgress, IsPlainLinesOfNumbers) {
    Progress progress;
    progress.Levels[0] = {4, 2};
    progress.Levels[4] = {12, 0};
    EXPECT_EQ(ProgressText(progress),
              "velmorand-progress 2\n4 2\n0 0\n0 0\n0 0\n12 0\n0 0\n0 0\n0 0\n0 0\n0 0\n");
}

TEST(PracticeProgress, AcceptsWindowsLineEndsAndAMissingLastLineEnd) {
    const std::string text = ProgressText(Sample());
    std::string windows;
    for (const char c : text)
        windows += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_EQ(ProgressFromText(windows), Sample());
    EXPECT_EQ(ProgressFromText(text.substr(0, text.size() - 1)), Sample());
    EXPECT_EQ(ProgressFromText(text + "\n\n"), Sample());
}

// Counts a pupil could not have are kept within what the text can hold.
TEST(PracticeProgress, WritesOnlyCountsItCanReadBack) {
    Progress odd;
    odd.Levels[0] = {-5, -1};
    odd.Levels[1] = {2147483647, 2147483647};
    odd.Levels[2] = {3, 10}; // more in a row than solved
    const Progress read = ProgressFromText(ProgressText(odd));
    EXPECT_EQ(read.Levels[0], (LevelProgress{0, 0}));
    EXPECT_EQ(read.Levels[1], (LevelProgress{999999999, 999999999}));
    EXPECT_EQ(read.Levels[2], (LevelProgress{3, 3}));
}

std::string Good() { return ProgressText(Sample()); }

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    text.replace(text.find(from), from.size(), to);
    return text;
}

TEST(PracticeProgress, AnythingDamagedIsAFreshStart) {
    const std::string lines = Good().substr(Good().find('\n') + 1);
    std::vector<std::string> damaged = {
        "",
        "\n",
        "velmorand-progress 2",
        "velmorand-progress 2\n",
        "velmorand-progress 3\n" + lines,
        "Velmorand-progress 2\n" + lines,
        " velmorand-progress 2\n" + lines,
        "velmorand-progress 2 \n" + lines,
        "\xEF\xBB\xBFvelmorand-progress 2\n" + lines,            // a byte order mark
        Good().substr(0, Good().rfind('\n', Good().size() - 2)), // a level missing
        Good() + "1 1\n",                                        // one too many
        std::string(1'000'000, '7'),
        "velmorand-progress 2\n" + std::string(1'000'000, '1'),
        "velmorand-progress 2\n" + std::string(1'000'000, '\n'),
        Good() + std::string(1'000'000, 'x'),
        // What was kept under the 8 levels before they were remade counts for none of the new
        // ones, and neither does the new count of levels under the old header.
        "velmorand-progress 1\n3 1\n6 1\n9 1\n12 1\n15 1\n18 1\n21 1\n24 1\n",
        "velmorand-progress 1\n" + lines,
    };
    // A level's line "7 1" spoiled in each way a hand or a disk might; "7 8" is more in a row
    // than solved.
    for (const std::string line :
         {"-7 1", "7 -1", "7", "7  1", "7 1 1", "7 8", "7 1x", "7\t1", "1e3 1", "7000000000 1",
          "99999999999999999999999 1", "\xD0\xBF 1", "\xFF\xFE 1"})
        damaged.push_back(Replaced(Good(), "7 1\n", line + "\n"));
    damaged.push_back(Replaced(Good(), "7 1\n", std::string("7\0 1\n", 5)));
    for (const std::string& text : damaged)
        EXPECT_EQ(ProgressFromText(text), Progress{}) << text.substr(0, 80);
}

} // namespace
} // namespace velmorand
