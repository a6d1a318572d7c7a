#!/usr/bin/env bash
# Checks a shipped DLL (32- or 64-bit) and its PDB without running it: the PE
# format, the module name in the export table, exactly the two exports by
# undecorated name, on x86 the bytes each export pops (stdcall), imports from
# system DLLs only, no unwinder or C++ exception runtime linked in, the
# hardening (ASLR with relocations, NX, high-entropy VA on x64, NO_SEH on x86,
# Control Flow Guard with its function table, CET compatibility, a stack
# protector whose guard is the load configuration's security cookie, no
# section both writable and executable), a CodeView entry that names the PDB
# without a folder and matches it, on x86 Windows XP's OS and subsystem
# version, a timestamp made from the contents, no build folder in the DLL, its
# PDB or its import libraries, and its size (at most 120 KiB).
# Everything is read with LLVM's tools, whose output does not change with the
# binutils of the machine: llvm-readobj for the headers and tables, the PDB
# (llvm-pdbutil) for where functions are, llvm-objdump for their code.
# Usage: check-dll.sh BUILT.dll SHIPPED.dll
# The PDB is looked for beside the built DLL, the import libraries in the lib/
# folder beside its bin/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
built=$1
shipped=$2
pdb=${built%.dll}.pdb
failures=0
fail() { echo "check-dll: FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "check-dll: ok: $*"; }
# has DESCRIPTION CONDITION...: passes or fails on the condition.
has() {
  local what=$1
  shift
  if "$@"; then pass "$what"; else fail "$what"; fi
}
# value KEY TEXT: the first "KEY: value" of llvm-readobj's output.
value() { awk -v k="$1:" '$1 == k {print $2; exit}' <<<"$2"; }
# flags KEY TEXT: the number of a flags field, which llvm-readobj prints as
# "KEY: 0x..." or, from LLVM 15 on, as "KEY [ (0x...)" with the flags' names below.
flags() { awk -v k="$1" '$1 == k || $1 == k ":" {match($0, /0x[0-9A-Fa-f]+/); print substr($0, RSTART, RLENGTH); exit}' <<<"$2"; }

readobj() { llvm-readobj "$@" "$shipped"; }
headers=$(readobj --file-headers)
case $(value Format "$headers") in
  COFF-i386) x86=1 ;;
  COFF-x86-64) x86=0 ;;
  *) fail "$shipped is not a PE32 i386 or PE32+ x86-64 image"; exit 1 ;;
esac
pass "$(value Format "$headers") image"
image_base=$(($(value ImageBase "$headers")))

# File offsets of RVAs, from the section table.
sections=$(readobj --sections | awk '$1 == "Name:" {name=$2} $1 == "VirtualSize:" {size=$2}
  $1 == "VirtualAddress:" {va=$2} $1 == "PointerToRawData:" {print name, size, va, $2}')
offset() {
  local rva=$(($1)) name size va raw
  while read -r name size va raw; do
    if ((rva >= va && rva < va + size)); then echo $((rva - va + raw)); return; fi
  done <<<"$sections"
  echo -1
}
read_string() {
  local text
  text=$(dd if="$shipped" bs=1 skip="$(offset "$1")" count=260 status=none | tr '\0' '\n')
  echo "${text%%$'\n'*}"
}
read_word() { od -An -t"u$2" -j "$(offset "$1")" -N"$2" "$shipped" | tr -d ' '; }
pointer_size=$((x86 ? 4 : 8))

export_directory=$(value ExportTableRVA "$headers")
module=$(read_string "$(read_word $((export_directory + 12)) 4)")
[ "$module" = "TidwexUI.dll" ] && pass "module name $module" || fail "module name is '$module'"

exports_table=$(readobj --coff-exports | awk '$1 == "Name:" {name=$2} $1 == "RVA:" && name != "" {print name, $2; name=""}')
exports=$(cut -d' ' -f1 <<<"$exports_table" | sort | tr '\n' ' ')
[ "$exports" = "GetEffectInfo ShowEffectDialog " ] && pass "exports: $exports" || fail "exports are: $exports"

# The PDB: where each function is (section:offset, its size) and the public symbols.
[ -f "$pdb" ] || { fail "no PDB $pdb"; exit 1; }
section_rvas=$(awk '{print $3}' <<<"$sections")
# rva SECTION:OFFSET: the PDB counts sections from 1 and offsets in decimal.
rva() { echo $(($(sed -n "$((10#${1%%:*}))p" <<<"$section_rvas") + 10#${1##*:})); }
procedures=$(llvm-pdbutil dump --symbols "$pdb" | grep -oE 'addr = [0-9]+:[0-9]+, code size = [0-9]+' \
  | awk '{print $3, $7}' | tr -d ',')
publics=$(llvm-pdbutil dump --publics "$pdb" | awk '/S_PUB32/ {gsub(/`/, "", $NF); name=$NF}
  /addr = / {sub(/.*addr = /, ""); print name, $1}')
public_rva() { rva "$(awk -v n="$1" '$1 == n {print $2; exit}' <<<"$publics")"; }
disassembly=$(llvm-objdump -d --no-show-raw-insn "$shipped")

# On x86 each export is the stdcall function, every return of which pops its
# arguments.
if [ "$x86" = 1 ]; then
  declare -A pops=([GetEffectInfo]=20 [ShowEffectDialog]=36)
  for name in GetEffectInfo ShowEffectDialog; do
    start=$(($(awk -v n="$name" '$1 == n {print $2}' <<<"$exports_table")))
    size=$(while read -r where bytes; do [ "$(rva "$where")" != "$start" ] || echo "$bytes"; done <<<"$procedures")
    if [ -z "$size" ]; then
      fail "the PDB has no function at $name's address"
      continue
    fi
    rets=$(llvm-objdump -d --no-show-raw-insn --start-address=$((image_base + start)) \
      --stop-address=$((image_base + start + size)) "$shipped" | awk '$2 ~ /^ret/ {sub(/^\$/, "", $3); print $3}' |
      while read -r n; do echo $((n)); done | sort -u | tr '\n' ' ')
    # The immediate in decimal or, from LLVM 15 on, in hexadecimal: compared as numbers.
    [ "$rets" = "${pops[$name]} " ] && pass "$name returns with ret \$${pops[$name]}" || fail "$name returns with: $rets"
  done
fi

# advapi32: the stack protector's random canary.
imports=$(readobj --coff-imports | awk '$1 == "Name:" && /\.dll$|\.DLL$/ {print tolower($2)}' | sort -u | tr '\n' ' ')
allowed=" kernel32.dll user32.dll gdi32.dll comctl32.dll msvcrt.dll advapi32.dll "
for dll in $imports; do
  [[ "$allowed" == *" $dll "* ]] || fail "imports from $dll"
done
pass "imports: $imports"

# The library is built without C++ exceptions: a throw could not be caught in
# a process where another module's unwinder has taken the unwind tables.
runtime=$(awk '{print $1}' <<<"$publics" | grep -E '^_*(_Unwind_RaiseException|_Unwind_Resume|__cxa_throw|__cxa_begin_catch|__gxx_personality)' \
  | sort -u | tr '\n' ' ' || true)
[ -z "$runtime" ] && pass "no unwinder or exception runtime" || fail "exception runtime linked: $runtime"

wanted="DYNAMIC_BASE NX_COMPAT GUARD_CF"
[ "$x86" = 1 ] && wanted+=" NO_SEH" || wanted+=" HIGH_ENTROPY_VA"
for name in $wanted; do
  has "DllCharacteristics has $name" grep -q "IMAGE_DLL_CHARACTERISTICS_$name " <<<"$headers"
done
# ASLR moves only an image that keeps its relocations.
has "relocations kept" grep -q '^\.reloc ' <<<"$sections"
writable_code=$(readobj --sections | awk '$1 == "Name:" {name=$2} /IMAGE_SCN_MEM_EXECUTE/ {x[name]=1}
  /IMAGE_SCN_MEM_WRITE/ {w[name]=1} END {for (n in x) if (n in w) print n}' | tr '\n' ' ')
[ -z "$writable_code" ] && pass "no section both writable and executable" || fail "writable and executable: $writable_code"

# Control Flow Guard: instrumented, with its function table, and the check
# the loader replaces.
config=$(readobj --coff-load-config)
guard_flags=$(($(flags GuardFlags "$config")))
has "CFG instrumented with a function table (GuardFlags $guard_flags)" test $((guard_flags & 0x500)) = $((0x500))
has "CFG function table of $(value GuardCFFunctionCount "$config") functions" \
  test "$(value GuardCFFunctionCount "$config")" -gt 0 -a "$(($(value GuardCFFunctionTable "$config")))" -ne 0
has "CFG check function pointer" test "$(($(value GuardCFCheckFunction "$config")))" -ne 0

# The stack protector: functions call __stack_chk_fail when their canary was
# overwritten; the canary's guard is the load configuration's cookie, at its
# default value until the library seeds it.
fail_address=$(printf '%x' $((image_base + $(public_rva "$(((x86)) && echo _)__stack_chk_fail"))))
protected=$(grep -cE "call[lq]?[[:space:]]+0x0*$fail_address\b" <<<"$disassembly" || true)
[ "$protected" -gt 0 ] && pass "stack protector in $protected places" || fail "no function checks a stack canary"
cookie=$(($(value SecurityCookie "$config")))
guard=$(public_rva "$(((x86)) && echo _)__stack_chk_guard")
[ "$x86" = 1 ] && default_cookie=$((0xBB40E64E)) || default_cookie=$((0x00002B992DDFA232))
# A runtime with a load configuration of its own (MinGW-w64 11 and later)
# names its own cookie there.
if grep -q 'load_config_x' <<<"$(llvm-pdbutil dump --modules "$pdb")"; then
  if [ "$cookie" -eq $((image_base + guard)) ] && [ "$(read_word "$guard" $pointer_size)" = "$default_cookie" ]; then
    pass "security cookie is the stack protector's guard, at the default value"
  else
    fail "security cookie at $(printf 0x%x "$cookie"), the guard at $(printf 0x%x $((image_base + guard)))"
  fi
else
  has "the runtime's security cookie at the default value" \
    test "$(read_word $((cookie - image_base)) $pointer_size)" = "$default_cookie"
fi

# The debug directory: the CodeView entry names the PDB by its file name
# alone and carries its GUID and age; CET compatibility; a reproducible build.
debug=$(readobj --coff-debug-directory)
has "CodeView entry names TidwexUI.pdb" test "$(value PDBFileName "$debug")" = TidwexUI.pdb
# The GUID as LLVM 15 and later print it, "{A9522C4D-...}", or from the bytes
# that LLVM 14 prints, "(4D 2C 52 A9 ...)".
guid=$(value PDBGUID "$debug")
if [ "${guid:0:1}" != "{" ]; then
  guid=$(grep -oE 'PDBGUID: \(([0-9A-F]{2} ?){16}\)' <<<"$debug" | tr -d '()' | cut -d' ' -f2- \
    | awk '{printf "{%s%s%s%s-%s%s-%s%s-%s%s-%s%s%s%s%s%s}", $4,$3,$2,$1,$6,$5,$8,$7,$9,$10,$11,$12,$13,$14,$15,$16}')
fi
summary=$(llvm-pdbutil dump --summary "$pdb")
has "the PDB matches the DLL's GUID and age" test "$guid $(value PDBAge "$debug")" = \
  "$(value GUID "$summary") $(value Age "$summary")"
has "CET shadow-stack compatible" grep -q 'IMAGE_DLL_CHARACTERISTICS_EX_CET_COMPAT' <<<"$debug"
stamp=$(awk '$1 == "TimeDateStamp:" {gsub(/[()]/, "", $NF); print $NF; exit}' <<<"$headers")
has "timestamp $stamp made from the contents (Repro)" test "$(grep -c 'Type: Repro' <<<"$debug")" = 1 -a $((stamp)) -ne 0

if [ "$x86" = 1 ]; then
  for kind in OperatingSystem Subsystem; do
    version=$(value "Major${kind}Version" "$headers").$(value "Minor${kind}Version" "$headers")
    has "$kind version $version (Windows XP)" test "$version" = 5.1
  done
fi

lib=$(dirname "$built")/../lib
for file in "$shipped" "$pdb" "$lib/libTidwexUI.dll.a" "$lib/TidwexUI.lib"; do
  if [ ! -e "$file" ]; then
    fail "$file is missing"
  elif grep -qaF -e "$root" -e "${root//\//_}" -e "${root//\//\\}" "$file"; then
    fail "$file names the build folder $root"
  else
    pass "no build folder in $(basename "$file")"
  fi
done

size=$(stat -c %s "$shipped")
limit=122880
[ "$size" -le "$limit" ] && pass "$size bytes in $shipped (limit $limit)" || fail "$shipped is $size bytes, above $limit"
[ "$failures" -eq 0 ] || exit 1
