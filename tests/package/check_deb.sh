#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package of a build tree with cpack, checks its metadata and contents against what the
# build installs, then unpacks it and starts the unpacked launcher under Xvfb: the title screen must appear.
# Exits 77 (skipped) when dpkg-deb is not installed.
set -u
build=$1
smoke=$2
command -v dpkg-deb >/dev/null || { echo "dpkg-deb is not installed: skipped"; exit 77; }
command -v cpack >/dev/null || { echo "cpack is not installed: skipped"; exit 77; }

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

if ! cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >"$out/cpack.log" 2>&1; then
  cat "$out/cpack.log"
  echo "FAIL: cpack did not build the package"
  exit 1
fi
debs=("$out"/vedarium_*.deb)
[ -f "${debs[0]}" ] || { ls -l "$out"; echo "FAIL: no vedarium_*.deb written"; exit 1; }
deb=${debs[0]}
echo "built $(basename "$deb") ($(du -h "$deb" | cut -f1))"

# Metadata: name, section, and run-time dependencies from the shlibdeps step plus the fonts.
info=$(dpkg-deb --info "$deb")
field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = vedarium ] || fail "package name is '$(field Package)'"
[ "$(field Section)" = education ] || fail "section is '$(field Section)'"
[ -n "$(field Description)" ] || fail "no description"
depends=$(field Depends)
echo "Depends: $depends"
for dep in libqt6widgets6 libqt6gui6 libqt6core6 libqt6multimedia6 libjpeg62-turbo libgif7 libsndfile1 libxcb1 \
  fonts-liberation fonts-dejavu-core; do
  grep -Eq "(^|, )$dep( |,|$)" <<<"$depends" || fail "Depends lacks $dep"
done
grep -q "^ Installed-Size:" <<<"$info" || fail "dpkg-deb --info shows no Installed-Size"

# Contents: program, launcher, menu entry, metainfo, icons and the whole course with its execute bits.
listing=$(dpkg-deb --contents "$deb")
has() { grep -Eq " \./$1\$" <<<"$listing"; }
mode() { awk -v p="./$1" '$6 == p {print $1}' <<<"$listing"; }
app=org.vedarium.Vedarium
for path in usr/bin/vedarium usr/bin/vedarium-launcher usr/share/applications/$app.desktop \
  usr/share/metainfo/$app.metainfo.xml usr/share/icons/hicolor/scalable/apps/$app.svg; do
  has "$path" || fail "$path missing"
done
for size in 16 32 48 64 128 256; do
  has "usr/share/icons/hicolor/${size}x${size}/apps/$app.png" || fail "${size}x${size} icon missing"
done
for exe in usr/bin/vedarium usr/bin/vedarium-launcher; do
  [[ $(mode "$exe") == -rwx* ]] || fail "$exe is not executable ($(mode "$exe"))"
done
# The audio output is a module the program loads at its first sound, from the library folder beside bin/.
grep -Eq ' \./usr/lib/([^/]+/)?vedarium/libvedarium_audio_module\.so$' <<<"$listing" || fail "the audio module is missing"
[ "$(grep -Ec ' \./usr/bin/[^/]+$' <<<"$listing")" -eq 2 ] || fail "usr/bin holds more than the program and launcher"
checked=0
while IFS= read -r -d '' file; do
  relative=${file#"$build/content/"}
  path="usr/share/vedarium/content/$relative"
  if ! has "$path"; then
    fail "course file $relative missing"
  elif [ -x "$file" ] && [[ $(mode "$path") != -rwx* ]]; then
    fail "course program $relative lost its execute bit"
  fi
  checked=$((checked + 1))
done < <(find "$build/content" -type f -print0)
[ "$checked" -gt 0 ] || fail "the build has no course in $build/content"
echo "checked $checked course files"

# The unpacked package runs: its launcher finds the course beside itself and the title screen appears.
dpkg-deb -x "$deb" "$out/root" || fail "dpkg-deb -x failed"
if "$out/root/usr/bin/vedarium-launcher" "$out/no-such-folder" 2>"$out/err"; then
  fail "the launcher accepted a missing folder"
fi
grep -q "$out/no-such-folder" "$out/err" || fail "the launcher did not name the missing folder: $(cat "$out/err")"
if command -v Xvfb >/dev/null; then
  "$smoke" "$out/root/usr/bin/vedarium-launcher" "$out" || fail "the unpacked package did not start"
else
  echo "Xvfb is not installed: the unpacked package was not started"
fi

if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "package checks passed"
