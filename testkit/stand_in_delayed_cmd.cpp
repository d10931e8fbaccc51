// Stands in for the command interpreter (COMSPEC) of a machine whose
// registry turns delayed expansion on: runs the system's cmd.exe with /v:on
// and this program's own arguments, and ends with its status.
#include "testkit/stand_in_run.h"

int main() {
  return static_cast<int>(
      testkit::RunSystemProgram("cmd.exe", " /v:on" + testkit::OwnArguments(), 1));
}
