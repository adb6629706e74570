#!/bin/sh
# Opens spilleenhederne; with --tjek only says whether something here can (see _aabn.sh).
SIDE="spilleenhederne"
FORSLAG="jstest-gtk"
GNOME=""
KDE="kde:kcm_gamecontroller"
ANDET="prog:jstest-gtk"
. "$(dirname -- "$0")/_aabn.sh"
