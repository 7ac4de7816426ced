#!/usr/bin/env bash
# Installs the build into a temporary prefix, checks what the desktop needs
# of it (the entry, the metadata, the icons), and starts the installed copy.
# usage: install_test.sh BUILD_DIR
set -euo pipefail
build=$1
tmp=$(mktemp -d)
pid=""
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$tmp"' EXIT
prefix=$tmp/prefix

cmake --install "$build" --prefix "$prefix" >/dev/null
desktop-file-validate "$prefix/share/applications/org.tallowmere.Marrowdale.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/org.tallowmere.Marrowdale.metainfo.xml"
for size in 16 24 32 48 64 128 256; do
  test -s "$prefix/share/icons/hicolor/${size}x${size}/apps/marrowdale.png"
done
# The whole program folder, as the build lays it out.
missing=$(cd "$build/share/marrowdale" && find . -type f | while read -r f; do
  [ -f "$prefix/share/marrowdale/$f" ] || echo "$f"; done)
[ -z "$missing" ] || { echo "not installed: $missing"; exit 1; }

# Started from the prefix, it loads its skin from there: the data folder's
# instance lock is taken only once the skin has loaded. It then runs on.
export XDG_DATA_HOME=$tmp/data XDG_CONFIG_HOME=$tmp/config QT_QPA_PLATFORM=offscreen
"$prefix/bin/marrowdale" -nonetwork -nosound -nodpi -nores -nobpp &
pid=$!
lock="$XDG_DATA_HOME/Tallowmere/Marrowdale/Data/marrowdale.lock"
for _ in $(seq 200); do
  [ -e "$lock" ] && break
  kill -0 "$pid" 2>/dev/null || { echo "the installed program ended at start-up"; exit 1; }
  sleep 0.1
done
[ -e "$lock" ] || { echo "the installed program took no instance lock"; exit 1; }
sleep 1
kill -0 "$pid" 2>/dev/null || { echo "the installed program ended"; exit 1; }
echo "installed and started from $prefix"
