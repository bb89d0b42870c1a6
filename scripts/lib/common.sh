# Sourced by the project's scripts: paths, package installs and dependency builds.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
BUILD_DIR=${VANTORIA_BUILD_DIR:-$ROOT/build}
DEPS_DIR=$BUILD_DIR/deps
WIN_BUILD=$BUILD_DIR/win
NATIVE_BUILD=$BUILD_DIR/native
JPEG_PREFIX=$DEPS_DIR/libjpeg-turbo-win
TOOLCHAIN=$ROOT/cmake/mingw-w64-x86_64.cmake
JOBS=${JOBS:-2}
# Large enough for the main window at 200 %: Wine keeps windows within the desktop's size.
DESKTOP_SIZE=1280x1024

PACKAGES=(
  cmake make nasm dpkg-dev
  g++-mingw-w64-x86-64-posix
  g++ clang libclang-rt-14-dev googletest libjpeg62-turbo-dev libjpeg-turbo-progs
  wine wine64 xvfb xdotool x11-utils x11-xserver-utils imagemagick time zip unzip
)

log() { printf '== %s\n' "$*" >&2; }

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_missing_packages() {
  local missing=() p
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  log "installing ${missing[*]}"
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# apt-get source needs deb-src entries; derive them from the machine's own deb entries.
ensure_deb_src() {
  if grep -rqsE '^(deb-src |Types:.*deb-src)' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    return 0
  fi
  log "adding deb-src entries made from the machine's apt sources"
  local f
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] || continue
    sed -e 's/^Types: *deb$/Types: deb-src/' "$f" |
      as_root tee "/etc/apt/sources.list.d/vantoria-src-$(basename "$f")" >/dev/null
  done
  if [ -f /etc/apt/sources.list ]; then
    sed -n -e 's/^deb /deb-src /p' /etc/apt/sources.list |
      as_root tee /etc/apt/sources.list.d/vantoria-src.list >/dev/null
  fi
  as_root apt-get update -qq
}

# libjpeg-turbo from Debian's source package, cross-built once as a static library with SIMD.
build_libjpeg_turbo() {
  [ -f "$JPEG_PREFIX/.built" ] && return 0
  local src_root=$DEPS_DIR/src
  if ! ls -d "$src_root"/libjpeg-turbo-*/ >/dev/null 2>&1; then
    ensure_deb_src
    mkdir -p "$src_root"
    log "fetching the libjpeg-turbo source package"
    (cd "$src_root" && apt-get source -qq libjpeg-turbo >/dev/null)
  fi
  local src
  src=$(ls -d "$src_root"/libjpeg-turbo-*/ | head -n 1)
  log "building libjpeg-turbo for Windows"
  cmake -S "$src" -B "$DEPS_DIR/libjpeg-turbo-win-build" -G "Unix Makefiles" \
    -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$JPEG_PREFIX" \
    -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF \
    -DWITH_SIMD=ON -DREQUIRE_SIMD=ON >/dev/null
  cmake --build "$DEPS_DIR/libjpeg-turbo-win-build" --target install -j "$JOBS" >/dev/null
  touch "$JPEG_PREFIX/.built"
}

build_windows() {
  install_missing_packages
  build_libjpeg_turbo
  log "building Vantoria.exe and its tests"
  cmake -S "$ROOT" -B "$WIN_BUILD" -G "Unix Makefiles" \
    -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" -DCMAKE_BUILD_TYPE=Release \
    -DJPEG_PREFIX="$JPEG_PREFIX" >/dev/null
  cmake --build "$WIN_BUILD" -j "$JOBS"
}

# The release zip: the program, a read-me for Windows users, the licence, and the notices of
# what is built into the program (libjpeg-turbo, the mingw-w64 runtime).
PACKAGE_ZIP=$BUILD_DIR/package/Vantoria-1.0.zip
make_package() {
  local stage=$BUILD_DIR/package/Vantoria-1.0
  log "packaging $PACKAGE_ZIP"
  rm -rf "$stage" "$PACKAGE_ZIP" && mkdir -p "$stage"
  cp "$WIN_BUILD/Vantoria.exe" "$stage/"
  sed 's/$/\r/' "$ROOT/package/README.txt" > "$stage/README.txt"
  sed 's/$/\r/' "$ROOT/LICENSE" > "$stage/LICENSE.txt"
  {
    cat "$ROOT/package/NOTICES-header.txt"
    echo
    echo "==== libjpeg-turbo: LICENSE.md ===="
    cat "$ROOT/tests/data/libjpeg-turbo/LICENSE.md"
    echo
    echo "==== mingw-w64 runtime (statically linked): copyright ===="
    cat /usr/share/doc/mingw-w64-x86-64-dev/copyright
  } | sed 's/$/\r/' > "$stage/THIRD-PARTY-NOTICES.txt"
  (cd "$BUILD_DIR/package" && zip -q -r "$PACKAGE_ZIP" "Vantoria-1.0")
}

# The pure logic, built for Linux with the sanitizers.
build_native() {
  log "building the pure logic natively with sanitizers"
  cmake -S "$ROOT" -B "$NATIVE_BUILD" -G "Unix Makefiles" \
    -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang \
    -DCMAKE_BUILD_TYPE=Debug -DVANTORIA_SANITIZE=ON >/dev/null
  cmake --build "$NATIVE_BUILD" -j "$JOBS"
}

# Wine in a prefix of its own inside the build tree, on a display of its own.
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="

start_xvfb() {
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$n"
    local i
    for i in $(seq 1 50); do
      xdpyinfo >/dev/null 2>&1 && return 0
      sleep 0.1
    done
    kill "$XVFB_PID" 2>/dev/null || true
  done
  log "no X display could be started"
  return 1
}

start_wine() {
  export WINEPREFIX=$1
  mkdir -p "$WINEPREFIX"
  # A persistent server keeps each test process's start fast; its output must not
  # reach ctest, which would otherwise wait for it.
  wineserver -k >/dev/null 2>&1 </dev/null || true
  wineserver -p >/dev/null 2>&1 </dev/null
  if [ ! -f "$WINEPREFIX/.initialised" ]; then
    log "creating the Wine prefix $WINEPREFIX"
    wineboot -i >/dev/null 2>&1 </dev/null
    # The session that made the prefix keeps the service database locked: a fresh one starts,
    # before anything else is written (what the killed session wrote last may be lost).
    wineserver -k >/dev/null 2>&1 </dev/null || true
    wineserver -p >/dev/null 2>&1 </dev/null
    # Every program of the prefix runs inside one virtual desktop: Wine then draws frames and
    # the wallpaper as Windows would, and needs no window manager.
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Vantoria /f >/dev/null 2>&1
    touch "$WINEPREFIX/.initialised"
  fi
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Vantoria /d "$DESKTOP_SIZE" /f >/dev/null 2>&1 </dev/null
  sandbox_profile_folders
  wine cmd /c exit >/dev/null 2>&1 </dev/null || true
  start_task_scheduler
}

# Windows runs its Task Scheduler service always; Wine starts it on a program's first request,
# after a wait that the tests that register a task would not survive when the service database is
# locked. Started here, retried for a while.
start_task_scheduler() {
  local attempt
  for attempt in $(seq 1 10); do
    wine net start schedule >/dev/null 2>&1 </dev/null || true
    [[ $(wine sc query schedule 2>/dev/null </dev/null || true) == *RUNNING* ]] && return 0
    sleep 2
  done
  log "the Task Scheduler service did not start"
}

# A new prefix links the Wine user's Desktop, Documents, Pictures... to the machine's home folder;
# tests write there, so they become plain folders of the prefix.
sandbox_profile_folders() {
  local folder
  for folder in "$WINEPREFIX"/drive_c/users/*/*; do
    [ -L "$folder" ] || continue
    rm "$folder" && mkdir "$folder"
  done
}

# The first run of a program in a new prefix pays for what Wine sets up on first use: paid once
# here, before the suites, rather than by the first tests of each.
warm_wine() {
  local program
  for program in "$@"; do
    wine "$program" --gtest_list_tests >/dev/null 2>&1 </dev/null || true
  done
}

stop_wine() {
  wineserver -k >/dev/null 2>&1 || true
}
