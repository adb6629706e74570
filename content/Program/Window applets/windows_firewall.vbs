#!/bin/sh
# Opens firewall-indstillingerne; with --tjek only says whether something here can (see _aabn.sh).
SIDE="firewall-indstillingerne"
FORSLAG="gufw"
GNOME=""
KDE="kde:kcm_firewall"
ANDET="prog:gufw prog:firewall-config"
. "$(dirname -- "$0")/_aabn.sh"
