#ifndef NSHTML_INSPECT_TOOLOUTPUT_H
#define NSHTML_INSPECT_TOOLOUTPUT_H

#include <cstdio>
#include <string>

// The tool's own standard output, kept apart from whatever the loaded library prints. The
// library writes to the process's standard output when it cannot write its trace file; in the
// middle of the tool's --json answers that text would break them for every script that reads
// them. So before the library is loaded the tool keeps a duplicate of its standard output for
// itself and points descriptor 1 at standard error:
//
//   ToolOutput::separate(error);           // from here on the library's stdout text is on stderr
//   fprintf(ToolOutput::stream(), "...");  // the tool's answers still reach its stdout
class ToolOutput {
 public:
  // False (with a reason) when the descriptors cannot be rearranged.
  static bool separate(std::string& error);
  // Where the tool prints its answers: standard output until separate() succeeds.
  static FILE* stream();
};

#endif  // NSHTML_INSPECT_TOOLOUTPUT_H
