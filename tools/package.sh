#!/usr/bin/env bash
# Builds the programs and files Lexitor installs as Debian builds its
# packages (Debian's optimising and hardening flags) in build-package/, and
# makes and checks the package there:
# build-package/lexitor_VERSION_ARCH.deb, to install with
#   sudo apt-get install ./build-package/lexitor_*.deb
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$top/tools/deps.sh"
install_missing

build="$top/build-package"
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
    LDFLAGS=$(dpkg-buildflags --get LDFLAGS) \
    cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=None -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON
cmake --build "$build" -j"$(nproc)" --target lexitor lexitor-words lexitor_default_lists \
    lexitor_icons lexitor_man_pages lexitor_changelog
bash "$top/tools/check-package.sh" "$build"
