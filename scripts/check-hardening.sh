#!/usr/bin/env bash
# Fails unless the executable is built for ASLR (relocatable; high-entropy addresses in a
# 64-bit image) and DEP, and no section is both writable and executable. For 32-bit and
# 64-bit images alike (the x86-64 objdump reads both).
set -euo pipefail
exe=$1
objdump=${OBJDUMP:-x86_64-w64-mingw32-objdump}
headers=$("$objdump" -p "$exe")
flags=$(awk '/^DllCharacteristics/ {print $2}' <<<"$headers")
[ -n "$flags" ] || { echo "no DllCharacteristics in $exe"; exit 1; }
value=$((16#$flags))
# HIGH_ENTROPY_VA means nothing to a 32-bit image: its addresses have 32 bits whatever the flag.
case $(awk '/^Magic/ {print $2}' <<<"$headers") in
  020b) required="0x20:HIGH_ENTROPY_VA 0x40:DYNAMIC_BASE 0x100:NX_COMPAT" kind=PE32+ ;;
  010b) required="0x40:DYNAMIC_BASE 0x100:NX_COMPAT" kind=PE32 ;;
  *) echo "$exe is neither a 32-bit nor a 64-bit Windows image"; exit 1 ;;
esac
fail=0
for bit in $required; do
  if (( (value & ${bit%%:*}) == 0 )); then echo "missing ${bit#*:} (DllCharacteristics 0x$flags)"; fail=1; fi
done
# Relocations must be present, or the loader cannot move the image at all.
"$objdump" -h "$exe" | grep -q '\.reloc' || { echo "no .reloc section"; fail=1; }
# objdump -h prints each section's flags on the line after it.
if wx=$("$objdump" -h "$exe" | awk '/^ *[0-9]+ / {name=$2; next} /CODE/ && !/READONLY/ {print name}') && [ -n "$wx" ]; then
  echo "writable code sections: $wx"; fail=1
fi
[ $fail -eq 0 ] && echo "hardened $kind: DllCharacteristics 0x$flags, relocatable, no writable code"
exit $fail
