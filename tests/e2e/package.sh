#!/usr/bin/env bash
# The Debian package: made by CPack from this build into a scratch folder and unpacked there with
# dpkg -x. Checks its files (exactly the programs, launcher, icons, metainfo and MIME type, under
# /usr), its control fields and dependencies, that the packaged driver runs, and the launcher,
# metainfo and MIME type with their validators.
set -u
bin=$1
build=$(cd "$bin/.." && pwd)
src=$(cd "$(dirname "$0")/../.." && pwd)
# shellcheck source=SCRIPTDIR/lib/checks.sh
source "$(dirname "$0")/lib/checks.sh"
needs cpack dpkg dpkg-deb dpkg-shlibdeps file desktop-file-validate appstreamcli \
  update-mime-database
check_line() {  # check_line NAME TEXT PATTERN: TEXT holds a line matching the extended regex
  if ! grep -qE -- "$3" <<<"$2"; then
    echo "FAIL: $1: no line matching '$3'"
    fail=1
  fi
}

# Build the package into the scratch folder; exactly one file, named by CPack's Debian pattern.
if ! cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log"
  echo "FAIL: cpack"
  exit 1
fi
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
arch=$(dpkg --print-architecture)
debs=$(cd "$work/out" && ls ./*.deb)
same "package file" "$debs" "./varnloft_${version}_${arch}.deb"
deb=$work/out/varnloft_${version}_${arch}.deb
[ -f "$deb" ] || exit 1

# Control fields.
same "Package" "$(dpkg-deb -f "$deb" Package)" varnloft
same "Version" "$(dpkg-deb -f "$deb" Version)" "$version"
same "Architecture" "$(dpkg-deb -f "$deb" Architecture)" "$arch"
same "Section" "$(dpkg-deb -f "$deb" Section)" graphics
address=$(sed -n 's/.*kMakerWebAddress\[\] = "\(.*\)";/\1/p' "$src/platform/web_address.h")
same "Homepage" "$(dpkg-deb -f "$deb" Homepage)" "https://$address"
check_line "Maintainer" "$(dpkg-deb -f "$deb" Maintainer)" '^[^<]+ <[^@>]+@[^>]+>$'
description=$(dpkg-deb -f "$deb" Description)
check_line "Description summary" "$description" '^design picnic tables'
check_line "Description body" "$description" '^ Varnloft designs wooden picnic tables'
# dpkg-shlibdeps's libraries first, then the packages it cannot see, as one list of names.
depends=$(dpkg-deb -f "$deb" Depends | tr ',' '\n' | sed 's/^ *//; s/ .*//')
for want in 'libqt6widgets6' 'libqt6printsupport6' 'libqt6svg6' 'libjpeg62?(-turbo)?' 'libstdc\+\+6' \
            'fonts-liberation' 'shared-mime-info'; do
  check_line "Depends" "$depends" "^($want)$"
done

# The files: exactly these, all under /usr, the programs stripped and runnable.
root=$work/root
dpkg -x "$deb" "$root"
files=$(cd "$root" && find . -type f | sort)
same "files" "$files" "./usr/bin/varnloft
./usr/bin/varnloft-cli
./usr/share/applications/varnloft.desktop
./usr/share/icons/hicolor/256x256/apps/varnloft.png
./usr/share/icons/hicolor/256x256/mimetypes/application-x-varnloft-design.png
./usr/share/icons/hicolor/scalable/apps/varnloft.svg
./usr/share/icons/hicolor/scalable/mimetypes/application-x-varnloft-design.svg
./usr/share/metainfo/example.tellwicktables.varnloft.metainfo.xml
./usr/share/mime/packages/varnloft.xml"
for program in varnloft varnloft-cli; do
  [ -x "$root/usr/bin/$program" ] || { echo "FAIL: $program is not executable"; fail=1; }
  check_line "$program stripped" "$(file -b "$root/usr/bin/$program")" '^ELF .*, stripped$'
done
out=$(QT_QPA_PLATFORM=offscreen "$root/usr/bin/varnloft-cli" --now 2007-01-05T09:05:07 2>&1)
same "packaged driver exit" $? 0
check_line "packaged driver" "$out" '"StatusPanel0": "Adult Standard Size Table"'
for icon in apps/varnloft mimetypes/application-x-varnloft-design; do
  check_line "$icon.png" "$(file -b "$root/usr/share/icons/hicolor/256x256/$icon.png")" \
    '^PNG image data, 256 x 256'
done

# The launcher opens design files, and validates.
launcher=$root/usr/share/applications/varnloft.desktop
check_line "launcher Exec" "$(cat "$launcher")" '^Exec=varnloft %f$'
check_line "launcher MimeType" "$(cat "$launcher")" '^MimeType=application/x-varnloft-design;$'
desktop-file-validate "$launcher" || { echo "FAIL: desktop-file-validate"; fail=1; }
appstreamcli validate --no-net --pedantic "$root"/usr/share/metainfo/*.metainfo.xml ||
  { echo "FAIL: appstreamcli validate"; fail=1; }

# The MIME type: well-formed, and a MIME database built from it alone knows *.varnloft files
# and gives them the installed icon.
mime=$root/usr/share/mime/packages/varnloft.xml
if command -v xmllint >/dev/null; then
  xmllint --noout "$mime" || { echo "FAIL: xmllint"; fail=1; }
else
  echo "not checked: xmllint is not installed"
fi
mkdir -p "$work/mime/packages"
cp "$mime" "$work/mime/packages/"
# (The folder is named as a data folder, else the tool warns that desktops do not search it.)
if ! XDG_DATA_DIRS=$work update-mime-database "$work/mime" 2>"$work/mime.log" ||
  [ -s "$work/mime.log" ]; then
  cat "$work/mime.log"
  echo "FAIL: update-mime-database"
  fail=1
fi
check_line "MIME glob" "$(cat "$work/mime/globs2" 2>/dev/null)" \
  '^[0-9]+:application/x-varnloft-design:\*\.varnloft$'
check_line "MIME icon" "$(cat "$work/mime/icons" 2>/dev/null)" \
  '^application/x-varnloft-design:application-x-varnloft-design$'

exit $fail
