#!/bin/sh
# Opens enhedshåndteringen; with --tjek only says whether something here can (see _aabn.sh).
SIDE="enhedshåndteringen"
FORSLAG="hardinfo"
GNOME=""
KDE="prog:kinfocenter"
ANDET="prog:hardinfo side:Win32_PnPEntity"
. "$(dirname -- "$0")/_aabn.sh"
