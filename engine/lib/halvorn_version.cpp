// The file version of libhalvorn.so, read by the host from the library file.
#include "host/version_record.h"

CADHOST_VERSION_RECORD(1, 0, 0, 0);
