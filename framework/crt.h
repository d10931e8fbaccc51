// Runtime calls whose Windows behaviour the framework provides itself,
// because Wine's runtime differs.
#pragma once

namespace crt {

constexpr int kWriteMode = 2;

// The runtime's _access with Windows' meaning: only attributes count. Every
// existing folder passes, a file passes unless it is read-only. Returns 0 or
// -1 and sets errno (ENOENT, EACCES, EINVAL, ...). Wine's _access also looks
// at Unix permissions of folders, which Windows never does.
int Access(const char* path, int mode);

}  // namespace crt
