#!/bin/sh
# Opens lydindstillingerne; with --tjek only says whether something here can (see _aabn.sh).
SIDE="lydindstillingerne"
FORSLAG="pavucontrol"
GNOME="gnome:sound"
KDE="kde:kcm_pulseaudio"
ANDET="prog:pavucontrol"
. "$(dirname -- "$0")/_aabn.sh"
