#!/bin/sh
# Opens internetindstillingerne; with --tjek only says whether something here can (see _aabn.sh).
SIDE="internetindstillingerne"
FORSLAG="gnome-control-center"
GNOME="gnome:network"
KDE="kde:kcm_proxy"
ANDET=""
. "$(dirname -- "$0")/_aabn.sh"
