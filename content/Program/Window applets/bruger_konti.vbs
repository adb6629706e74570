#!/bin/sh
# Opens brugerkontiene; with --tjek only says whether something here can (see _aabn.sh).
SIDE="brugerkontiene"
FORSLAG="gnome-control-center"
GNOME="gnome:user-accounts"
KDE="kde:kcm_users"
ANDET=""
. "$(dirname -- "$0")/_aabn.sh"
