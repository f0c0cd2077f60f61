# Shared by ./run and ./test: installs the Debian packages the build needs when any is missing.

quorva_packages=(
    cmake ninja-build g++ clang libclang-rt-14-dev
    libwxgtk3.2-dev libgtest-dev libgmock-dev libbenchmark-dev libmicrohttpd-dev libsodium-dev pkg-config
    g++-mingw-w64-i686 g++-mingw-w64-x86-64
    xvfb xauth tzdata strace chromium python3-icalendar systemd
)

# Installs the packages named, or quorva_packages, when any is missing.
ensure_packages() {
    local wanted=("$@")
    [ $# -gt 0 ] || wanted=("${quorva_packages[@]}")
    local missing=()
    local package
    for package in "${wanted[@]}"; do
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

# True when this machine's kernel runs 32-bit x86 programs (some virtual machines' kernels do not): a
# 93-byte program that only exits.
runs_32bit_programs() {
    local probe
    probe=$(mktemp)
    printf '\x7fELF\x01\x01\x01\0\0\0\0\0\0\0\0\0\x02\0\x03\0\x01\0\0\0\x54\x80\x04\x08\x34\0\0\0' >"$probe"
    printf '\0\0\0\0\0\0\0\0\x34\0\x20\0\x01\0\0\0\0\0\0\0' >>"$probe"
    printf '\x01\0\0\0\0\0\0\0\0\x80\x04\x08\0\x80\x04\x08\x5d\0\0\0\x5d\0\0\0\x05\0\0\0\0\x10\0\0' >>"$probe"
    printf '\xb8\x01\0\0\0\x31\xdb\xcd\x80' >>"$probe"
    chmod +x "$probe"
    local status=0
    "$probe" 2>/dev/null || status=1
    rm -f "$probe"
    return $status
}

# Real Wine, for the tests that start the Windows stand-in simulator through it: wine and wine64, and
# wine32 for 32-bit Windows programs where the kernel can run it (wine32 installed where it cannot
# breaks every wine command).
ensure_wine() {
    local packages=(wine wine64)
    if runs_32bit_programs; then
        if ! dpkg --print-foreign-architectures | grep -qx i386; then
            local sudo=()
            [ "$(id -u)" -ne 0 ] && sudo=(sudo)
            "${sudo[@]}" dpkg --add-architecture i386
        fi
        packages+=(wine32:i386)
    else
        echo "This machine's kernel does not run 32-bit programs: Wine is installed without wine32."
    fi
    ensure_packages "${packages[@]}"
}
