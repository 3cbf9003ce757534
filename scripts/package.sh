#!/usr/bin/env bash
# Builds the Debian package from a temporary copy of the tree (dpkg-buildpackage
# writes its results beside the tree it builds), checks it with lintian, and
# checks that the packaged program is the version the changelog names.
#   scripts/package.sh [OUT_DIR]   (the .deb is copied into OUT_DIR when given)
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:+$(realpath "$1")}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The tree as it stands, without build folders and other ignored files: in a
# clone, the files git knows of or would; in an unpacked release tarball
# (no .git), everything but what .gitignore names and any CMake build folder.
mkdir "$work/orvo"
if [ "$(git rev-parse --show-toplevel 2>/dev/null)" = "$(pwd -P)" ]; then
    git ls-files -z --cached --others --exclude-standard | xargs -0 cp --parents -t "$work/orvo"
else
    excludes=(--exclude=./.git --exclude-tag-all=CMakeCache.txt)
    while IFS= read -r pattern; do
        pattern=${pattern#/}
        [ -z "$pattern" ] || [ "${pattern:0:1}" = "#" ] || excludes+=("--exclude=./${pattern%/}")
    done < .gitignore
    tar -c "${excludes[@]}" . | tar -x -C "$work/orvo"
fi

# dh builds with one job unless told how many.
parallel=${DEB_BUILD_OPTIONS:-}
[[ $parallel == *parallel=* ]] || parallel="$parallel parallel=$(nproc)"
(cd "$work/orvo" && DEB_BUILD_OPTIONS="${parallel# }" dpkg-buildpackage -us -uc -b)
version=$(dpkg-parsechangelog -l debian/changelog -S Version)
deb=$(echo "$work"/orvo_"$version"_*.deb)
[ -f "$deb" ] || { echo "no package orvo_${version}_*.deb was built" >&2; exit 1; }

lintian --fail-on error,warning --info "$work"/orvo_"$version"_*.changes

dpkg-deb -x "$deb" "$work/root"
said=$(env -u DISPLAY -u WAYLAND_DISPLAY "$work/root/usr/games/orvo" --version)
[ "$said" = "orvo $version" ] || { echo "the packaged program says '$said', the changelog $version" >&2; exit 1; }
# The translations are built into the program.
env -u DISPLAY -u WAYLAND_DISPLAY LANGUAGE=de LANG=de_DE.UTF-8 "$work/root/usr/games/orvo" --help | grep '^Aufruf: orvo' >/dev/null \
    || { echo "the packaged program does not speak German" >&2; exit 1; }
grep -qx 'Exec=/usr/games/orvo' "$work"/root/usr/share/applications/*.desktop \
    || { echo "the desktop entry does not start /usr/games/orvo" >&2; exit 1; }

if [ -n "$out" ]; then
    mkdir -p "$out"
    cp "$deb" "$out/"
    echo "Built $out/$(basename "$deb")"
fi
