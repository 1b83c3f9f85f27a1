#!/bin/sh
# Vantor's setup. Checks that this computer has every library the programs
# need; if not, names the Debian packages to install and stops, having
# written nothing. Otherwise starts the installer with the same arguments.
here=$(CDPATH= cd -- "$(dirname -- "$0")" && pwd) || exit 1

# The Debian package that brings a library.
package_of() {
  case "$1" in
    libQt6Core.so*) echo libqt6core6 ;;
    libQt6Gui.so*) echo libqt6gui6 ;;
    libQt6Widgets.so*) echo libqt6widgets6 ;;
    libQt6Network.so*) echo libqt6network6 ;;
    libQt6DBus.so*) echo libqt6dbus6 ;;
    libsqlcipher.so*) echo libsqlcipher0 ;;
    libcurl.so*) echo libcurl4 ;;
    libpugixml.so*) echo libpugixml1v5 ;;
    libsodium.so*) echo libsodium23 ;;
    libfontconfig.so*) echo libfontconfig1 ;;
    libfreetype.so*) echo libfreetype6 ;;
    libz.so*) echo zlib1g ;;
    libcrypto.so* | libssl.so*) echo libssl3 ;;
    libstdc++.so*) echo libstdc++6 ;;
    libgcc_s.so*) echo libgcc-s1 ;;
    libGL.so* | libGLX.so* | libOpenGL.so*) echo libgl1 ;;
    libEGL.so*) echo libegl1 ;;
    *) echo "$1" ;;
  esac
}

# Unpacked from an update package, the programs have lost their permissions.
for file in VantorSetup Vantor Updater; do
  [ -f "$here/$file" ] && [ ! -x "$here/$file" ] && chmod u+x "$here/$file" 2>/dev/null
done

missing=""
add() {
  case " $missing " in
    *" $1 "*) ;;
    *) missing="$missing $1" ;;
  esac
}

for file in VantorSetup Vantor Updater libEngine.so; do
  [ -e "$here/$file" ] || continue
  for library in $(LC_ALL=C ldd "$here/$file" 2>/dev/null | awk '/=> not found/ { print $1 }'); do
    add "$(package_of "$library")"
  done
done
# Loaded while running, so the loader's list above does not name them.
if ! LC_ALL=C /sbin/ldconfig -p 2>/dev/null | grep -q 'libcurl\.so\.4 '; then
  add libcurl4
fi
plugins_found=no
for folder in /usr/lib/*/qt6/plugins/platforms /usr/lib/qt6/plugins/platforms; do
  [ -e "$folder/libqxcb.so" ] && plugins_found=yes
done
[ "$plugins_found" = yes ] || add qt6-qpa-plugins

if [ -n "$missing" ]; then
  echo "Vantor needs libraries this computer does not have. Install them with:" >&2
  echo "  sudo apt-get install$missing" >&2
  echo "then run Setup again." >&2
  exit 1
fi
exec "$here/VantorSetup" "$@"
