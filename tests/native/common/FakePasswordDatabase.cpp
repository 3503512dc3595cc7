// Stands in for the C library's password database in the child that the tests start without
// HOME, so that the facility's fallback never reaches the real home of whoever runs the tests.
// NSHTML_TEST_PASSWD_HOME is the home directory the database reports; without it the user is
// not found.

#include <errno.h>
#include <pwd.h>

#include <cstdlib>
#include <cstring>

extern "C" int getpwuid_r(uid_t uid, struct passwd* entry, char* buffer, size_t size,
                          struct passwd** result) {
  *result = nullptr;
  const char* home = getenv("NSHTML_TEST_PASSWD_HOME");
  if (!home) {
    return 0;
  }
  const size_t length = strlen(home) + 1;
  if (length > size) {
    return ERANGE;
  }
  memcpy(buffer, home, length);
  memset(entry, 0, sizeof *entry);
  entry->pw_uid = uid;
  entry->pw_dir = buffer;
  *result = entry;
  return 0;
}
