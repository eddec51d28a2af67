#!/usr/bin/env bash
# Builds the Debian package into the build folder and checks it as a user
# would meet it: what it holds and needs, that its programs run from it, and
# that lintian, the AppStream and desktop-entry validators and bash accept
# its files. Nothing is installed on this machine.
# Usage: check-package.sh BUILD_DIR
set -euo pipefail
build=$1
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

deb=$build/vantir_1.0.0_amd64.deb
rm -f "$deb"
(cd "$build" && cpack -G DEB >"$scratch/cpack.log" 2>&1) || { cat "$scratch/cpack.log"; fail "cpack"; }
[[ -f $deb ]] || fail "cpack made no $deb"

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for path in usr/bin/vantir usr/bin/vantir-cli usr/share/vantir/vantir_de_DE.qm usr/share/vantir/vantir_en.qm \
    usr/share/icons/hicolor/48x48/apps/vantir.png \
    usr/share/applications/example.drosvane.vantir.desktop \
    usr/share/metainfo/example.drosvane.vantir.metainfo.xml \
    usr/share/man/man1/vantir.1.gz usr/share/man/man1/vantir-cli.1.gz \
    usr/share/bash-completion/completions/vantir-cli usr/share/doc/vantir/copyright \
    "usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/vantir/vantir-cli-pictures.so"; do
    grep -qx "\./$path" <<<"$contents" || fail "the package lacks $path"
done

# Computed from the programs by dpkg-shlibdeps, with versions, besides the
# toolkit's catalogues named by hand.
depends=$(dpkg-deb -f "$deb" Depends)
for needed in 'libqt5core5a (>= ' 'libqt5widgets5 (>= ' 'libc6 (>= ' qttranslations5-l10n; do
    [[ $depends == *"$needed"* ]] || fail "Depends lacks '$needed': $depends"
done
[[ $(dpkg-deb -f "$deb" Section) == electronics ]] || fail "section"

dpkg-deb -x "$deb" "$scratch/root"
root=$scratch/root
answer=$("$root/usr/bin/vantir-cli")
[[ $answer == *"EN 50494: E0 10 5A 0C F6 "*"EN 50607: 70 03 E8 03 "* ]] ||
    fail "the packaged vantir-cli answered: $answer"
"$root/usr/bin/vantir-cli" wave --standard en50494 -o "$scratch/wave.svg" >/dev/null ||
    fail "the packaged vantir-cli cannot draw"
grep -qx 'Path=/usr/share/vantir' "$root/usr/share/applications/example.drosvane.vantir.desktop" ||
    fail "the desktop entry does not start in /usr/share/vantir"

# Every option of the tool's help appears in its manual page.
page=$(zcat "$root/usr/share/man/man1/vantir-cli.1.gz" | sed 's/\\-/-/g')
for command in encode decode table wave plan; do
    for option in $("$root/usr/bin/vantir-cli" $command --help | grep -o -- '--[a-z-]*' | sort -u); do
        [[ $page == *"$option"* ]] || fail "the manual page lacks $command $option"
    done
done

check() {
    local output
    output=$("$@" 2>&1) || { echo "$output" >&2; fail "$1"; }
}
check desktop-file-validate "$root/usr/share/applications/example.drosvane.vantir.desktop"
check appstreamcli validate --no-net "$root/usr/share/metainfo/example.drosvane.vantir.metainfo.xml"
check lintian --fail-on error,warning "$deb"

PATH=$root/usr/bin:$PATH "$here/check-completion.sh" \
    "$root/usr/share/bash-completion/completions/vantir-cli" || fail "completion"
echo "package checked: $(dpkg-deb -f "$deb" Package Version Architecture | xargs)"
