// What Wine 8 cannot host: junctions and symbolic links are reparse points, which Wine does not
// make, and two odd entries are read by Windows' own path rules, which Wine only imitates. Each
// such case skips under Wine and fails on Windows when the report is wrong.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "case_names.h"
#include "platform/platform_win32.h"
#include "process.h"
#include "report_case.h"
#include "windows_host.h"

namespace lomvist_test {
namespace {

// The report of one variable X holding `value`, to a file.
RunResult check_x(const std::string& value) {
  return run_program(request_for({"X"}, {"X=" + value}));
}

void expect_x(const std::string& value, const std::string& entries, int status) {
  const RunResult result = check_x(value);
  EXPECT_EQ(result.standard_output,
            native_line_ends(heading("X") + entries + (status ? summary("X", status) : "")))
      << value;
  EXPECT_EQ(result.standard_error, "");
  EXPECT_EQ(result.status, status) << value;
}

// The folder that T: stands for, as Windows names it: a link's target must not depend on a
// drive mapping of this session.
std::wstring fixture_target() {
  wchar_t target[MAX_PATH * 2] = {};
  if (!QueryDosDeviceW(L"T:", target, MAX_PATH * 2)) return L"";
  std::wstring folder = target;
  if (folder.rfind(L"\\??\\", 0) == 0) folder.erase(0, 4);
  return folder;
}

// The mount-point form of REPARSE_DATA_BUFFER: the substitute name that Windows follows, then
// the name it shows, each ending in a zero.
bool make_junction(const std::wstring& link, const std::wstring& target) {
  if (!CreateDirectoryW(link.c_str(), nullptr)) return false;
  const std::wstring substitute = L"\\??\\" + target;
  std::wstring names = substitute + L'\0' + target + L'\0';
  const WORD header[4] = {0, static_cast<WORD>(substitute.size() * 2),
                          static_cast<WORD>((substitute.size() + 1) * 2),
                          static_cast<WORD>(target.size() * 2)};
  const WORD data_length = static_cast<WORD>(sizeof header + names.size() * 2);
  std::vector<unsigned char> buffer(8 + data_length);
  const DWORD tag = IO_REPARSE_TAG_MOUNT_POINT;
  std::memcpy(buffer.data(), &tag, 4);
  std::memcpy(buffer.data() + 4, &data_length, 2);
  std::memcpy(buffer.data() + 8, header, sizeof header);
  std::memcpy(buffer.data() + 8 + sizeof header, names.data(), names.size() * 2);
  const HANDLE folder =
      CreateFileW(link.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                  FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (folder == INVALID_HANDLE_VALUE) return false;
  DWORD returned = 0;
  const BOOL set =
      DeviceIoControl(folder, FSCTL_SET_REPARSE_POINT, buffer.data(),
                      static_cast<DWORD>(buffer.size()), nullptr, 0, &returned, nullptr);
  CloseHandle(folder);
  return set;
}

// The tag of the reparse point itself, not of what it names.
DWORD reparse_tag(const std::wstring& path) {
  const HANDLE file =
      CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                  FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 0;
  FILE_ATTRIBUTE_TAG_INFO info{};
  const BOOL read = GetFileInformationByHandleEx(file, FileAttributeTagInfo, &info, sizeof info);
  CloseHandle(file);
  return read ? info.ReparseTag : 0;
}

void skip_under_wine() {
  if (under_wine()) {
    SKIP_UNLESS_REFUSED(
        "Wine 8 makes no reparse points and only imitates Windows' path rules; "
        "this case needs Windows itself");
  }
}

class WindowsOnly : public testing::Test {
 protected:
  void SetUp() override {
    skip_under_wine();
    if (IsSkipped() || HasFatalFailure()) return;
    ASSERT_EQ(fixture_folder(), "T:\\") << "T: could not be mapped to a folder";
    target_ = fixture_target();
    ASSERT_FALSE(target_.empty()) << "T: is not mapped to a folder";
    for (const auto& entry : std::filesystem::directory_iterator(target_)) {
      std::filesystem::remove_all(entry);
    }
  }

  std::wstring target_;  // the folder behind T:
};

TEST_F(WindowsOnly, AJunctionIsItsFolderAndMissingOnceTheFolderGoes) {
  ASSERT_TRUE(CreateDirectoryW((target_ + L"\\folder").c_str(), nullptr));
  ASSERT_TRUE(make_junction(target_ + L"\\junction", target_ + L"\\folder"))
      << "error " << GetLastError();
  EXPECT_EQ(reparse_tag(target_ + L"\\junction"), IO_REPARSE_TAG_MOUNT_POINT);
  EXPECT_TRUE(lomvist::follows_reparse_tag(reparse_tag(target_ + L"\\junction")));
  expect_x(R"(T:\junction)", dir(R"(T:\junction)"), 0);
  ASSERT_TRUE(RemoveDirectoryW((target_ + L"\\folder").c_str()));
  expect_x(R"(T:\junction)", missing(R"(T:\junction)"), 1);
  RemoveDirectoryW((target_ + L"\\junction").c_str());
}

// Hosted runners' image turns Developer Mode on, which lets a process make links without the
// privilege, UAC on; elsewhere a link needs the privilege or Developer Mode.
TEST_F(WindowsOnly, SymbolicLinksAreWhatTheyNameAndMissingOnceItGoes) {
  ASSERT_TRUE(CreateDirectoryW((target_ + L"\\folder").c_str(), nullptr));
  std::ofstream(std::filesystem::path(target_) / "file.txt") << "lomvist\n";
  const DWORD unprivileged = SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE;
  if (!CreateSymbolicLinkW((target_ + L"\\folder-link").c_str(), (target_ + L"\\folder").c_str(),
                           SYMBOLIC_LINK_FLAG_DIRECTORY | unprivileged)) {
    SKIP_UNLESS_REFUSED("Windows refused to make a symbolic link (error "
                        << GetLastError()
                        << "): it needs the privilege to create them or developer mode");
  }
  ASSERT_TRUE(CreateSymbolicLinkW((target_ + L"\\file-link").c_str(),
                                  (target_ + L"\\file.txt").c_str(), unprivileged))
      << "error " << GetLastError();
  EXPECT_EQ(reparse_tag(target_ + L"\\folder-link"), IO_REPARSE_TAG_SYMLINK);
  EXPECT_TRUE(lomvist::follows_reparse_tag(reparse_tag(target_ + L"\\folder-link")));
  expect_x(R"(T:\folder-link;T:\file-link)", dir("T:\\folder-link)\nF: (T:\\file-link") + kFile, 1);
  ASSERT_TRUE(RemoveDirectoryW((target_ + L"\\folder").c_str()));
  ASSERT_TRUE(DeleteFileW((target_ + L"\\file.txt").c_str()));
  expect_x(R"(T:\folder-link;T:\file-link)",
           missing(R"(T:\folder-link)") + missing(R"(T:\file-link)"), 2);
  RemoveDirectoryW((target_ + L"\\folder-link").c_str());
  DeleteFileW((target_ + L"\\file-link").c_str());
}

struct OddEntry {
  const char* title;
  std::string entry;
  std::string lines;  // the entry's line and findings
  int status;
};

void PrintTo(const OddEntry& row, std::ostream* out) { *out << row.title; }

// The manual explains these readings: Windows drops a trailing space from the last name, and a
// name that starts with \\?\ is passed on unparsed.
const OddEntry kPathRuleEntries[] = {
    {"a trailing space", R"(C:\Windows )", dir(R"(C:\Windows )") + kSpaces, 1},
    {"a name passed on unparsed", R"(\\?\C:\Windows)", dir(R"(\\?\C:\Windows)") + kQuestion, 1},
};

class WindowsPathRule : public testing::TestWithParam<OddEntry> {
 protected:
  void SetUp() override { skip_under_wine(); }
};

TEST_P(WindowsPathRule, ReadsAsTheManualSays) {
  expect_x(GetParam().entry, GetParam().lines, GetParam().status);
}

INSTANTIATE_TEST_SUITE_P(WindowsOnly, WindowsPathRule, testing::ValuesIn(kPathRuleEntries),
                         title_of<OddEntry>);

}  // namespace
}  // namespace lomvist_test
