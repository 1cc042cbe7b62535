#!/usr/bin/env bash
# Builds the smallest Qt for 64-bit Windows the window needs (Core, Gui, Widgets, Test, the
# windows and offscreen platform plugins, the JPEG plugin and the Vista style) from Debian's own
# qt6-base source of exactly the installed Qt version, with the project's MinGW-w64 toolchain,
# and installs it into a cache outside the source tree. Prints the install prefix on its last line.
#
#   tools/windows/build-qt.sh
#
# The cache (MENSURIX_QT_CACHE, /var/tmp/mensurix-qt-windows unless told) holds one prefix per key:
# the Qt source version, the cross compiler's version and a digest of the configuration, the
# toolchain and the patches, so that changing any of them builds anew and an unchanged one is
# reused. Building a new one removes the others.
set -euo pipefail
shopt -s nullglob
here=$(cd "$(dirname "$0")" && pwd)
cache=${MENSURIX_QT_CACHE:-/var/tmp/mensurix-qt-windows}
toolchain=$here/mingw-w64-x86_64.cmake
patches=$here/qt-patches

# Features the window does not use are left out, which roughly halves the build. Without OpenGL
# both switches are needed, or "dynamic OpenGL" stays on; Direct2D and DirectWrite 3 need each
# other; Debian's repacked source has no Wintab for tablet events. The bundled FreeType gives the
# offscreen platform the widget tests run on.
configuration=(
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    -DQT_QMAKE_TARGET_MKSPEC=win32-g++
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_testlib=ON
    -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_vulkan=OFF
    -DFEATURE_direct2d=OFF -DFEATURE_directwrite3=OFF -DFEATURE_tabletevent=OFF
    -DFEATURE_zstd=OFF -DFEATURE_icu=OFF -DFEATURE_freetype=ON -DFEATURE_system_freetype=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_jpeg=OFF -DFEATURE_system_png=OFF
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_doubleconversion=OFF
)

qt_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
compiler_version=$(dpkg-query -W -f='${Version}' g++-mingw-w64-x86-64-posix)
digest=$( (printf '%s\n' "${configuration[@]}"; cat "$toolchain" "$patches"/*.patch) | sha256sum | cut -c1-12)
key=qt-${qt_version//[^A-Za-z0-9.+-]/_}_mingw-${compiler_version//[^A-Za-z0-9.+-]/_}_$digest
prefix=$cache/$key
if [[ -f $prefix/.complete ]]; then
    echo "$prefix"
    exit 0
fi

work=$cache/work-$key
rm -rf "${cache:?}"/*
mkdir -p "$work/apt/lists/partial" "$work/apt/cache/archives/partial" "$work/apt/parts"

# The source comes from the archive the machine already uses: each configured Debian entry of
# this release, copied as a deb-src entry into an apt configuration of our own, so the machine's
# apt state stays as it was.
codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
for file in /etc/apt/sources.list.d/*.sources; do
    [[ -f $file ]] || continue
    awk -v codename="$codename" 'BEGIN { RS = ""; ORS = "\n\n" }
        /(^|\n)Types:[^\n]*deb/ && $0 ~ ("(^|\n)Suites:[^\n]*" codename) {
            sub(/(^|\n)Types:[^\n]*/, "\nTypes: deb-src"); print }' \
        "$file" >>"$work/apt/parts/debian-source.sources"
done
for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [[ -f $file ]] || continue
    awk -v codename="$codename" '$1 == "deb" && $0 ~ (" " codename) { $1 = "deb-src"; print }' \
        "$file" >>"$work/apt/parts/debian-source.list"
done
apt_options=(-o "Dir::Etc::SourceList=$work/apt/none" -o "Dir::Etc::SourceParts=$work/apt/parts"
    -o "Dir::State::Lists=$work/apt/lists" -o "Dir::Cache=$work/apt/cache"
    -o "Debug::NoLocking=1" -o "APT::Sandbox::User=root")
apt-get "${apt_options[@]}" -qq update
# apt checks the files against the signed index; dpkg-source unpacks them and applies Debian's
# own patches.
(cd "$work" && apt-get "${apt_options[@]}" -qq source "qt6-base=$qt_version" >/dev/null)
source_dir=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | head -1)
for patch in "$patches"/*.patch; do
    patch -d "$source_dir" -p1 --forward --quiet <"$patch"
done

cmake -S "$source_dir" -B "$work/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_INSTALL_PREFIX="$prefix" "${configuration[@]}" >"$work/configure.log"
cmake --build "$work/build" -j "$(nproc)" >"$work/build.log"
cmake --install "$work/build" >/dev/null
touch "$prefix/.complete"
# The build tree and the source take over a gigabyte; the prefix is all that is reused.
rm -rf "$work"
echo "$prefix"
