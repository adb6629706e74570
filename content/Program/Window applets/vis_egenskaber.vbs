#!/bin/sh
# Opens skærmindstillingerne; with --tjek only says whether something here can (see _aabn.sh).
SIDE="skærmindstillingerne"
FORSLAG="arandr"
GNOME="gnome:display"
KDE="kde:kcm_kscreen"
ANDET="prog:xfce4-display-settings prog:arandr"
. "$(dirname -- "$0")/_aabn.sh"
