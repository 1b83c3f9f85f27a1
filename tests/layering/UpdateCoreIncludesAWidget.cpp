// Must not compile: the update core links neither Qt Widgets nor the dialogs.
#include "update/ManifestFetch.h"

#include <QWidget>
