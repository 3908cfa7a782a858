#!/usr/bin/env bash
# `cmake --install` into a temporary DESTDIR: exactly the program's files, a desktop entry and
# AppStream data that the freedesktop validators accept, the icon at every theme size, nothing
# that points back into the source or build tree, and a program that runs from there.
# Usage: installed_tree_test.sh BUILD_DIR SOURCE_DIR VERSION [SANITIZED: 1 or 0]
set -uo pipefail
build=$1 source=$2 version=$3 sanitized=${4:-0}
here=$(cd "$(dirname "$0")" && pwd)
. "$here/check_helpers.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root
id=example.lingzhou.Lingzhou

if ! DESTDIR=$root cmake --install "$build" --prefix /usr --strip >"$work/install.log" 2>&1; then
    cat "$work/install.log" >&2
    echo "FAIL: cmake --install" >&2
    exit 1
fi

diff -u <(sed 's|^|usr/|' "$here/installed_files.txt" | sort) \
    <(cd "$root" && find . -type f -o -type l | sed 's|^\./||' | sort) ||
    fail "the installed files differ from the expected list"

for size in 16 32 48 64 128 256; do
    png=$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png
    kind=$(file -b "$png")
    grep -q "^PNG image data, $size x $size, 8-bit/color RGBA" <<<"$kind" || fail "icon $size: $kind"
done
svg=$root/usr/share/icons/hicolor/scalable/apps/$id.svg
kind=$(file -b "$svg")
grep -q "SVG" <<<"$kind" || fail "scalable icon: $kind"

desktop=$root/usr/share/applications/$id.desktop
validation=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate failed"
expect_equal "desktop-file-validate output" "" "$validation"
for line in "Type=Application" "Name=翎轴" "Name[en]=Lingzhou bearing lookup" \
    "Categories=Office;Engineering;" "Keywords=轴承;bearing;" "Exec=lingzhou" "Icon=$id"; do
    expect_line "$desktop" "$line"
done
grep -q '^Comment=..' "$desktop" || fail "no Chinese comment"
grep -q '^Comment\[en\]=..' "$desktop" || fail "no English comment"
[ -x "$root/usr/bin/lingzhou" ] || fail "Exec names no installed program"

metainfo=$root/usr/share/metainfo/$id.metainfo.xml
appstreamcli validate --no-net "$metainfo" >"$work/appstream.log" 2>&1 ||
    fail "appstreamcli validate: $(cat "$work/appstream.log")"
appstreamcli validate-tree --no-net "$root" >"$work/tree.log" 2>&1 ||
    fail "appstreamcli validate-tree: $(cat "$work/tree.log")"
# Infos are advice (a Chinese summary has no capital letter); warnings and errors are not.
if grep -E '^\s*[WE]: ' "$work/appstream.log" "$work/tree.log"; then
    fail "appstreamcli reports warnings or errors"
fi
for piece in "<id>$id</id>" "<launchable type=\"desktop-id\">$id.desktop</launchable>" \
    "<binary>lingzhou</binary>" "<project_license>MIT</project_license>" \
    "<content_rating type=\"oars-1.1\"/>" "<release version=\"$version\"" "<screenshot " \
    "<summary>" "<description>" "<metadata_license>"; do
    grep -qF -- "$piece" "$metainfo" || fail "metainfo lacks $piece"
done

grep -q "MIT License" "$root/usr/share/doc/lingzhou/copyright" || fail "licence is not the MIT text"

# The catalogue and pictures are inside the executable; nothing installed may name the
# trees the program was built from. Sanitizers compile source file names into their reports,
# so in such a build only the data files can be held to this.
searched=("$root")
if [ "$sanitized" = 1 ]; then
    searched=("$root/usr/share")
fi
if grep -rlaF -- "$source" "${searched[@]}" || grep -rlaF -- "$build" "${searched[@]}"; then
    fail "installed files name the source or build tree"
fi

expect_equal "installed lingzhou --version" "lingzhou $version" \
    "$(cd "$work" && run_bare "$work" "$root/usr/bin/lingzhou" --version 2>&1)"
expect_equal "installed lingzhou-query --version" "lingzhou-query $version" \
    "$(cd "$work" && run_bare "$work" "$root/usr/bin/lingzhou-query" --version 2>&1)"
# The command-line look-up carries the catalogue too.
answer=$(cd "$work" && run_bare "$work" "$root/usr/bin/lingzhou-query" --format csv \
    combined --brand NSK --inner 25 --outer 52 --width 15 2>&1)
grep -qF ',6205-2RS,' <<<"$answer" || fail "installed lingzhou-query does not find NSK's 6205-2RS"
# Its "stock" commands run the installed lingzhou-shop beside it.
answer=$(cd "$work" && run_bare "$work" "$root/usr/bin/lingzhou-query" --format csv \
    stock check "$source/tests/shop/fixtures/stock.xls" 2>&1)
grep -qF '1,6305-2Z,NSK,12,18.60,已匹配,6305-2Z' <<<"$answer" ||
    fail "installed lingzhou-query stock check: $answer"

finish
