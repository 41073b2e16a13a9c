#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Copyright (c) 2026 The Vitrel developers
#
#   ./dev.sh run    install what is missing, build, and start Vitrel
#   ./dev.sh test   install what is missing, build, and run every test (unit, ui, e2e), then
#                   again with the sanitizers
#   ./dev.sh bench  install what is missing, build, and run the benchmarks
#   ./dev.sh package  install what is missing, build, and make the Debian package in build/
set -euo pipefail
cd "$(dirname "$0")"

command=${1:-run}
build_dir=build
preset=default
if [ "${CI:-}" = "true" ]; then
    preset=ci  # warnings are errors
fi

./scripts/install-deps.sh
cmake --preset "$preset" >/dev/null
cmake --build "$build_dir" -j2

case "$command" in
    run)
        exec "$build_dir/bin/vitrel"
        ;;
    test)
        # Every C++ file as .clang-format lays it out.
        git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
        # The fuzz targets need clang, so they have a build tree of their own; a short run of
        # each over its seeds comes before the main suite.
        cmake --preset fuzz >/dev/null
        cmake --build build-fuzz -j2 --target vitrel_paste_fuzzer vitrel_settings_fuzzer \
            vitrel_picture_fuzzer vitrel_textbox_fuzzer vitrel_favorite-record_fuzzer
        ctest --test-dir build-fuzz -R FuzzerShortRun --output-on-failure
        ctest --test-dir "$build_dir" --output-on-failure -j2 --timeout 300
        # Every suite again with the address and undefined-behaviour sanitizers.
        cmake --preset sanitize >/dev/null
        cmake --build build-sanitize -j2
        ctest --preset sanitize -j2 --timeout 300
        ;;
    bench)
        # An X server of its own at 96 DPI; the benchmark starts openbox on it where it wants one.
        xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" \
            "$build_dir/tests/bench/vitrel_startup_bench" "${@:2}"
        xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" "$build_dir/tests/bench/vitrel_canvas_bench"
        # Over a desktop picture of many colours, so that every click picks another one.
        convert -size 1280x1024 -seed 7 plasma:fractal "$build_dir/bench-desktop.png"
        xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" sh -c "display -window root \
            '$build_dir/bench-desktop.png'; '$build_dir/tests/bench/vitrel_input_bench'"
        ;;
    package)
        (cd "$build_dir" && cpack)
        ls "$build_dir"/vitrel_*_amd64.deb
        ;;
    *)
        echo "usage: $0 run|test|bench|package" >&2
        exit 2
        ;;
esac
