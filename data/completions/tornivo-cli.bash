# bash completion for tornivo-cli: commands, their options and values, folders where a command
# takes one, and the protected folders for `protect remove`.

_tornivo_cli() {
    local cur prev words cword
    _init_completion -s || return

    local commands="junk large duplicates xray installers developer apps inspect trash shred stats protect"
    local global="--layout --json --help -h --version --"

    case $prev in
        --layout)
            COMPREPLY=($(compgen -W "macos freedesktop" -- "$cur"))
            return ;;
        --passes)
            COMPREPLY=($(compgen -W "1 3 7" -- "$cur"))
            return ;;
        --min-size | --older-than-months | --days)
            return ;;
    esac
    [[ $split == true ]] && return

    # The command is the first word that is neither an option nor the value of --layout.
    local i command="" after=() ended=""
    for ((i = 1; i < cword; i++)); do
        if [[ -n $command ]]; then
            after+=("${words[i]}")
        elif [[ ${words[i]} == -- ]]; then
            ended=1
        elif [[ ${words[i]} == --layout ]]; then
            ((i++))
        elif [[ -n $ended || ${words[i]} != -* ]]; then
            command=${words[i]}
        fi
    done

    local options=""
    case $command in
        "") COMPREPLY=($(compgen -W "$commands $global" -- "$cur")); return ;;
        junk) options="--clean" ;;
        large) options="--min-size --older-than-months" ;;
        duplicates)
            options="--min-size --keep-first"
            [[ $cur != -* ]] && { _filedir -d; return; } ;;
        developer) options="--days --clean" ;;
        shred) options="--passes --yes" ;;
        trash)
            options="--last"
            local action=""
            for i in "${after[@]}"; do [[ $i != -* ]] && { action=$i; break; }; done
            [[ -z $action && $cur != -* ]] && { COMPREPLY=($(compgen -W "restore" -- "$cur")); return; } ;;
        inspect)
            [[ $cur != -* ]] && { _filedir; return; } ;;
        protect)
            local action=""
            for i in "${after[@]}"; do [[ $i != -* ]] && { action=$i; break; }; done
            case $action in
                "") COMPREPLY=($(compgen -W "list add remove" -- "$cur")); return ;;
                add) _filedir -d; return ;;
                remove)
                    local IFS=$'\n'
                    COMPREPLY=($(compgen -W "$(tornivo-cli protect list 2>/dev/null |
                        grep -v '^No protected folders')" -- "$cur"))
                    return ;;
                *) return ;;
            esac ;;
    esac
    COMPREPLY=($(compgen -W "$options --layout --json --help" -- "$cur"))
}
complete -F _tornivo_cli tornivo-cli
