#!/usr/bin/env bash
# End-to-end checks of the x86_64 server under wine64: e2e.sh BUILD_DIR CHECK [ARGS]
# Every check prints what it compared and exits non-zero on a difference.
set -uo pipefail
build=$1; check=$2; shift 2
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
# Prefixes of their own: the unit tests' many short-lived processes run beside these checks, and
# sharing one wineserver and one COM service with them made activations fail at random. The
# checks run in lanes (ZU_E2E_LANE), one at a time in each lane's prefix and installation.
lane=${ZU_E2E_LANE:-1}
prefix="$build/wineprefix-e2e-$lane"
run() { "$root/scripts/wine-run" "$prefix" "$@"; }
winpath() { echo "Z:${1//\//\\}"; }         # cscript takes a Unix path for a //switch
server="$build/server/ZidizUvi.exe"
e2e_hoje=11/12/2026                           # the checks' simulated today (see register)
sonda="$build/tests/e2e/ZidizUviTeste.exe"
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

# The servers of this build tree (the product and the probe) alive in this prefix, by process id,
# however they were started (from here, or by COM with a Windows path).
own_servers() {
    local pid
    for pid in $(pgrep -f 'ZidizUvi(Teste)?\.exe'); do
        # A server may end between pgrep and the read: its environment is then simply gone.
        { tr '\0' '\n' <"/proc/$pid/environ"; } 2>/dev/null | grep -qxF "WINEPREFIX=$prefix" && echo "$pid"
    done
}

# Every check starts from the same state, whatever an earlier one left behind (a failed check may
# leave its server running or the server unregistered): the prefix's wineserver alive, no server
# of this build running, both servers registered.
start_clean() {
    WINEPREFIX="$prefix" /usr/lib/wine/wineserver -p30 >/dev/null 2>&1 || true
    if [ -n "$(own_servers)" ]; then
        # An idle server ends by itself after a client has come and gone; a killed one would
        # leave its class objects registered with COM.
        run cscript //nologo "$(winpath "$here/scripts/vazio.vbs")" >/dev/null 2>&1
        for _ in $(seq 1 30); do [ -z "$(own_servers)" ] && break; sleep 0.5; done
        local pids; pids=$(own_servers)
        if [ -n "$pids" ]; then
            echo "stopping servers left running: $pids"
            # shellcheck disable=SC2086
            kill $pids 2>/dev/null
            sleep 1
        fi
    fi
    if [ "$check" != register ]; then
        local program code
        for program in "$server" "$sonda"; do
            run "$program" /RegServer; code=$?
            [ $code = 0 ] || { echo "registration of $(basename "$program") failed: exit code $code"; exit 1; }
        done
    fi
    # A script may change the company's data (a new account): each one starts from the demo's.
    case "$check" in script | navegador) instala ;; esac
    return 0
}

instala() {
    run "$build/demo/zu_instala.exe" "$(winpath "$build/e2e-instalacao-$lane")" "$(winpath "$root/demo/installation/Mensagens")" >/dev/null ||
        { echo "the installation writer failed"; exit 1; }
}

# Runs a client script that writes a UTF-16 file, and compares it with the expected text.
script() {
    local name=$1 file=$2 expected=$3
    # cscript reads a script in the ANSI code page (it ignores a UTF-16 one): hand it CP1252.
    iconv -f UTF-8 -t CP1252 "$here/scripts/$file" >"$out/$file"
    # A script that crashes Wine's VBScript (TypeName of a null object does) starts Wine's debugger,
    # which never ends: a bounded run then reports what the script wrote instead of a silent timeout.
    timeout -k 5 60 "$root/scripts/wine-run" "$prefix" cscript //nologo "$(winpath "$out/$file")" "$(winpath "$out/$name.txt")" \
        >"$out/console.txt" 2>&1
    [ $? = 124 ] && echo "$file did not end within 60 s (a crash of the script engine waits in Wine's debugger)" >>"$out/console.txt"
    if [ ! -s "$out/$name.txt" ]; then
        echo "$file wrote nothing; console:"; cat "$out/console.txt"; return 1
    fi
    iconv -f UTF-16 -t UTF-8 "$out/$name.txt" | tr -d '\r' >"$out/$name.utf8" ||
        { echo "$file wrote a broken UTF-16 file; console:"; cat "$out/console.txt"; return 1; }
    # cscript stops silently on a runtime error: only a script that reached its end counts.
    if [ "$(tail -n 1 "$out/$name.utf8")" != FIM ]; then
        echo "$file stopped before its end (no FIM); it wrote:"; tail -n 5 "$out/$name.utf8"
        echo "console:"; cat "$out/console.txt"; return 1
    fi
    # A PDF the script received is written beside its output as a UTF-16 text file (the only
    # writer a script has: a byte-order mark, then the BSTR's bytes). Its text, read back by a real
    # PDF reader, joins the output.
    local pdf
    for pdf in "$out"/*.pdf; do
        [ -e "$pdf" ] || continue
        tail -c +3 "$pdf" >"$pdf.bin"
        echo "-- $(basename "$pdf"): começa com $(head -c 5 "$pdf.bin"), lido pelo pdftotext:" >>"$out/$name.utf8"
        pdftotext -q -enc UTF-8 "$pdf.bin" - | sed 's/[[:space:]]*$//; /^$/d' >>"$out/$name.utf8"
    done
    # ZU_E2E_ACCEPT=1 takes what the script wrote as the new expectation (read the diff after!).
    [ "${ZU_E2E_ACCEPT:-}" = 1 ] && cp "$out/$name.utf8" "$here/expected/$expected"
    diff -u "$here/expected/$expected" "$out/$name.utf8" && echo "$file: as expected"
}

# The registry below HKCR for the product's keys, one line per key or value, the path masked.
registry_dump() {
    local keys=("HKCR\\AppID\\{D7A30002-4C1E-4F5A-8B2D-5A0C3E9F1000}" "HKCR\\AppID\\ZidizUvi.EXE"
                "HKCR\\ZidizUvi.QV_Inicializa.1" "HKCR\\ZidizUvi.QV_Inicializa"
                "HKCR\\CLSID\\{D7A3C101-4C1E-4F5A-8B2D-5A0C3E9F1000}"
                "HKCR\\ZidizUvi.QVcEditor.1" "HKCR\\ZidizUvi.QVcEditor"
                "HKCR\\CLSID\\{D7A3C119-4C1E-4F5A-8B2D-5A0C3E9F1000}"
                "HKCR\\TypeLib\\{D7A30001-4C1E-4F5A-8B2D-5A0C3E9F1000}\\1.0\\0\\win64")
    local win_server; win_server=$(winpath "$server")
    for k in "${keys[@]}"; do
        run reg query "$k" /s 2>/dev/null | tr -d '\r' | sed '/^$/d; /^reg: /d' | sed "s|$(printf '%s' "$win_server" | sed 's/[\\.]/\\&/g')|<EXE>|I"
        echo "-- ${k}"
    done
}

start_clean

case $check in
register)          # the fixture of every other check
    # The checks run on a simulated day, through the server's own clock override: what depends on
    # today (due dates, this month's orders, the store's seeded dates) is then the same whenever
    # they run. Set before the installation, whose seeds count from the store's today.
    "$root/scripts/dia-simulado" "$prefix" "$e2e_hoje" 12:00:00 || { echo "the simulated date could not be set"; exit 1; }
    # The installation writer makes the installation and a fresh store; the server only opens it.
    instala && run "$server" /RegServer && run "$sonda" /RegServer ;;
registration)      # every key of the registration, then its removal
    trap 'run "$server" /RegServer; rm -rf "$out"' EXIT   # the other checks need it registered
    run "$server" /UnregServer
    registry_dump >"$out/after-unreg.txt"
    run "$server" /RegServer || { echo "RegServer failed"; exit 1; }
    registry_dump >"$out/after-reg.txt"
    diff -u "$here/expected/registration.txt" "$out/after-reg.txt" || exit 1
    run "$server" /UnregServer || { echo "UnregServer failed"; exit 1; }
    registry_dump >"$out/after-unreg2.txt"
    diff -u "$here/expected/unregistered.txt" "$out/after-unreg2.txt" || exit 1
    run reg query 'HKCR\AppID' >/dev/null 2>&1 || { echo "the AppID key itself was removed"; exit 1; }
    run "$server" /RegServer || exit 1
    echo "registration: every key as expected, and removed again" ;;
switches)          # a switch counts only at the end of the command line
    run "$server" /UnregServer
    run "$server" -UnregServer -RegServer
    run reg query 'HKCR\ZidizUvi.QV_Inicializa.1' >/dev/null 2>&1 || { echo "-UnregServer -RegServer did not register"; exit 1; }
    run "$server" /UnregServer
    # Not a switch: the server runs, registers nothing and waits for clients that never come.
    "$root/scripts/wine-run" "$prefix" "$server" /RegServer /x >/dev/null 2>&1 &
    pid=$!   # wine-run execs wine64: this is the server process itself
    sleep 3
    alive=0; kill -0 $pid 2>/dev/null && alive=1
    registered=0
    run reg query 'HKCR\ZidizUvi.QV_Inicializa.1' >/dev/null 2>&1 && registered=1
    # A killed server would leave its class objects registered with COM: let it end by itself,
    # after a client has come and gone (it never ends before its first object is released).
    run "$server" /RegServer
    run cscript //nologo "$(winpath "$here/scripts/vazio.vbs")" >/dev/null 2>&1
    for _ in $(seq 1 30); do kill -0 $pid 2>/dev/null || break; sleep 0.5; done
    if kill -0 $pid 2>/dev/null; then echo "the server did not end after its client"; kill $pid; exit 1; fi
    [ $registered = 0 ] || { echo "/RegServer /x registered"; exit 1; }
    [ $alive = 1 ] || { echo "/RegServer /x did not run the server"; exit 1; }
    code=$(run "$server" -regserver; echo $?)
    [ "$code" = 0 ] || { echo "-regserver exit code $code"; exit 1; }
    echo "switches: as expected" ;;
script)            # script NAME FILE EXPECTED
    script "$@" ;;
navegador)         # navegador NAME FILE EXPECTED: a script that writes NAME.html, then a real browser
    # The page the script wrote, opened by Debian's Chromium without a window: its rows are
    # drawn, and names with quotes and "<" stay text (no element, no broken attribute).
    browser=$(command -v chromium || command -v chromium-browser) ||
        { echo "SKIPPED: chromium is not installed (scripts/setup installs it)"; exit 77; }
    script "$@" || exit 1
    page="$out/$1.html"
    [ -s "$page" ] || { echo "$2 wrote no $1.html"; exit 1; }
    timeout 90 "$browser" --headless --no-sandbox --disable-gpu --user-data-dir="$out/chromium" \
        --dump-dom "file://$page" >"$out/dom.html" 2>"$out/chromium.log"
    [ -s "$out/dom.html" ] || { echo "chromium drew nothing:"; tail -n 5 "$out/chromium.log"; exit 1; }
    rows=$(grep -o "<tr " "$out/dom.html" | wc -l)
    echo "rows drawn: $rows"
    grep -q '<td>Caneca "Café" &lt;grande&gt;</td>' "$out/dom.html" || { echo "the quoted name is not text"; exit 1; }
    grep -q '<grande' "$out/dom.html" && { echo "a name became an element"; exit 1; }
    # The page clicks the row of 1001: its onclick hands RP the name exactly as registered.
    grep -q '<p id="escolha">1001 Caneca "Café" &lt;grande&gt; R\$ 29,90</p>' "$out/dom.html" ||
        { echo "the row's onclick did not hand over the name"; exit 1; }
    [ "$rows" = 5 ] || { echo "expected 5 rows"; exit 1; }
    echo "$2 in chromium: as expected" ;;
shutdown)          # the server ends about 5 s after its last object is released
    pid=$(run cscript //nologo "$(winpath "$here/scripts/pid.vbs")" | tr -d '\r' | tail -n 1)
    [ -n "$pid" ] || { echo "no pid"; exit 1; }
    waited=$(run "$build/tests/e2e/waitpid.exe" "$pid" 20000 | tr -d '\r')
    echo "server $pid ended ${waited} ms after the last release"
    [ "${waited:-0}" -ge 4000 ] && [ "${waited:-99999}" -le 9000 ] ;;
keepalive)         # a client back within 5 s finds the same server process
    first=$(run cscript //nologo "$(winpath "$here/scripts/pid.vbs")" | tr -d '\r' | tail -n 1)
    sleep 3                                   # Wine's WScript.Sleep does nothing: wait here
    second=$(run cscript //nologo "$(winpath "$here/scripts/pid.vbs")" | tr -d '\r' | tail -n 1)
    echo "server process $first, then $second"
    [ -n "$first" ] && [ "$first" = "$second" ] ;;
cpp_client)
    run "$build/tests/e2e/cpp_client.exe" >"$out/cpp.raw"; code=$?
    tr -d '\r' <"$out/cpp.raw" | tee "$out/cpp.txt"
    grep -qx 'cpp_client: FIM' "$out/cpp.txt" || { echo "cpp_client failed: exit code $code"; exit 1; } ;;
*) echo "unknown check $check"; exit 2 ;;
esac
