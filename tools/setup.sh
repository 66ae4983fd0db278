# Sourced by run.sh and test.sh: installs what the build needs on Debian 12 and builds
# the program into build/.

# Packages the build, the tests and the program need.
VELMORAND_PACKAGES=(
    cmake g++ make clang libclang-rt-14-dev clang-format
    libgtest-dev libbenchmark-dev
    qt6-base-dev qt6-base-private-dev libx11-dev fonts-liberation2
    xvfb xdotool xclip xdg-utils imagemagick
    desktop-file-utils appstream dpkg-dev file
)

velmorand_install_missing() {
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
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
}

# velmorand_build DIR [cmake options...]
velmorand_build() {
    local dir=$1
    shift
    cmake -S . -B "$dir" "$@"
    cmake --build "$dir" --parallel "$(nproc)"
}
