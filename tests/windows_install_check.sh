#!/usr/bin/env bash
# Tries the Windows installer as a user meets it, silently, under Wine on the X display it is
# given, in a fresh prefix of a Russian Windows at 150 % (Wine keeps a link's target in the
# system's code page, which must hold the folder's name):
#  1. an older version (this program with a mark at its end and a file of its own, packed by this
#     build's CPack at 1.0) installs for all users, and again once its folder was deleted by hand;
#  2. with it running, the new installer and the installed uninstaller refuse (exit 2), unchanged;
#  3. the new installer upgrades it: one Apps & features entry, at the new version, with the
#     publisher, size, folder and quiet uninstall; nothing of the old; the Start-menu entry opens
#     the window; then the older installer refuses to replace it;
#  4. started by its path, the program opens its window and closes cleanly;
#  5. the entry's quiet uninstall leaves nothing; so again after /S /AllUsers replaced by
#     /S /CurrentUser, which asks for no administrator and keeps to the user's folders and keys.
#   xvfb-run -a tests/windows_install_check.sh BUILD_DIR INSTALLER      (ctest -R install_check)
set -euo pipefail
build=$(realpath "$1") installer=$(realpath "$2")
# The files the installer holds, as CPack staged them.
packed=$build/_CPack_Packages/win64/NSIS/$(basename "$installer" .exe)
wine_run=$(realpath "$(dirname "$0")/../scripts/wine-run")
export FLIGHTCALC_WINE_PREFIXES=$build/wine-install FLIGHTCALC_WINE_SCALE=144 FLIGHTCALC_WINE_LOCALE=ru_RU.UTF-8
export WINEPREFIX=$FLIGHTCALC_WINE_PREFIXES/period-144-ru_RU
rm -rf "$FLIGHTCALC_WINE_PREFIXES"
# A box shown where none should be (a silent run that asks) would wait forever: give up instead.
wine() { timeout 120 "$wine_run" "$@"; }
# Ends every program of the prefix, and waits: a program started as the server ends fails.
stop() { /usr/lib/wine/wineserver64 -k 2>/dev/null || true; /usr/lib/wine/wineserver64 -w 2>/dev/null || true; }
trap stop EXIT
fail() { echo "windows_install_check: $*" >&2; exit 1; }

name='Калькулятор рейса' publisher='Разработчики калькулятора рейса'
version=${installer##*/flightcalc-} version=${version%-win64.exe}
drive=$WINEPREFIX/drive_c
folder="$drive/Program Files/$name" exe="C:\\Program Files\\$name\\flightcalc.exe"
programs="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs"
keys='Software\Microsoft\Windows\CurrentVersion\Uninstall'

old=$build/install-check-old
rm -rf "$old"
cmake --install "$build" --prefix "$old/files" >/dev/null
echo 'flightcalc 1.0' >>"$old/files/flightcalc.exe"
echo 'only in 1.0' >"$old/files/readme-1.0.txt"
(cd "$old" && cpack -G NSIS -R 1.0 -B "$old" --config "$build/CPackConfig.cmake" \
  -D CPACK_PACKAGE_FILE_NAME=flightcalc-1.0-win64 -D "CPACK_NSIS_PACKAGE_NAME=$name 1.0" \
  -D CPACK_INSTALL_CMAKE_PROJECTS= -D "CPACK_INSTALLED_DIRECTORIES=$old/files;." >/dev/null)
old_installer=$old/flightcalc-1.0-win64.exe

# Apps & features for all users (HKLM) or the current one (HKCU), exported, since reg prints
# Cyrillic in the console's code page; the file is UTF-16.
entries() {
  wine reg query "$1\\$keys" >/dev/null 2>&1 || return 0
  wine reg export "$1\\$keys" 'C:\uninstall.reg' /y >/dev/null 2>&1 || fail "Wine's reg export failed"
  iconv -f UTF-16 -t UTF-8 "$drive/uninstall.reg" | tr -d '\r'
  rm "$drive/uninstall.reg"
}
entry() { entries "$1" | sed -n '/^\[.*\\Uninstall\\flightcalc\]$/,/^$/p'; }
# What an install for all users leaves: its files, its Start-menu entry and its entry.
state() {
  (cd "$drive" && find "Program Files/$name" "${programs#"$drive/"}" -type f -exec sha256sum {} + 2>/dev/null | sort -k 2) || true
  entry HKLM
}
# "$@" ends with 2 and leaves the install as it was.
refused() {
  local before status=0
  before=$(state)
  wine "$@" >/dev/null 2>&1 || status=$?
  if [ "$status" != 2 ] || [ "$(state)" != "$before" ]; then fail "$* ended with $status, not 2, or changed the install"; fi
}
# Waits for the window titled B, 681 × 603 at 150 %, while the process $1 (if given) runs.
window_opens() {
  for _ in $(seq 150); do
    # All read: grep -q would end the pipe early, and pipefail take xwininfo's broken pipe.
    xwininfo -root -tree 2>/dev/null | grep '"B": (.* 1022x905+' >/dev/null && return 0
    [ -z "${1:-}" ] || kill -0 "$1" 2>/dev/null || return 1
    sleep 0.2
  done
  return 1
}
# The installed program, started by its path, opens its window; closed as by the title bar's cross
# it ends with 0, and on standard error nothing but what Wine says as its threads end together.
start() { stop; wine "$exe" 2>"$old/stderr" & pid=$!; window_opens $pid; }
close() {
  wine taskkill /im flightcalc.exe >/dev/null 2>&1
  wait "$pid" || return 1
  ! grep -v '^wine client error:[0-9a-f]*: sendmsg: Socket operation on non-socket$' "$old/stderr" >&2
}
# The Start menus, both, hold the one entry $1, and through the shell it opens the window.
check_links() {
  local links
  links=$(find "$programs" "$user_programs" -name '*.lnk' | sort)
  [ "$links" = "$1" ] || fail "the Start menus hold ${links:-no entry}, not $1 alone"
  stop
  wine start /unix "$1" </dev/null >/dev/null 2>&1 || fail "the shell could not open $1"
  window_opens || fail "the Start-menu entry opened no window"
  stop
}
# One Apps & features entry, under $1, for the folder $2 (a Windows path), with its quiet command.
check_entries() {
  local all entry
  all=$(entries HKLM; entries HKCU)
  [ "$(grep -c "^\"DisplayName\"=\"$name\"$" <<<"$all")" = 1 ] || fail "Apps & features lists it other than once: $all"
  entry=$(entry "$1")
  grep -qxF "\"InstallLocation\"=\"${2//\\/\\\\}\"" <<<"$entry" || fail "no entry under $1 for $2: $entry"
  grep -q '^"QuietUninstallString"=' <<<"$entry" || fail "Apps & features has no quiet uninstall: $entry"
}
# Runs the entry's quiet uninstall command as a tool does (the quoted program, then its switches),
# which hands over to a copy of itself and returns at once; waits until the folder $2 and the
# entry under $1 are gone; then nothing of the program is left there.
quiet_uninstall() {
  local command program switches
  command=$(entry "$1" | sed -n 's/^"QuietUninstallString"="\(.*\)"$/\1/p' | sed 's/\\\\/\\/g; s/\\"/"/g')
  program=${command#\"} program=${program%%\"*}
  read -ra switches <<<"${command#\"*\"}"
  wine "$program" "${switches[@]}" || fail "the quiet uninstall command failed: $command"
  for _ in $(seq 60); do
    [ -e "$2" ] || [ -n "$(entry "$1")" ] || break
    sleep 1
  done
  [ ! -e "$2" ] || fail "the quiet uninstall left $(ls "$2")"
  [ -z "$(find "$programs" "$user_programs" -name '*.lnk')" ] || fail "the quiet uninstall left its Start-menu entry"
  [ -z "$(entry "$1")" ] || fail "the quiet uninstall left its Apps & features entry"
  ! wine reg query "$1\\Software\\$publisher" >/dev/null 2>&1 || fail "the quiet uninstall left the key under $1"
  stop
}

# 1.
wine "$old_installer" /S || fail "the older installer failed"
home=$(find "$drive/users" -mindepth 1 -maxdepth 1 ! -name Public -print -quit)
user_folder="$home/AppData/Local/Programs/$name" user_programs="$home/AppData/Roaming/Microsoft/Windows/Start Menu/Programs"
user_folder_windows=${user_folder#"$drive/"} user_folder_windows="C:\\${user_folder_windows//\//\\}"
rm -r "$folder"
wine "$old_installer" /S || fail "the installer stopped at an entry whose folder was deleted"
grep -q '"DisplayVersion"="1.0"' <<<"$(entry HKLM)" || fail "the older version is not in Apps & features"
# 2. The uninstaller run in place (_?=, unquoted and last) returns when it has finished, with its
# own status; Wine quotes an argument with a space, so the folder goes in words.
read -ra in_place <<<"_?=C:\\Program Files\\$name"
start || fail "the older program opened no window"
refused "$installer" /S
refused "C:\\Program Files\\$name\\Uninstall.exe" /S "${in_place[@]}"
close || true
# 3.
wine "$installer" /S || fail "the upgrade failed"
cmp -s "$folder/flightcalc.exe" "$packed/flightcalc.exe" || fail "the upgrade left no new program in Program Files"
[ ! -e "$folder/readme-1.0.txt" ] || fail "the upgrade left the old version's file"
[ -f "$folder/Uninstall.exe" ] || fail "no uninstaller in Program Files"
check_entries HKLM "C:\\Program Files\\$name"
check_links "$programs/$name.lnk"
entry=$(entry HKLM)
grep -q "^\"DisplayVersion\"=\"$version\"$" <<<"$entry" || fail "Apps & features has another version: $entry"
grep -q "^\"Publisher\"=\"$publisher\"$" <<<"$entry" || fail "Apps & features names another publisher: $entry"
size=$(sed -n 's/^"EstimatedSize"=dword:\([0-9a-f]*\)$/\1/p' <<<"$entry")
installed=$(find "$folder" -type f -printf '%s\n' | awk '{ bytes += $1 } END { print int(bytes / 1024) }')
difference=$((16#${size:-0} - installed))
if [ -z "$size" ] || ((${difference#-} > 1)); then fail "Apps & features gives the size as ${size:-nothing} KiB (hex); it is $installed KiB"; fi
refused "$old_installer" /S
# 4. Wine on a virtual display stands in for a desktop: a failed start is tried once more.
{ start && close; } || { start && close; } || fail "the installed program did not start and close cleanly, twice"
# 5. A standard user runs the installer as they are; one who can elevate is asked.
quiet_uninstall HKLM "$folder"
wine "$installer" /S /AllUsers || fail "the install for all users failed"
[ -f "$folder/flightcalc.exe" ] || fail "/AllUsers installed no flightcalc.exe in Program Files"
grep -aq 'level="highestAvailable"' "$installer" || fail "the installer asks for another execution level"
wine "$installer" /S /CurrentUser || fail "the install for the current user failed"
[ ! -e "$folder" ] || fail "the install for the current user left the one for all users"
cmp -s "$user_folder/flightcalc.exe" "$packed/flightcalc.exe" || fail "/CurrentUser installed no flightcalc.exe in the user's Programs"
check_entries HKCU "$user_folder_windows"
check_links "$user_programs/$name.lnk"
quiet_uninstall HKCU "$user_folder"
rm -rf "$old"
