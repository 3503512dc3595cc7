// Marks what geckohost exports to tests and tools; everything else in the host stays hidden.
#ifndef GECKOHOST_API_HOSTAPI_H
#define GECKOHOST_API_HOSTAPI_H

#define GECKOHOST_API __attribute__((visibility("default")))

#endif
