# Sourced by run.sh and test.sh: installs what is missing on Debian (12 or later) and builds
# into a folder.

# What building and running the program need.
VELMORAND_RUN_PACKAGES=(
    cmake g++ make qt6-base-dev fonts-liberation2 xdg-utils
)

# What the tests, the sanitizer and fuzz runs, the benchmarks and the package checks add.
VELMORAND_TEST_PACKAGES=(
    clang libclang-rt-dev clang-format
    libgtest-dev libbenchmark-dev
    qt6-base-private-dev libx11-dev
    xvfb xdotool xclip imagemagick openbox
    orca procps speech-dispatcher libao4 at-spi2-core dbus dbus-bin python3-pyatspi
    desktop-file-utils appstream dpkg-dev file lintian locales
    poppler-utils python3-pil
)

# What the browser's page (velmorand.html), its tests in headless Chromium and its benchmark
# add: emscripten (with node), the font tools that cut Liberation Sans down, Roboto for the
# test of a device that has only Android's font, and poppler's tools, which read back the
# worksheets Chromium prints to PDF; Orca and its desktop for the page under a screen reader,
# and PIL and ImageMagick for reading the pictures the three programs draw.
VELMORAND_WEB_PACKAGES=(
    emscripten fonttools python3-brotli fonts-liberation2
    chromium chromium-driver python3-selenium fonts-roboto poppler-utils
    orca speech-dispatcher libao4 at-spi2-core dbus dbus-bin openbox xvfb xdotool locales
    python3-pil imagemagick
)

# What the Windows program's cross-build, its tests under Wine and its installer add. Wine's
# recommended packages are not needed, so these go in without them.
VELMORAND_WINDOWS_PACKAGES=(
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    wine wine64 fonts-wine libxrender1 libxrandr2 libxi6 libxcursor1 libxinerama1 libxcomposite1
    nsis icoutils locales
)

# velmorand_install_missing [--no-install-recommends] PACKAGE...
velmorand_install_missing() {
    local options=()
    if [ "${1:-}" = --no-install-recommends ]; then
        options+=("$1")
        shift
    fi
    local missing=()
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${options[@]}" "${missing[@]}"
}

# velmorand_build DIR [cmake options...]
velmorand_build() {
    local dir=$1
    shift
    cmake -S . -B "$dir" "$@"
    cmake --build "$dir" --parallel "$(nproc)"
}
