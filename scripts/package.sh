#!/usr/bin/env bash
# Builds the developer kit and the Windows Installer packages into dist/:
#   dist/TessalySDK-<version>/      x86/ and x64/TessalySDK.dll, TessalySDK.tlb,
#                                   include/ (TessalySDK.h, TessalySDK_i.c),
#                                   TessalySDK.idl, install.cmd, uninstall.cmd,
#                                   samples/ and reference.md when they exist
#   dist/TessalySDK-<version>.zip   the same folder
#   dist/TessalySDK-<version>-x64.msi   both DLLs, for 64-bit Windows
#   dist/TessalySDK-<version>-x86.msi   the x86 DLL, for 32-bit Windows
# <version> is the CMake project version. Installs what is missing first;
# TQ_BUILD_ROOT names the folder of the builds (default: build).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
jobs=$(nproc)
out=${TQ_BUILD_ROOT:-build}

# scripts/test.sh has run the install already.
[ -n "${TQ_SETUP_DONE:-}" ] || bash scripts/setup.sh
source scripts/lanes.sh
echo "== windows i686 and x86_64 (mingw-w64)"
tq_windows_build "$out/win32" i686 TessalySDK
tq_windows_build "$out/win64" x86_64 TessalySDK

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$out/win64/CMakeCache.txt")
[ -n "$version" ] || { echo "package: no project version in $out/win64"; exit 1; }
name=TessalySDK-$version
kit=dist/$name
rm -rf "$kit" "$kit.zip" "dist/$name-x64.msi" "dist/$name-x86.msi"
mkdir -p "$kit/x86" "$kit/x64" "$kit/include"

cp "$out/win32/server/TessalySDK.dll" "$kit/x86/"
cp "$out/win64/server/TessalySDK.dll" "$kit/x64/"
# The reference build's library and header; the declarations are the same
# for both widths.
gen=$out/win32/typelib/generated/typelib
cp "$gen/TessalySDK.tlb" "$kit/"
cp "$gen/TessalySDK.h" "$gen/TessalySDK_i.c" "$kit/include/"
cp typelib/TessalySDK.idl "$kit/"
# Windows line ends for cmd.exe.
for script in install.cmd uninstall.cmd; do
  sed 's/\r*$/\r/' "installer/$script" > "$kit/$script"
done
[ -d clients/samples ] && cp -r clients/samples "$kit/samples"
[ -f docs/reference.md ] && cp docs/reference.md "$kit/reference.md"

(cd dist && zip -qr "$name.zip" "$name")

# wixl takes the files' sources relative to where it runs: the kit folder.
for arch in x64 x86; do
  cmake -DIDL="$root/typelib/TessalySDK.idl" -DARCH=$arch -DVERSION="$version" \
    -DDLL32=x86/TessalySDK.dll -DDLL64=x64/TessalySDK.dll \
    -DOUT="$root/$out/$name-$arch.wxs" -P installer/make_wxs.cmake
  (cd "$kit" && wixl -a $arch -o "$root/dist/$name-$arch.msi" "$root/$out/$name-$arch.wxs")
done

echo "== $kit"
(cd dist && find "$name" -type f | sort | xargs ls -l | awk '{print $5, $9}')
ls -l "dist/$name.zip" "dist/$name-x64.msi" "dist/$name-x86.msi"
