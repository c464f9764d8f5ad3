#!/usr/bin/env bash
# debian13.sh COMMAND [ARGS...]: root.sh's COMMAND in a Debian 13 ("trixie") root on amd64, as on a
# fresh Debian 13 machine, from a machine of another release; root.sh's header lists the commands.
exec bash "$(dirname "$0")/root.sh" trixie amd64 "$@"
