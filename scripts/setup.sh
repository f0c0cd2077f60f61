# Shared by ./run and ./test: installs the Debian packages the build needs when any is missing.

quorva_packages=(
    cmake ninja-build g++ clang libclang-rt-14-dev
    libwxgtk3.2-dev libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth tzdata
)

ensure_packages() {
    local missing=()
    local package
    for package in "${quorva_packages[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing missing packages: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
}

# Configures (once) and builds the ordinary build folder.
build_program() {
    cmake -G Ninja -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build build
}
