#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the demo need. Safe to run again.
set -euo pipefail
packages=(
    g++ cmake ninja-build pkg-config          # build
    qt6-base-dev                              # window (Qt 6 Widgets) and QtCore for the core
    qt6-svg-dev                               # the window's pictures and button glyphs (SVG)
    qt6-translations-l10n                     # Qt's own dialogs and buttons in Portuguese
    firebird-dev libfbclient2                 # target database client (OO API)
    firebird3.0-server-core firebird3.0-utils # embedded engine and isql-fb for new target files
    libmariadb-dev mariadb-server mariadb-client # source client library and the private server
    googletest libgtest-dev libgmock-dev      # tests
    time                                      # the benchmark's peak-memory figures
    locales                                   # a decimal-comma locale the number tests switch to
)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
# The packaged MariaDB service must not start: the project runs its own private server.
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
