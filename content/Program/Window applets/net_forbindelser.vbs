#!/bin/sh
# Opens netværksforbindelserne; with --tjek only says whether something here can (see _aabn.sh).
SIDE="netværksforbindelserne"
FORSLAG="nm-connection-editor"
GNOME="gnome:network"
KDE="kde:kcm_networkmanagement"
ANDET="prog:nm-connection-editor"
. "$(dirname -- "$0")/_aabn.sh"
