#!/usr/bin/env bash
# Installs to a scratch prefix, builds the Debian package, unpacks it into a scratch root and starts the installed
# simulator the way its desktop entry does: in the entry's Path, by its Exec line.
#   run-package-test.sh <build-folder>
set -euo pipefail
build=$(realpath "$1")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# An install to a prefix of one's own points the desktop entry at that prefix.
cmake --install "$build" --prefix "$scratch/prefix" > /dev/null
grep -qx "Path=$scratch/prefix/share/brinell" "$scratch/prefix/share/applications/brinell.desktop"
test -x "$scratch/prefix/bin/brinell"

(cd "$build" && cpack -G DEB -B "$scratch/package" > "$scratch/cpack.log") ||
    { cat "$scratch/cpack.log"; exit 1; }
deb=$(ls "$scratch"/package/*.deb)
dpkg-deb --info "$deb" | grep -E 'Package|Depends'
root="$scratch/root"
dpkg -x "$deb" "$root"

entry="$root/usr/share/applications/brinell.desktop"
desktop-file-validate "$entry"
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml
for size in 16 32 48 64 128 256; do
    test -s "$root/usr/share/icons/hicolor/${size}x${size}/apps/brinell.png"
done
test -x "$root/usr/bin/brinell-key"
"$root/usr/bin/brinell-key" --material 1 | grep -q '4.3711'

path=$(sed -n 's/^Path=//p' "$entry")
exec_line=$(sed -n 's/^Exec=//p' "$entry")
test "$path" = /usr/share/brinell
for n in 1 2 3; do test -s "$root$path/схема-$n.jpg"; done

# Started in the scheme pictures' folder, the program must show its setup window.
cat > "$scratch/start.sh" <<START
#!/usr/bin/env bash
cd "$root$path"
"$root/usr/bin/$exec_line" &
pid=\$!
for _ in \$(seq 50); do
    xwininfo -root -tree | grep -q 'Определение твердости по Бринеллю' && break
    sleep 0.1
done
xwininfo -root -tree | grep -q 'Определение твердости по Бринеллю'
kill -0 \$pid
kill \$pid
START
chmod +x "$scratch/start.sh"
xvfb-run -a -s "-screen 0 1280x1024x24" "$scratch/start.sh"
echo "The package installs and starts from its desktop entry."
