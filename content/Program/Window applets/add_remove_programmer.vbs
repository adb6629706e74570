#!/bin/sh
# Opens de installerede programmer; with --tjek only says whether something here can (see _aabn.sh).
SIDE="de installerede programmer"
FORSLAG="gnome-software"
GNOME=""
KDE=""
ANDET="software:installed discover:installed prog:synaptic"
. "$(dirname -- "$0")/_aabn.sh"
