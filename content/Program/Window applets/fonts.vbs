#!/bin/sh
# Opens skrifttyperne; with --tjek only says whether something here can (see _aabn.sh).
SIDE="skrifttyperne"
FORSLAG="gnome-tweaks"
GNOME=""
KDE="kde:kcm_fonts"
ANDET="prog:gnome-tweaks prog:xfce4-appearance-settings"
. "$(dirname -- "$0")/_aabn.sh"
