#!/usr/bin/env bash
# Installs the build into a scratch DESTDIR as the package would (prefix
# /usr), then starts the installed program offscreen with a scratch home and
# a read-only data folder. It must show its window, write Main.ini into the
# home's configuration folder at exit and leave the data folder as it was.
# Run as root, it also runs the program as the user "nobody".
#
#   installed_program_test.sh BUILD_DIR
set -euo pipefail
build_dir=$1
scratch=$(mktemp -d)
trap 'chmod -R u+w "$scratch"; rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

root=$scratch/root
DESTDIR=$root cmake --install "$build_dir" --prefix /usr >"$scratch/install.log"
app=$root/usr/lib/qor-alchemy
data=$app/Files
share=$root/usr/share

# The tree a desktop expects.
for f in "$share/applications/qor-alchemy.desktop" "$share/metainfo/qor-alchemy.metainfo.xml" \
         "$share/doc/qor-alchemy/README.md" "$share/doc/qor-alchemy/docs/bmc_format.md" \
         "$data/Items.ini" "$data/QOR_Bmc.so"; do
  [ -f "$f" ] || fail "not installed: ${f#$root}"
done
for size in 16 24 32 48 64 128 256; do
  [ -f "$share/icons/hicolor/${size}x${size}/apps/qor-alchemy.png" ] || fail "no ${size}px icon"
done
for exe in qor-alchemy qor-alchemy-cli; do
  [ "$(readlink -f "$root/usr/bin/$exe")" = "$(readlink -f "$app/$exe")" ] || fail "bin/$exe does not lead to $app/$exe"
done
[ "$(stat -c %a "$data")" = 555 ] || fail "the data folder is installed writable ($(stat -c %a "$data"))"
# The command-line tool finds the data through its link in bin/.
"$root/usr/bin/qor-alchemy-cli" strengths >"$scratch/cli.out" || fail "the installed CLI failed"
[ -s "$scratch/cli.out" ] || fail "the installed CLI printed nothing"

chmod -R a-w "$data"
snapshot() { (cd "$data" && find . -printf '%p %m %s\n' | sort && sha256sum -- *); }
snapshot >"$scratch/before"

# run_as USER HOME: starts the installed program; checks its report and Main.ini.
run_as() {
  local user=$1 home=$2 prefix=()
  mkdir -p "$home"
  if [ "$user" != "$(id -un)" ]; then
    chown "$user" "$home"
    prefix=(setpriv --reuid="$user" --regid="$(id -g "$user")" --clear-groups)
  fi
  local status=0
  env -u XDG_CONFIG_HOME -u XDG_RUNTIME_DIR HOME="$home" QT_QPA_PLATFORM=offscreen \
      QOR_ALCHEMY_TEST_CLOSE_AFTER_SHOW=1 "${prefix[@]}" "$root/usr/bin/qor-alchemy" \
      >"$scratch/out.$user" 2>"$scratch/err.$user" || status=$?
  [ "$status" = 0 ] || { cat "$scratch/err.$user" >&2; fail "exit status $status as $user"; }
  grep -qx "window shown: yes; start-up: ok" "$scratch/out.$user" ||
    { cat "$scratch/out.$user" "$scratch/err.$user" >&2; fail "the window did not come up as $user"; }
  [ -s "$home/.config/QOR Алхимия/Main.ini" ] ||
    { find "$home" >&2; fail "no Main.ini in the configuration folder of $user"; }
  echo "as $user: window shown, settings in ~/.config/QOR Алхимия/Main.ini"
}

run_as "$(id -un)" "$scratch/home"
# A second start reads the settings written by the first.
run_as "$(id -un)" "$scratch/home"
if [ "$(id -u)" = 0 ] && command -v setpriv >/dev/null && id nobody >/dev/null 2>&1; then
  chmod 755 "$scratch"
  run_as nobody "$scratch/home-nobody"
fi

snapshot >"$scratch/after"
diff -u "$scratch/before" "$scratch/after" || fail "the data folder changed"
echo "the data folder is untouched"
