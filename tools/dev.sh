#!/usr/bin/env bash
# The project's two set-up commands:
#   tools/dev.sh start   install, build, and start the desktop program
#   tools/dev.sh test    install, build, and run every test
# and the Debian package:
#   tools/dev.sh package build build-package/tavrilon_<version>_amd64.deb
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)

tools/install-deps.sh

case "${1:-}" in
  start)
    cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
    cmake --build build -j"$jobs"
    exec build/bin/tavrilon
    ;;
  package)
    # Debian's own compiler and linker flags, with every hardening option.
    flags() { DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get "$1"; }
    cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DTAVRILON_TESTS=OFF \
      -DCMAKE_INSTALL_PREFIX=/usr \
      -DCMAKE_CXX_FLAGS="$(flags CPPFLAGS) $(flags CXXFLAGS)" \
      -DCMAKE_EXE_LINKER_FLAGS="$(flags LDFLAGS)"
    cmake --build build-package -j"$jobs"
    (cd build-package && cpack -G DEB)
    ;;
  test)
    if cups_out=$(tools/cups-test-queue.sh); then
      export TAVRILON_CUPS_QUEUE=TavrilonTestQueue TAVRILON_CUPS_PDF_DIR="$cups_out"
    elif [ -n "${CI:-}" ]; then
      echo "No CUPS queue: in CI the test through a real printer queue must run." >&2
      exit 1
    else
      echo "No CUPS queue: the test through a real printer queue is skipped." >&2
    fi
    # The tests run under AddressSanitizer and UBSan, with warnings as errors.
    cmake -S . -B build-check -DCMAKE_BUILD_TYPE=Debug -DTAVRILON_SANITIZE=ON \
      -DTAVRILON_WERROR=ON -DTAVRILON_BENCH=ON
    cmake --build build-check -j"$jobs"
    (cd build-check && ctest --output-on-failure -j"$jobs")
    tools/package-test.sh
    cmake --build build-check --target format-check
    cmake --build build-check --target tidy-check

    # A short run of each fuzz target, seeded with the invented logs of
    # tests/data and, where they lie beside the repository, the real ones.
    CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DTAVRILON_SANITIZE=ON -DTAVRILON_FUZZ=ON -DTAVRILON_TESTS=OFF
    cmake --build build-fuzz -j"$jobs" --target fuzz_adif_reader fuzz_settings_parser \
      fuzz_country_file
    corpus=$(mktemp -d)
    trap 'rm -rf "$corpus"' EXIT
    mkdir -p "$corpus/adif" "$corpus/settings" "$corpus/countries"
    cp tests/data/adif/*.adi "$corpus/adif/"
    if compgen -G "../shared/testdata/adif/*.adi" >/dev/null; then
      cp ../shared/testdata/adif/*.adi "$corpus/adif/"
    elif [ -n "${CI:-}" ]; then
      echo "No real logs in ../shared/testdata/adif: in CI the fuzzers must be seeded with them." >&2
      exit 1
    else
      echo "No real logs in ../shared/testdata/adif: the fuzzers are seeded from tests/data only." >&2
    fi
    cp fuzz/seeds/*.ini "$corpus/settings/"
    cp fuzz/seeds/*.dat "$corpus/countries/"
    seconds=${TAVRILON_FUZZ_SECONDS:-30}
    build-fuzz/fuzz/fuzz_adif_reader -max_total_time="$seconds" -max_len=8192 "$corpus/adif"
    build-fuzz/fuzz/fuzz_settings_parser -max_total_time="$seconds" "$corpus/settings"
    build-fuzz/fuzz/fuzz_country_file -max_total_time="$seconds" "$corpus/countries"
    ;;
  *)
    echo "usage: tools/dev.sh start|test|package" >&2
    exit 64
    ;;
esac
