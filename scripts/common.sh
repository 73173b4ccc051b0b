# Shared by run.sh and test.sh: installs what is missing from Debian's packages and builds.
set -euo pipefail

project_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

board_packages=(cmake g++ make pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev libxcb1-dev libxcb-xinput-dev
                qt6-wayland qt6-translations-l10n qt6-l10n-tools qt6-tools-dev
                fonts-dejavu-core fonts-dejavu-extra)
test_packages=(xvfb x11-utils x11-xserver-utils openbox xcompmgr xdotool xclip imagemagick trayer
               poppler-utils
               binutils-mingw-w64-x86-64
               sway weston grim wl-clipboard dbus-daemon dbus-bin pipewire-bin xwayland
               xdg-desktop-portal xdg-desktop-portal-wlr xdg-desktop-portal-gtk)

# What building and checking the Debian package needs.
package_packages=(dpkg-dev file lintian desktop-file-utils appstream shared-mime-info xdg-utils)

install_missing() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local as_root=()
    [ "$(id -u)" -eq 0 ] || as_root=(sudo)
    echo "Installing: ${missing[*]}"
    "${as_root[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}

# Sway refuses to run as root; as root, the Wayland end-to-end test runs its session as this user.
ensure_wayland_test_user() {
    [ "$(id -u)" -eq 0 ] || return 0
    id tavelo-test >/dev/null 2>&1 \
        || useradd --system --no-create-home --shell /usr/sbin/nologin tavelo-test
}

# build <folder> [cmake options...]
build() {
    local folder="$1"
    shift
    cmake -S "$project_root" -B "$project_root/$folder" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    cmake --build "$project_root/$folder" --parallel "$(nproc)"
}

# check_package <build folder>: the package, its desktop entry and its metadata pass Debian's and
# freedesktop.org's checks; any error fails.
check_package() {
    local folder="$1"
    local deb
    deb="$(ls "$folder"/tablero-tavelo_*.deb | head -n1)"
    echo "lintian $(basename "$deb"):"
    lintian --fail-on error "$deb"
    desktop-file-validate "$project_root"/resources/*.desktop
    appstreamcli validate --no-net "$project_root"/resources/*.metainfo.xml
    check_file_association "$deb"
}

# The package's MIME type and desktop entry, installed into a folder of their own, make the
# desktop see a board file (by its name and by its content) as one the board opens.
check_file_association() {
    local root
    root="$(mktemp -d)"
    dpkg-deb -x "$1" "$root"
    local share="$root/usr/share"
    update-mime-database "$share/mime" >/dev/null 2>&1
    update-desktop-database "$share/applications"
    cp "$project_root/tests/boardfile/board-written-by-version-1.tavelo" "$root/named.tavelo"
    cp "$root/named.tavelo" "$root/unnamed"
    local type
    for file in "$root/named.tavelo" "$root/unnamed"; do
        type="$(XDG_DATA_HOME="$share" XDG_DATA_DIRS="$share:/usr/share" \
            xdg-mime query filetype "$file" 2>/dev/null)"
        echo "xdg-mime: $(basename "$file") is $type"
        [ "$type" = application/x-tavelo-board ] || return 1
    done
    local handler
    handler="$(XDG_DATA_HOME="$share" XDG_DATA_DIRS="$share:/usr/share" \
        xdg-mime query default application/x-tavelo-board 2>/dev/null)"
    echo "xdg-mime: board files open with $handler"
    [ "$handler" = invalid.tablerotavelo.CorvaneTaveloWindow2.desktop ] || return 1
    rm -rf "$root"
}
