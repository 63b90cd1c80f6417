# Shared by scripts/test and scripts/run: installs the Debian packages FramePlan needs.
FRAMEPLAN_PACKAGES=(
    build-essential cmake
    qt6-base-dev qt6-svg-dev libgl-dev
    libcli11-dev
    pkgconf libxlsxwriter-dev libminizip-dev libdxflib-dev unzip
    libgtest-dev googletest
    fonts-liberation
    # A CAD library whose audit the DXF files must pass with nothing to fix.
    python3-ezdxf
    # Workbooks read back as a spreadsheet program reads them.
    python3-openpyxl
    # PDF pages read back as a PDF reader reads them: pdftotext.
    poppler-utils
    # The window's test on a real X server: Xvfb, keys sent with xdotool, screenshots compared.
    xvfb xdotool imagemagick
)

install_missing_packages() {
    local missing=()
    local package
    for package in "${FRAMEPLAN_PACKAGES[@]}" "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    if ((${#missing[@]} > 0)); then
        echo "Installing: ${missing[*]}"
        apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}
