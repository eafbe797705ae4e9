#!/usr/bin/env bash
# The package lists of tools/install-deps.sh cannot drift from what the commands
# use: every library and program the CMake files look for, and every program the
# test and tool scripts call, comes from a listed package or one it depends on.
# Run from the repository root.
set -uo pipefail

# Uses, one a line: PURPOSE WHAT FILE, where FILE is the file that must be owned by
# a package of PURPOSE (a path, or */NAME for any path ending in NAME).
uses=()
use_program() {
    local path
    path=$(command -v "$2" 2>/dev/null) && uses+=("$1 program:$2 $(readlink -f "$path")") ||
        uses+=("$1 program:$2 none")
}
purpose_of() {
    case "$1" in
    ./tests/* | ./tools/*) echo test ;;
    ./benchmarks/*) echo bench ;;
    *) echo run ;;
    esac
}

while IFS= read -r file; do
    purpose=$(purpose_of "$file")
    while read -r call; do
        args=$(sed -E 's/^[a-z_]+\(//; s/\)$//; s/\b(REQUIRED|QUIET|IMPORTED_TARGET|GLOBAL)\b//g' <<< "$call")
        read -r -a words <<< "$args"
        case "$call" in
        pkg_check_modules*)
            uses+=("$purpose module:${words[1]} $(pkg-config --path "${words[1]}" 2>/dev/null || echo none)") ;;
        find_package\(PkgConfig*) use_program "$purpose" pkg-config ;;
        find_package*) uses+=("$purpose package:${words[0]} */${words[0]}Config.cmake") ;;
        find_program*) use_program "$purpose" "${words[1]}" ;;
        esac
    done < <(tr '\n' ' ' < "$file" |
        grep -oE '(pkg_check_modules|find_package|find_program)\([^)]*\)')
done < <(find . -name CMakeLists.txt -not -path './build*' | sort)

# The first word of each command of the scripts.
scan() {
    local word
    while read -r word; do
        [ "$(type -t "$word")" = file ] && use_program "$1" "$word"
    done < <(grep -hvE '^\s*#' "${@:2}" | sed -E 's/\$\(\([^)]*\)\)//g' |
        sed -E 's/(\$\(|[;&|({!]|\b(then|do|else|if|exec|timeout [0-9]+)\b)/\n/g' |
        awk '{print $1}' | grep -E '^(/usr/bin/)?[A-Za-z][A-Za-z0-9._+-]*$' | sort -u)
}
scan test $(find tests -name '*.sh')
scan bench tools/run-benchmarks.sh
scan fuzz tools/run-fuzzers.sh

# Owners of every file at once (dpkg lists merged-/usr files under /bin and /lib).
declare -A owner
files=$(printf '%s\n' "${uses[@]}" | awk '$3 != "none" {print $3; if ($3 ~ /^\/usr\/(s?bin|lib)\//) print substr($3, 5)}')
while IFS= read -r line; do
    path=${line#*: }
    pkg=${line%%[:,]*}
    owner[$path]=$pkg
    owner[*/${path##*/}]=$pkg
    [[ $path == /bin/* || $path == /sbin/* || $path == /lib/* ]] && owner[/usr$path]=$pkg
done < <(dpkg -S $files 2>/dev/null | grep -v '^diversion')
basic=" $(dpkg-query -W -f='${Package} ${Essential} ${Priority}\n' | awk '$2 == "yes" || $3 == "required" {print $1}' | tr '\n' ' ') "

# The packages of a purpose with everything they depend on (as installed here).
closure() {
    # shellcheck disable=SC2046
    echo " $(apt-cache depends --recurse --installed --no-recommends --no-suggests \
        --no-conflicts --no-breaks --no-replaces --no-enhances $(tools/install-deps.sh --list "$1") |
        sed -E 's/^ *([A-Za-z]+: )?//; s/[<>]//g; s/:.*//' | sort -u | tr '\n' ' ') "
}
declare -A covered

failures=0
for use in "${uses[@]}"; do
    read -r purpose what path <<< "$use"
    pkg=${owner[$path]:-}
    if [ -z "$pkg" ]; then
        # Only what make test installs must be present here.
        if [ "$purpose" = run ] || [ "$purpose" = test ]; then
            echo "FAIL: $what ($purpose) is used but not installed by tools/install-deps.sh $purpose"
            failures=$((failures + 1))
        fi
        continue
    fi
    [[ $basic == *" $pkg "* ]] && continue
    [ -n "${covered[$purpose]:-}" ] || covered[$purpose]=$(closure "$purpose")
    [[ ${covered[$purpose]} == *" $pkg "* ]] && continue
    echo "FAIL: $what comes from $pkg, which tools/install-deps.sh --list $purpose does not bring"
    failures=$((failures + 1))
done
echo "$failures failures in ${#uses[@]} uses"
exit "$failures"
