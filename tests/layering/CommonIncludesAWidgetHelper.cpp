// Must not compile: the common library knows nothing of widgets.
#include "common/IniFile.h"

#include "widgets/MessagePresenter.h"
