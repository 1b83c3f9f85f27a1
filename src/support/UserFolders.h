// The user's own folders for installed programs and settings, after the XDG
// base directory rules: a variable that is unset, empty or not an absolute
// path counts as missing and the home folder's default applies.
#pragma once

#include <QString>

namespace vantor::platform {

// $XDG_DATA_HOME, else ~/.local/share (no trailing "/").
[[nodiscard]] QString UserDataFolder();

// $XDG_CONFIG_HOME, else ~/.config (no trailing "/").
[[nodiscard]] QString UserConfigFolder();

// $XDG_CACHE_HOME, else ~/.cache (no trailing "/").
[[nodiscard]] QString UserCacheFolder();

// $XDG_STATE_HOME, else ~/.local/state (no trailing "/").
[[nodiscard]] QString UserStateFolder();

} // namespace vantor::platform
