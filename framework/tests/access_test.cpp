#include "framework/crt.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cerrno>

#include "testkit/medium.h"

namespace {

struct AccessCase {
  const char* path;  // relative to the test folder
  int result;
  int error;         // 0: errno is left as it was
};

TEST(AccessForWriting, FollowsWindowsAttributesOnly) {
  testkit::Folder folder = testkit::Folder::ForTest();
  folder.Dir("dir");
  folder.File("file.txt", "x").File("readonly.txt", "x").ReadOnly("readonly.txt");

  const AccessCase cases[] = {
      {"missing.txt", -1, ENOENT},
      {"missing-dir\\file.txt", -1, ENOENT},
      {"dir", 0, 0},
      {"..\\readonly-folder", 0, 0},
      {"file.txt", 0, 0},
      {"readonly.txt", -1, EACCES},
  };
  for (const AccessCase& c : cases) {
    errno = 0;
    EXPECT_EQ(crt::Access(folder.Path(c.path).c_str(), crt::kWriteMode), c.result)
        << c.path;
    EXPECT_EQ(errno, c.error) << c.path;
  }
  EXPECT_NE(GetFileAttributesA(folder.Path("..\\readonly-folder").c_str()) &
                FILE_ATTRIBUTE_READONLY,
            0u)
      << "the test prefix lacks its read-only folder";
}

TEST(AccessForWriting, RejectsInvalidArguments) {
  errno = 0;
  EXPECT_EQ(crt::Access(nullptr, crt::kWriteMode), -1);
  EXPECT_EQ(errno, EINVAL);
  errno = 0;
  EXPECT_EQ(crt::Access(".", 1), -1);
  EXPECT_EQ(errno, EINVAL);
}

}  // namespace
