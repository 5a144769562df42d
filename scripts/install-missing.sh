#!/usr/bin/env bash
# Installs those of the Debian packages given as arguments that are missing, without their
# recommends (Wine's would bring the 32-bit Wine and a desktop's worth of libraries).
set -euo pipefail

# One query for them all ("installed tmux not-installed xclip ..."; unknown ones are left out).
installed=" $(dpkg-query -W -f='${db:Status-Status} ${Package} ' "$@" 2>/dev/null || true) "
missing=()
for p in "$@"; do
    [[ $installed == *" installed $p "* ]] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    as_root=()
elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
else
    echo "These Debian packages are missing and neither root nor sudo is available to install them: ${missing[*]}" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
