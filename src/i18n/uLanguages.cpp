#include "i18n/uLanguages.h"
