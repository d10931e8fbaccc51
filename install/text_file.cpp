#include "install/text_file.h"

#include <cstdio>

bool WriteTextFile(const std::string& path, const std::string& text) {
  std::FILE* file = std::fopen(path.c_str(), "w");
  if (file == nullptr) return false;
  const bool written =
      text.empty() || std::fwrite(text.data(), text.size(), 1, file) == 1;
  const bool closed = std::fclose(file) == 0;
  return written && closed;
}
