// Must not compile: the update core does not link the dialogs.
#include "update/ManifestFetch.h"

#include "dialogs/dlgSetup.h"
