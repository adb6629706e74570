#!/bin/sh
# Opens sikkerhed og opdateringer; with --tjek only says whether something here can (see _aabn.sh).
SIDE="sikkerhed og opdateringer"
FORSLAG="gnome-software"
GNOME="gnome:firmware-security"
KDE=""
ANDET="software:updates discover:update"
. "$(dirname -- "$0")/_aabn.sh"
