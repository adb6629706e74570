#!/bin/sh
# Opens systemoplysningerne; with --tjek only says whether something here can (see _aabn.sh).
SIDE="systemoplysningerne"
FORSLAG="hardinfo"
GNOME=""
KDE="prog:kinfocenter"
ANDET="prog:hardinfo side:--oversigt"
. "$(dirname -- "$0")/_aabn.sh"
