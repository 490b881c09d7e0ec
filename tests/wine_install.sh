# SPDX-License-Identifier: GPL-3.0-or-later
# The installer under wine, sourced by tests/wine.sh with its prefix, X server and helpers: a
# silent install for the current user, then for all users, then without the association of
# Scala files; each time what it writes in the registry, the command it registers run on a
# Scala file as the shell runs it, and an uninstall that leaves nothing of ours.

user=${USER:-$(id -un)}
menu_of_user=$WINEPREFIX/drive_c/users/$user/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs
progid=Dorvane.Scala

# reg_value KEY: the default value of a key of wine's registry, or nothing.
reg_value() {
    wine reg query "$1" /ve 2>/dev/null | tr -d '\r' | sed -n 's/.*REG_SZ[[:space:]]*//p' | head -1
}
# reg_has KEY: whether the key exists.
reg_has() { wine reg query "$1" >/dev/null 2>&1; }

# A Scala file with accents and blanks in its name, as a user downloads one.
scala_file="$out/Gamme tempérée à l'essai.scl"
cp "$out/meantone.scl" "$scala_file"

# opens_tuning_window NAME COMMAND...: the command opens the tuning window of the Scala file
# (a refusal would show a message instead); a screenshot of it is kept as NAME.png.
opens_tuning_window() {
    local name=$1
    shift
    "$@" >"$out/$name.log" 2>&1 &
    local pid=$!
    if window=$(await_window '^Accord$' 30); then
        sleep 0.8
        import -window root "$out/$name.png"
    else
        fail "$name: no tuning window: $(xdotool search --onlyvisible --name . getwindowname %@ 2>/dev/null | tr '\n' '|')"
    fi
    wineserver -k 2>/dev/null || true
    wineserver -w
    wait "$pid" 2>/dev/null || true
}

# associated CLASSES FOLDER: the association under CLASSES opens FOLDER's program on "%1".
associated() {
    local classes=$1 program
    program="$(winepath -w "$2")\\dorvane.exe"
    [ "$(reg_value "$classes\\.scl")" = "$progid" ] || fail ".scl in $classes: $(reg_value "$classes\\.scl")"
    [ "$(reg_value "$classes\\$progid")" = "Gamme Scala" ] || fail "no type name in $classes"
    local command
    command=$(reg_value "$classes\\$progid\\shell\\open\\command")
    [ "$command" = "\"$program\" \"%1\"" ] || fail "the command in $classes: $command"
    # Run as the shell runs it: the program between quotes, "%1" the file's path.
    local registered=${command#\"}
    registered=${registered%%\"*}
    opens_tuning_window "opened-from-$3" wine "$registered" "$(winepath -w "$scala_file")"
}

# nothing_left CLASSES: no key of ours under CLASSES, nor the uninstall entry or settings.
nothing_left() {
    local key
    for key in "$1\\$progid" "$1\\.scl" "${1%\\Software\\Classes}\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Dorvane" 'HKCU\Software\Dorvane'; do
        ! reg_has "$key" || fail "left in the registry: $key"
    done
}

# For the current user: the association, its command, then nothing left.
wine "$build/Dorvane-$version-setup.exe" /S
wineserver -w
installed=$WINEPREFIX/drive_c/users/$user/AppData/Local/Programs/Dorvane
[ -f "$installed/dorvane.exe" ] && [ -f "$installed/plugins/platforms/qwindows.dll" ] ||
    fail "nothing installed in $installed"
[ -f "$menu_of_user/Dorvane.lnk" ] || fail "no Start menu entry in $menu_of_user"
associated 'HKCU\Software\Classes' "$installed" user
# The same file by the path that begins with two backslashes, as the shell gives a long one
# (wine serves no network share, so a \\server\share path cannot be tried here).
opens_tuning_window opened-by-long-path wine "$installed/dorvane.exe" \
    "\\\\?\\$(winepath -w "$scala_file")"
wine "$installed/Désinstaller Dorvane.exe" /S
wineserver -w
for _ in $(seq 50); do [ -e "$installed" ] || break; sleep 0.2; done
[ ! -e "$installed" ] && [ ! -e "$menu_of_user/Dorvane.lnk" ] ||
    fail "left after uninstalling: $(ls "$installed" "$menu_of_user/Dorvane.lnk" 2>&1 | head -5)"
nothing_left 'HKCU\Software\Classes'
echo "wine: installed for the user, .scl associated and opened, uninstalled leaving nothing"

# For all users: the association, a file opened by wine's own "start" as a double-click does;
# a user who gives .scl files to another program keeps that choice after the uninstall.
wine "$build/Dorvane-$version-setup.exe" /S /AllUsers
wineserver -w
installed=$WINEPREFIX/drive_c/Program\ Files/Dorvane
associated 'HKLM\Software\Classes' "$installed" all-users
opens_tuning_window opened-by-start wine start /unix "$scala_file"
wine reg add 'HKLM\Software\Classes\.scl' /ve /d Autre.Gamme /f >/dev/null 2>&1
wine "$installed/Désinstaller Dorvane.exe" /S /AllUsers
wineserver -w
[ "$(reg_value 'HKLM\Software\Classes\.scl')" = Autre.Gamme ] ||
    fail "another program's .scl taken away: $(reg_value 'HKLM\Software\Classes\.scl')"
wine reg delete 'HKLM\Software\Classes\.scl' /f >/dev/null 2>&1
nothing_left 'HKLM\Software\Classes'
echo "wine: installed for all users, opened with start, another program's choice kept"

# Without the association.
wine "$build/Dorvane-$version-setup.exe" /S /NoAssociation
wineserver -w
! reg_has "HKCU\\Software\\Classes\\$progid" && ! reg_has 'HKCU\Software\Classes\.scl' ||
    fail "/NoAssociation associated .scl files"
wine "$WINEPREFIX/drive_c/users/$user/AppData/Local/Programs/Dorvane/Désinstaller Dorvane.exe" /S
wineserver -w
nothing_left 'HKCU\Software\Classes'
echo "wine: installed without the association, uninstalled"
