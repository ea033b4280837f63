#!/usr/bin/env bash
# Checks that every C++ source of the project's own folders is formatted as .clang-format says, with
# clang-format 14 (Debian 12's: another version formats some lines differently). Lists the files that
# are not and exits 1. With --fix, formats those files in place instead.
#   usage: scripts/check-format.sh [--fix]      (CLANG_FORMAT=... picks another clang-format)
set -euo pipefail
cd "$(dirname "$0")/.."

fix=false
case "${1:-}" in
    "") ;;
    --fix) fix=true ;;
    *) echo "usage: $0 [--fix]" >&2; exit 2 ;;
esac

clang_format=${CLANG_FORMAT:-clang-format-14}
if ! command -v "$clang_format" >/dev/null; then
    if [[ -n "${CLANG_FORMAT:-}" ]]; then
        echo "$clang_format not found" >&2
        exit 2
    fi
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: clang-format-14"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends clang-format-14
fi

folders=(database ui import forms shell channellist resources cli tests bench fuzz)
pathspecs=()
for folder in "${folders[@]}"; do
    pathspecs+=("$folder/*.h" "$folder/*.cpp")
done
mapfile -t files < <(git ls-files -- "${pathspecs[@]}")
if [[ ${#files[@]} -eq 0 ]]; then
    echo "no C++ sources found (not a git checkout?)" >&2
    exit 2
fi

status=0
report=$("$clang_format" --dry-run --Werror "${files[@]}" 2>&1) || status=$?
if [[ $status -eq 0 ]]; then
    echo "${#files[@]} files formatted as .clang-format says ($("$clang_format" --version | head -n 1))"
    exit 0
fi
mapfile -t unformatted < <(sed -n 's/^\(.*\):[0-9]*:[0-9]*: error: code should be clang-formatted.*/\1/p' <<<"$report" | sort -u)
if [[ ${#unformatted[@]} -eq 0 ]]; then
    echo "$report" >&2
    exit 2
fi
if $fix; then
    "$clang_format" -i "${unformatted[@]}"
    echo "formatted ${#unformatted[@]} files:"
    printf '  %s\n' "${unformatted[@]}"
    exit 0
fi
echo "${#unformatted[@]} of ${#files[@]} files are not formatted as .clang-format says:" >&2
printf '  %s\n' "${unformatted[@]}" >&2
echo "see the changes with: $clang_format --dry-run FILE; apply them with: $0 --fix" >&2
exit 1
