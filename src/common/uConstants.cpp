#include "common/uConstants.h"
