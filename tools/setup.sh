# Shared by ./run and ./test: installs what a fresh Debian machine lacks and
# configures and builds one build tree.

VOLMAREN_PACKAGES=(
    cmake ninja-build pkgconf g++ clang libclang-rt-14-dev
    googletest libgtest-dev libbenchmark-dev libserialport-dev libzstd-dev
    nlohmann-json3-dev libpugixml-dev
    qt6-base-dev qt6-base-dev-tools libgl1-mesa-dev
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    xvfb xauth fonts-dejavu-core
    librsvg2-bin poppler-utils
    dpkg-dev file lintian desktop-file-utils appstream shared-mime-info man-db
)

volmaren_install() {
    local missing=()
    for package in "${VOLMAREN_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}

# volmaren_build DIR [cmake options...]: a Release build unless the options
# say otherwise, as a packager builds it.
volmaren_build() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@"
    cmake --build "$dir" --parallel "$(nproc)"
}
