#!/usr/bin/env bash
# The Debian package CPack makes from the build: its name, version and control fields, the
# dependencies dpkg-shlibdeps found and that this machine satisfies, exactly the program's
# files, and a stripped program that runs once unpacked.
# Usage: debian_package_test.sh BUILD_DIR VERSION
set -uo pipefail
build=$1 version=$2
here=$(cd "$(dirname "$0")" && pwd)
. "$here/check_helpers.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# -B keeps CPack's staging and the package out of the build directory.
if ! cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log" >&2
    echo "FAIL: cpack" >&2
    exit 1
fi
arch=$(dpkg --print-architecture)
deb=$work/lingzhou_${version}_$arch.deb
if [ ! -f "$deb" ]; then
    echo "FAIL: no $(basename "$deb"); made: $(ls "$work")" >&2
    exit 1
fi

field() { dpkg-deb -f "$deb" "$1"; }
expect_equal Package lingzhou "$(field Package)"
expect_equal Version "$version" "$(field Version)"
expect_equal Architecture "$arch" "$(field Architecture)"
expect_equal Section science "$(field Section)"
# Outputs are read whole before matching: a grep -q that stops reading early would kill the
# writer with SIGPIPE, and pipefail would count that as a failure.
maintainer=$(field Maintainer)
grep -qE '^.+ <[^@ ]+@[^@ ]+>$' <<<"$maintainer" || fail "Maintainer: '$maintainer'"
description=$(field Description)
[ -n "${description%%$'\n'*}" ] || fail "no one-line description"

# The libraries the program links, each found by dpkg-shlibdeps.
depends=$(field Depends)
depended=$(sed -E 's/ \([^)]*\)//g; s/, /\n/g' <<<"$depends")
for package in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6webenginecore6 \
    libqt6webenginewidgets6 libsqlite3-0 libjpeg62-turbo libminizip1 libfreexl1; do
    grep -qxF "$package" <<<"$depended" || fail "Depends lacks $package: $depends"
done
# What apt would need: every dependency installed here in a version that fits.
IFS=',' read -ra clauses <<<"$depends"
for clause in "${clauses[@]}"; do
    read -r name op wanted <<<"$(sed -E 's/[()]//g' <<<"$clause")"
    installed=$(dpkg-query -W -f='${Version}' "$name" 2>/dev/null) || {
        fail "dependency $name is not a package installed here"
        continue
    }
    if [ -n "${op:-}" ] && ! dpkg --compare-versions "$installed" "$op" "$wanted"; then
        fail "dependency $name ($op $wanted) but $installed is installed"
    fi
done

# The fonts are recommended: the interface's, and the printed quotes' whose PDF text must
# copy as printed.
recommended=$(sed -E 's/, /\n/g' <<<"$(field Recommends)")
for package in fonts-noto-cjk fonts-wqy-microhei; do
    grep -qxF "$package" <<<"$recommended" || fail "Recommends lacks $package: $(field Recommends)"
done

dpkg-deb -c "$deb" >"$work/contents"
diff -u <(sed 's|^|./usr/|' "$here/installed_files.txt" | sort) \
    <(awk '$1 !~ /^d/ {print $6}' "$work/contents" | sort) ||
    fail "the package's files differ from the expected list"
grep -qE '^-rwxr-xr-x root/root .* \./usr/bin/lingzhou$' "$work/contents" ||
    fail "the program is not an executable owned by root"

dpkg-deb -x "$deb" "$work/unpacked"
program=$work/unpacked/usr/bin/lingzhou
kind=$(file -b "$program")
grep -qF ', stripped' <<<"$kind" || fail "the packaged program is not stripped: $kind"
expect_equal "packaged lingzhou --version" "lingzhou $version" \
    "$(cd "$work" && run_bare "$work" "$program" --version 2>&1)"
query=$work/unpacked/usr/bin/lingzhou-query
kind=$(file -b "$query")
grep -qF ', stripped' <<<"$kind" || fail "the packaged lingzhou-query is not stripped: $kind"
expect_equal "packaged lingzhou-query --version" "lingzhou-query $version" \
    "$(cd "$work" && run_bare "$work" "$query" --version 2>&1)"
shop=$work/unpacked/usr/bin/lingzhou-shop
kind=$(file -b "$shop")
grep -qF ', stripped' <<<"$kind" || fail "the packaged lingzhou-shop is not stripped: $kind"
# lingzhou-query hands "stock" to the lingzhou-shop beside it.
expect_equal "packaged lingzhou-query stock --version" "lingzhou-query $version" \
    "$(cd "$work" && run_bare "$work" "$query" stock --version 2>&1)"

finish
