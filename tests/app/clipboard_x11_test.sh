#!/usr/bin/env bash
# Copying a phrase through the clipboard of a real X server, by its keys and
# by its row menu: the program runs on a private Xvfb display over the
# committed phrase book, the keys go to its window, and another X client
# reads the clipboard back.
# Arguments: the build folder and the source folder.
# Exits 77 (skipped) when a program it needs is missing.
set -euo pipefail

build=$1
source=$2

. "$source/tests/support/xdisplay.sh"
require_programs Xvfb xdotool xclip

scratch=$(mktemp -d)
server=
program=
cleanup() {
  [[ -n $program ]] && kill "$program" 2>/dev/null
  [[ -n $server ]] && kill "$server" 2>/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT

start_private_display "$scratch"

# The phrase book's files, and the user's own favourites beside them.
mkdir "$scratch/book" "$scratch/runtime"
for file in "$source"/data/*.dat "$source"/data/*.idx "$source"/data/*.data; do
  ln -s "$file" "$scratch/book/"
done

clipboard_is() { [[ $(xclip -o -selection clipboard 2>/dev/null) == "$1" ]]; }

(cd "$scratch/book" && exec env XDG_RUNTIME_DIR="$scratch/runtime" QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy \
  "$build/tessaly") >"$scratch/tessaly.log" 2>&1 &
program=$!
wait_until xdotool search --onlyvisible --name '^Lexavant_French$' >/dev/null ||
  fail "no window: $(cat "$scratch/tessaly.log")"
window=$(xdotool search --onlyvisible --name '^Lexavant_French$' | head -1)
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"

# The first phrase of the first view is selected: its French, then the
# phrase with its guide.
french=$(sed -n 's/^1 | [^|]* | //p' "$source/data/source/phrasebook.txt")
xdotool key --window "$window" ctrl+c
wait_until clipboard_is "$french" || fail "Ctrl+C copied \"$(xclip -o -selection clipboard 2>&1)\", not \"$french\""

xdotool key --window "$window" Down ctrl+shift+c
wait_until eval '[[ $(xclip -o -selection clipboard | wc -l) -eq 2 ]]' ||
  fail "Ctrl+Shift+C copied \"$(xclip -o -selection clipboard 2>&1)\""
copied=$(xclip -o -selection clipboard)
english=$(sed -n 's/^2 | \([^|]*\) | .*/\1/p' "$source/data/source/phrasebook.txt")
[[ $(head -1 <<<"$copied") == "$english" ]] || fail "the copy starts \"$(head -1 <<<"$copied")\", not \"$english\""
[[ $(tail -1 <<<"$copied") == *" /"*"/" ]] || fail "the copy ends without its guide: $copied"

# The row menu opens from the keyboard as one more window of the program, and
# its Copy French command copies the phrase selected again.
windows_shown() { [[ $(xdotool search --onlyvisible --pid "$program" 2>/dev/null | wc -l) -eq $1 ]]; }
xdotool key --window "$window" Up Menu
wait_until windows_shown 2 || fail "the Menu key opened no menu"
xdotool key c
wait_until clipboard_is "$french" || fail "the menu's Copy French copied \"$(xclip -o -selection clipboard 2>&1)\""
wait_until windows_shown 1 || fail "the menu stayed open"
echo "copied through the X clipboard: $copied"
