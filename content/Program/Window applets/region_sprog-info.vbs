#!/bin/sh
# Opens sprog og formater; with --tjek only says whether something here can (see _aabn.sh).
SIDE="sprog og formater"
FORSLAG="gnome-control-center"
GNOME="gnome:region"
KDE="kde:kcm_regionandlang"
ANDET=""
. "$(dirname -- "$0")/_aabn.sh"
