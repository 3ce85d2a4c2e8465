#!/usr/bin/env bash
# Makes the Debian package from the build tree, extracts it into a temporary
# folder (nothing is installed on the machine) and checks what an office
# machine would get: the files in their places, the dependencies, a desktop
# entry, metadata and file type the desktop tools accept, icons of the sizes
# their folders name, a program that starts from the extracted tree with the
# system's libraries and writes the same sheet as the build tree's program,
# and no lintian error.
# Usage: check_package.sh CPACK_CONFIG BUILD_PROGRAM CASE.qzk VERSION
set -uo pipefail

cpack_config=$(realpath "$1")
build_program=$(realpath "$2")
case_file=$(realpath "$3")
version=$4

id=jp.akuenza.Akuenza
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

for tool in cpack dpkg-deb lintian appstreamcli desktop-file-validate update-mime-database file readelf; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (scripts/install-deps.sh installs it)" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# ---- Build the package ---------------------------------------------------------
if ! cpack --config "$cpack_config" -B "$work/out" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log" >&2
  echo "FAIL: cpack did not make the package" >&2
  exit 1
fi
deb="$work/out/akuenza_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || { ls "$work/out" >&2; echo "FAIL: no $(basename "$deb")" >&2; exit 1; }

# ---- Control fields ---------------------------------------------------------------
[ "$(dpkg-deb -f "$deb" Package)" = akuenza ] || fail "package name is not akuenza"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version is not $version"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for dep in fonts-ipafont-mincho fonts-ipafont-gothic qt6-translations-l10n libqt6widgets6 libqt6gui6 libqt6printsupport6 libqt6core6; do
  grep -Eq "(^|, )$dep( |,|$)" <<<"$depends" || fail "Depends lacks $dep"
done

# ---- Contents -----------------------------------------------------------------------
dpkg-deb -c "$deb" | awk '{print $1, $2, $6}' | tee "$work/contents.txt"
for path in \
  ./usr/bin/akuenza \
  "./usr/share/applications/$id.desktop" \
  "./usr/share/metainfo/$id.metainfo.xml" \
  "./usr/share/mime/packages/$id.xml" \
  "./usr/share/icons/hicolor/scalable/apps/$id.svg" \
  "./usr/share/icons/hicolor/48x48/apps/$id.png" \
  "./usr/share/icons/hicolor/128x128/apps/$id.png" \
  "./usr/share/icons/hicolor/256x256/apps/$id.png" \
  ./usr/share/man/man1/akuenza.1.gz \
  ./usr/share/man/ja/man1/akuenza.1.gz \
  ./usr/share/doc/akuenza/copyright \
  ./usr/share/doc/akuenza/changelog.gz; do
  grep -q " $path\$" "$work/contents.txt" || fail "the package lacks $path"
done
grep -Ev ' root/root ' "$work/contents.txt" && fail "files not owned by root"
grep -E '^-rwxr-xr-x .* ./usr/bin/akuenza$' -q "$work/contents.txt" || fail "the program is not mode 755"

root="$work/root"
dpkg-deb -x "$deb" "$root" || { echo "FAIL: dpkg-deb -x" >&2; exit 1; }
program="$root/usr/bin/akuenza"

# ---- Desktop entry, metadata, file type, icons --------------------------------------
desktop="$root/usr/share/applications/$id.desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the desktop entry"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" ||
  fail "appstreamcli rejects the metainfo file"
entry() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(entry Name)" = "アクエンザ" ] || fail "desktop Name is '$(entry Name)'"
[ "$(entry MimeType)" = "application/x-akuenza-project;" ] || fail "desktop MimeType is '$(entry MimeType)'"
exec_line=$(entry Exec)
[ "$exec_line" = "akuenza %f" ] || fail "desktop Exec is '$exec_line'"
[ "$(entry Icon)" = "$id" ] || fail "desktop Icon is '$(entry Icon)'"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$root/usr/share/metainfo/$id.metainfo.xml" ||
  fail "the metainfo does not launch the installed desktop entry"

# The file type as a desktop's MIME database sees it after installation.
mkdir -p "$work/mime/packages"
cp "$root/usr/share/mime/packages/$id.xml" "$work/mime/packages/"
update-mime-database "$work/mime" >"$work/mime.log" 2>&1 || fail "update-mime-database rejects the file type"
grep -qx 'application/x-akuenza-project:\*\.qzk' "$work/mime/globs" ||
  fail "*.qzk is not application/x-akuenza-project"
grep -qx "application/x-akuenza-project:$id" "$work/mime/icons" 2>/dev/null ||
  fail "the project file type does not show the program icon"

for size in 48 128 256; do
  png="$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png"
  file -b "$png" | grep -q "PNG image data, $size x $size, 8-bit/color RGBA" ||
    fail "${size}x${size} icon is $(file -b "$png")"
done
svg="$root/usr/share/icons/hicolor/scalable/apps/$id.svg"
file -b "$svg" | grep -q "SVG Scalable Vector Graphics image" || fail "the scalable icon is $(file -b "$svg")"
grep -q 'viewBox="0 0 32 32"' "$svg" || fail "the scalable icon has no 32 x 32 view box"
grep -q '<path' "$svg" || fail "the scalable icon draws nothing"

# ---- Manual pages: man finds the English one, and the Japanese one for ja ----------
# (man looks in the language's folders of MANPATH, not of a folder given with -M.)
manual() { LC_ALL=C.UTF-8 MANWIDTH=80 MANPATH="$root/usr/share/man" man "$@" akuenza 2>"$work/man.log"; }
english_page=$(manual -L C) || fail "man akuenza does not show the installed page"
grep -q '^EXIT STATUS' <<<"$english_page" || fail "man akuenza is not the English page"
japanese_page=$(manual -L ja) || fail "man -L ja akuenza does not show the installed page"
grep -q '^終了ステータス' <<<"$japanese_page" || fail "man -L ja akuenza is not the Japanese page"
grep -q '雨水浸透施設の設計計算' <<<"$japanese_page" || fail "the Japanese page lacks its name line"

# ---- The extracted program runs on the system's libraries -----------------------------
readelf -d "$program" | grep -Eq 'RPATH|RUNPATH' && fail "the program carries a library search path"
unset LD_LIBRARY_PATH
shown=$(cd "$work" && "$program" --version) || fail "akuenza --version failed"
[ "$shown" = "アクエンザ  Version $version" ] || fail "akuenza --version printed '$shown'"

cp "$case_file" "$work/case.qzk"
(cd "$work" && "$program" --write-sheet case.qzk --out packaged.txt) || fail "the packaged program could not write the sheet"
(cd "$work" && "$build_program" --write-sheet case.qzk --out built.txt) || fail "the built program could not write the sheet"
[ -s "$work/packaged.txt" ] || fail "the packaged program's sheet is empty"
cmp "$work/packaged.txt" "$work/built.txt" || fail "the packaged program's sheet differs from the built program's"

# ---- lintian ----------------------------------------------------------------------------
lintian --fail-on error "$deb" || fail "lintian reports errors"

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "package $(basename "$deb") checked"
