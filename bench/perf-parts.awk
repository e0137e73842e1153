# Sorts perf script samples (comm, tid, ip, sym, dso with call chains, innermost frame first) into
# where their time goes. Inside each part, every function the part's own frame called counts once
# a sample, so that the lists read as inclusive shares of all the samples.
function flush(    i, part, top, seen) {
    if (!frames)
        return
    # Thread names are cut to 15 characters: "SoundOutput Bin" is the tone's output thread.
    if ("Generator::generateData" in at) {
        part = "tone resynthesis (Generator::generateData, every 15 s)"
        top = at["Generator::generateData"]
    } else if (comm ~ /^SoundOutput/) {
        part = "sound feed on its own thread (" comm ": PulseStream, readData, pa_stream_write)"
        top = at["QEventLoop::exec"]
    } else if (comm != "velmora") {
        part = "other threads (" comm ")"
    } else if ("Session::tick" in at) {
        part = "session tick (Session::tick and the widgets it drives)"
        top = at["Session::tick"]
    } else {
        part = "event loop: sleeping, waking, timer and event dispatch"
        top = at["g_main_context_iteration"]
    }
    parts[part]++
    for (i = 1; i < top; i++)
        if (!(frame[i] in seen) && frame[i] != "[unknown]") {
            seen[frame[i]] = 1
            inner[part "|" frame[i]]++
        }
    total++
    frames = 0
    delete at
}
/^[^ \t]/ {
    flush()
    comm = $0
    sub(/[ \t]+[0-9]+[ \t]*$/, "", comm)
    next
}
/^$/ { flush(); next }
{
    line = $0
    sub(/^[ \t]*[0-9a-f]+ /, "", line)
    dso = line
    sub(/.*\(/, "", dso)
    sub(/ \([^(]*\)$/, "", line)
    frame[++frames] = line
    if (!(line in at))
        at[line] = frames
}
END {
    flush()
    for (p in parts)
        printf "%6.1f %%  %s\n", 100 * parts[p] / total, p | "sort -rn"
    close("sort -rn")
    for (p in parts) {
        if (100 * parts[p] / total < 2)
            continue
        printf "\n  inside \"%s\", %% of all samples:\n", p
        for (k in inner) {
            split(k, f, "|")
            if (f[1] == p && 100 * inner[k] / total >= 0.4)
                printf "  %6.1f %%  %s\n", 100 * inner[k] / total, f[2] | "sort -rn | head -n 15"
        }
        close("sort -rn | head -n 15")
    }
}
