#!/usr/bin/env bash
# Counts the instructions each program runs from process start until its first frame
# is on the screen (callgrind, under a private Xvfb), and prints where they go:
# loading, QApplication, the window, show(), the first paint, fonts.
#
#   bench/profile.sh [build-dir] [out-dir]     (defaults: build/default, a temporary one)
# Keep out-dir to read the profiles further with callgrind_annotate.
set -euo pipefail
# shellcheck source=scripts/xvfb.sh
source "$(dirname "$0")/../scripts/xvfb.sh"
on_xvfb "-screen 0 1024x768x24 -br" "$@"  # a black root, which no window is
cd "$(dirname "$0")/.."
build="${1:-build/default}"
out="${2:-}"
game="$build/src/qt/quorbel"
floor="$build/bench/quorbel_floor"
watcher="$build/bench/quorbel_frame_watch"
command -v valgrind >/dev/null || { echo "valgrind is not installed" >&2; exit 1; }

work="$(mktemp -d)"
[ -n "$out" ] || out="$work"
mkdir -p "$out"
cleanup() {
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# Runs $1 under callgrind until the pixel at 390,380 shows colour $3, then ends it.
profile() {
    local name="$1" program="$2" colour="$3" watch pid
    exec {watch}< <(exec "$watcher" "$XVFB_DIR/Xvfb_screen0" 390 380 "$colour" 120000)
    read -r -t 5 -u "$watch" _ # "ready": it watches the screen
    valgrind --tool=callgrind --callgrind-out-file="$out/$name.%p.callgrind" "$program" \
        >"$out/$name.log" 2>&1 &
    pid=$!
    read -r -t 120 -u "$watch" _ || { echo "$name drew no frame" >&2; exit 1; }
    exec {watch}<&-
    sleep 1
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    # Forks (dbus's autolaunch, for one) leave profiles of their own: keep the program's.
    main="$out/$name.$pid.callgrind"
}

inclusive() {  # file, then patterns of functions: one line each
    local file="$1"
    shift
    callgrind_annotate --inclusive=yes --threshold=100 "$file" 2>/dev/null >"$work/annotated"
    printf "  %-44s %14s\n" "everything" "$(awk '/PROGRAM TOTALS/ { print $1; exit }' "$work/annotated")"
    local pattern
    for pattern in "$@"; do
        printf "  %-44s %14s\n" "$pattern" \
            "$(grep -F -- "$pattern" "$work/annotated" | head -1 | awk '{ print $1 }')"
    done
}

functions=(
    "_dl_start "
    "QApplication::QApplication("
    "QIcon::addPixmap("
    "quorbel::qt::MainWindow::MainWindow("
    "quorbel::qt::MainWindow::build()"
    "quorbel::qt::MainWindow::mirror()"
    "QImageReader::read("
    "QWidget::show()"
    "QXcbWindow::setWindowIcon("
    "QWidgetRepaintManager::paintAndFlush()"
    "QFontDatabasePrivate::load("
    "QFontconfigDatabase::populateFontDatabase()"
    "QFontDatabasePrivate::loadEngine("
    "QTextEngine::shapeText("
    "QFusionStyle::drawControl("
)
profile floor "$floor" efefef
floor_main="$main"
profile quorbel "$game" ffff00
game_main="$main"
echo "instructions from process start to the first frame (callgrind Ir):"
echo "floor:"
inclusive "$floor_main" "${functions[@]}"
echo "quorbel:"
inclusive "$game_main" "${functions[@]}"
