# Installs the Debian packages Lexitor needs, where they are missing.
# Sourced by run.sh and test.sh.

lexitor_packages=(
    cmake g++ make ccache pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libsqlite3-dev sqlite3 libbenchmark-dev libx11-dev xvfb xauth
    fonts-dejavu-core fonts-liberation fonts-urw-base35
    wordnet-base wordnet-sense-index scowl
    mdbtools mdbtools-dev kdeedu-kvtml-data libkeduvocdocument-dev
    help2man groff-base appstream desktop-file-utils dpkg-dev file lintian
)

install_missing() {
    local missing=()
    for package in "${lexitor_packages[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}
