#!/bin/sh
# Opens strømstyringen; with --tjek only says whether something here can (see _aabn.sh).
SIDE="strømstyringen"
FORSLAG="xfce4-power-manager"
GNOME="gnome:power"
KDE="kde:kcm_powerdevilprofilesconfig"
ANDET="prog:xfce4-power-manager-settings"
. "$(dirname -- "$0")/_aabn.sh"
