#!/bin/sh
# Opens kontrolpanelet; with --tjek only says whether something here can (see _aabn.sh).
SIDE="kontrolpanelet"
FORSLAG="gnome-control-center"
GNOME="gnome:"
KDE="prog:systemsettings"
ANDET="prog:xfce4-settings-manager"
. "$(dirname -- "$0")/_aabn.sh"
