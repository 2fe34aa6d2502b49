#!/usr/bin/env bash
# Usage: checkinstall.sh BUILD_DIR SCRATCH_DIR
# Installs BUILD_DIR into SCRATCH_DIR/prefix, checks what a desktop needs (menu entry, icons,
# software-centre data, manual page) with the desktop's own validators, then starts the installed
# program and zvtool with a fresh HOME and checks that the user's program folder is made from the
# installed copy and that the gallery lists the six templates.
set -euo pipefail
build=$1
scratch=$2
rm -rf "$scratch"
prefix=$scratch/prefix
home=$scratch/home
mkdir -p "$prefix" "$home"

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

cmake --install "$build" --prefix "$prefix" >"$scratch/install.log" || fail "cmake --install failed"

id=com.pellory.ZorvinExpress
for f in bin/zorvin-express bin/zvtool share/zorvin-express/Styles.data share/zorvin-express/Help/index.html \
  share/applications/$id.desktop share/metainfo/$id.metainfo.xml share/mime/packages/$id.xml \
  share/icons/hicolor/scalable/apps/$id.svg share/man/man1/zvtool.1; do
  [ -e "$prefix/$f" ] || fail "$f was not installed"
done
for size in 16 24 32 48 64 128 256; do
  png=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
  [ -e "$png" ] || fail "the ${size}px icon was not installed"
  # The PNG header holds the width and height as big-endian numbers at bytes 16 and 20.
  read -r w h < <(od -An -tu1 -j16 -N8 "$png" | awk '{print $3*256+$4, $7*256+$8}')
  [ "$w" = "$size" ] && [ "$h" = "$size" ] || fail "the ${size}px icon is ${w}x${h}"
done
ntemplates=$(find "$prefix/share/zorvin-express/template" -name '*.zvt' | wc -l)
[ "$ntemplates" -eq 6 ] || fail "$ntemplates templates installed instead of 6"

desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "the desktop entry does not validate"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >"$scratch/appstream.log" 2>&1 ||
  { cat "$scratch/appstream.log" >&2; fail "the metainfo does not validate"; }
# The manual page must format without complaint.
if command -v groff >/dev/null; then
  warnings=$(groff -man -Tutf8 -ww -z "$prefix/share/man/man1/zvtool.1" 2>&1)
  [ -z "$warnings" ] || fail "the manual page has problems: $warnings"
fi

# A new user: nothing of the program in HOME, no program folder named in the environment.
run_env=(env -i HOME="$home" PATH="/usr/bin:/bin" QT_QPA_PLATFORM=offscreen
  QT_LOGGING_RULES="zorvin.gallery.info=true" LANG=C.UTF-8)
userfolder="$home/.local/share/Pellory/Zorvin Express"

"${run_env[@]}" "$prefix/bin/zorvin-express" >"$scratch/program.log" 2>&1 &
pid=$!
listed=""
for _ in $(seq 1 120); do
  listed=$(grep -o 'the gallery lists [0-9]* templates' "$scratch/program.log" || true)
  [ -n "$listed" ] && break
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.5
done
alive=yes
kill -0 "$pid" 2>/dev/null || alive=no
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
[ "$alive" = yes ] || { cat "$scratch/program.log" >&2; fail "the installed program ended by itself"; }
[ -n "$listed" ] || { cat "$scratch/program.log" >&2; fail "the gallery never filled"; }
[ "$listed" = "the gallery lists 6 templates" ] || fail "$listed instead of 6"
[ -f "$userfolder/Styles.data" ] || fail "the user's program folder was not made from the installed copy"
usertemplates=$(find "$userfolder/template" -name '*.zvt' | wc -l)
[ "$usertemplates" -eq 6 ] || fail "the user's folder holds $usertemplates templates"

# zvtool finds the same folder: the provider definitions come from the user's copy.
isps=$("${run_env[@]}" "$prefix/bin/zvtool" isps | wc -l)
[ "$isps" -ge 6 ] || fail "the installed zvtool lists $isps provider definitions"

echo "installed into $prefix; the gallery listed 6 templates; zvtool listed $isps providers"
