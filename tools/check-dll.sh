#!/usr/bin/env bash
# Checks a shipped DLL (32- or 64-bit) without running it: the PE format, the
# module name in the export table, exactly the two exports by undecorated name,
# on x86 the bytes each export pops (stdcall), imports from system DLLs only,
# no unwinder or C++ exception runtime linked in, the hardening (ASLR with
# relocations, NX, high-entropy VA on x64, NO_SEH on x86, a stack protector, no
# section both writable and executable), a zero timestamp, no build folder in
# the DLL or its import libraries, and its size (at most 120 KiB).
# Usage: check-dll.sh UNSTRIPPED.dll SHIPPED.dll
# The import libraries are looked for in the lib/ folder beside the unstripped
# DLL's bin/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
built=$1
shipped=$2
failures=0
fail() { echo "check-dll: FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "check-dll: ok: $*"; }

format=$(x86_64-w64-mingw32-objdump -f "$shipped")
case $format in
  *"file format pei-i386"*) x86=1 prefix=i686-w64-mingw32 ;;
  *"file format pei-x86-64"*) x86=0 prefix=x86_64-w64-mingw32 ;;
  *) fail "$shipped is not a PE32 i386 or PE32+ x86-64 image"; exit 1 ;;
esac
objdump=$prefix-objdump
nm=$prefix-nm
pass "$(awk '/file format/ {print $NF; exit}' <<<"$format") image"

headers=$($objdump -p "$shipped")
module=$(awk '/^Name[ \t]/ {print $NF; exit}' <<<"$headers")
[ "$module" = "TidwexUI.dll" ] && pass "module name $module" || fail "module name is '$module'"

exports=$(awk '/\[Ordinal\/Name Pointer\] Table/ {t=1; next} t && /^\t\[/ {print $NF} t && !/^\t\[/ {t=0}' <<<"$headers" | sort | tr '\n' ' ')
[ "$exports" = "GetEffectInfo ShowEffectDialog " ] && pass "exports: $exports" || fail "exports are: $exports"

# On x86, each export's address must be the stdcall function, whose every
# return pops its arguments.
if [ "$x86" = 1 ]; then
  image_base=$((16#$(awk '/^ImageBase/ {print $2}' <<<"$headers")))
  declare -A pops=([GetEffectInfo]=0x14 [ShowEffectDialog]=0x24)
  declare -A decorated=([GetEffectInfo]=_GetEffectInfo@20 [ShowEffectDialog]=_ShowEffectDialog@36)
  for name in GetEffectInfo ShowEffectDialog; do
    symbol=${decorated[$name]}
    address=$($nm "$built" | awk -v s="$symbol" '$3 == s {print $1}')
    ordinal=$(awk -v n="$name" '/\[Ordinal\/Name Pointer\] Table/ {t=1; next} t && $NF == n {gsub(/[\[\]]/, "", $2); print $2; exit}' <<<"$headers")
    rva=$(awk -v o="$ordinal]" '/Export RVA$/ && $2 == o {print $5; exit}' <<<"$headers")
    if [ -z "$address" ] || [ $((16#$address)) -ne $((image_base + 16#$rva)) ]; then
      fail "$name is not exported as $symbol"
      continue
    fi
    # Up to the blank line that ends the function: a local function may follow.
    rets=$($objdump -d --disassemble="$symbol" "$built" | awk -v s="<$symbol>:" '$0 ~ s {f=1; next} f && /^$/ {f = 0} f' | grep -E '\sret' | awk '{print $NF}' | sort -u | tr '\n' ' ')
    [ "$rets" = "\$${pops[$name]} " ] && pass "$name returns with ret \$${pops[$name]}" || fail "$name returns with: $rets"
  done
fi

# advapi32: the stack protector's random canary.
imports=$(awk '/DLL Name:/ {print tolower($3)}' <<<"$headers" | sort -u | tr '\n' ' ')
allowed=" kernel32.dll user32.dll gdi32.dll comctl32.dll msvcrt.dll advapi32.dll "
for dll in $imports; do
  [[ "$allowed" == *" $dll "* ]] || fail "imports from $dll"
done
pass "imports: $imports"

symbols=$($nm "$built" | awk '{print $NF}')
# The library is built without C++ exceptions: a throw could not be caught in
# a process where another module's unwinder has taken the unwind tables.
runtime=$(grep -E '^_*(_Unwind_RaiseException|_Unwind_Resume|__cxa_throw|__cxa_begin_catch|__gxx_personality)' <<<"$symbols" | sort -u | tr '\n' ' ' || true)
[ -z "$runtime" ] && pass "no unwinder or exception runtime" || fail "exception runtime linked: $runtime"

# The PE header's fields, read from the file: little-endian at fixed offsets.
u16() { od -An -tu2 -j "$2" -N2 "$1" | tr -d ' '; }
u32() { od -An -tu4 -j "$2" -N4 "$1" | tr -d ' '; }
pe=$(u32 "$shipped" 60)
optional=$((pe + 24))
flags=$(u16 "$shipped" $((optional + 70)))
declare -A bit=([HIGH_ENTROPY_VA]=0x20 [DYNAMIC_BASE]=0x40 [NX_COMPAT]=0x100 [NO_SEH]=0x400)
wanted="DYNAMIC_BASE NX_COMPAT"
[ "$x86" = 1 ] && wanted+=" NO_SEH" || wanted+=" HIGH_ENTROPY_VA"
for name in $wanted; do
  (((flags & bit[$name]) != 0)) && pass "DllCharacteristics has $name" || fail "DllCharacteristics lacks $name"
done
# ASLR moves only an image that keeps its relocations.
sections=$($objdump -h "$shipped")
grep -qE '^ +[0-9]+ \.reloc ' <<<"$sections" && pass "relocations kept" || fail "no .reloc section"
# objdump prints each section's flags on the line after its name.
writable_code=$(awk '/^ +[0-9]+ / {name=$2; next} /CODE/ && !/READONLY/ {print name}' <<<"$sections" | tr '\n' ' ')
[ -z "$writable_code" ] && pass "no section both writable and executable" || fail "writable and executable: $writable_code"

# Functions compiled with the stack protector call __stack_chk_fail when their
# canary was overwritten.
protected=$($objdump -d "$built" | grep -cE 'call +[0-9a-f]+ <_*__stack_chk_fail>' || true)
[ "$protected" -gt 0 ] && pass "stack protector in $protected places" || fail "no function checks a stack canary"

# Reproducible: two builds of one commit give the same bytes when nothing in
# them says when or where they were built.
stamp=$(u32 "$shipped" $((pe + 8)))
[ "$stamp" = 0 ] && pass "PE timestamp 0" || fail "PE timestamp $stamp"
lib=$(dirname "$built")/../lib
for file in "$shipped" "$lib/libTidwexUI.dll.a" "$lib/TidwexUI.lib"; do
  if [ ! -e "$file" ]; then
    fail "$file is missing"
  elif grep -qaF -e "$root" -e "${root//\//_}" "$file"; then
    fail "$file names the build folder $root"
  else
    pass "no build folder in $(basename "$file")"
  fi
done

size=$(stat -c %s "$shipped")
limit=122880
[ "$size" -le "$limit" ] && pass "$size bytes in $shipped (limit $limit)" || fail "$shipped is $size bytes, above $limit"
[ "$failures" -eq 0 ] || exit 1
