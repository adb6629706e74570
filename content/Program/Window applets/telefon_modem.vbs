#!/bin/sh
# Opens telefon og modem; with --tjek only says whether something here can (see _aabn.sh).
SIDE="telefon og modem"
FORSLAG="modem-manager-gui"
GNOME="gnome:wwan"
KDE="kde:kcm_networkmanagement"
ANDET="prog:modem-manager-gui"
. "$(dirname -- "$0")/_aabn.sh"
