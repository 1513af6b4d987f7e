#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need, if any is missing.
set -euo pipefail

packages=(
    build-essential cmake ninja-build ccache pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libicu-dev
    libgtest-dev libbenchmark-dev
    fonts-ipafont-gothic fonts-noto-cjk fonts-urw-base35 qt6-translations-l10n
    desktop-file-utils shared-mime-info
    poppler-utils  # pdftotext: the exporter tests read worksheets back as text
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Please install as root: ${missing[*]}" >&2; exit 1; }
    sudo=sudo
fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
