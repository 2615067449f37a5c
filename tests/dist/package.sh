#!/usr/bin/env bash
# The Debian package: named as Debian names it, with the fonts, Qt's translations and the
# libraries dpkg-shlibdeps finds as dependencies, Qt's Wayland platform recommended, and no lintian
# error.
set -euo pipefail
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$BUILD_DIR" && cpack -G DEB -B "$out" >/dev/null)
deb="$out/orlenta_${VERSION}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || { echo "FAIL: no $deb: $(ls "$out")" >&2; exit 1; }
depends=$(dpkg-deb -f "$deb" Depends)
for package in fonts-liberation fonts-urw-base35 fonts-dejavu-core qt6-translations-l10n \
    libqt6widgets6 libjpeg62-turbo; do
    grep -q "\b$package\b" <<<"$depends" || { echo "FAIL: $package missing from: $depends" >&2; exit 1; }
done
grep -q '^qt6-wayland$' <<<"$(dpkg-deb -f "$deb" Recommends)" ||
    { echo "FAIL: qt6-wayland is not recommended" >&2; exit 1; }
grep -q ' ./usr/share/orlenta/setting/setting.kvt$' <<<"$(dpkg-deb -c "$deb")" ||
    { echo "FAIL: the default settings are not in the package" >&2; exit 1; }
lintian --fail-on error "$deb" >"$out/lintian" 2>&1 || {
    echo "FAIL: lintian reports errors: $(cat "$out/lintian")" >&2
    exit 1
}
echo "package: passed"
