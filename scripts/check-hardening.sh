#!/usr/bin/env bash
# Fails unless the executable is built for ASLR (relocatable, high-entropy 64-bit addresses)
# and DEP, and no section is both writable and executable.
set -euo pipefail
exe=$1
objdump=${OBJDUMP:-x86_64-w64-mingw32-objdump}
flags=$("$objdump" -p "$exe" | awk '/^DllCharacteristics/ {print $2}')
[ -n "$flags" ] || { echo "no DllCharacteristics in $exe"; exit 1; }
value=$((16#$flags))
fail=0
for bit in 0x20:HIGH_ENTROPY_VA 0x40:DYNAMIC_BASE 0x100:NX_COMPAT; do
  if (( (value & ${bit%%:*}) == 0 )); then echo "missing ${bit#*:} (DllCharacteristics 0x$flags)"; fail=1; fi
done
# Relocations must be present, or the loader cannot move the image at all.
"$objdump" -h "$exe" | grep -q '\.reloc' || { echo "no .reloc section"; fail=1; }
# objdump -h prints each section's flags on the line after it.
if wx=$("$objdump" -h "$exe" | awk '/^ *[0-9]+ / {name=$2; next} /CODE/ && !/READONLY/ {print name}') && [ -n "$wx" ]; then
  echo "writable code sections: $wx"; fail=1
fi
[ $fail -eq 0 ] && echo "hardened: DllCharacteristics 0x$flags, relocatable, no writable code"
exit $fail
