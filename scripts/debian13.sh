#!/usr/bin/env bash
# debian13.sh COMMAND [ARGS...]: one of the project's commands in a Debian 13 ("trixie") root on amd64,
# as on a fresh Debian 13 machine, from a machine of another release (Debian 12, say); see root.sh:
#   run | test | bench | windows [ARGS]
#                               scripts/COMMAND.sh ARGS, in a root that holds what `deps.sh test` and
#                               `deps.sh windows` install, the package's build-dependencies included
#   shell [COMMAND]             a shell in that root, or COMMAND run by one
exec bash "$(dirname "$0")/root.sh" trixie amd64 "$@"
