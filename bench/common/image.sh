# Sourced by benchmark scripts: qvm_bench_image NAME SIZE mounts an ext4 image of its own at
# /tmp/qvm-bench-NAME (made once; only as root, else the folder is used as it is) and unmounts
# it when the script ends. This machine's root file system has no journal, which skews copies.
qvm_bench_image() {
  local image=/tmp/qvm-bench-$1.img mnt=/tmp/qvm-bench-$1
  mkdir -p "$mnt"
  if [ "$(id -u)" -eq 0 ] && ! findmnt -n "$mnt" >/dev/null; then
    [ -f "$image" ] || { truncate -s "$2" "$image"; mkfs.ext4 -q -F "$image"; }
    mount -o loop "$image" "$mnt" && trap "umount '$mnt'" EXIT
  fi
  QVM_BENCH_DIR=$mnt
}
