#!/bin/sh
# Opens egenskaber for systemet; with --tjek only says whether something here can (see _aabn.sh).
SIDE="egenskaber for systemet"
FORSLAG="xfce4-about"
GNOME="gnome:info-overview"
KDE="kde:kcm_about-distro"
ANDET="prog:xfce4-about side:--oversigt"
. "$(dirname -- "$0")/_aabn.sh"
