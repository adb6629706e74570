#!/bin/sh
# Opens ODBC-datakilderne; with --tjek only says whether something here can (see _aabn.sh).
SIDE="ODBC-datakilderne"
FORSLAG="unixodbc-common"
GNOME=""
KDE=""
ANDET="odbc:"
. "$(dirname -- "$0")/_aabn.sh"
