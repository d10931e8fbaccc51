// Times vorkel.exe from process start until its dialog is visible with list
// 1001 filled, for install media with different numbers of packages.
// Driven by tools/bench-package-scan.sh.
//
// bench_dialog_ready REPEATS MAX_RATIO COUNT FOLDER [COUNT FOLDER ...]
// The first medium is the baseline; each other one's median may be at most
// MAX_RATIO times the baseline's. COUNT is the number of lines list 1001
// shows once it is filled. Exits 1 when a bound fails, 2 on a run that fails.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "testkit/medium.h"
#include "testkit/timing.h"
#include "testkit/tool_process.h"

namespace {

using testkit::Median;
using testkit::NowMs;

constexpr char kCaption[] = "安装工具";
constexpr int kAvailableList = 1001;
// Large media under Wine may take far longer than a test's wait.
constexpr double kGiveUpMs = 180000;

struct Medium {
  int lines;
  std::string folder;
  std::vector<double> runsMs;
};

// The tool's dialog once it is visible, or null.
HWND VisibleDialog(DWORD processId) {
  HWND window = nullptr;
  while ((window = FindWindowExA(nullptr, window, "#32770", kCaption))) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == processId && IsWindowVisible(window)) return window;
  }
  return nullptr;
}

// Milliseconds from process start until the dialog shows `lines` lines, or a
// negative value when it never does.
double TimeOneStart(const Medium& medium) {
  const double start = NowMs();
  testkit::ToolProcess tool(testkit::ToolExe(), medium.folder);
  const DWORD processId = GetProcessId(tool.Handle());
  double ready = -1;
  // Polled finely: the quick cases take a few hundred milliseconds.
  while (NowMs() - start < kGiveUpMs) {
    HWND dialog = VisibleDialog(processId);
    if (dialog != nullptr &&
        SendMessageW(GetDlgItem(dialog, kAvailableList), LB_GETCOUNT, 0, 0) ==
            medium.lines) {
      ready = NowMs() - start;
      break;
    }
    if (WaitForSingleObject(tool.Handle(), 2) == WAIT_OBJECT_0) break;
  }
  if (tool.WaitForDialog() != nullptr) tool.ClickPosted(IDCANCEL);
  tool.WaitForExit();
  return ready;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5 || argc % 2 == 0) {
    std::fprintf(stderr,
                 "usage: bench_dialog_ready REPEATS MAX_RATIO COUNT FOLDER "
                 "[COUNT FOLDER ...]\n");
    return 2;
  }
  const int repeats = std::atoi(argv[1]);
  const double maxRatio = std::atof(argv[2]);
  std::vector<Medium> media;
  for (int i = 3; i + 1 < argc; i += 2)
    media.push_back({std::atoi(argv[i]), argv[i + 1], {}});

  // The first start pays for loading the system's libraries; leave it out.
  TimeOneStart(media.front());
  // Round by round, so a slow spell of the machine falls on every medium.
  for (int round = 0; round < repeats; ++round) {
    for (Medium& medium : media) {
      const double ms = TimeOneStart(medium);
      if (ms < 0) {
        std::fprintf(stderr, "no dialog with %d lines in %s\n", medium.lines,
                     medium.folder.c_str());
        return 2;
      }
      medium.runsMs.push_back(ms);
    }
  }

  const double baseline = Median(media.front().runsMs);
  bool withinBounds = true;
  std::printf("%8s %10s %7s  runs (ms)\n", "packages", "median ms", "ratio");
  for (const Medium& medium : media) {
    const double median = Median(medium.runsMs);
    const double ratio = median / baseline;
    std::printf("%8d %10.0f %7.2f ", medium.lines, median, ratio);
    for (double ms : medium.runsMs) std::printf(" %.0f", ms);
    const bool ok = ratio <= maxRatio;
    std::printf("%s\n", ok ? "" : "  over the bound");
    withinBounds = withinBounds && ok;
  }
  std::printf("bound: %.1f x the first medium: %s\n", maxRatio,
              withinBounds ? "met" : "FAILED");
  std::fflush(stdout);
  return withinBounds ? 0 : 1;
}
