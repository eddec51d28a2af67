#!/usr/bin/env bash
# Completes command lines with the installed completion of vantir-cli, as bash
# does on Tab, and compares the candidates.
# Usage: check-completion.sh COMPLETION_FILE (vantir-cli on PATH)
set -uo pipefail
source /usr/share/bash-completion/bash_completion
source "$1"

status=0
expect() {
    local line=$1 expected=$2
    COMP_LINE=$line
    COMP_POINT=${#line}
    read -ra COMP_WORDS <<<"$line"
    [[ $line == *' ' ]] && COMP_WORDS+=('')
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _vantir_cli vantir-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    local got
    got=$(printf '%s\n' "${COMPREPLY[@]}" | sort | xargs)
    if [[ $got != "$expected" ]]; then
        echo "'$line': got '$got', expected '$expected'"
        status=1
    fi
}

expect 'vantir-cli ' 'decode encode listen plan table wave'
expect 'vantir-cli -p ' 'h horizontal v vertical'
expect 'vantir-cli --band ' 'high low'
expect 'vantir-cli -s ' 'A B C D'
expect 'vantir-cli --standard en' 'en50494 en50607'
expect 'vantir-cli --st' '--standard'
expect 'vantir-cli --power-off --pin 3 --p' '--pin --polarisation --position --power-off'
expect 'vantir-cli decode --' '--capture --channel --help --help-all --json --sample-rate --userband-frequency --version'
expect 'vantir-cli table 11493H --for' '--format'
expect 'vantir-cli table --format ' 'csv json text'
expect 'vantir-cli table -l ' '1 2'
expect 'vantir-cli -f ' ''
expect 'vantir-cli wave --standard ' 'en50494 en50607'
expect 'vantir-cli wave --sup' '--supply'
expect 'vantir-cli decode --cap' '--capture'
expect 'vantir-cli plan --sh' '--sheet --show-pins'
expect 'vantir-cli listen --s' '--save --seconds'
expect 'vantir-cli listen --seconds ' ''
exit $status
