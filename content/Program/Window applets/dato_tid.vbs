#!/bin/sh
# Opens dato og klokkeslæt; with --tjek only says whether something here can (see _aabn.sh).
SIDE="dato og klokkeslæt"
FORSLAG="gnome-control-center"
GNOME="gnome:datetime"
KDE="kde:kcm_clock"
ANDET=""
. "$(dirname -- "$0")/_aabn.sh"
