#include "support/Platform.h"
