#!/usr/bin/env bash
# Cross-builds the program and its tests for 64-bit Windows with Debian's MinGW-w64 and leaves
# build/windows/quaderola.exe with the DLLs and plugins it needs beside it, the installer
# build/windows/quaderola-1.0-setup.exe and the portable build/windows/quaderola-1.0.zip.
# Installs what is missing first (with sudo when not root).
# QUADEROLA_QT_MINGW names a Qt prefix for MinGW; by default the archive in ../shared/qt6-mingw
# is unpacked into build/qt6-mingw. GoogleTest, libzip and freexl are built once, into
# build/windows/terzi; a second run only rebuilds what changed. libcrypto is cached by version
# in /var/cache/quaderola (QUADEROLA_CACHE).
set -euo pipefail
cd "$(dirname "$0")/.."
radice=$PWD
uscita=$radice/build/windows
terzi=$uscita/terzi
scripts/dipendenze.sh windows

qt=${QUADEROLA_QT_MINGW:-$radice/build/qt6-mingw}
if [ ! -f "$qt/lib/cmake/Qt6/qt.toolchain.cmake" ]; then
    if [ -n "${QUADEROLA_QT_MINGW:-}" ]; then
        echo "QUADEROLA_QT_MINGW: no Qt for MinGW in $qt" >&2
        exit 1
    fi
    mkdir -p build
    tar -xJf ../shared/qt6-mingw/qt6-mingw-6.4.2.tar.xz -C build/
    # That Qt has no translations: Debian's of the same Qt version (a .qm file is the same on
    # every system) give its dialogs their Italian texts, in the tests and in the installer.
    mkdir -p "$qt/translations"
    cp /usr/share/qt6/translations/qtbase_it.qm "$qt/translations/"
fi

# Lean: what the tests and the installer need, -O1 and no debug information.
comuni=(-G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_C_FLAGS_RELEASE=-O1
        "-DCMAKE_CXX_FLAGS_RELEASE=-O1 -DNDEBUG")
if command -v ccache >/dev/null; then
    comuni+=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

# terzo NAME SOURCE [cmake options]: builds a library for Windows into $terzi, once.
terzo() {
    local nome=$1 sorgente=$2
    shift 2
    [ -f "$terzi/.$nome" ] && return 0
    cmake -S "$sorgente" -B "$terzi/build-$nome" "${comuni[@]}" \
          -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/toolchain-mingw.cmake" \
          -DCMAKE_INSTALL_PREFIX="$terzi" "$@"
    cmake --build "$terzi/build-$nome" -j2
    cmake --install "$terzi/build-$nome"
    touch "$terzi/.$nome"
}

# sorgente PACKAGE: a library as Debian ships it, its source package fetched through a private
# apt configuration (a deb-src entry of its own), so the machine's apt sources stay as they are.
sorgente() {
    local apt=$terzi/apt
    mkdir -p "$apt/parti" "$apt/liste/partial" "$apt/cache/archives/partial" "$terzi/sorgenti"
    cat >"$apt/parti/debian-sorgenti.sources" <<EOF
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
    local opzioni=(-o Dir::Etc::SourceList=/dev/null -o "Dir::Etc::SourceParts=$apt/parti"
                   -o "Dir::State::Lists=$apt/liste" -o "Dir::Cache=$apt/cache"
                   -o Debug::NoLocking=1 -o APT::Sandbox::User="$(id -un)")
    [ -d "$apt/liste" ] && ls "$apt"/liste/*Sources* >/dev/null 2>&1 ||
        apt-get "${opzioni[@]}" -q update >&2
    [ -n "$(ls -d "$terzi/sorgenti/$1"-*/ 2>/dev/null)" ] ||
        (cd "$terzi/sorgenti" && apt-get "${opzioni[@]}" -q source "$1" >&2)
    ls -d "$terzi/sorgenti/$1"-*/ | head -n1
}

terzo gtest /usr/src/googletest -DBUILD_GMOCK=OFF -DINSTALL_GTEST=ON
if [ ! -f "$terzi/.libzip" ]; then
    terzo libzip "$(sorgente libzip)" -DBUILD_SHARED_LIBS=ON -DBUILD_TOOLS=OFF \
          -DBUILD_REGRESS=OFF -DBUILD_EXAMPLES=OFF -DBUILD_DOC=OFF -DENABLE_BZIP2=OFF \
          -DENABLE_LZMA=OFF -DENABLE_ZSTD=OFF -DENABLE_COMMONCRYPTO=OFF -DENABLE_GNUTLS=OFF \
          -DENABLE_MBEDTLS=OFF -DENABLE_OPENSSL=OFF -DENABLE_WINDOWS_CRYPTO=OFF \
          -DCMAKE_C_FLAGS=-Wno-incompatible-pointer-types # its own Win32 tables, harmless
fi
# freexl (the Excel 97-2003 reader) through a CMake file of the program's own, which gives it
# the iconv MinGW-w64 lacks.
if [ ! -f "$terzi/.freexl" ]; then
    terzo freexl "$radice/cmake/freexl" -DFREEXL_SORGENTI="$(sorgente freexl)"
fi
# libcrypto (the signed envelope of an electronic invoice): static, from Debian's OpenSSL. Its
# build takes long, so it is kept outside the clone by version and made again only when missing.
openssl_mingw() {
    local codice versione cache
    codice=$(sorgente openssl)
    versione=$(basename "$codice" | sed 's/^openssl-//')
    cache=${QUADEROLA_CACHE:-/var/cache/quaderola}/openssl-$versione-mingw
    if [ ! -f "$cache/lib64/libcrypto.a" ] && [ ! -f "$cache/lib/libcrypto.a" ]; then
        local lavoro=$terzi/build-openssl
        rm -rf "$lavoro" && cp -a "$codice" "$lavoro"
        (cd "$lavoro" && ./Configure mingw64 no-shared no-asm no-tests \
             --cross-compile-prefix=x86_64-w64-mingw32- --prefix="$cache" --libdir=lib >&2 &&
             nice make -j2 build_libs >&2 && mkdir -p "$cache/lib" &&
             cp libcrypto.a "$cache/lib/" && cp -r include "$cache/") >&2
        rm -rf "$lavoro"
        [ -f "$cache/lib/libcrypto.a" ] || { echo "libcrypto for MinGW not built" >&2; exit 1; }
    fi
    echo "$cache"
}
opensslmingw=$(openssl_mingw)

cmake -S . -B "$uscita" "${comuni[@]}" \
      -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
      -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
      -DQUADEROLA_TERZI="$terzi" -DQUADEROLA_BUILD_TESTS=ON \
      -DOPENSSL_ROOT_DIR="$opensslmingw" -DOPENSSL_USE_STATIC_LIBS=ON \
      -DCMAKE_CROSSCOMPILING_EMULATOR=/usr/lib/wine/wine64
cmake --build "$uscita" -j2

scripts/distribuzione.sh "$qt" "$terzi"
