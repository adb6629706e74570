#!/bin/sh
# Opens egenskaber for mus; with --tjek only says whether something here can (see _aabn.sh).
SIDE="egenskaber for mus"
FORSLAG="gnome-control-center"
GNOME="gnome:mouse"
KDE="kde:kcm_mouse"
ANDET="prog:xfce4-mouse-settings"
. "$(dirname -- "$0")/_aabn.sh"
