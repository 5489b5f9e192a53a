#!/usr/bin/env bash
# Fails when the executable imports a DLL or function that Windows 7 SP1 lacks (such
# functions must be looked up at run time with a fallback instead) or asks for a newer system.
set -euo pipefail
exe=$1
objdump=${OBJDUMP:-x86_64-w64-mingw32-objdump}
imports=$("$objdump" -p "$exe" | awk '/DLL Name:/ {print "dll " $3} /^\t[0-9a-f]+\t +[0-9]+ +[A-Za-z_]/ {print "fn " $NF}')
newer_dlls='^dll (api-ms-win-|ext-ms-win-|shcore\.dll|ucrtbase\.dll|vcruntime)'
newer_functions='^fn (GetDpiForWindow|GetDpiForSystem|GetDpiForMonitor|SetThreadDpiAwarenessContext|SetProcessDpiAwarenessContext|SetProcessDpiAwareness|AdjustWindowRectExForDpi|GetSystemMetricsForDpi|SystemParametersInfoForDpi|EnableNonClientDpiScaling|SetDefaultDllDirectories|AddDllDirectory|RemoveDllDirectory|GetSystemTimePreciseAsFileTime|CreateFile2|WaitOnAddress|WakeByAddressSingle|WakeByAddressAll|SetThreadDescription|GetThreadDescription|PathCch[A-Za-z]*|GetCurrentPackageId|CompareObjectHandles|SetProcessMitigationPolicy|GetProcessMitigationPolicy|DiscardVirtualMemory|OfferVirtualMemory|PrefetchVirtualMemory)$'
if bad=$(grep -E "$newer_dlls|$newer_functions" <<<"$imports"); then
  echo "imports newer than Windows 7 SP1 in $exe:"; echo "$bad"; exit 1
fi
# The image must not ask for a newer system than Windows 7 (6.1) either.
subsystem=$("$objdump" -p "$exe" | awk '/MajorSubsystemVersion/ {major=$2} /MinorSubsystemVersion/ {minor=$2} END {print major * 100 + minor}')
if [ "$subsystem" -gt 601 ]; then echo "subsystem version $subsystem is newer than Windows 7 (601)"; exit 1; fi
echo "subsystem version $subsystem (Windows 7 is 601); $(grep -c '^fn ' <<<"$imports") imports from $(grep -c '^dll ' <<<"$imports") DLLs, all present in Windows 7 SP1"
