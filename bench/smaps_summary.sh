#!/usr/bin/env bash
# Sums a /proc/PID/smaps file by what is mapped: the heap, anonymous mappings, the stack and each
# file (libraries by name), largest first, in MiB: Rss, Private (clean + dirty) and Pss.
# Usage: bench/smaps_summary.sh SMAPS_FILE [ROWS (25)]
set -euo pipefail
awk -v rows="${2:-25}" '
    /^[0-9a-f]+-[0-9a-f]+ / { name = (NF >= 6 ? $6 : "[anon]"); sub(/.*\//, "", name); next }
    $1 == "Rss:" { rss[name] += $2; trss += $2 }
    $1 == "Pss:" { pss[name] += $2; tpss += $2 }
    $1 == "Private_Clean:" || $1 == "Private_Dirty:" { priv[name] += $2; tpriv += $2 }
    END {
        for (n in rss) if (rss[n] > 0) printf "%9.1f %9.1f %9.1f  %s\n", rss[n] / 1024, priv[n] / 1024, pss[n] / 1024, n
        printf "%9.1f %9.1f %9.1f  %s\n", trss / 1024, tpriv / 1024, tpss / 1024, "TOTAL" > "/dev/stderr"
    }' "$1" 2>&1 | sort -k1,1 -g -r | { echo "  Rss_MiB  Priv_MiB   Pss_MiB  mapping"; head -n "$((${2:-25} + 1))"; }
