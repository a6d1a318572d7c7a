#!/usr/bin/env bash
# The release package as a host author uses it: the public headers in every
# dialect with every compiler, and the host guide's two samples as printed,
# built for x86 and x64, linked through the import libraries and run under
# Wine while a second process presses the dialog's buttons.
# Usage: host_package_test.sh SOURCE_DIR X64_BUILD X86_BUILD
set -u
src=$1
declare -A build=([x64]=$2 [x86]=$3)
declare -A triple=([x64]=x86_64-w64-mingw32 [x86]=i686-w64-mingw32)
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

# The package's include/ holds both headers side by side.
mkdir -p "$dir/include"
cp "$src/contract/scrubwell_effect.h" "$src/block/effect_param_block.h" "$dir/include/"
strict=(-Wall -Wextra -pedantic-errors -Werror -I"$dir/include")

# Compilers: name, architecture, C compiler, C++ compiler.
compilers=(
  "gcc x86 ${triple[x86]}-gcc ${triple[x86]}-g++"
  "gcc x64 ${triple[x64]}-gcc ${triple[x64]}-g++"
  "clang x86 clang clang++"
  "clang x64 clang clang++"
)
dialects=(c89 c99 c11 c++98 c++11 c++17)

# The guide's samples, cut out of the Markdown exactly as printed: each C block
# names its file on its first line.
awk -v dir="$dir" '
  /^```c$/ { getline; file = $2; sub(/:$/, "", file); print > (dir "/" file); next }
  /^```$/ { file = "" }
  file { print > (dir "/" file) }' "$src/docs/host-guide.md"
samples=(linked_host loading_host)
for sample in "${samples[@]}"; do
  [ -s "$dir/$sample.c" ] && passed=$((passed + 1)) || { failed=$((failed + 1)); echo "FAIL: no $sample.c in the guide"; }
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
    check "$name $arch: $sample.c as C++" "$cxx" "${target[@]}" -x c++ -Wall -Wextra -Werror -I"$dir/include" \
      -fsyntax-only "$dir/$sample.c"
  done
  lib=${build[$arch]}/lib
  check "$name $arch: loading_host.c" "$cc" "${target[@]}" "${link[@]}" -Wall -Wextra -Werror -I"$dir/include" \
    -o "$dir/loading_host-$name-$arch.exe" "$dir/loading_host.c"
  for library in libTidwexUI.dll.a TidwexUI.lib; do
    exe=$dir/linked_host-$name-$arch-$library.exe
    check "$name $arch: linked_host.c through $library" "$cc" "${target[@]}" "${link[@]}" -Wall -Wextra -Werror \
      -I"$dir/include" -o "$exe" "$dir/linked_host.c" "$lib/$library"
    # The decorated x86 names must arrive as the DLL's undecorated ones.
    imports=$("${triple[$arch]}-objdump" -p "$exe" 2>/dev/null | sed -n '/DLL Name: TidwexUI.dll/,/^$/p')
    for function in GetEffectInfo ShowEffectDialog; do
      grep -qE "[0-9] +$function\$" <<<"$imports" && passed=$((passed + 1)) \
        || { failed=$((failed + 1)); echo "FAIL: $name $arch $library: $exe does not import $function from TidwexUI.dll"; }
    done
  done
done

# The x64 samples under Wine: the host runs the dialog; a second process finds
# it as the guide says and presses a button, after the host has greyed the
# one named third. Runs: sample, host caption, button, greyed button, the
# line the host must print.
mkdir -p "$dir/run"
cp "${build[x64]}/bin/TidwexUI.dll" "$dir/run/"
cp "$dir/linked_host-gcc-x64-TidwexUI.lib.exe" "$dir/run/linked_host.exe"
cp "$dir/loading_host-gcc-x64.exe" "$dir/run/loading_host.exe"
check "the button presser" "${triple[x64]}-gcc" -Wall -Wextra -Werror -I"$dir/include" -o "$dir/run/press.exe" \
  "$src/tests/package/press_dialog_button.c"
wine=$src/tools/wine-run.sh
runs=(
  "linked_host|Linked host|&Start Processing||Scrubwell: ShowEffectDialog returned 0, EffectFlags 0x0000"
  "loading_host|Loading host|Cancel|&Start Processing|Scrubwell: ShowEffectDialog returned 2"
)
for run in "${runs[@]}"; do
  IFS='|' read -r sample caption button greyed expected <<<"$run"
  (cd "$dir/run" && timeout 60 "$wine" "$sample.exe" >"$dir/out" 2>&1) &
  host=$!
  (cd "$dir/run" && timeout 60 "$wine" press.exe "$caption" "$button" ${greyed:+"$greyed"}) >"$dir/press" 2>&1 \
    || { failed=$((failed + 1)); echo "FAIL: $sample: pressing $button"; cat "$dir/press"; }
  wait "$host"
  tr -d '\r' <"$dir/out" | grep -qxF "$expected" && passed=$((passed + 1)) \
    || { failed=$((failed + 1)); echo "FAIL: $sample ($button) did not print '$expected':"; cat "$dir/out"; }
done

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
