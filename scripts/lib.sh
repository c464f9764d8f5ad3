# Sourced by the project's scripts: strict mode, the source folder as $root and the working folder,
# and running a command as root.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

# as_root COMMAND...: COMMAND as root, through sudo where the script does not run as root.
as_root() {
    if [[ $(id -u) -eq 0 ]]; then
        "$@"
    else
        sudo "$@"
    fi
}
