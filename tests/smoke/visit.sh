#!/usr/bin/env bash
# A whole pupil's visit through the real program on a virtual display, typed
# and clicked as a pupil would: first start, log-on as a new pupil, profile,
# menu, one lesson to its results, back to the menu, Exit, the farewell, Esc.
# The program must end on its own with status 0 and leave the history file.
#   visit.sh PROGRAM [SCREENSHOT_FOLDER]
set -euo pipefail

program=$1
shots=${2:-}
if [[ -z "${MK_VISIT_ON_DISPLAY:-}" ]]; then
    MK_VISIT_ON_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi
unset QT_QPA_PLATFORM

work=$(mktemp -d)
pid=""
cleanup() {
    [[ -n "$pid" ]] && kill -KILL "$pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cp "$program" "$work/"
cp -r "$(dirname "$program")/MKData" "$(dirname "$program")/MKLesson" "$work/"
rm -f "$work/MKLesson/MKOK"

# The id of the newest visible window with this title, waiting for it to appear.
window() {
    local id
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | tail -n 1) || true
        [[ -n "$id" ]] && { echo "$id"; return 0; }
        sleep 0.1
    done
    fail "no window titled $1"
}
focus() { xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"; }
key() { xdotool key --delay 60 "$@"; sleep 0.3; }
type() { xdotool type --delay 40 "$1"; sleep 0.2; }
shot() { [[ -n "$shots" ]] && import -window root "$shots/$1.png" || true; }
# Answers the message box that has just opened with Enter (OK, or Yes, the
# default); a box takes the keyboard when it opens.
answer() { sleep 0.5; key Return; }
click() { # window x y, in the window's pixels
    xdotool mousemove --window "$1" "$2" "$3" click 1
    sleep 0.4
}

"$work/marokey" &
pid=$!

answer                                   # lessons unpacked
logon=$(window "MK LogOn")
focus "$logon"
type visitor; key Return; type secret; key Return; key Return   # OK has the focus
answer                                   # データは正しいですか？ Yes
answer                                   # new history file notice
setup=$(window "ＭＫ SetUp")
focus "$setup"
type 3; key Return; type 2; key Return; type 15; key Return; type Visitor; key Return
shot setup
key Return                               # OK
answer                                   # Yes
menu=$(window "Lesson Select Menu")
focus "$menu"
shot menu
key Home Return                          # the first lesson of the first tab
answer                                   # Lessonを行います。よろしいですか？ Yes
lesson=$(window Marokey)
focus "$lesson"
key Return                               # start
answer                                   # the ready prompt
focus "$lesson"
while IFS= read -r line; do
    line=${line%$'\r'}
    [[ -z "$line" ]] && continue
    type "$line"
    key Return
done < <(iconv -f CP932 -t UTF-8 "$work/MKLesson/Shokyu01.txt")
shot results
key Escape                               # back to the menu
sleep 0.5
# A total of 100 reaches the first experience milestone: its message comes
# first, then the mole game's rules, the game's 100 seconds and its results.
if ! xdotool search --onlyvisible --name '^Lesson Select Menu$' >/dev/null; then
    answer
    rules=$(window "ルール説明")
    click "$rules" 240 276               # ゲームスタート
    game=$(window "もぐらたたきゲーム")
    click "$game" 360 400                # the field
    shot game
    for _ in $(seq 130); do              # until the results box, titled as the program
        xdotool search --onlyvisible --name '^Marokey$' >/dev/null 2>&1 && break
        sleep 1
    done
    answer                               # 結果発表
    answer                               # the score and the title
fi
menu=$(window "Lesson Select Menu")
click "$menu" 644 368                    # Exit
answer                                   # マロキーを終了します。 Yes
ending=$(window Marokey)
sleep 5.5                                # the farewell texts come with the 5th report
shot ending
focus "$ending"
key Escape
for _ in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "the program did not end after Esc"
status=0
wait "$pid" || status=$?
pid=""
[[ $status -eq 0 ]] || fail "the program ended with status $status"

history="$work/MKData/visitor.mkd"
[[ -f "$history" ]] || { ls "$work/MKData" >&2; fail "no history file written"; }
[[ $(stat -c %s "$history") -eq 101194 ]] || fail "history file has the wrong size"
score=$(od -An -tu1 -j0 -N1 "$history" | tr -d ' ')
[[ $score -gt 0 ]] || fail "the lesson's score is not in slot 0"
echo "visit: ok (score $score)"
