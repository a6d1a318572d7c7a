#!/usr/bin/env bash
# The release package as a host author uses it, unpacked from `make dist`'s
# archive: its checksums and README links; the version in the header, in
# project() and in the version resources; the PDBs of the shipped DLLs; the
# SBOM; signing; the public headers in every dialect with every compiler; the samples,
# as the host guide prints them, built by their CMake project, by pkg-config
# and by hand for x86 and x64, linked through the import libraries and run
# under Wine while a second process presses the dialog's buttons.
# Usage: host_package_test.sh SOURCE_DIR ARCHIVE
set -u
src=$1
archive=$2
declare -A triple=([x64]=x86_64-w64-mingw32 [x86]=i686-w64-mingw32)
declare -A toolchain=([x64]=mingw-x86_64 [x86]=mingw-i686)
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
passed=0
failed=0

# check DESCRIPTION COMMAND...: the command must succeed without a word of output.
check() {
  local what=$1
  shift
  if "$@" >"$dir/log" 2>&1 && [ ! -s "$dir/log" ]; then passed=$((passed + 1)); else
    failed=$((failed + 1)); echo "FAIL: $what"; head -20 "$dir/log"; fi
}

# built DESCRIPTION COMMAND...: the command must succeed; its output is shown only when it fails.
built() {
  local what=$1
  shift
  if "$@" >"$dir/log" 2>&1; then passed=$((passed + 1)); else
    failed=$((failed + 1)); echo "FAIL: $what"; tail -20 "$dir/log"; fi
}
# imports DESCRIPTION EXE: the decorated x86 names must arrive as the DLL's undecorated ones.
imports() {
  local table
  table=$("${triple[$arch]}-objdump" -p "$2" 2>/dev/null | sed -n '/DLL Name: TidwexUI.dll/,/^$/p')
  for function in GetEffectInfo ShowEffectDialog; do
    grep -qE "[0-9] +$function\$" <<<"$table" && passed=$((passed + 1)) \
      || { failed=$((failed + 1)); echo "FAIL: $1: $2 does not import $function from TidwexUI.dll"; }
  done
}

[ -f "$archive" ] || { echo "FAIL: no $archive: run make dist first"; exit 1; }
tar -xzf "$archive" -C "$dir" && tar -xzf "${archive%.tar.gz}-symbols.tar.gz" -C "$dir" \
  || { echo "FAIL: cannot unpack $archive and its symbols"; exit 1; }
pkg=$dir/$(basename "$archive" .tar.gz)
symbols=$pkg-symbols
check "SHA256SUMS" bash -c "cd '$pkg' && sha256sum --quiet --strict -c SHA256SUMS"
check "SHA256SUMS lists every file" bash -c "cd '$pkg' && diff <(find . -type f ! -name SHA256SUMS | cut -c3- | sort) \
  <(cut -c67- SHA256SUMS | sort)"
for link in $(grep -oE '\]\([^)]+\)' "$pkg/README.md" | sed -E 's/^\]\((.*)\)$/\1/' | sort -u); do
  [ -e "$pkg/$link" ] && passed=$((passed + 1)) || { failed=$((failed + 1)); echo "FAIL: README.md links to $link"; }
done

# One version: project(), the header's macros, the DLL's resource (read by
# loading_host below) and the package's name.
version=$(grep -oE 'project\(Scrubwell VERSION [0-9.]+' "$src/CMakeLists.txt" | cut -d' ' -f3)
macros=$(printf '#include "scrubwell_effect.h"\nSCRUBWELL_VERSION_MAJOR SCRUBWELL_VERSION_MINOR SCRUBWELL_VERSION_PATCH SCRUBWELL_VERSION_STRING\n' \
  | gcc -E -P -I"$pkg/include" -x c - | tail -1)
[ "$macros" = "${version//./ } \"$version\"" ] && [[ $pkg == */scrubwell-$version ]] && passed=$((passed + 1)) \
  || { failed=$((failed + 1)); echo "FAIL: project() says $version, the header '$macros', the package $(basename "$pkg")"; }

# A crash offset in the shipped DLL leads through its PDB to the source, as
# the guide shows: each export's address, relative to the image.
check "the symbols' SHA256SUMS" bash -c "cd '$symbols' && sha256sum --quiet --strict -c SHA256SUMS"
for arch in x86 x64; do
  mkdir -p "$dir/resolve-$arch"
  cp "$pkg/$arch/TidwexUI.dll" "$symbols/$arch/TidwexUI.pdb" "$dir/resolve-$arch/"
  for function in GetEffectInfo ShowEffectDialog; do
    rva=$(llvm-readobj --coff-exports "$pkg/$arch/TidwexUI.dll" | awk -v f="$function" '$2 == f {getline; print $2}')
    where=$(llvm-symbolizer --relative-address --obj="$dir/resolve-$arch/TidwexUI.dll" "$rva" | tr '\n\\' ' /')
    [[ $where == "$function exports/exports.cpp:"[0-9]* ]] && passed=$((passed + 1)) \
      || { failed=$((failed + 1)); echo "FAIL: $arch: $function at $rva resolves to: $where"; }
  done
done

# The SBOM: SPDX 2.3 JSON that lists every other file with its SHA-256.
sbom=$pkg/scrubwell.spdx.json
check "scrubwell.spdx.json is SPDX 2.3" test "$(jq -r .spdxVersion "$sbom" 2>&1)" = SPDX-2.3
check "scrubwell.spdx.json lists every file with its SHA-256" bash -c "cd '$pkg' && diff \
  <(find . -type f ! -name SHA256SUMS ! -name scrubwell.spdx.json | LC_ALL=C sort | xargs sha256sum) \
  <(jq -r '.files[] | (.checksums[] | select(.algorithm == \"SHA256\") | .checksumValue) + \"  \" + .fileName' \
    scrubwell.spdx.json | LC_ALL=C sort -k2)"

# Every shipped program's version resource: its file, the version, the copyright.
for exe in x86/scrubwell-host.exe x64/scrubwell-host.exe x64/scrubwell-block.exe x86/TidwexUI.dll x64/TidwexUI.dll; do
  text=$(strings -el "$pkg/$exe" | tr '\n' '|')
  for field in "OriginalFilename|$(basename "$exe")" "FileVersion|$version" \
    "LegalCopyright|Copyright (c) 2026 The Scrubwell developers"; do
    [[ $text == *"|$field|"* ]] && passed=$((passed + 1)) \
      || { failed=$((failed + 1)); echo "FAIL: $exe's version resource lacks ${field/|/ }"; }
  done
done

# Signing as make dist does with a certificate: one made here, verified
# against itself as the CA; a changed byte breaks the signature.
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Scrubwell test signer" -addext extendedKeyUsage=codeSigning \
  -keyout "$dir/key.pem" -out "$dir/cert.pem" >/dev/null 2>&1
for arch in x86 x64; do
  cp "$pkg/$arch/TidwexUI.dll" "$dir/signed-$arch.dll"
  built "$arch: sign-pe.sh signs" env SCRUBWELL_SIGN_CERT="$dir/cert.pem" SCRUBWELL_SIGN_KEY="$dir/key.pem" \
    "$src/tools/sign-pe.sh" "$dir/signed-$arch.dll"
  built "$arch: the signature verifies" osslsigncode verify -CAfile "$dir/cert.pem" -in "$dir/signed-$arch.dll"
  byte=$(od -An -tu1 -j 4096 -N1 "$dir/signed-$arch.dll")
  printf "\\x$(printf %02x $((byte ^ 255)))" | dd of="$dir/signed-$arch.dll" bs=1 seek=4096 conv=notrunc 2>/dev/null
  osslsigncode verify -CAfile "$dir/cert.pem" -in "$dir/signed-$arch.dll" >/dev/null 2>&1 \
    && { failed=$((failed + 1)); echo "FAIL: $arch: a changed byte still verifies"; } || passed=$((passed + 1))
done

strict=(-Wall -Wextra -pedantic-errors -Werror -I"$pkg/include")

# Compilers: name, architecture, C compiler, C++ compiler.
compilers=(
  "gcc x86 ${triple[x86]}-gcc ${triple[x86]}-g++"
  "gcc x64 ${triple[x64]}-gcc ${triple[x64]}-g++"
  "clang x86 clang clang++"
  "clang x64 clang clang++"
)
dialects=(c89 c99 c11 c++98 c++11 c++17)

# The shipped guide's samples, cut out of the Markdown exactly as printed: each C block
# names its file on its first line.
awk -v dir="$dir" '
  /^```c$/ { getline; file = $2; sub(/:$/, "", file); print > (dir "/" file); next }
  /^```$/ { file = "" }
  file { print > (dir "/" file) }' "$pkg/docs/host-guide.md"
samples=(linked_host loading_host)
for sample in "${samples[@]}"; do
  check "the guide prints samples/$sample.c as shipped" diff "$dir/$sample.c" "$pkg/samples/$sample.c"
done

for entry in "${compilers[@]}"; do
  read -r name arch cc cxx <<<"$entry"
  target=()
  link=()
  if [ "$name" = clang ]; then
    target=(--target="${triple[$arch]}")
    link=(-fuse-ld=lld -L"$(dirname "$("${triple[$arch]}-gcc" -print-libgcc-file-name)")")
  fi
  for dialect in "${dialects[@]}"; do
    language=c compiler=$cc
    [[ $dialect == c++* ]] && language=c++ compiler=$cxx
    check "$name $arch $dialect: the public headers" \
      bash -c "echo '#include \"scrubwell_effect.h\"' | $compiler ${target[*]} -x $language -std=$dialect ${strict[*]} -fsyntax-only -"
  done
  for sample in "${samples[@]}"; do
    check "$name $arch: $sample.c as C++" "$cxx" "${target[@]}" -x c++ -Wall -Wextra -Werror -I"$pkg/include" \
      -fsyntax-only "$pkg/samples/$sample.c"
  done
  check "$name $arch: loading_host.c" "$cc" "${target[@]}" "${link[@]}" -Wall -Wextra -Werror -I"$pkg/include" \
    -o "$dir/loading_host-$name-$arch.exe" "$pkg/samples/loading_host.c" -lversion
  # TidwexUI.lib, as an MSVC host links it, with the functions declared dllimport.
  for entry in libTidwexUI.dll.a "TidwexUI.lib -DSCRUBWELL_DLLIMPORT"; do
    read -r library define <<<"$entry"
    exe=$dir/linked_host-$name-$arch-$library.exe
    check "$name $arch: linked_host.c through $entry" "$cc" "${target[@]}" "${link[@]}" -Wall -Wextra -Werror \
      -I"$pkg/include" $define -o "$exe" "$pkg/samples/linked_host.c" "$pkg/$arch/$library"
    imports "$name $arch $library" "$exe"
  done
done

# The samples' CMake project against the package, and a pkg-config build.
for arch in x86 x64; do
  built "$arch: samples/CMakeLists.txt configures" cmake -S "$pkg/samples" -B "$dir/cmake-$arch" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$src/cmake/${toolchain[$arch]}.cmake" -DCMAKE_PREFIX_PATH="$pkg" \
    -DCMAKE_C_FLAGS="-Wall -Wextra -Werror"
  built "$arch: samples/CMakeLists.txt builds" cmake --build "$dir/cmake-$arch"
  imports "$arch CMake" "$dir/cmake-$arch/linked_host.exe"
  flags=$(PKG_CONFIG_PATH=$pkg/lib/pkgconfig/$arch pkg-config --cflags --libs scrubwell)
  check "$arch: linked_host.c with pkg-config's $flags" "${triple[$arch]}-gcc" -Wall -Wextra -Werror \
    -o "$dir/pkg-config-$arch.exe" "$pkg/samples/linked_host.c" $flags
  imports "$arch pkg-config" "$dir/pkg-config-$arch.exe"
done

# The x64 samples under Wine: the host runs the dialog; a second process finds
# it as the guide says and presses a button, after the host has greyed the
# one named third. Runs: sample, host caption, button, greyed button, the
# lines the host must print, separated by ';'. They run as the samples' CMake
# project built them for x64, beside the package's DLL.
run=$dir/cmake-x64
check "the button presser" "${triple[x64]}-gcc" -Wall -Wextra -Werror -I"$pkg/include" -o "$run/press.exe" \
  "$src/tests/package/press_dialog_button.c"
wine=$src/tools/wine-run.sh
runs=(
  "linked_host|Linked host|&Start Processing||Scrubwell: ShowEffectDialog returned 0, EffectFlags 0x0000"
  "loading_host|Loading host|Cancel|&Start Processing|TidwexUI.dll $version, header $version;Scrubwell: ShowEffectDialog returned 2"
)
for entry in "${runs[@]}"; do
  IFS='|' read -r sample caption button greyed expected <<<"$entry"
  (cd "$run" && timeout 60 "$wine" "$sample.exe" >"$dir/out" 2>&1) &
  host=$!
  (cd "$run" && timeout 60 "$wine" press.exe "$caption" "$button" ${greyed:+"$greyed"}) >"$dir/press" 2>&1 \
    || { failed=$((failed + 1)); echo "FAIL: $sample: pressing $button"; cat "$dir/press"; }
  wait "$host"
  IFS=';' read -ra lines <<<"$expected"
  for line in "${lines[@]}"; do
    tr -d '\r' <"$dir/out" | grep -qxF "$line" && passed=$((passed + 1)) \
      || { failed=$((failed + 1)); echo "FAIL: $sample ($button) did not print '$line':"; cat "$dir/out"; }
  done
done

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
