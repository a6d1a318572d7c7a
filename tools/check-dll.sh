#!/usr/bin/env bash
# Checks the shipped 32-bit DLL without running it: PE32 for i386, the module
# name in the export table, exactly the two exports by undecorated name, the
# bytes each export pops (stdcall), imports from system DLLs only, no unwinder
# or C++ exception runtime linked in, and its size (at most 120 KiB).
# Usage: check-dll.sh UNSTRIPPED.dll SHIPPED.dll
set -euo pipefail
built=$1
shipped=$2
objdump=i686-w64-mingw32-objdump
nm=i686-w64-mingw32-nm
failures=0
fail() { echo "check-dll: FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "check-dll: ok: $*"; }

headers=$($objdump -p "$shipped")
[[ $($objdump -f "$shipped") == *"file format pei-i386"* ]] && pass "PE32 i386 image" || fail "not a PE32 i386 image"

module=$(awk '/^Name[ \t]/ {print $NF; exit}' <<<"$headers")
[ "$module" = "TidwexUI.dll" ] && pass "module name $module" || fail "module name is '$module'"

exports=$(awk '/\[Ordinal\/Name Pointer\] Table/ {t=1; next} t && /^\t\[/ {print $NF} t && !/^\t\[/ {t=0}' <<<"$headers" | sort | tr '\n' ' ')
[ "$exports" = "GetEffectInfo ShowEffectDialog " ] && pass "exports: $exports" || fail "exports are: $exports"

# Each export's address must be the stdcall function, whose every return pops its arguments.
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

imports=$(awk '/DLL Name:/ {print tolower($3)}' <<<"$headers" | sort -u | tr '\n' ' ')
allowed=" kernel32.dll user32.dll gdi32.dll comctl32.dll msvcrt.dll advapi32.dll "
for dll in $imports; do
  [[ "$allowed" == *" $dll "* ]] || fail "imports from $dll"
done
pass "imports: $imports"

# The library is built without C++ exceptions: a throw could not be caught in
# a process where another module's unwinder has taken the unwind tables.
runtime=$($nm "$built" | awk '{print $NF}' | grep -E '^_*(_Unwind_RaiseException|_Unwind_Resume|__cxa_throw|__cxa_begin_catch|__gxx_personality)' | sort -u | tr '\n' ' ' || true)
[ -z "$runtime" ] && pass "no unwinder or exception runtime" || fail "exception runtime linked: $runtime"

size=$(stat -c %s "$shipped")
limit=122880
[ "$size" -le "$limit" ] && pass "$size bytes in $shipped (limit $limit)" || fail "$shipped is $size bytes, above $limit"
[ "$failures" -eq 0 ] || exit 1
