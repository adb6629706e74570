# Shared by the applet scripts, sourced by them: opens a settings page with the first tool here
# that can, the tools of the desktop in XDG_CURRENT_DESKTOP first, then any installed one.
#
# A script sets SIDE (the page, in Danish), FORSLAG (a tool to install) and its candidates in
# GNOME, KDE and ANDET, each a list of words:
#   gnome:PANEL      gnome-control-center PANEL (empty PANEL: the control centre itself), when
#                    "gnome-control-center --list" names the panel
#   kde:KCM          kcmshell6 or kcmshell5 KCM, when its "--list" names the module
#   prog:PROGRAM     the program, when installed
#   software:MODE    gnome-software --mode=MODE
#   discover:MODE    plasma-discover --mode MODE
#   side:ARGUMENTER  our own page: "qvm-sysinfo --html ARGUMENTER" in ~/.cache/qvmMirvel, opened;
#                    when checking it says "side", and with --skriv the page is written and its
#                    path printed for the program to show
#   odbc:            ~/.odbc.ini or /etc/odbc.ini in the text editor
# With --tjek nothing is started: exit 0 when something here can open the page, else exit 1 and
# a Danish message on stdout naming the page and a tool to install.

qvm_tjek=0
qvm_skriv=0
[ "${1-}" = --tjek ] && qvm_tjek=1
[ "${1-}" = --skriv ] && qvm_skriv=1

qvm_har() { command -v "$1" >/dev/null 2>&1; }

# Starts the command in place of the script; when checking, only says it can.
qvm_start() {
  [ $qvm_tjek = 1 ] && exit 0
  exec "$@"
}

# True when a line of the input starts with the word $1 (the lists of the control centres).
qvm_listet() {
  while IFS= read -r qvm_linje; do
    set -f
    # shellcheck disable=SC2086
    set -- "$1" $qvm_linje
    set +f
    [ "${2-}" = "$1" ] && return 0
  done
  return 1
}

# Opens a file with the default application.
qvm_aabn_fil() {
  if qvm_har gio; then
    [ $qvm_tjek = 1 ] && exit 0
    gio open "$1" && exit 0
  fi
  qvm_har xdg-open || return 1
  qvm_start xdg-open "$1"
}

# Tries one candidate; returns when it cannot open the page here.
qvm_proev() {
  qvm_art=${1%%:*}
  qvm_arg=${1#*:}
  case $qvm_art in
  gnome)
    qvm_har gnome-control-center || return 1
    if [ -n "$qvm_arg" ]; then
      gnome-control-center --list 2>/dev/null | qvm_listet "$qvm_arg" || return 1
      qvm_start gnome-control-center "$qvm_arg"
    fi
    qvm_start gnome-control-center
    ;;
  kde)
    for qvm_kcmshell in kcmshell6 kcmshell5; do
      qvm_har $qvm_kcmshell && $qvm_kcmshell --list 2>/dev/null | qvm_listet "$qvm_arg" &&
        qvm_start $qvm_kcmshell "$qvm_arg"
    done
    return 1
    ;;
  prog)
    qvm_har "$qvm_arg" && qvm_start "$qvm_arg"
    ;;
  software)
    qvm_har gnome-software && qvm_start gnome-software "--mode=$qvm_arg"
    ;;
  discover)
    qvm_har plasma-discover && qvm_start plasma-discover --mode "$qvm_arg"
    ;;
  side)
    qvm_har qvm-sysinfo || return 1
    if [ $qvm_tjek = 1 ]; then
      echo side
      exit 0
    fi
    qvm_mappe="${XDG_CACHE_HOME:-$HOME/.cache}/qvmMirvel"
    qvm_navn=${0##*/}
    qvm_side="$qvm_mappe/${qvm_navn%.vbs}.html"
    mkdir -p -- "$qvm_mappe" || return 1
    qvm_tmp=$(mktemp "$qvm_side.XXXXXX") || return 1
    # shellcheck disable=SC2086
    if ! qvm-sysinfo --html $qvm_arg >"$qvm_tmp"; then
      rm -f -- "$qvm_tmp"
      return 1
    fi
    chmod 644 "$qvm_tmp"
    mv -f -- "$qvm_tmp" "$qvm_side" || return 1
    if [ $qvm_skriv = 1 ]; then
      printf '%s\n' "$qvm_side"
      exit 0
    fi
    qvm_aabn_fil "$qvm_side"
    ;;
  odbc)
    for qvm_fil in "$HOME/.odbc.ini" /etc/odbc.ini; do
      [ -f "$qvm_fil" ] && qvm_aabn_fil "$qvm_fil"
    done
    ;;
  esac
  return 1
}

case ":${XDG_CURRENT_DESKTOP-}:" in
*:KDE:*) qvm_kolonner="KDE GNOME ANDET" ;;
*:XFCE:*) qvm_kolonner="ANDET GNOME KDE" ;;
*) qvm_kolonner="GNOME KDE ANDET" ;;
esac
for qvm_kolonne in $qvm_kolonner; do
  eval "qvm_kandidater=\${$qvm_kolonne-}"
  for qvm_kandidat in $qvm_kandidater; do
    qvm_proev "$qvm_kandidat"
  done
done
echo "Der er intet program på denne computer, der kan åbne $SIDE. Installer fx $FORSLAG."
exit 1
