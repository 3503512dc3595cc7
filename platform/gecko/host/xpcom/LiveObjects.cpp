#include "LiveObjects.h"

namespace geckohost {

namespace {
long g_liveObjects = 0;  // the host runs on one thread, like Gecko's main thread
}

long LiveObjects::count() {
  return g_liveObjects;
}
void LiveObjects::added() {
  ++g_liveObjects;
}
void LiveObjects::removed() {
  --g_liveObjects;
}

}  // namespace geckohost
