#!/usr/bin/env bash
# Builds アクエンザ for 64-bit Windows on a Debian 12 machine.
#
#   scripts/build-windows.sh [qt|program|installer|test|compare|all]   (default: all)
#
#   qt         Qt for Windows from Debian's own qt6-base source package, the same
#              version as the host's Qt tools (moc, rcc, uic serve the cross build),
#              built with the MinGW-w64 cross compilers and kept in the cache folder;
#              a cache that holds a finished Qt is used as it is.
#   program    the program and its tests, with the built Qt's qt.toolchain.cmake,
#              into $AKUENZA_WINDOWS_CACHE/build; the program's folder as it is
#              installed (the program, Qt's libraries, plugins and Japanese
#              translations, the IPA fonts and their licence),
#              $AKUENZA_WINDOWS_CACHE/deploy.
#   installer  build-windows/akuenza-VERSION-setup.exe (NSIS) and the portable
#              build-windows/akuenza-VERSION-win64.zip, in the checkout.
#   test       core_tests.exe and form_tests.exe under Wine, without the tests
#              that cannot run on Windows (named below with their reasons).
#   compare [LINUX_BUILD [CASES]]
#              the Windows program under Wine against the Linux build (default
#              build/ in the checkout) over the round trip's 300 cases and the
#              saved cases of tests/cases (or the .qzk files of the folder
#              CASES): sheets, PDF text and exit status.
#   screenshots [FOLDER]
#              the installer run silently in a Wine prefix of its own, the
#              installed program's windows taken as pictures (default
#              docs/screenshots/windows-*.png), then uninstalled and checked.
#   all        qt, program, installer and test.
#
# The cache folder is ${AKUENZA_WINDOWS_CACHE:-$HOME/.cache/akuenza-windows};
# only build-windows/ (ignored by git) is written to the checkout. The
# system's apt configuration is left alone: the source package is found
# through a list of our own in the cache. Installs (through sudo when not
# root) the cross compilers, Wine, Ninja, NSIS, zip, dpkg-dev, the IPA fonts,
# Qt's translations and the GoogleTest sources when missing.
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
  install_missing g++-mingw-w64-x86-64-posix cmake ninja-build googletest fonts-ipafont-mincho fonts-ipafont-gothic \
    qt6-translations-l10n
  # Packaging (Qt SVG), the benchmarks and the fuzz targets are Linux-only;
  # GoogleTest is built from Debian's sources with the tests.
  cmake -S "$repo" -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$qt_prefix/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DCMAKE_BUILD_TYPE=Release \
    -DAKUENZA_BENCHMARKS=OFF -DAKUENZA_FUZZ=OFF \
    -DAKUENZA_GOOGLETEST_SOURCE=/usr/src/googletest \
    -DAKUENZA_WINDOWS_ICON="$build/akuenza.ico"
  # The program icon is drawn by the program's own painting, by a Windows
  # tool run under Wine, before the program that carries it is linked.
  cmake --build "$build" --parallel "$jobs" --target akuenza_windows_icon
  if [ ! -f "$build/akuenza.ico" ] || [ "$build/bin/akuenza_windows_icon.exe" -nt "$build/akuenza.ico" ]; then
    install_missing wine64 wine xvfb xauth
    (cd "$build/bin" && QT_QPA_PLATFORM=offscreen wine_run ./akuenza_windows_icon.exe "$(windows_path "$build/akuenza.ico")")
  fi
  cmake --build "$build" --parallel "$jobs"
  make_program_folder
}

make_program_folder() {
  # The program with what it runs with (the portable folder, which the
  # installer installs as it is): Qt's and MinGW's DLLs, the platform
  # plugins (the desktop, and offscreen for the command line), the style
  # plugin, Qt's Japanese translations, and the IPA fonts with their licence:
  # the stand-ins on a Windows without the Japanese fonts, and the fonts of
  # the offscreen platform there.
  rm -rf "$deploy"
  mkdir -p "$deploy/translations"
  cp "$build/bin/akuenza.exe" "$deploy/"
  cp -r "$build/bin/fonts" "$deploy/"
  cp /usr/share/doc/fonts-ipafont-mincho/copyright "$deploy/fonts/IPA_Font_License.txt"
  cp /usr/share/doc/fonts-ipafont-mincho/Readme_IPAfont00303.txt "$deploy/fonts/"
  local plugins=(platforms/qwindows.dll platforms/qoffscreen.dll styles/qwindowsvistastyle.dll) p
  for p in "${plugins[@]}"; do
    mkdir -p "$deploy/$(dirname "$p")"
    cp "$qt_prefix/plugins/$p" "$deploy/$p"
  done
  dll_closure "$deploy/akuenza.exe" "${plugins[@]/#/$qt_prefix/plugins/}" | sort -u | xargs -r cp -t "$deploy"
  # Without the symbols of the debugger (MinGW's libstdc++ carries them).
  find "$deploy" -name '*.dll' -exec "$triple-strip" --strip-unneeded {} +
  "$triple-strip" --strip-unneeded "$deploy/akuenza.exe"
  # Qt's own translations are text catalogues, the same on every system:
  # Debian's (qt6-translations-l10n) when the Windows Qt has none.
  local qm=$qt_prefix/translations/qtbase_ja.qm
  [ -f "$qm" ] || qm=/usr/share/qt6/translations/qtbase_ja.qm
  cp "$qm" "$deploy/translations/"
  say "program: $deploy/akuenza.exe"
}

# The project's version, as CMake knows it.
program_version() {
  sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt"
}

# The installer and the portable zip, into build-windows/ in the checkout.
build_installer() {
  [ -f "$deploy/akuenza.exe" ] || die "no program folder in $deploy yet: scripts/build-windows.sh program"
  install_missing nsis zip
  local version out lists name
  version=$(program_version)
  [ -n "$version" ] || die "no project version in $build/CMakeCache.txt"
  out=$repo/build-windows
  lists=$cache/installer
  name=akuenza-$version
  mkdir -p "$out" "$lists"
  # What the uninstaller removes: exactly the files and folders installed.
  (cd "$deploy" && find . -type f | sort | sed 's|^\./||; s|/|\\|g; s|.*|  Delete "$INSTDIR\\&"|') >"$lists/program-files.nsh"
  (cd "$deploy" && find . -mindepth 1 -type d | sort -r | sed 's|^\./||; s|/|\\|g; s|.*|  RMDir "$INSTDIR\\&"|') >"$lists/program-dirs.nsh"
  rm -f "$out/$name-setup.exe"
  makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DPROGRAM_DIR="$deploy" -DICON="$build/akuenza.ico" \
    -DLISTS_DIR="$lists" -DOUTFILE="$out/$name-setup.exe" "$repo/packaging/windows/akuenza.nsi"
  # The portable zip: the same folder under the program's name.
  rm -rf "$lists/zip" "$out/$name-win64.zip"
  mkdir -p "$lists/zip"
  cp -r "$deploy" "$lists/zip/$name"
  (cd "$lists/zip" && zip -qr9 "$out/$name-win64.zip" "$name")
  say "installer: $out/$name-setup.exe ($(du -k "$out/$name-setup.exe" | cut -f1) KiB)"
  say "portable: $out/$name-win64.zip ($(du -k "$out/$name-win64.zip" | cut -f1) KiB)"
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

# The tests that cannot run on Windows, each with its reason. Most meet a
# full disk through a file-size limit set in a forked child (Windows has
# neither fork nor such a limit) or a FIFO in the file system (Windows has
# none); they run on Linux, and the Windows refusal of devices, read-only and
# held files has tests of its own (SafeFiles.*).
windows_exclusions=(
  "PdfExport.AFullDiskLeavesNeitherAHalfPdfNorALostOne"          # fork, file-size limit
  "SheetFile.AFullDiskLeavesTheEarlierSheetsByteForByte"         # fork, file-size limit
  "ProjectFiles.OverwritingOntoAFullDiskKeepsTheOldFileWholeAndSaysSo" # fork, file-size limit
  "ProjectFiles.APipeOrAFolderIsRefusedAtOnceAndNeverReplaced"   # FIFO, fork
  "CommandLine.ARunThatCannotFinishFailsAtOnceAndLeavesEveryFileAsItWas" # FIFO, /dev/full
  # The test moves the Documents folder by setting HOME and XDG_CONFIG_HOME;
  # Windows asks the shell for it and reads neither variable.
  "DocumentFolders.DialogsStartInDocumentsThenBesideTheCaseAndNeverInTheProgramsFolder"
  # These read the PDF back with pdftotext, which under Wine is the Linux
  # program given a Windows name it cannot open. The PDF text of every saved
  # case is compared with the Linux build's instead (the compare step).
  "PdfExport.ThePdfHoldsExactlyThePrintedPagesAsSearchableText"
  "PdfExport.ASheetLongerThanThePageContinuesOnTheNextPage"
  "PdfExport.TheFileMenuItemAsksForTheFileAndBeforeOverwritingOne"
  "CommandLine.APdfOfASavedCaseHoldsThePagesTheWindowPrints"
  "GoldenCases.EveryCaseYieldsItsSavedSheetPdfTextAndMessages"
)

run_tests() {
  [ -f "$build/bin/core_tests.exe" ] || die "no Windows build in $build yet: scripts/build-windows.sh program"
  install_missing wine64 wine xvfb xauth poppler-utils
  local logs=$cache/test-logs failed=0 t filter
  filter="-$(IFS=:; echo "${windows_exclusions[*]}")"
  mkdir -p "$logs"
  for t in core_tests form_tests; do
    say "$t.exe under Wine (log: $logs/$t.log)"
    if (cd "$build/bin" && QT_QPA_PLATFORM=offscreen wine_run "./$t.exe" --gtest_filter="$filter" "$@") >"$logs/$t.log" 2>&1; then
      tail -n 3 "$logs/$t.log"
    else
      failed=1
      grep -E '^\[  (FAILED|PASSED) ' "$logs/$t.log" | sort -u || tail -n 20 "$logs/$t.log"
    fi
  done
  return $failed
}

# The Windows program against the Linux build, case by case: the 300 cases
# of the round trip (saved by the Linux form_tests) and the saved cases of
# tests/cases, each written as a sheet (--write-sheet) and as a PDF (--pdf)
# by both programs; the sheets must be the same bytes, the PDFs the same text
# (pdftotext -layout on this machine), the exit status the same.
compare_with_linux() {
  local linux_build=${1:-$repo/build} given_cases=${2:-}
  linux_build=$(cd "$linux_build" && pwd)
  [ -x "$linux_build/akuenza" ] && [ -x "$linux_build/tests/form_tests" ] ||
    die "no Linux build with its tests in $linux_build (cmake -S . -B build && cmake --build build)"
  [ -f "$deploy/akuenza.exe" ] || die "no program folder in $deploy yet: scripts/build-windows.sh program"
  install_missing wine64 wine xvfb xauth poppler-utils
  local work=$cache/compare c name
  rm -rf "$work"
  mkdir -p "$work/cases" "$work/linux" "$work/windows"
  if [ -n "$given_cases" ]; then
    cp "$given_cases"/*.qzk "$work/cases/"
  else
    say "saving the round trip's cases with the Linux tests"
    (cd "$linux_build" && AKUENZA_KEEP_CASES="$work/cases" QT_QPA_PLATFORM=offscreen \
      ./tests/form_tests --gtest_filter='Cases/RoundTrip.*' >"$work/round-trip.log" 2>&1) ||
      die "the round trip failed on Linux: $work/round-trip.log"
    for c in "$repo"/tests/cases/*.qzk; do cp "$c" "$work/cases/golden-$(basename "$c")"; done
  fi

  # One Wine server and one virtual display for all the runs.
  local display_pid="" winepath="" dir
  if [ -z "${DISPLAY:-}" ]; then
    local n=$(( 90 + RANDOM % 400 ))
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    display_pid=$!
    export DISPLAY=":$n"
  fi
  # A Wine prefix of its own, so that the tests may run meanwhile.
  export WINEPREFIX="$cache/wine-compare" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  local wine=/usr/lib/wine/wine64
  [ -x "$wine" ] || wine=$(command -v wine64 || command -v wine)
  wineserver -p 60 || true

  local total=0 sheets=0 pdfs=0 codes=0 linux_rc windows_rc differing=()
  for c in "$work"/cases/*.qzk; do
    name=$(basename "$c" .qzk)
    total=$((total + 1))
    # A case that cannot be opened ends with status 1: recorded, not fatal.
    (set +e; cd "$work/linux" && QT_QPA_PLATFORM=offscreen "$linux_build/akuenza" --write-sheet "$c" --out "$name.txt" \
      >"$name.log" 2>&1; echo $? >"$name.rc"
     QT_QPA_PLATFORM=offscreen "$linux_build/akuenza" --pdf "$c" "$name.pdf" >>"$name.log" 2>&1; echo $? >>"$name.rc")
    (set +e; cd "$work/windows" && QT_QPA_PLATFORM=offscreen "$wine" "$deploy/akuenza.exe" --write-sheet "$(windows_path "$c")" \
      --out "$name.txt" >"$name.log" 2>&1; echo $? >"$name.rc"
     QT_QPA_PLATFORM=offscreen "$wine" "$deploy/akuenza.exe" --pdf "$(windows_path "$c")" "$name.pdf" \
      >>"$name.log" 2>&1; echo $? >>"$name.rc")
    local same=1 side
    for side in linux windows; do
      if [ -f "$work/$side/$name.pdf" ]; then
        pdftotext -layout "$work/$side/$name.pdf" "$work/$side/$name.pdf.txt" 2>>"$work/$side/$name.log" || true
      fi
    done
    if cmp -s "$work/linux/$name.rc" "$work/windows/$name.rc"; then codes=$((codes + 1)); else same=0; fi
    if [ -f "$work/linux/$name.txt" ] || [ -f "$work/windows/$name.txt" ]; then
      if cmp -s "$work/linux/$name.txt" "$work/windows/$name.txt"; then sheets=$((sheets + 1)); else same=0; fi
    else
      sheets=$((sheets + 1)) # neither program writes a sheet of a case it cannot open
    fi
    if [ -f "$work/linux/$name.pdf.txt" ] || [ -f "$work/windows/$name.pdf.txt" ]; then
      if cmp -s "$work/linux/$name.pdf.txt" "$work/windows/$name.pdf.txt"; then pdfs=$((pdfs + 1)); else same=0; fi
    else
      pdfs=$((pdfs + 1))
    fi
    [ $same -eq 1 ] || differing+=("$name")
  done
  wineserver -k || true
  if [ -n "$display_pid" ]; then kill "$display_pid" || true; fi
  say "compared $total cases (results in $work)"
  say "sheets identical: $sheets / $total; PDF texts identical: $pdfs / $total; exit status the same: $codes / $total"
  if [ ${#differing[@]} -gt 0 ]; then
    say "differing: ${differing[*]}"
    return 1
  fi
}

# The installer as a user meets it, in a Wine prefix of its own on a virtual
# display: installed silently for all users, the Start menu entry and the
# .qzk file type checked, the installed program started with saved cases and
# its screen taken (docs/screenshots/windows-*.png), then uninstalled and
# checked that nothing it installed is left.
installed_screenshots() {
  local folder=${1:-$repo/docs/screenshots} version setup prefix=$cache/wine-installed
  version=$(program_version)
  setup=$repo/build-windows/akuenza-$version-setup.exe
  [ -f "$setup" ] || die "no installer yet: scripts/build-windows.sh installer"
  install_missing wine64 wine xvfb xauth imagemagick
  local wine=/usr/lib/wine/wine64
  [ -x "$wine" ] || wine=$(command -v wine64 || command -v wine)
  local n=$(( 90 + RANDOM % 400 )) display_pid
  Xvfb ":$n" -screen 0 1280x800x24 -dpi 96 -nolisten tcp >/dev/null 2>&1 &
  display_pid=$!
  export DISPLAY=":$n" WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  rm -rf "$prefix"
  say "installing $setup silently into $prefix"
  "$wine" "$setup" /S /AllUsers
  wineserver -w
  local dir="$prefix/drive_c/Program Files/Akuenza" menu="$prefix/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
  [ -f "$dir/akuenza.exe" ] || die "the installer left no $dir/akuenza.exe"
  [ -f "$menu/アクエンザ.lnk" ] || die "no Start menu entry アクエンザ in $menu"
  "$wine" reg query 'HKLM\Software\Classes\Akuenza.Project\shell\open\command' | tr -d '\r' | grep -F 'akuenza.exe" "%1"' ||
    die "no open command for .qzk files"
  mkdir -p "$folder"
  local shot case pid
  for shot in clay-ng:windows-ng-case square-ok:windows-case; do
    case=$repo/tests/cases/${shot%%:*}.qzk
    "$wine" "C:\\Program Files\\Akuenza\\akuenza.exe" "$(windows_path "$case")" &
    pid=$!
    sleep "${AKUENZA_SCREENSHOT_WAIT:-20}"
    import -window root "$folder/${shot#*:}.png"
    say "screenshot: $folder/${shot#*:}.png"
    kill "$pid" 2>/dev/null || true
    wineserver -k || true
    wait "$pid" 2>/dev/null || true
  done
  say "uninstalling"
  "$wine" "C:\\Program Files\\Akuenza\\uninstall.exe" /S /AllUsers
  wineserver -w
  kill "$display_pid"
  local left=0
  [ -e "$dir" ] && { say "left after uninstalling: $(find "$dir" | head -n 20)"; left=1; }
  [ -e "$menu/アクエンザ.lnk" ] && { say "left after uninstalling: the Start menu entry"; left=1; }
  grep -qi 'Akuenza' "$prefix/system.reg" && { say "left after uninstalling: $(grep -i 'Akuenza' "$prefix/system.reg" | head)"; left=1; }
  [ $left -eq 0 ] || die "the uninstaller did not remove everything"
  say "uninstalled: no file, shortcut or registry key left"
}

what=${1:-all}
[ $# -gt 0 ] && shift
case "$what" in
  qt) build_qt ;;
  program) build_program ;;
  test) run_tests "$@" ;;
  installer) build_installer ;;
  compare) compare_with_linux "$@" ;;
  screenshots) installed_screenshots "$@" ;;
  all) build_qt && build_program && build_installer && run_tests ;;
  *) die "unknown step '$what' (qt, program, installer, test, compare, screenshots or all)" ;;
esac
