#!/usr/bin/env bash
# Assembles the release package and its symbols from the builds:
# dist/scrubwell-VERSION.tar.gz and dist/scrubwell-VERSION-symbols.tar.gz.
# The DLLs ship as LLD made them, their PDBs go into the symbols archive; the
# GCC-built programs are stripped and name their DWARF file in the symbols
# archive (.gnu_debuglink). Every shipped PE is signed when a certificate is
# given (tools/sign-pe.sh), before the checksums are written. The archives
# depend only on their files and SOURCE_DATE_EPOCH (default: the last
# commit's time), which dates the archives' members.
# Usage: make-dist.sh BUILD VERSION
set -euo pipefail
build=$1
version=$2
package=scrubwell-$version
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || echo 0)}
root=$build/package/$package
symbols=$build/package/$package-symbols
rm -rf "$build/package"
mkdir -p "$root"/{x86,x64,linux,include,docs,samples,lib/cmake/Scrubwell,lib/pkgconfig/x86,lib/pkgconfig/x64} \
  "$symbols"/{x86,x64,linux}

# ship OBJCOPY BUILT FOLDER: the built program's DWARF into the symbols
# archive, and the stripped program into the package, with the link to its
# DWARF added.
ship() {
  local objcopy=$1 built=$2 folder=$3
  local name debug
  name=$(basename "$built")
  debug=$symbols/$folder/$name.debug
  # objcopy writes SOURCE_DATE_EPOCH into a PE header whose timestamp is 0.
  SOURCE_DATE_EPOCH=0 "$objcopy" --only-keep-debug "$built" "$debug"
  SOURCE_DATE_EPOCH=0 "$objcopy" --strip-all --add-gnu-debuglink="$debug" "$built" "$root/$folder/$name"
}
declare -A objcopy=([x86]=i686-w64-mingw32-objcopy [x64]=x86_64-w64-mingw32-objcopy)
for arch in x86 x64; do
  cp "dist/$arch/TidwexUI.dll" "$root/$arch/"
  cp "$build/$arch/bin/TidwexUI.pdb" "$symbols/$arch/"
  ship "${objcopy[$arch]}" "$build/$arch/bin/scrubwell-host.exe" $arch
  cp "$build/$arch"/lib/{libTidwexUI.dll.a,TidwexUI.lib,TidwexUI.def} "$root/$arch/"
  cp "$build/$arch/package/scrubwell.pc" "$root/lib/pkgconfig/$arch/"
done
ship "${objcopy[x64]}" "$build/x64/bin/scrubwell-block.exe" x64
ship objcopy "$build/native/bin/scrubwell-block" linux

cp "$build/x64/package/README.md" LICENSE CHANGELOG.md "$root/"
cp contract/scrubwell_effect.h block/effect_param_block.h "$root/include/"
cp docs/host-guide.md "$root/docs/"
cp samples/linked_host.c samples/loading_host.c samples/CMakeLists.txt "$root/samples/"
cp package/ScrubwellConfig.cmake "$build/x64/package/ScrubwellConfigVersion.cmake" "$root/lib/cmake/Scrubwell/"
cp THIRD-PARTY-NOTICES "$root/"
tools/sign-pe.sh $(find "$root" -name '*.dll' -o -name '*.exe' | LC_ALL=C sort)
tools/make-sbom.sh "$root" "$version" >"$root/scrubwell.spdx.json"
checksums() { (cd "$1" && find . -type f ! -name SHA256SUMS | sed 's|^\./||' | LC_ALL=C sort | xargs sha256sum >SHA256SUMS); }
checksums "$root"
checksums "$symbols"

archive() {
  tar --sort=name --mtime="@$SOURCE_DATE_EPOCH" --owner=0 --group=0 --numeric-owner -C "$build/package" -cf - "$1" \
    | gzip -n >"dist/$1.tar.gz"
}
mkdir -p dist
archive "$package"
archive "$package-symbols"
echo "dist: dist/$package.tar.gz dist/$package-symbols.tar.gz"
tar -tzf "dist/$package.tar.gz"
