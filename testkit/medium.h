// A fresh folder for one test: an install medium, a target drive's root or
// any other tree that the test lays out and checks. Paths are GBK.
#pragma once

#include <string>
#include <vector>

namespace testkit {

// The Windows form of a path on the Linux side (Z: is the Unix root).
std::string WindowsPath(const std::string& unixPath);

// vorkel.exe as built, and the folder under which the tests lay out trees.
std::string ToolExe();
// The 32-bit vorkel.exe that an operator runs, whichever build the tests run.
std::string ProductExe();
std::string StandInConfigExe();
std::string StandInXcopyExe();
std::string StandInDelayedCmdExe();
std::string TestRoot();
// The folders under the test root that the test prefix maps to drives D:
// and M:.
std::string DriveRoot(char letter);

class Folder {
 public:
  // Empties (or creates) `path` and everything under it.
  explicit Folder(const std::string& path);
  // A folder named after the running test under TestRoot().
  static Folder ForTest(const std::string& suffix = std::string());
  // A folder that is there already, left as it is.
  static Folder Existing(const std::string& path);

  const std::string& Path() const { return m_path; }
  std::string Path(const std::string& relative) const;

  Folder& Dir(const std::string& relative);
  Folder& File(const std::string& relative, const std::string& content = "");
  Folder& ReadOnly(const std::string& relative);

  bool Exists(const std::string& relative) const;
  std::string Read(const std::string& relative) const;
  // Every file and folder below, as relative paths in sorted order.
  std::vector<std::string> Tree() const;

 private:
  struct Keep {};
  Folder(const std::string& path, Keep) : m_path(path) {}
  std::string m_path;
};

// Empties a folder tree and removes it; read-only entries too.
void RemoveTree(const std::string& path);

}  // namespace testkit
