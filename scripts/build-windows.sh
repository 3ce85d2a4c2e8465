#!/usr/bin/env bash
# Builds アクエンザ for 64-bit Windows on a Debian 12 machine.
#
#   scripts/build-windows.sh [qt|program|test|all]   (default: all)
#
#   qt       Qt for Windows from Debian's own qt6-base source package, the same
#            version as the host's Qt tools (moc, rcc, uic serve the cross build),
#            built with the MinGW-w64 cross compilers and kept in the cache folder;
#            a cache that holds a finished Qt is used as it is.
#   program  the program and its tests, with the built Qt's qt.toolchain.cmake,
#            into $AKUENZA_WINDOWS_CACHE/build; a folder with the program and the
#            Qt libraries and plugins it runs with, $AKUENZA_WINDOWS_CACHE/deploy.
#   test     core_tests.exe and form_tests.exe under Wine.
#
# The cache folder is ${AKUENZA_WINDOWS_CACHE:-$HOME/.cache/akuenza-windows};
# nothing is written to the checkout. The system's apt configuration is left
# alone: the source package is found through a list of our own in the cache.
# Installs (through sudo when not root) the cross compilers, Wine, Ninja,
# dpkg-dev and the GoogleTest sources when missing.
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
cache=${AKUENZA_WINDOWS_CACHE:-$HOME/.cache/akuenza-windows}
jobs=${AKUENZA_WINDOWS_JOBS:-$(nproc 2>/dev/null || echo 2)}
triple=x86_64-w64-mingw32

qt_source_package=qt6-base
qt_prefix=$cache/qt
qt_done=$qt_prefix/.akuenza-qt-complete
toolchain=$cache/mingw-w64-x86_64.cmake
build=$cache/build
deploy=$cache/deploy

say() { echo "build-windows: $*"; }
die() { echo "build-windows: $*" >&2; exit 1; }

sudo_cmd=""
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd="sudo"
fi

install_missing() {
  local missing=() p
  for p in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$p")
    fi
  done
  if [ ${#missing[@]} -gt 0 ]; then
    say "installing ${missing[*]}"
    $sudo_cmd apt-get update -qq
    $sudo_cmd env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
}

# The host's Qt version (moc, rcc and uic come from it) fixes the source version.
host_qt_version() {
  dpkg-query -W -f='${Version}' qt6-base-dev-tools 2>/dev/null || die "qt6-base-dev-tools is not installed (scripts/install-deps.sh)"
}

# The first Debian mirror of the machine's own apt sources that serves the
# release's main component, from one-line lists and deb822 .sources files.
debian_mirror() {
  local codename=$1 f
  for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -r "$f" ] || continue
    awk -v suite="$codename" '
      $1 == "deb" {
        i = 2
        if ($i ~ /^\[/) { while ($i !~ /\]$/) i++; i++ }
        if ($(i + 1) != suite) next
        for (j = i + 2; j <= NF; j++) if ($j == "main") { print $i; exit }
      }' "$f"
  done
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -r "$f" ] || continue
    awk -v suite="$codename" '
      function check() {
        if (types ~ /(^| )deb( |$)/ && enabled != "no" && (" " suites " ") ~ (" " suite " ") \
            && (" " comps " ") ~ / main /) { split(uris, u, " "); print u[1]; found = 1; exit }
        types = uris = suites = comps = enabled = ""
      }
      /^#/ { next }
      /^[ \t]*$/ { check(); next }
      { key = tolower($1); sub(/:$/, "", key); $1 = ""; sub(/^ +/, "")
        if (key == "types") types = $0; else if (key == "uris") uris = $0
        else if (key == "suites") suites = $0; else if (key == "components") comps = $0
        else if (key == "enabled") enabled = tolower($0) }
      END { if (!found) check() }' "$f"
  done
}

fetch_qt_source() {
  local version=$1 src=$2
  local apt_dir=$cache/apt codename mirror keyring
  # shellcheck disable=SC1091
  codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-bookworm}")
  mirror=$(debian_mirror "$codename" | head -n1)
  [ -n "$mirror" ] || die "no Debian mirror for $codename main in /etc/apt/sources.list{,.d}"
  keyring=/usr/share/keyrings/debian-archive-keyring.gpg
  mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial" "$apt_dir/download"
  echo "deb-src [signed-by=$keyring] $mirror $codename main" >"$apt_dir/src.list"
  local apt_opts=(
    -o "Dir::Etc::sourcelist=$apt_dir/src.list" -o "Dir::Etc::sourceparts=-"
    -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache=$apt_dir/cache"
    -o "APT::Sandbox::User=$(id -un)"
  )
  say "fetching $qt_source_package $version from $mirror ($codename)"
  apt-get "${apt_opts[@]}" -qq update
  (cd "$apt_dir/download" && apt-get "${apt_opts[@]}" source --download-only "$qt_source_package=$version")
  local dsc
  dsc=$(ls "$apt_dir/download/${qt_source_package}_${version#*:}.dsc")
  rm -rf "$src"
  mkdir -p "$(dirname "$src")"
  dpkg-source --no-check --no-copy -x "$dsc" "$src"
}

build_qt() {
  if [ -f "$qt_done" ]; then
    say "Qt for Windows: $qt_prefix ($(cat "$qt_done"))"
    return
  fi
  install_missing g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix cmake ninja-build dpkg-dev perl qt6-base-dev-tools
  local version src qt_build started
  version=$(host_qt_version)
  src=$cache/src/$qt_source_package-$version
  qt_build=$cache/qt-build
  mkdir -p "$cache"
  cp "$repo/cmake/mingw-w64-x86_64.cmake" "$toolchain"
  [ -f "$src/CMakeLists.txt" ] || fetch_qt_source "$version" "$src"
  # Without Direct2D (a platform plugin the program does not need) Qt 6.4's
  # QtGui leaves out its DirectWrite font engine and font database, yet the
  # printer support and the Windows platform plugin still call them when
  # DirectWrite is on, and do not link: they ask for Direct2D too, as QtGui
  # itself does.
  sed -i 's/^#if QT_CONFIG(directwrite)$/#if QT_CONFIG(directwrite) \&\& QT_CONFIG(direct2d)/' \
    "$src/src/printsupport/platform/windows/qprintengine_win.cpp"
  sed -i 's/^#if QT_CONFIG(directwrite3)$/#if QT_CONFIG(directwrite3) \&\& QT_CONFIG(direct2d)/' \
    "$src/src/plugins/platforms/windows/qwindowsintegration.cpp"

  # An interrupted build goes on where it stopped.
  started=$(date +%s)
  rm -rf "$qt_prefix"
  # Only what the program uses: Core, Gui, Widgets, PrintSupport and Test, with
  # the bundled zlib, libpng, FreeType, HarfBuzz and PCRE2. OpenGL stays on
  # ("dynamic"): the Windows platform plugin does not build without it. Tablet
  # events are off: Debian's source leaves out the Wacom header (wintab.h) that
  # the Windows tablet support includes.
  cmake -S "$src" -B "$qt_build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$qt_prefix" \
    -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DBUILD_SHARED_LIBS=ON \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DFEATURE_pkg_config=OFF \
    -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF \
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF \
    -DFEATURE_gui=ON -DFEATURE_widgets=ON -DFEATURE_printsupport=ON -DFEATURE_testlib=ON \
    -DINPUT_opengl=dynamic -DFEATURE_vulkan=OFF -DFEATURE_direct2d=OFF \
    -DFEATURE_tabletevent=OFF \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_freetype=OFF \
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF \
    -DFEATURE_freetype=ON -DFEATURE_harfbuzz=ON -DFEATURE_png=ON \
    -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_ico=OFF \
    -DFEATURE_icu=OFF -DFEATURE_glib=OFF -DFEATURE_zstd=OFF -DFEATURE_openssl=OFF
  cmake --build "$qt_build" --parallel "$jobs"
  cmake --install "$qt_build"
  echo "$qt_source_package $version, built in $(( $(date +%s) - started )) s on $(date -u +%Y-%m-%dT%H:%MZ)" >"$qt_done"
  say "Qt for Windows: $qt_prefix ($(cat "$qt_done"))"
}

mingw_runtime_dirs() {
  local f
  for f in libstdc++-6.dll libwinpthread-1.dll; do
    dirname "$("$triple-g++-posix" -print-file-name="$f")"
  done | sort -u
}

# The DLLs a Windows program or library loads that come with Qt or the
# MinGW runtime, and theirs in turn (system DLLs are not in those folders).
dll_closure() {
  local -a todo=("$@") dirs
  local -A seen=()
  mapfile -t dirs < <(echo "$qt_prefix/bin"; mingw_runtime_dirs)
  while [ ${#todo[@]} -gt 0 ]; do
    local file=${todo[0]} name dir
    todo=("${todo[@]:1}")
    while read -r name; do
      [ -n "${seen[$name]:-}" ] && continue
      seen[$name]=1
      for dir in "${dirs[@]}"; do
        if [ -f "$dir/$name" ]; then
          echo "$dir/$name"
          todo+=("$dir/$name")
          break
        fi
      done
    done < <("$triple-objdump" -p "$file" | sed -n 's/^[[:space:]]*DLL Name: //p')
  done
}

build_program() {
  [ -f "$qt_done" ] || die "no Qt for Windows in $qt_prefix yet: scripts/build-windows.sh qt"
  install_missing g++-mingw-w64-x86-64-posix cmake ninja-build googletest fonts-ipafont-mincho fonts-ipafont-gothic
  # Packaging (Qt SVG), the benchmarks and the fuzz targets are Linux-only;
  # GoogleTest is built from Debian's sources with the tests.
  cmake -S "$repo" -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$qt_prefix/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DCMAKE_BUILD_TYPE=Release \
    -DAKUENZA_BENCHMARKS=OFF -DAKUENZA_FUZZ=OFF \
    -DAKUENZA_GOOGLETEST_SOURCE=/usr/src/googletest
  cmake --build "$build" --parallel "$jobs"

  # The program with what it runs with: Qt's and MinGW's DLLs, the platform
  # plugins (the desktop, and offscreen for the command line), the style
  # plugin, and the fonts of the offscreen platform.
  rm -rf "$deploy"
  mkdir -p "$deploy"
  cp "$build/bin/akuenza.exe" "$deploy/"
  cp -r "$build/bin/fonts" "$deploy/"
  local plugins=(platforms/qwindows.dll platforms/qoffscreen.dll styles/qwindowsvistastyle.dll) p
  for p in "${plugins[@]}"; do
    mkdir -p "$deploy/$(dirname "$p")"
    cp "$qt_prefix/plugins/$p" "$deploy/$p"
  done
  dll_closure "$deploy/akuenza.exe" "${plugins[@]/#/$qt_prefix/plugins/}" | sort -u | xargs -r cp -t "$deploy"
  say "program: $deploy/akuenza.exe"
}

# Wine in a prefix of its own in the cache, finding Qt's and MinGW's DLLs
# through WINEPATH, and the host's programs after them (the tests read PDFs
# back with pdftotext, which Wine starts as a Linux program); without a
# display, on a virtual one.
windows_path() { local p=${1//\//\\}; echo "Z:$p"; }
wine_run() {
  local wine=/usr/lib/wine/wine64 winepath="" dir
  [ -x "$wine" ] || wine=$(command -v wine64 || command -v wine) || die "Wine is not installed"
  while read -r dir; do winepath+="${winepath:+;}$(windows_path "$dir")"; done < <(echo "$qt_prefix/bin"; mingw_runtime_dirs; echo /usr/bin)
  local display=()
  if [ -z "${DISPLAY:-}" ] && command -v xvfb-run >/dev/null; then
    display=(xvfb-run -a)
  fi
  env WINEPREFIX="$cache/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEPATH="$winepath" \
    "${display[@]}" "$wine" "$@"
}

run_tests() {
  [ -f "$build/bin/core_tests.exe" ] || die "no Windows build in $build yet: scripts/build-windows.sh program"
  install_missing wine64 wine xvfb xauth
  local logs=$cache/test-logs failed=0 t
  mkdir -p "$logs"
  for t in core_tests form_tests; do
    say "$t.exe under Wine (log: $logs/$t.log)"
    if (cd "$build/bin" && QT_QPA_PLATFORM=offscreen wine_run "./$t.exe" "$@") >"$logs/$t.log" 2>&1; then
      tail -n 3 "$logs/$t.log"
    else
      failed=1
      grep -E '^\[  (FAILED|PASSED) ' "$logs/$t.log" | sort -u || tail -n 20 "$logs/$t.log"
    fi
  done
  return $failed
}

what=${1:-all}
[ $# -gt 0 ] && shift
case "$what" in
  qt) build_qt ;;
  program) build_program ;;
  test) run_tests "$@" ;;
  all) build_qt && build_program && run_tests ;;
  *) die "unknown step '$what' (qt, program, test or all)" ;;
esac
