# Sourced by scripts/test: builds the Debian package and checks it as an administrator and the
# desktop would see it, without installing it on this machine.

# What building and checking the package needs, beyond the build's own packages.
FRAMEPLAN_PACKAGING_PACKAGES=(
    help2man dpkg-dev file lintian
    desktop-file-utils appstream libxml2-utils shared-mime-info
)

# Fails the run with a message.
package_fault() {
    echo "package check: $*" >&2
    return 1
}

# The files the package must install, below its root.
FRAMEPLAN_PACKAGE_FILES=(
    usr/bin/frameplan
    usr/libexec/frameplan/frameplan-gui
    usr/share/applications/org.frameplan.FramePlan.desktop
    usr/share/icons/hicolor/scalable/apps/org.frameplan.FramePlan.svg
    usr/share/mime/packages/org.frameplan.FramePlan.xml
    usr/share/metainfo/org.frameplan.FramePlan.metainfo.xml
    usr/share/man/man1/frameplan.1.gz
    usr/share/doc/frameplan/copyright
    usr/share/doc/frameplan/changelog.gz
    usr/share/doc/frameplan/examples/office-block.anl
)

build_package() {
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
    cmake --build build --parallel "$jobs" --target frameplan frameplan-gui manual_page changelog
    rm -rf build/package
    (cd build && cpack -G DEB > /dev/null)
}

# The package's fields, files and size, as the report of the run.
describe_package() {
    local deb=$1
    echo "Package $(basename "$deb"): $(stat -c %s "$deb") bytes," \
        "installed size $(dpkg-deb -f "$deb" Installed-Size) KiB"
    dpkg-deb -f "$deb" Package Version Maintainer Depends Recommends
    dpkg-deb -c "$deb" | awk '{print $3, $6}'
}

# The control archive holds nothing that runs at install or removal, and every file lies under
# /usr, so dpkg -r removes all that dpkg -i put in place.
check_removal_leaves_nothing() {
    local deb=$1 control=$2
    dpkg-deb -e "$deb" "$control"
    local extra
    extra=$(ls "$control" | grep -v -x -e control -e md5sums || true)
    [[ -z "$extra" ]] || package_fault "maintainer scripts or conffiles in the package: $extra"
    extra=$(dpkg-deb -c "$deb" | awk '{print $6}' | grep -v -e '^\./usr/' -e '^\./$' || true)
    [[ -z "$extra" ]] || package_fault "files outside /usr: $extra"
}

# The installed programs run from the unpacked tree: frameplan finds frameplan-gui in
# libexec/frameplan beside its own bin folder, as it will under /usr.
check_installed_programs() {
    local root=$1 deb=$2 scratch=$3
    local version changelog_version
    version=$(dpkg-deb -f "$deb" Version)
    changelog_version=$(dpkg-parsechangelog -l packaging/changelog -S Version)
    [[ "$changelog_version" == "$version" ]] ||
        package_fault "packaging/changelog is at $changelog_version, the package at $version"
    [[ "$("$root/usr/bin/frameplan" --version)" == "frameplan $version" ]] ||
        package_fault "the installed frameplan --version does not say $version"
    local sample=$root/usr/share/doc/frameplan/examples/office-block.anl
    "$root/usr/bin/frameplan" info "$sample" > "$scratch/info.txt"
    grep -q '^Levels  ' "$scratch/info.txt" ||
        package_fault "frameplan info on the installed sample printed no levels"
    QT_QPA_PLATFORM=offscreen "$root/usr/bin/frameplan" export "$sample" \
        -o "$scratch/plans.pdf" --level all > /dev/null
    [[ "$(head -c 5 "$scratch/plans.pdf")" == "%PDF-" ]] ||
        package_fault "the installed frameplan export wrote no PDF"
    zcat "$root/usr/share/man/man1/frameplan.1.gz" | grep -q '^\.SH "FRAMEPLAN EXPORT"' ||
        package_fault "the manual page has no section for frameplan export"
    echo "Installed frameplan $version: --version, info and export ran from the unpacked package"
}

# The desktop's files pass their own validators; the file type compiles into a MIME database.
check_desktop_files() {
    local root=$1
    local share=$root/usr/share
    echo "desktop-file-validate:"
    desktop-file-validate "$share/applications/org.frameplan.FramePlan.desktop"
    echo "appstreamcli validate:"
    appstreamcli validate --no-net --pedantic "$share/metainfo/org.frameplan.FramePlan.metainfo.xml"
    echo "xmllint:"
    xmllint --noout "$share/mime/packages/org.frameplan.FramePlan.xml"
    echo "update-mime-database:"
    local warnings
    warnings=$(XDG_DATA_DIRS="$share:/usr/share" update-mime-database "$share/mime" 2>&1)
    [[ -z "$warnings" ]] || package_fault "update-mime-database: $warnings"
    grep -q 'text/x-frame-analysis-listing:\*\.anl' "$share/mime/globs2" ||
        package_fault "the compiled MIME database has no *.anl"
}

# Every tag is shown, informational ones too; only errors fail the check.
run_lintian() {
    local deb=$1 scratch=$2
    echo "lintian:"
    local status=0
    lintian --display-info --fail-on error "$deb" > "$scratch/lintian.txt" 2>&1 || status=$?
    grep -v '^running with root privileges' "$scratch/lintian.txt" || true
    ((status == 0)) || package_fault "lintian reports errors"
}

build_and_check_package() {
    echo "Building and checking the Debian package"
    build_package
    local deb
    deb=$(ls build/package/frameplan_*.deb)
    local scratch
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' RETURN
    describe_package "$deb"
    check_removal_leaves_nothing "$deb" "$scratch/control"
    dpkg-deb -x "$deb" "$scratch/root"
    local file
    for file in "${FRAMEPLAN_PACKAGE_FILES[@]}"; do
        [[ -f "$scratch/root/$file" ]] || package_fault "the package has no /$file"
    done
    check_installed_programs "$scratch/root" "$deb" "$scratch"
    check_desktop_files "$scratch/root"
    run_lintian "$deb" "$scratch"
    echo "The package $deb passed its checks"
}
