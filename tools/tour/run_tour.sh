#!/usr/bin/env bash
# The screenshot tour on the X display in DISPLAY (./run tour starts it in
# xvfb-run): keelsim.exe on the tour's copy of the demo database, keeltour.exe
# driving the console, and the screenshots it asks for taken with ImageMagick.
#   run_tour.sh WINDOWS-BUILD-DIR DATA-DIR OUTPUT-DIR
set -euo pipefail
build=$(realpath "$1")
data=$(realpath "$2")
out=$(realpath "$3")

windows_path() { printf 'Z:%s' "$1" | tr / '\\'; }

cd "$data"
rm -f keelsim.ready
wine "$build/sim/keelsim.exe" server.fixture --ready-file keelsim.ready >keelsim.log 2>&1 &
sim=$!
stop_sim() { kill -INT "$sim" 2>/dev/null && wait "$sim" 2>/dev/null || true; }
trap stop_sim EXIT
for _ in $(seq 150); do
    [ -f keelsim.ready ] && break
    kill -0 "$sim" 2>/dev/null || { cat keelsim.log >&2; exit 1; }
    sleep 0.2
done
[ -f keelsim.ready ] || { echo "tour: keelsim did not start" >&2; exit 1; }

wine "$build/tools/tour/keeltour.exe" "$(windows_path "$out")" &
tour=$!
take_wanted() {
    local want name x y w h
    for want in "$out"/*.want; do
        [ -e "$want" ] || continue
        read -r x y w h <"$want"
        name=${want%.want}
        import -window root -crop "${w}x${h}+${x}+${y}" +repage "$name.part.png"
        mv "$name.part.png" "$name.png"
        rm -f "$want"
    done
}
while kill -0 "$tour" 2>/dev/null; do
    take_wanted
    sleep 0.2
done
status=0
wait "$tour" || status=$?
exit "$status"
