#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Lets apt-get fetch Debian's source packages (Qt's and Google Benchmark's,
# built for Windows from them), if no source list does yet.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
if grep -rqs '^Types: deb-src' /etc/apt/sources.list.d/ || grep -qs '^deb-src ' /etc/apt/sources.list; then
  exit 0
fi
as_root tee /etc/apt/sources.list.d/flumetra-deb-src.sources >/dev/null <<'SOURCES'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
as_root apt-get update -qq
