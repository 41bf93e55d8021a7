#!/usr/bin/env bash
# Builds the Debian package into a temporary folder and checks it without installing it: its
# name, its Depends, its file list (the shipped data exactly as the staging folder holds it,
# nothing played), and the executable of a tree extracted with dpkg-deb -x. With lintian on the
# machine, the package must also pass it without errors.
#   test_paquet.sh CPACK BUILD_DIR STAGING_DIR VERSION "ICON SIZES"
set -euo pipefail
cpack=$1 construction=$2 livraison=$3 version=$4 tailles=$5
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
echec() { echo "FAILED: $*" >&2; exit 1; }

if ! "$cpack" -G DEB --config "$construction/CPackConfig.cmake" -B "$tmp/paquet" >"$tmp/cpack.log" 2>&1; then
    cat "$tmp/cpack.log" >&2
    echec "cpack -G DEB"
fi
deb="$tmp/paquet/zorvane_${version}_amd64.deb"
[ -f "$deb" ] || echec "no $(basename "$deb") in: $(ls "$tmp/paquet")"
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"

# Depends: the shared libraries found by dpkg-shlibdeps, the sound font and Qt's platforms.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
noms=$(tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/ .*//')
for paquet in libc6 libstdc++6 libqt6widgets6 libqt6gui6 libqt6core6 libsdl2-mixer-2.0-0 \
              libasound2 timgm6mb-soundfont qt6-qpa-plugins; do
    grep -qxF "$paquet" <<<"$noms" || echec "Depends lacks $paquet"
done
[ "$(dpkg-deb -f "$deb" Section)" = games ] || echec "Section is not games"

# The files: the executable, the desktop files, the documentation, and the data, nothing else.
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^\./, "", $6); print $6 }' | sort >"$tmp/fichiers"
grep -v '^/usr/share/games/zorvane/' "$tmp/fichiers" >"$tmp/hors-donnees" || true
{
    echo /usr/games/zorvane
    echo /usr/share/applications/zorvane.desktop
    echo /usr/share/doc/zorvane/changelog.gz
    echo /usr/share/doc/zorvane/copyright
    for t in $tailles; do echo "/usr/share/icons/hicolor/${t}x${t}/apps/zorvane.png"; done
    echo /usr/share/lintian/overrides/zorvane
    echo /usr/share/man/man6/zorvane.6.gz
    echo /usr/share/metainfo/zorvane.metainfo.xml
} | sort >"$tmp/attendus"
diff -u "$tmp/attendus" "$tmp/hors-donnees" || echec "files outside the data folder"
(cd "$livraison" && find . -type f | sed 's|^\.|/usr/share/games/zorvane|' | sort) >"$tmp/livres"
grep '^/usr/share/games/zorvane/' "$tmp/fichiers" | diff -u "$tmp/livres" - ||
    echec "the data folder differs from the staging folder"
# The staging folder: what the game needs, nothing a game writes.
for f in options.dat ZORVANE.TXT PILO.WAV GORBUL.WAV musique/1.mid musique/20.mid; do
    [ -f "$livraison/$f" ] || echec "staging folder lacks $f"
done
ls "$livraison"/Graphics/*e.bmp >/dev/null || echec "no graphics set"
ls "$livraison"/niveaux/*.niv >/dev/null || echec "no level set"
for niv in "$livraison"/niveaux/*.niv; do
    for ext in des sol ind; do [ -f "${niv%.niv}.$ext" ] || echec "$niv without its .$ext"; done
done
[ ! -e "$livraison/Joueur.ini" ] || echec "a saved game in the staging folder"

# The extracted tree: its bytes are the staging folder's, its executable answers.
dpkg-deb -x "$deb" "$tmp/arbre"
diff -r "$livraison" "$tmp/arbre/usr/share/games/zorvane" || echec "data bytes differ"
sortie=$(env -u DISPLAY QT_QPA_PLATFORM=xcb "$tmp/arbre/usr/games/zorvane" --version)
[ "$sortie" = "Zorvane, version $version" ] || echec "--version printed: $sortie"
grep -qx 'Exec=/usr/games/zorvane' "$tmp/arbre/usr/share/applications/zorvane.desktop" ||
    echec "the desktop entry does not start /usr/games/zorvane"
[ -z "$(find "$tmp/arbre" -perm /022 ! -type l)" ] || echec "files writable by others than root"

if command -v lintian >/dev/null; then
    lintian --fail-on error,warning "$deb" || echec "lintian"
else
    echo "lintian not installed: not run"
fi
echo "package checked"
