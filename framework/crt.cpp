#include "framework/crt.h"

#include <windows.h>

#include <cerrno>
#include <cstdlib>

namespace crt {
namespace {

int ErrnoFromSystemError(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND: case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE: case ERROR_NO_MORE_FILES:
    case ERROR_BAD_NETPATH: case ERROR_BAD_NET_NAME:
    case ERROR_BAD_PATHNAME: case ERROR_FILENAME_EXCED_RANGE:
      return ENOENT;
    case ERROR_ACCESS_DENIED:
      return EACCES;
    case ERROR_NOT_ENOUGH_MEMORY: case ERROR_OUTOFMEMORY:
      return ENOMEM;
    default:
      // Write-protect, not-ready and the other media errors (19 to 36).
      if (error >= ERROR_WRITE_PROTECT && error <= ERROR_SHARING_BUFFER_EXCEEDED)
        return EACCES;
      return EINVAL;
  }
}

}  // namespace

int Access(const char* path, int mode) {
  if (path == nullptr || (mode & ~6) != 0) {
    errno = EINVAL;
    return -1;
  }
  const DWORD attributes = GetFileAttributesA(path);
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD error = GetLastError();
    _doserrno = error;
    errno = ErrnoFromSystemError(error);
    return -1;
  }
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
      (attributes & FILE_ATTRIBUTE_READONLY) != 0 && (mode & kWriteMode) != 0) {
    _doserrno = ERROR_ACCESS_DENIED;
    errno = EACCES;
    return -1;
  }
  return 0;
}

}  // namespace crt
