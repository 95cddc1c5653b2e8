# fish completion for tornivo-cli: commands, their options and values, folders where a command
# takes one, and the protected folders for `protect remove`.

set -l commands junk large duplicates xray installers developer apps inspect trash shred stats protect

complete -c tornivo-cli -f
complete -c tornivo-cli -l layout -x -a 'macos freedesktop' -d 'Layout of the home to analyse'
complete -c tornivo-cli -l json -d 'Print one JSON document'
complete -c tornivo-cli -s h -l help -d 'Show help'
complete -c tornivo-cli -n "not __fish_seen_subcommand_from $commands" -l version -d 'Show the version'

complete -c tornivo-cli -n "not __fish_seen_subcommand_from $commands" -a junk -d 'Junk of the caches and logs folders'
complete -c tornivo-cli -n "not __fish_seen_subcommand_from $commands" -a large -d 'Big files not opened for months'
complete -c tornivo-cli -n "not __fish_seen_subcommand_from $commands" -a duplicates -d 'Files with identical contents'
complete -c tornivo-cli -n "not __fish_seen_subcommand_from $commands" -a xray -d 'The home folder by kind of file'
complete -c tornivo-cli -n "not __fish_seen_subcommand_from $commands" -a installers -d 'Installer files in Downloads and on the Desktop'
complete -c tornivo-cli -n "not __fish_seen_subcommand_from $commands" -a developer -d 'Build outputs of your projects'
complete -c tornivo-cli -n "not __fish_seen_subcommand_from $commands" -a apps -d 'Installed applications'
complete -c tornivo-cli -n "not __fish_seen_subcommand_from $commands" -a inspect -d 'What uninstalling an application would remove'
complete -c tornivo-cli -n "not __fish_seen_subcommand_from $commands" -a trash -d 'The items in the Trash, or put back the last move'
complete -c tornivo-cli -n "not __fish_seen_subcommand_from $commands" -a shred -d 'Securely empty the Trash'
complete -c tornivo-cli -n "not __fish_seen_subcommand_from $commands" -a stats -d 'Processor, memory and disk figures'
complete -c tornivo-cli -n "not __fish_seen_subcommand_from $commands" -a protect -d 'The protected folders'

complete -c tornivo-cli -n "__fish_seen_subcommand_from junk" -l clean -d 'Remove the junk'
complete -c tornivo-cli -n "__fish_seen_subcommand_from large duplicates" -l min-size -x -d 'Smallest size, in bytes'
complete -c tornivo-cli -n "__fish_seen_subcommand_from large" -l older-than-months -x -d 'Not opened for this many months'
complete -c tornivo-cli -n "__fish_seen_subcommand_from duplicates" -l keep-first -d 'Move every copy but the first to the Trash'
complete -c tornivo-cli -n "__fish_seen_subcommand_from duplicates" -a '(__fish_complete_directories)'
complete -c tornivo-cli -n "__fish_seen_subcommand_from developer" -l days -x -d 'Days within which an output is active'
complete -c tornivo-cli -n "__fish_seen_subcommand_from developer" -l clean -d 'Delete the inactive outputs'
complete -c tornivo-cli -n "__fish_seen_subcommand_from inspect" -F
complete -c tornivo-cli -n "__fish_seen_subcommand_from trash; and not __fish_seen_subcommand_from restore" -a restore -d 'Put back what the last move to the Trash took'
complete -c tornivo-cli -n "__fish_seen_subcommand_from trash" -l last -d 'The last move to the Trash'
complete -c tornivo-cli -n "__fish_seen_subcommand_from shred" -l passes -x -a '1 3 7' -d 'Overwrite passes'
complete -c tornivo-cli -n "__fish_seen_subcommand_from shred" -l yes -d 'Really erase the Trash'
complete -c tornivo-cli -n "__fish_seen_subcommand_from protect; and not __fish_seen_subcommand_from list add remove" -a 'list add remove'
complete -c tornivo-cli -n "__fish_seen_subcommand_from protect; and __fish_seen_subcommand_from add" -a '(__fish_complete_directories)'
complete -c tornivo-cli -n "__fish_seen_subcommand_from protect; and __fish_seen_subcommand_from remove" -a '(tornivo-cli protect list 2>/dev/null | string match -v "No protected folders*")'
