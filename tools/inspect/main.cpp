// nshtml-inspect: the test agent's view of the browser from the command line.
#include <cstdio>

#include "CommandParser.h"
#include "InspectCommands.h"
#include "InspectOptions.h"
#include "InspectSession.h"
#include "JsonValue.h"
#include "OptionsDirectory.h"
#include "TerminationSignals.h"
#include "ToolOutput.h"
#include "XErrorReporter.h"

int main(int argc, char** argv) {
  std::string error;
  if (argc >= 2 && (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h")) {
    std::string text = argc == 2 ? InspectOptions::usage() : std::string();
    if (argc == 3 && !CommandParser::commandUsage(argv[2], text, error)) {
      fprintf(stderr, "nshtml-inspect: %s (--help for usage)\n", escapeControls(error).c_str());
      return 2;
    }
    if (argc > 3) {
      fputs("nshtml-inspect: --help takes at most one COMMAND\n", stderr);
      return 2;
    }
    fputs(text.c_str(), stdout);
    return 0;
  }
  std::optional<InspectOptions> options = InspectOptions::parse(argc, argv, error);
  if (!options) {
    fprintf(stderr, "nshtml-inspect: %s (--help for usage)\n", escapeControls(error).c_str());
    return 2;
  }
  // Before the library loads (session.start): from then on its console text goes to stderr.
  if (!ToolOutput::separate(error)) {
    fprintf(stderr, "nshtml-inspect: %s\n", escapeControls(error).c_str());
    return 2;
  }
  InspectSession session(*options);
  // The session's destructor removes its temporary folder on every return below; these cover
  // the ways out that skip destructors.
  TerminationSignals::install(OptionsDirectory::removeNow);
  XErrorReporter::setLostConnectionCleanup(OptionsDirectory::removeNow);
  XErrorReporter::install();
  if (!session.start(error)) {
    fprintf(stderr, "nshtml-inspect: %s\n", escapeControls(error).c_str());
    return 2;
  }
  // The host put its own error handler in place while it started: ours again.
  XErrorReporter::install();
  int status = InspectCommands(*options, session).run(options->command);
  // The commands have released all they were given; a host object alive after the browser
  // closed is a leaked reference, ours or the library's.
  if (long leaked = session.close()) {
    fprintf(stderr, "nshtml-inspect: %ld host objects outlived the browser (a leaked reference)\n",
            leaked);
    return 2;
  }
  return status;
}
