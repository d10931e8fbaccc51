// Times the copy stage of vorkel.exe against the bare copies it stands for:
// from the press of "复制文件到目标" until the completion notice shows, with
// every package chosen, and the same xcopy lines run from a plain batch file
// through the interpreter. Driven by tools/bench-copy-stage.sh.
//
// bench_copy_stage REPEATS MAX_RATIO MEDIUM
// Both copy into an empty M:\copy-bench. Exits 1 when the tool's median is
// more than MAX_RATIO times the bare one, 2 on a run that fails.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#include "testkit/medium.h"
#include "testkit/timing.h"
#include "testkit/tool_process.h"
#include "testkit/windows_text.h"

namespace {

using testkit::Median;
using testkit::NowMs;

constexpr int kDriveM = 10;
constexpr char kTargetName[] = "copy-bench";
constexpr char kTarget[] = "M:\\copy-bench";
constexpr char kNoticeStart[] = "文件复制操作完成";
constexpr int kFollowUpQuestions = 4;
constexpr int kSideFiles = 2;
constexpr char kBareScriptName[] = "bench-bare-copy.bat";
constexpr int kAvailableList = 1001;
constexpr int kSelectedList = 1002;
constexpr int kAddButton = 1003;
constexpr int kMessageTextId = 0xFFFF;
// 200 MB under Wine can take far longer than a test's wait.
constexpr DWORD kGiveUpMs = 300000;
// Polled finely, so that the poll adds little to a stage of a few seconds.
constexpr DWORD kPollMs = 5;
// Each look at the tool's windows is a round of wineserver requests, and
// xcopy needs wineserver for every file: looking every 5 ms made the copy
// itself about 5% slower. A file check and Sleep need no wineserver, so the
// windows are looked at every 5 ms only once the tool has written its
// launcher, which it does just before the notice; until then every 250 ms,
// for a message box that comes instead.
constexpr char kLauncherName[] = "@安装.bat";
constexpr int kWindowPollEvery = 50;

std::FILE* report = stdout;

// The copies list every file they copy. The tool's interpreter and the bare
// one both write that to NUL, so that neither pays for a pipe to the
// terminal: descriptor 1 and with it the standard output handle, which the
// tool takes over, become NUL, and the report goes to the first output.
std::FILE* ReportToOriginalOutput() {
  std::FILE* original = _fdopen(_dup(1), "w");
  _dup2(_open("NUL", _O_WRONLY), 1);
  return original;
}

// A visible message box of the process, or null.
HWND VisibleMessageBox(DWORD processId) {
  HWND window = nullptr;
  while ((window = FindWindowExA(nullptr, window, "#32770", nullptr))) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == processId && IsWindowVisible(window) &&
        GetDlgItem(window, kMessageTextId) != nullptr)
      return window;
  }
  return nullptr;
}

// The tool with its dialog up and every package chosen, ready for the press.
class ReadyTool {
 public:
  explicit ReadyTool(const std::string& medium)
      : tool_(testkit::ToolExe(), medium) {
    // The first start under a fresh Wine session can be slow.
    if (tool_.WaitForDialog(kGiveUpMs) == nullptr)
      throw std::runtime_error("no dialog");
    const LRESULT lines =
        SendMessageW(tool_.Control(kAvailableList), LB_GETCOUNT, 0, 0);
    for (int line = 0; line < lines; ++line) {
      tool_.SelectLine(kAvailableList, line);
      tool_.Click(kAddButton);
    }
    tool_.SelectDrive(kDriveM);
    tool_.SetName(kTargetName);
  }

  // The folders the tool copies, in its order: the base edition first.
  std::vector<std::string> CopyList(const std::string& medium) const {
    std::vector<std::string> folders = {medium + "\\Halvit"};
    for (const auto& entry : tool_.ListEntries(kSelectedList))
      folders.push_back(medium + "\\" + entry.second);
    return folders;
  }

  // Milliseconds from the press until the completion notice shows.
  double TimeCopy() {
    const DWORD processId = GetProcessId(tool_.Handle());
    const std::string launcher = std::string(kTarget) + "\\" + kLauncherName;
    const double start = NowMs();
    tool_.ClickPosted(IDOK);
    HWND box = nullptr;
    for (int poll = 0;; ++poll) {
      const bool noticeDue =
          GetFileAttributesA(launcher.c_str()) != INVALID_FILE_ATTRIBUTES;
      if (noticeDue || poll % kWindowPollEvery == 0) {
        if ((box = VisibleMessageBox(processId)) != nullptr) break;
        if (WaitForSingleObject(tool_.Handle(), 0) == WAIT_OBJECT_0)
          throw std::runtime_error("the tool ended during the copy");
      }
      if (NowMs() - start > kGiveUpMs)
        throw std::runtime_error("no message box");
      Sleep(kPollMs);
    }
    const double ms = NowMs() - start;
    const std::string text =
        testkit::WindowText(GetDlgItem(box, kMessageTextId));
    if (text.compare(0, sizeof kNoticeStart - 1, kNoticeStart) != 0)
      throw std::runtime_error("a message box instead of the notice: " +
                               text);
    Finish();
    return ms;
  }

 private:
  // OK to the notice and No to each follow-up question; then the tool ends.
  void Finish() {
    for (int box = 0; box <= kFollowUpQuestions; ++box) {
      const testkit::MessageBoxWindow next = tool_.WaitForMessageBox();
      if (next.window == nullptr)
        throw std::runtime_error("a follow-up question is missing");
      next.Press(box == 0 ? IDOK : IDNO);
    }
    if (!tool_.WaitForExit()) throw std::runtime_error("the tool did not end");
  }

  testkit::ToolProcess tool_;
};

std::string TempFolder() {
  char path[MAX_PATH];
  GetTempPathA(MAX_PATH, path);
  return path;
}

// The tool's copies as bare xcopy lines; gives back the script's path.
std::string WriteBareScript(const std::vector<std::string>& folders) {
  std::string script = "@echo off\r\n";
  for (const std::string& folder : folders)
    script += "xcopy /E /Y \"" + folder + "\\*\" \"" + kTarget + "\\\"\r\n";
  testkit::Folder::Existing(TempFolder()).File(kBareScriptName, script);
  return TempFolder() + kBareScriptName;
}

double TimeBareCopy(const std::string& scriptPath) {
  // The form the tool uses too: safe for any path.
  const std::string command = "\"\"" + scriptPath + "\"\"";
  const double start = NowMs();
  const int status = std::system(command.c_str());
  const double ms = NowMs() - start;
  if (status != 0)
    throw std::runtime_error("the bare copy ended with an error");
  return ms;
}

void CountFiles(const std::string& folder, int& files) {
  WIN32_FIND_DATAA entry;
  HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    const std::string name = entry.cFileName;
    if (name == "." || name == "..") continue;
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
      CountFiles(folder + "\\" + name, files);
    else
      ++files;
  } while (FindNextFileA(find, &entry));
  FindClose(find);
}

// Copies into an empty target, prints the time and the number of files that
// arrived, and checks that number when `expectedFiles` is given.
template <typename Copy>
double TimedRun(const char* label, int round, int expectedFiles, Copy copy,
                int* filesCopied = nullptr) {
  testkit::RemoveTree(kTarget);
  const double ms = copy();
  int files = 0;
  CountFiles(kTarget, files);
  const std::string run = round == 0 ? "warm-up" : "run " + std::to_string(round);
  std::fprintf(report, "%-4s %-7s %7.0f ms  (%d files)\n", label, run.c_str(),
               ms, files);
  std::fflush(report);
  if (expectedFiles >= 0 && files != expectedFiles)
    throw std::runtime_error(std::string(label) + " copied " +
                             std::to_string(files) + " files, not " +
                             std::to_string(expectedFiles));
  if (filesCopied) *filesCopied = files;
  return ms;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: bench_copy_stage REPEATS MAX_RATIO MEDIUM\n");
    return 2;
  }
  const int repeats = std::atoi(argv[1]);
  const double maxRatio = std::atof(argv[2]);
  const std::string medium = argv[3];
  report = ReportToOriginalOutput();
  try {
    // A first run of each fills the system's file cache and is not counted;
    // the bare one tells how many files a whole copy holds.
    std::string bareScript;
    int bareFiles = 0;
    {
      ReadyTool tool(medium);
      bareScript = WriteBareScript(tool.CopyList(medium));
      TimedRun("bare", 0, -1, [&] { return TimeBareCopy(bareScript); },
               &bareFiles);
      TimedRun("tool", 0, bareFiles + kSideFiles,
               [&] { return tool.TimeCopy(); });
    }

    // Tool first in odd rounds, bare first in even ones, so that a drift of
    // the machine's pace weighs on both alike.
    std::vector<double> toolMs, bareMs;
    for (int round = 1; round <= repeats; ++round) {
      ReadyTool tool(medium);
      const auto runTool = [&] {
        toolMs.push_back(TimedRun("tool", round, bareFiles + kSideFiles,
                                  [&] { return tool.TimeCopy(); }));
      };
      const auto runBare = [&] {
        bareMs.push_back(TimedRun("bare", round, bareFiles,
                                  [&] { return TimeBareCopy(bareScript); }));
      };
      if (round % 2) {
        runTool();
        runBare();
      } else {
        runBare();
        runTool();
      }
    }
    testkit::RemoveTree(kTarget);

    const double ratio = Median(toolMs) / Median(bareMs);
    const bool met = ratio <= maxRatio;
    std::fprintf(report,
                 "median: tool %.0f ms, bare %.0f ms; ratio %.3f (at most "
                 "%.2f): %s\n",
                 Median(toolMs), Median(bareMs), ratio, maxRatio,
                 met ? "met" : "FAILED");
    std::fflush(report);
    return met ? 0 : 1;
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "bench_copy_stage: %s\n", failure.what());
    return 2;
  }
}
