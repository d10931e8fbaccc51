// Stands in for the product's configuration tool in the tests' install media:
// appends "config <current folder>" to the file named by VORKEL_TEST_LOG.
#include <windows.h>

#include <cstdio>

int main() {
  char log[MAX_PATH] = {};
  char folder[MAX_PATH] = {};
  if (GetEnvironmentVariableA("VORKEL_TEST_LOG", log, sizeof log) == 0) return 1;
  GetCurrentDirectoryA(sizeof folder, folder);
  std::FILE* file = std::fopen(log, "a");
  if (file == nullptr) return 1;
  std::fprintf(file, "config %s\n", folder);
  return std::fclose(file) == 0 ? 0 : 1;
}
