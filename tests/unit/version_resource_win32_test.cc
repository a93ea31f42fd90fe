#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "e2e/report_case.h"

namespace {

std::string version_string(const std::vector<char>& info, const char* key) {
  char* value = nullptr;
  UINT size = 0;
  const std::string path = std::string("\\StringFileInfo\\040904B0\\") + key;
  if (!VerQueryValueA(info.data(), path.c_str(), reinterpret_cast<void**>(&value), &size)) {
    return "<none>";
  }
  return std::string(value);
}

TEST(VersionResource, NamesTheProductAndVersion) {
  const std::string path = lomvist_test::program_under_test();
  const char* program = path.c_str();
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(program, &ignored);
  ASSERT_NE(size, 0u);
  std::vector<char> info(size);
  ASSERT_TRUE(GetFileVersionInfoA(program, 0, size, info.data()));
  EXPECT_EQ(version_string(info, "ProductName"), "Lomvist");
  EXPECT_EQ(version_string(info, "ProductVersion"), LOMVIST_VERSION);
  EXPECT_EQ(version_string(info, "FileVersion"), LOMVIST_VERSION);
  EXPECT_EQ(version_string(info, "OriginalFilename"), "lomvist.exe");
  EXPECT_EQ(version_string(info, "LegalCopyright"),
            "Copyright (c) " LOMVIST_COPYRIGHT_HOLDER ", MIT licence");
}

}  // namespace
