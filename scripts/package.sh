#!/usr/bin/env bash
# Builds the Debian package of QOR Алхимия (qor-alchemy_<version>_<arch>.deb)
# in build-package/: the two programs and the picture library only, built
# with the same optimisation as the tested build, installed under /usr and
# packed by CPack. Install it with: sudo apt install ./build-package/qor-alchemy_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
build_dir=build-package
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr \
  -DQOR_BUILD_TESTING=OFF
cmake --build "$build_dir"
(cd "$build_dir" && cpack -G DEB)
ls -1 "$build_dir"/qor-alchemy_*.deb
