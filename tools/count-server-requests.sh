#!/usr/bin/env bash
# Counts the Wine server requests of the bench's sessions, a figure that does
# not move with the machine's load: restarts the wine server with its request
# trace on, runs "BENCH --count", which marks where each open and close of
# each dialog begins and ends, and prints the median over the sessions of the
# requests that the bench's process made between its marks. Left out are the
# hook-chain requests of the bench's own probe hook (the library sets none).
# Run it inside with-wine-display.sh. Usage: count-server-requests.sh BENCH [TRACE]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX="${WINEPREFIX:-$root/build/wineprefix}"
bench=$1
trace=${2:-server-trace.log}

wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true
wineserver -p -d 2>"$trace"
"$root/tools/wine-run.sh" cmd.exe /c exit >/dev/null 2>&1 </dev/null || true
"$root/tools/wine-run.sh" "$bench" --count
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true

# A request line is "TID: name( arguments )", its reply "TID: name() = ...".
awk '
function value(key,    rest) {
    rest = substr($0, index($0, " " key "=") + length(key) + 2)
    return substr(rest, 1, match(rest, /[^0-9a-f]/) - 1)
}
function sorted_median(list, n,    v, i, j, t) {
    split(list, v, " ")
    for (i = 2; i <= n; ++i)
        for (j = i; j > 1 && v[j - 1] > v[j]; --j) { t = v[j]; v[j] = v[j - 1]; v[j - 1] = t }
    low = v[1]; high = v[n]
    return v[int((n + 1) / 2)]
}
{ tid = substr($1, 1, length($1) - 1) }
# Which process each thread is in: the first thread of a process says so, and a
# thread made by a thread of the same process ("process=ffffffff") is its.
$2 == "init_first_thread()" && $4 == "0" { process[tid] = value("pid") }
$2 == "new_thread(" { own[tid] = ($3 == "process=ffffffff,") }
$2 == "new_thread()" && $4 == "0" && own[tid] { process[value("tid")] = process[tid] }
$2 == "find_atom(" && index($0, "name=L\"scrubwell-bench:") {
    if (phase != "") { counts[phase] = counts[phase] " " n; ++sessions[phase] }
    split(substr($0, index($0, "scrubwell-bench:")), mark, "[:\"]")
    phase = mark[3] == "end" ? "" : mark[2] " " mark[3]
    bench = process[tid]; marker = tid; n = 0
    if (bench == "") { print "no process known for thread " tid " in the trace" > "/dev/stderr"; exit 1 }
    next
}
phase != "" && $2 ~ /^[a-z_0-9]+\($/ && process[tid] == bench && $2 !~ /^(start|finish)_hook_chain|^get_hook_info/ {
    ++n
    if (tid != marker) ++others
}
END {
    split("TidwexUI open|bare open|TidwexUI close|bare close", order, "|")
    label["TidwexUI open"] = "TidwexUI: call until shown and painted"
    label["bare open"] = "bare dialog: call until shown and painted"
    label["TidwexUI close"] = "TidwexUI: Cancel until the call returns"
    label["bare close"] = "bare dialog: Cancel until the call returns"
    for (i = 1; i <= 4; ++i) {
        key = order[i]
        if (!sessions[key]) { print "no marked sessions in the trace: " key > "/dev/stderr"; exit 1 }
        median[key] = sorted_median(counts[key], sessions[key])
        printf "  %-44s median %7d requests (%d sessions: %d .. %d)\n", label[key], median[key], sessions[key], low, high
    }
    printf "  ratio of medians, ours over bare: show %.2f, close %.2f\n",
        median["TidwexUI open"] / median["bare open"], median["TidwexUI close"] / median["bare close"]
    printf "  of them made by threads other than the one that opens the dialogs: %d\n", others + 0
}' "$trace"
