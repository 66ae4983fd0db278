// The practice window's Windows side that needs no window: the words of the command line, and
// the progress file in the user's application data, read and written under Wine.
#include "win32/command_arguments.h"
#include "win32/progress_file.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace velmorand {
namespace {

TEST(CommandArguments, SplitAsWindowsProgramsSplitThem) {
    struct Case {
        const wchar_t* Line;
        std::vector<std::string> Words;
    };
    const Case cases[] = {
        {L"velmorand.exe /practice /level 5 /variant 42",
         {"/practice", "/level", "5", "/variant", "42"}},
        {L"\"C:\\Program Files\\Velmorand\\velmorand.exe\" /practice", {"/practice"}},
        {L"\"C:\\Program Files\\Velmorand\\velmorand.exe\"", {}},
        {L"C:\\Velmorand\\velmorand.exe", {}},
        {L"", {}},
        {L"velmorand.exe   --level\t7  ", {"--level", "7"}},
        {L"velmorand.exe \"a b\" c", {"a b", "c"}},
        {L"velmorand.exe \"\" x", {"", "x"}},
        {L"velmorand.exe a\\b\\\\c", {"a\\b\\\\c"}},
        {L"velmorand.exe a\\\"b", {"a\"b"}},
        {L"velmorand.exe \"a\\\\\" b", {"a\\", "b"}},
        {L"velmorand.exe \"say \"\"hi\"\"\"", {"say \"hi\""}},
        {L"velmorand.exe \"unclosed quote", {"unclosed quote"}},
        {L"velmorand.exe /уровень", {"/\xD1\x83\xD1\x80\xD0\xBE\xD0\xB2\xD0\xB5\xD0\xBD\xD1\x8C"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CommandArguments(c.Line), c.Words)
            << std::string(c.Line, c.Line + wcslen(c.Line));
}

namespace fs = std::filesystem;

// A folder of its own under the temporary folder, removed with what it holds.
class ProgressFile : public testing::Test {
protected:
    void SetUp() override {
        fs::remove_all(folder_);
        ASSERT_TRUE(fs::create_directory(folder_));
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::vector<std::wstring> Kept() const { // what the Velmorand folder holds
        std::vector<std::wstring> names;
        for (const fs::directory_entry& entry : fs::directory_iterator(folder_ / "Velmorand"))
            names.push_back(entry.path().filename().wstring());
        return names;
    }
    static void Write(const fs::path& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
        ASSERT_EQ(fs::file_size(path), bytes.size());
    }

    static Progress Some() {
        Progress progress;
        progress.Levels[0] = {7, 3};
        progress.Levels[4] = {2, 1};
        progress.Levels[7] = {1, 0};
        return progress;
    }

    const fs::path folder_ =
        fs::temp_directory_path() / ("velmorand-progress-" + std::to_string(GetCurrentProcessId()));
    const std::wstring path_ = (folder_ / "Velmorand" / "practice-progress.txt").wstring();
};

TEST_F(ProgressFile, IsKeptInItsOwnFolderAndReplacedWholeWithNothingLeftBeside) {
    Progress more = Some();
    more.Levels[4].Solved = 3;
    for (const Progress& progress : {Some(), more}) { // the Velmorand folder is made on the way
        ASSERT_TRUE(SaveProgress(path_, progress));
        EXPECT_EQ(LoadProgress(path_), progress);
        EXPECT_EQ(Kept(), std::vector<std::wstring>{L"practice-progress.txt"});
    }
}

TEST_F(ProgressFile, MissingDamagedOrForeignReadsAsAFreshStart) {
    EXPECT_EQ(LoadProgress(path_), Progress{}) << "no file";
    EXPECT_EQ(LoadProgress(L""), Progress{}) << "no application data folder";
    ASSERT_TRUE(SaveProgress(path_, Some()));
    std::ifstream saved(fs::path(path_), std::ios::binary);
    const std::string valid{std::istreambuf_iterator<char>(saved), {}};
    saved.close();
    ASSERT_FALSE(valid.empty());
    const std::string damaged[] = {
        std::string("\0\xff\xfe garbage \x01", 14),
        valid + std::string(200 * 1024, ' '), // no progress file is that large
    };
    for (const std::string& bytes : damaged) {
        Write(path_, bytes);
        EXPECT_EQ(LoadProgress(path_), Progress{}) << bytes.size() << " bytes";
    }
    ASSERT_TRUE(fs::remove(path_));
    ASSERT_TRUE(fs::create_directory(path_)); // a folder where the file should be
    EXPECT_EQ(LoadProgress(path_), Progress{});
    EXPECT_FALSE(SaveProgress(path_, Some())) << "stored over a folder";
}

TEST_F(ProgressFile, NotStoredWhereNoFolderCanBeMade) {
    Write(folder_ / "Velmorand", "a file, not a folder");
    EXPECT_FALSE(SaveProgress(path_, Some()));
    EXPECT_FALSE(SaveProgress(L"", Some()));
}

TEST(ProgressFilePath, IsInTheUsersApplicationData) {
    wchar_t saved[MAX_PATH] = {};
    const DWORD had = GetEnvironmentVariableW(L"APPDATA", saved, MAX_PATH);
    SetEnvironmentVariableW(L"APPDATA", L"C:\\Users\\pupil\\AppData\\Roaming");
    EXPECT_EQ(ProgressFilePath(),
              L"C:\\Users\\pupil\\AppData\\Roaming\\Velmorand\\practice-progress.txt");
    SetEnvironmentVariableW(L"APPDATA", nullptr);
    EXPECT_EQ(ProgressFilePath(), L"") << "nowhere to keep it: kept in memory only";
    SetEnvironmentVariableW(L"APPDATA", had > 0 ? saved : nullptr);
}

} // namespace
} // namespace velmorand
