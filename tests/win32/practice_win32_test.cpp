// The practice window's Windows side that needs no window: the words of the command line, and
// the progress file in the user's application data, read and written under Wine.
#include "win32/command_arguments.h"
#include "win32/progress_file.h"

#include <gtest/gtest.h>

#include <windows.h>

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

// A folder of its own under the temporary folder, removed with what it holds.
class ProgressFile : public testing::Test {
protected:
    void SetUp() override {
        wchar_t temporary[MAX_PATH];
        GetTempPathW(MAX_PATH, temporary);
        folder_ = std::wstring(temporary) + L"velmorand-progress-" +
                  std::to_wstring(GetCurrentProcessId());
        RemoveAll();
        ASSERT_TRUE(CreateDirectoryW(folder_.c_str(), nullptr));
        path_ = folder_ + L"\\Velmorand\\practice-progress.txt";
    }
    void TearDown() override { RemoveAll(); }

    std::vector<std::wstring> Files(const std::wstring& folder) const {
        std::vector<std::wstring> names;
        WIN32_FIND_DATAW found;
        const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE)
            return names;
        do {
            if (found.cFileName != std::wstring(L".") && found.cFileName != std::wstring(L".."))
                names.push_back(found.cFileName);
        } while (FindNextFileW(search, &found));
        FindClose(search);
        return names;
    }
    void Write(const std::wstring& path, const std::string& bytes) const {
        const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        DWORD written = 0;
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
        ASSERT_EQ(written, bytes.size());
    }
    void RemoveAll() const {
        const std::wstring inner = folder_ + L"\\Velmorand";
        for (const std::wstring& name : Files(inner))
            DeleteFileW((inner + L"\\" + name).c_str());
        RemoveDirectoryW(inner.c_str());
        for (const std::wstring& name : Files(folder_))
            DeleteFileW((folder_ + L"\\" + name).c_str());
        RemoveDirectoryW(folder_.c_str());
    }

    static Progress Some() {
        Progress progress;
        progress.Levels[0] = {7, 3};
        progress.Levels[4] = {2, 1};
        progress.Levels[7] = {1, 0};
        return progress;
    }

    std::wstring folder_;
    std::wstring path_;
};

TEST_F(ProgressFile, IsKeptInItsOwnFolderAndReplacedWholeWithNothingLeftBeside) {
    Progress more = Some();
    more.Levels[4].Solved = 3;
    for (const Progress& progress : {Some(), more}) { // the Velmorand folder is made on the way
        ASSERT_TRUE(SaveProgress(path_, progress));
        EXPECT_EQ(LoadProgress(path_), progress);
        EXPECT_EQ(Files(folder_ + L"\\Velmorand"),
                  std::vector<std::wstring>{L"practice-progress.txt"});
    }
}

TEST_F(ProgressFile, MissingDamagedOrForeignReadsAsAFreshStart) {
    EXPECT_EQ(LoadProgress(path_), Progress{}) << "no file";
    EXPECT_EQ(LoadProgress(L""), Progress{}) << "no application data folder";
    ASSERT_TRUE(SaveProgress(path_, Some()));
    const std::string valid = [&] {
        const HANDLE file = CreateFileW(path_.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                        OPEN_EXISTING, 0, nullptr);
        std::string text(4096, '\0');
        DWORD read = 0;
        ReadFile(file, text.data(), static_cast<DWORD>(text.size()), &read, nullptr);
        CloseHandle(file);
        text.resize(read);
        return text;
    }();
    ASSERT_FALSE(valid.empty());
    const std::string damaged[] = {
        std::string("\0\xff\xfe garbage \x01", 14),
        valid + std::string(200 * 1024, ' '), // no progress file is that large
    };
    for (const std::string& bytes : damaged) {
        Write(path_, bytes);
        EXPECT_EQ(LoadProgress(path_), Progress{}) << bytes.size() << " bytes";
    }
    ASSERT_TRUE(DeleteFileW(path_.c_str()));
    ASSERT_TRUE(CreateDirectoryW(path_.c_str(), nullptr)); // a folder where the file should be
    EXPECT_EQ(LoadProgress(path_), Progress{});
    EXPECT_FALSE(SaveProgress(path_, Some())) << "stored over a folder";
    RemoveDirectoryW(path_.c_str());
}

TEST_F(ProgressFile, NotStoredWhereNoFolderCanBeMade) {
    const std::wstring blocker = folder_ + L"\\Velmorand";
    Write(blocker, "a file, not a folder");
    EXPECT_FALSE(SaveProgress(path_, Some()));
    EXPECT_FALSE(SaveProgress(L"", Some()));
    DeleteFileW(blocker.c_str());
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
