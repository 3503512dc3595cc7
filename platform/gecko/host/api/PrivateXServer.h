// An X server of our own: a private Xvfb on a free display number, for tests and tools that
// must not depend on (or disturb) whatever display the machine has. The number is picked at
// random from 100 up, away from the low numbers other servers start at; the server is
// stopped with this object, or by the kernel should the process die first.
//
//   std::string error;
//   auto server = geckohost::PrivateXServer::start(&error);
//   if (!server) { fprintf(stderr, "%s\n", error.c_str()); ... }
//   server->makeDefault();        // DISPLAY=":7" for everything opened from now on
//   ...                           // the destructor stops the server
#ifndef GECKOHOST_API_PRIVATEXSERVER_H
#define GECKOHOST_API_PRIVATEXSERVER_H

#include <sys/types.h>

#include <memory>
#include <optional>
#include <string>

#include "HostApi.h"

namespace geckohost {

class GECKOHOST_API PrivateXServer {
 public:
  static constexpr int kDefaultWidth = 1280;
  static constexpr int kDefaultHeight = 1024;

  // Starts `Xvfb :<n> -displayfd <fd> -screen 0 1280x1024x24 -nolisten tcp -noreset` and
  // returns once the server accepts connections. Null when it could not be started; `error` (when
  // given) then says why, with what Xvfb wrote on its error output.
  static std::unique_ptr<PrivateXServer> start(std::string* error = nullptr);
  // The same with a screen of width x height pixels, for windows larger than the default's.
  static std::unique_ptr<PrivateXServer> start(int width, int height, std::string* error);

  // Stops the server (SIGTERM, then SIGKILL if it lingers) and waits for it. DISPLAY, when
  // makeDefault() set it and it still names this server, gets its earlier value back.
  ~PrivateXServer();
  PrivateXServer(const PrivateXServer&) = delete;
  PrivateXServer& operator=(const PrivateXServer&) = delete;

  // ":7" for display number 7.
  const std::string& displayName() const { return mDisplayName; }
  int displayNumber() const { return mDisplayNumber; }
  pid_t processId() const { return mProcess; }

  // Sets DISPLAY to this server, so that XOpenDisplay(NULL) (the product's way) reaches it.
  void makeDefault();

 private:
  PrivateXServer(pid_t process, int displayNumber);

  pid_t mProcess;
  int mDisplayNumber;
  std::string mDisplayName;
  bool mMadeDefault = false;
  std::optional<std::string> mEarlierDisplay;  // DISPLAY before makeDefault; none when unset
};

}  // namespace geckohost

#endif
