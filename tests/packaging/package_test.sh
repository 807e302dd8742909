#!/usr/bin/env bash
# Builds the Debian package, checks it with lintian, unpacks it into a scratch
# folder, checks what it installs, and runs the unpacked program as a user would: on a private X
# server, driven by clicks, from a folder unrelated to it, with its data folder
# read-only and HOME and XDG_DATA_HOME in the scratch folder. Run as root (as
# in CI) the program runs as nobody, so that the read-only folder really is.
#   package_test.sh BUILD_FOLDER SOURCE_FOLDER VERSION
# Exits 77 (skipped) when a tool it needs is missing.
set -euo pipefail

build=$(realpath "$1")
source=$(realpath "$2")
version=$3
app_id=example.lexavant.tessaly
caption=Lexavant_French

. "$source/tests/support/xdisplay.sh"
require_programs cpack dpkg-deb dpkg-shlibdeps lintian desktop-file-validate appstreamcli Xvfb xdotool setpriv od

server=
program=
# Runs however the script ends: each step is tried whatever the one before
# did (set -e does not stop it), and a signal ends the script through it.
cleanup() {
  set +e
  [[ -n $program ]] && kill -KILL "$program" 2>/dev/null
  [[ -n $server ]] && kill "$server" 2>/dev/null && wait "$server" 2>/dev/null
  chmod -R u+w "$scratch" 2>/dev/null
  rm -rf "$scratch"
}
scratch=$(mktemp -d)
trap cleanup EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM
chmod 755 "$scratch"

# --- The package -------------------------------------------------------------
(cd "$scratch" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/package") >"$scratch/cpack.log" 2>&1 ||
  fail "cpack: $(cat "$scratch/cpack.log")"
deb=$scratch/package/tessaly_${version}_$(dpkg --print-architecture).deb
[[ -f $deb ]] || fail "no package $deb"
depends=$(dpkg-deb -f "$deb" Depends)
for package in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6network6 libsdl2-2.0-0; do
  [[ $depends =~ (^|, )$package\  ]] || fail "Depends lacks $package: $depends"
done
# Every error and warning fails, and lintian itself failing does too;
# information and pedantic notes are left to the packagers.
report=$(lintian --fail-on error,warning "$deb" 2>&1) || fail "lintian: $report"
! grep -q '^[EW]:' <<<"$report" || fail "lintian: $report"

root=$scratch/root
dpkg-deb -x "$deb" "$root"
expected="usr/bin/tessaly
usr/bin/tessaly-tool
usr/share/applications/$app_id.desktop
usr/share/doc/tessaly/changelog.gz
usr/share/doc/tessaly/copyright
usr/share/icons/hicolor/128x128/apps/$app_id.png
usr/share/icons/hicolor/256x256/apps/$app_id.png
usr/share/icons/hicolor/48x48/apps/$app_id.png
usr/share/icons/hicolor/scalable/apps/$app_id.svg
usr/share/man/man1/tessaly-tool.1.gz
usr/share/man/man1/tessaly.1.gz
usr/share/metainfo/$app_id.metainfo.xml
usr/share/tessaly/English.dat
usr/share/tessaly/French.dat
usr/share/tessaly/Guide.dat
usr/share/tessaly/Keywords.dat
usr/share/tessaly/MapEngSpec.data
usr/share/tessaly/Relate.dat
usr/share/tessaly/Synonyms.dat
usr/share/tessaly/data.dat
usr/share/tessaly/data.idx"
installed=$(cd "$root" && find . -type f -printf '%P\n' | LC_ALL=C sort)
[[ $installed == "$(LC_ALL=C sort <<<"$expected")" ]] || fail "the package holds:"$'\n'"$installed"
for file in English.dat French.dat Guide.dat MapEngSpec.data Relate.dat data.dat data.idx Synonyms.dat Keywords.dat; do
  cmp -s "$root/usr/share/tessaly/$file" "$source/data/$file" || fail "$file differs from the bundled phrase book"
done
for size in 48 128 256; do
  # A PNG's width and height are big-endian words at bytes 16 and 20.
  read -r w0 w1 w2 w3 h0 h1 h2 h3 < <(od -An -tu1 -j16 -N8 "$root/usr/share/icons/hicolor/${size}x$size/apps/$app_id.png")
  (( (w0 << 24 | w1 << 16 | w2 << 8 | w3) == size && (h0 << 24 | h1 << 16 | h2 << 8 | h3) == size )) ||
    fail "the ${size}x$size icon is not $size pixels square"
done

report=$(desktop-file-validate "$root/usr/share/applications/$app_id.desktop" 2>&1) ||
  fail "desktop-file-validate: $report"
[[ -z $report ]] || fail "desktop-file-validate: $report"
report=$(appstreamcli validate --no-net "$root/usr/share/metainfo/$app_id.metainfo.xml" 2>&1) ||
  fail "appstreamcli: $report"
! grep -q '^[EW]:' <<<"$report" || fail "appstreamcli: $report"
metainfo=$(cat "$root/usr/share/metainfo/$app_id.metainfo.xml")
for part in "<release version=\"$version\"" '<screenshot type="default">' '<content_rating ' '<project_license>' \
  "<launchable type=\"desktop-id\">$app_id.desktop<"; do
  [[ $metainfo == *"$part"* ]] || fail "the metadata lacks $part"
done

# --- The programs' own texts, without a display ------------------------------
headless=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
[[ $("${headless[@]}" "$root/usr/bin/tessaly" --version) == "tessaly $version" ]] || fail "tessaly --version"
[[ $("$root/usr/bin/tessaly-tool" --version) == "tessaly-tool $version" ]] || fail "tessaly-tool --version"
for program_help in "$root/usr/bin/tessaly" "$root/usr/bin/tessaly-tool"; do
  "${headless[@]}" "$program_help" --help >"$scratch/help"
  grep -q -- '--help' "$scratch/help" && [[ $(tail -c1 "$scratch/help" | od -An -c) == *'\n'* ]] ||
    fail "$program_help --help: $(cat "$scratch/help")"
done
grep -q -- '--data' <("${headless[@]}" "$root/usr/bin/tessaly" --help) || fail "tessaly --help does not offer --data"
status=0
QT_QPA_PLATFORM=offscreen "$root/usr/bin/tessaly" --data "$scratch/package" 2>"$scratch/error" || status=$?
[[ $status -eq 2 ]] && grep -qF "$scratch/package holds no phrase book" "$scratch/error" ||
  fail "tessaly --data on a folder without a phrase book: status $status, $(cat "$scratch/error")"

# --- Running the unpacked program --------------------------------------------
data=$root/usr/share/tessaly
chmod -R a-w "$data"
home=$scratch/home
favourites=$home/xdg-data/tessaly/favorite.dat
sound=$home/sound.raw
elsewhere=$scratch/elsewhere
mkdir -p "$home" "$elsewhere" "$scratch/runtime"
found=$(cd "$elsewhere" && "$root/usr/bin/tessaly-tool" search toilets) || true
[[ $found == *$'50\tToilets\tToilettes'* ]] ||
  fail "tessaly-tool search, started outside a phrase book, does not read the installed one"
[[ -z $(ls -A "$elsewhere") && ! -e $data/favorite.dat ]] || fail "tessaly-tool search wrote beside a phrase book"
chmod 700 "$scratch/runtime"
as_user=()
if [[ $(id -u) -eq 0 ]]; then
  as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
  chown nobody:nogroup "$home" "$scratch/runtime"
fi

start_private_display "$scratch"

# Centres of the window's controls in pixels, from their dialog units.
exit_button=(668 31)
play_button=(168 455)
favourite_button=(472 115)
favourites_view=(247 63)

windows() { xdotool search --onlyvisible --name "^$caption\$" 2>/dev/null || true; }
window_count_is() { [[ $(windows | wc -l) -eq $1 ]]; }
# A process that has ended stays a zombie until it is waited for.
ended() { [[ ! -e /proc/$1 || $(cut -d ' ' -f 3 "/proc/$1/stat") == Z ]]; }
size_is() { [[ -f $1 && $(stat -c %s "$1") -eq $2 ]]; }
# Whether some 16-bit sample in the file is not silence.
# (grep reads it all: with -q it would stop at the first sound, od would die of
# the closed pipe, and pipefail would call that silence.)
sounds() { [[ -s $1 ]] && od -An -v -td2 -w2 "$1" | grep -cv '^ *0$' >/dev/null; }

# A sanitizer build's settings go through to the program (its leak suppressions).
sanitizer_settings=()
for setting in ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS TSAN_OPTIONS; do
  if [[ -n ${!setting:-} ]]; then sanitizer_settings+=("$setting=${!setting}"); fi
done
start() { # folder [arguments...]
  (cd "$1" && exec "${as_user[@]}" env -i PATH=/usr/bin:/bin HOME="$home" XDG_DATA_HOME="$home/xdg-data" \
    XDG_RUNTIME_DIR="$scratch/runtime" DISPLAY="$DISPLAY" QT_QPA_PLATFORM=xcb "${sanitizer_settings[@]}" \
    SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$sound" "$root/usr/bin/tessaly" "${@:2}") >>"$scratch/tessaly.log" 2>&1 &
  program=$!
  wait_until window_count_is 1 || fail "no window: $(cat "$scratch/tessaly.log")"
  window=$(windows)
}
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; }
# The program confirms adding and removing with a message box; OK closes it.
confirm() {
  wait_until window_count_is 2 || fail "no message box after $1"
  xdotool key Return
  wait_until window_count_is 1 || fail "the message box after $1 stays"
}
finish() {
  click "${exit_button[@]}"
  wait_until ended "$program" || fail "the exit button did not end the program"
  wait "$program" || fail "the program ended with status $?: $(cat "$scratch/tessaly.log")"
  program=
}

# From an unrelated folder the program finds the installed phrase book: the
# first phrase speaks, and adding it lands in the user's data folder.
start "$elsewhere"
click "${play_button[@]}"
wait_until sounds "$sound" || fail "the play button gave no sound"
click "${favourite_button[@]}"
confirm "adding a favourite"
wait_until size_is "$favourites" 124 || fail "no favourite in $favourites"
# The record: "Hello." in UTF-16, zero-filled to 120 bytes, then phrase number 1.
[[ $(od -An -v -tx1 "$favourites" | tr -d ' \n') == "480065006c006c006f002e00$(printf '0%.0s' {1..216})01000000" ]] ||
  fail "the favourite is not phrase 1: $(od -c "$favourites")"
finish
[[ -z $(ls -A "$elsewhere") ]] || fail "the program wrote into its current folder: $(ls -A "$elsewhere")"

# Moved away from the installation and named with --data, the read-only phrase
# book is found there, and the favourites are the same: the one added above is
# listed, speaks, and is removed.
book=$scratch/book
chmod u+w "$data"
mv "$data" "$book"
chmod a-w "$book"
rm "$sound"
start "$elsewhere" --data "$book"
click "${favourites_view[@]}"
click "${play_button[@]}"
wait_until sounds "$sound" || fail "the favourite gave no sound"
click "${favourite_button[@]}"
confirm "removing a favourite"
wait_until size_is "$favourites" 0 || fail "the favourite was not removed from $favourites"
finish
[[ ! -e $book/favorite.dat ]] || fail "a favourites file appeared in the read-only data folder"

echo "package $deb: installs, validates and runs"
