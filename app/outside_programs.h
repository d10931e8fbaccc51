// Every outside program runs through the command interpreter, one command
// line at a time, and the caller waits until the interpreter has ended.
#pragma once

// Runs `command` through %COMSPEC% /c (else cmd.exe) in the current folder.
// Returns the interpreter's exit status, or -1 when it could not start.
int RunThroughInterpreter(const char* command);
