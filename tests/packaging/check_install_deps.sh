#!/usr/bin/env bash
# The package lists of tools/install-deps.sh cannot drift from what the commands
# use: every library and program the CMake files look for, and every program the
# test and tool scripts call, comes from a listed package or one it depends on.
# Run from the repository root.
set -uo pipefail

# Uses: "PURPOSE WHAT FILE", FILE (a path, or */NAME) to be owned by a package of PURPOSE.
uses=()
use_program() {
    local path
    path=$(command -v "$2") && path=$(readlink -f "$path") || path=none
    uses+=("$1 program:$2 $path")
}
while IFS= read -r file; do
    case "$file" in ./tests/* | ./tools/*) purpose=test ;; ./benchmarks/*) purpose=bench ;; *) purpose=run ;; esac
    while read -r call; do
        read -r -a words <<< "$(sed -E 's/^[a-z_]+\(|\)$|\b(REQUIRED|QUIET|IMPORTED_TARGET|GLOBAL)\b//g' <<< "$call")"
        case "$call" in
        pkg_check_modules*) uses+=("$purpose module:${words[1]} $(pkg-config --path "${words[1]}" || echo none)") ;;
        find_package\(PkgConfig*) use_program "$purpose" pkg-config ;;
        find_package*) uses+=("$purpose package:${words[0]} */${words[0]}Config.cmake") ;;
        find_program*) use_program "$purpose" "${words[1]}" ;;
        esac
    done < <(tr '\n' ' ' < "$file" | grep -oE '(pkg_check_modules|find_package|find_program)\([^)]*\)')
done < <(find . -name CMakeLists.txt -not -path './build*')

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
scan test tools/replaykeys/record-by-keys.sh

# Owners of every file at once (dpkg lists merged-/usr files under /bin and /lib).
declare -A owner covered
while IFS= read -r line; do
    path=${line#*: } && pkg=${line%%[:,]*}
    owner[$path]=$pkg && owner[*/${path##*/}]=$pkg && owner[/usr${path#/usr}]=$pkg
done < <(printf '%s\n' "${uses[@]}" | awk '$3 != "none" {print $3; if ($3 ~ /^\/usr\//) print substr($3, 5)}' |
    xargs dpkg -S 2>/dev/null | grep -v '^diversion')
basic=" $(dpkg-query -W -f='${Package} ${Essential} ${Priority}\n' | awk '$2 == "yes" || $3 == "required" {print $1}' | tr '\n' ' ') "
# The packages of a purpose with everything they depend on (as installed here).
closure() {
    # shellcheck disable=SC2046
    echo " $(apt-cache depends --recurse --installed --no-recommends --no-suggests --no-conflicts --no-breaks \
        --no-replaces --no-enhances $(tools/install-deps.sh --list "$1") | sed -E 's/^ *([A-Za-z]+: )?//; s/[<>]//g; s/:.*//' | tr '\n' ' ') "
}

failures=0
for use in "${uses[@]}"; do
    read -r purpose what path <<< "$use"
    pkg=${owner[$path]:-}
    # Only what make test installs must be present here.
    [ -z "$pkg" ] && [ "$purpose" != run ] && [ "$purpose" != test ] && continue
    [[ -n $pkg && $basic == *" $pkg "* ]] && continue
    [ -n "${covered[$purpose]:-}" ] || covered[$purpose]=$(closure "$purpose")
    [[ -n $pkg && ${covered[$purpose]} == *" $pkg "* ]] && continue
    echo "FAIL: $what (from ${pkg:-no installed package}) is not brought by tools/install-deps.sh $purpose"
    failures=$((failures + 1))
done
echo "$failures failures in ${#uses[@]} uses"
exit "$failures"
