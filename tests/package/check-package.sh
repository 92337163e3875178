#!/usr/bin/env bash
# Makes the Debian package from a build tree, unpacks it into a scratch root and checks what a
# user installs: the file list, the installed binary, the desktop entry, the AppStream data
# and lintian's verdict. Usage: check-package.sh BUILD_DIR
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "check-package: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" >/dev/null
deb=$(ls "$scratch"/out/quillory_*.deb)
dpkg-deb -x "$deb" "$scratch/root"

expected="usr/bin/quillory
usr/share/applications/org.quillory.Quillory.desktop
usr/share/doc/quillory/changelog.gz
usr/share/doc/quillory/copyright
usr/share/icons/hicolor/scalable/apps/org.quillory.Quillory.svg
usr/share/icons/hicolor/symbolic/apps/org.quillory.Quillory-symbolic.svg
usr/share/man/man1/quillory.1.gz
usr/share/metainfo/org.quillory.Quillory.metainfo.xml"
actual=$(cd "$scratch/root" && find . -type f | sed 's|^\./||' | sort)
[ "$actual" = "$expected" ] || fail "unexpected files:"$'\n'"$actual"

depends=$(dpkg-deb -f "$deb" Depends)
[[ "$depends" == *libqt6widgets6* && "$depends" == *qt6-qpa-plugins* ]] ||
    fail "dependencies miss Qt: $depends"

binary=$scratch/root/usr/bin/quillory
version=$("$binary" --version)
[[ "$version" == "Quillory $(dpkg-deb -f "$deb" Version)" ]] || fail "--version says: $version"
help=$("$binary" --help)
# One line for every action of the remote control.
actions='activate|toggle-tools|pen|line|arrow|rect|circle|highlighter|eraser|text|laser|timer|save|copy|highlight|pointer|draw|fade|spotlight|zoom|whiteboard|blackboard|state|quit'
[ "$(grep -cE "^  ($actions) +[a-z]" <<<"$help")" = 24 ] || fail "--help says: $help"
zcat "$scratch/root/usr/share/man/man1/quillory.1.gz" | grep -q '^\.SH ACTIONS' ||
    fail "the manual page has no actions"

# GPL-3.0-or-later where the licence is stated; a homepage only when the build names one.
metainfo=$scratch/root/usr/share/metainfo/org.quillory.Quillory.metainfo.xml
grep -q '^License: GPL-3+$' "$scratch/root/usr/share/doc/quillory/copyright" &&
    grep -q '<project_license>GPL-3.0-or-later</project_license>' "$metainfo" ||
    fail "the licence is not stated as GPL-3.0-or-later"
page=$(sed -n 's/^QUILLORY_PROJECT_PAGE:STRING=//p' "$build/CMakeCache.txt")
[ "$(dpkg-deb -f "$deb" Homepage)" = "$page" ] || fail "the homepage is not \"$page\""

desktop-file-validate --no-hints "$scratch/root/usr/share/applications/org.quillory.Quillory.desktop"
appstreamcli validate --no-net --no-color "$metainfo" >/dev/null ||
    fail "the AppStream data does not validate"
if ! verdict=$(lintian --fail-on error "$deb" 2>&1); then
    fail "lintian reports errors:"$'\n'"$verdict"
fi
echo "check-package: $(basename "$deb") is sound"
