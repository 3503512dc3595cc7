// nshtml-inspect: the test agent's view of the browser from the command line.
#include <cstdio>

#include "InspectCommands.h"
#include "InspectOptions.h"
#include "InspectSession.h"

int main(int argc, char** argv) {
  if (argc == 2 && (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h")) {
    fputs(InspectOptions::usage().c_str(), stdout);
    return 0;
  }
  std::string error;
  std::optional<InspectOptions> options = InspectOptions::parse(argc, argv, error);
  if (!options) {
    fprintf(stderr, "nshtml-inspect: %s (--help for usage)\n", error.c_str());
    return 2;
  }
  InspectSession session(*options);
  if (!session.start(error)) {
    fprintf(stderr, "nshtml-inspect: %s\n", error.c_str());
    return 2;
  }
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
