#!/usr/bin/env bash
# A throw-away Samba server on loopback for the account-store tests.
#
#   serveur.sh demarre DIR N   creates DIR (absolute, empty), starts smbd there
#                              with N seeded accounts in its passwd file and
#                              passdb; prints nothing on success
#   serveur.sh arrete DIR      stops smbd and samba-dcerpcd by their pid files
#   serveur.sh pdbedit DIR ARGS... runs pdbedit on the server's passdb
#
# Accounts: root (administrator, password MOT_DE_PASSE_ADMIN), lecteur (an
# ordinary account, password MOT_DE_PASSE_LECTEUR) and eleve0001..eleveN.
#
# Everything lives under DIR: its own smb.conf, a tdbsam passdb and every state
# directory. nss_wrapper gives smbd (and samba-dcerpcd, which inherits its
# environment) a passwd file listing every seeded account, so no system user is
# ever created. The server binds 127.0.0.1 (and ::1 when the machine has it),
# port 445 only. Exit code 77 means the tests cannot run here (with a reason).
set -eEuo pipefail
trap '[[ $- != *e* ]] || echo "$BASH_SOURCE:$LINENO: $BASH_COMMAND" >&2' ERR

readonly MOT_DE_PASSE_ADMIN='Corrinom-Essai-1'
readonly MOT_DE_PASSE_LECTEUR='Lecteur-Essai-2'
readonly UID_BASE=20000

ici=$(cd "$(dirname "$0")" && pwd)

raison_saut() { echo "SKIP: $*" >&2; exit 77; }

trouve_nss_wrapper() {
  local f
  for f in /usr/lib/x86_64-linux-gnu/libnss_wrapper.so /usr/lib/*/libnss_wrapper.so /usr/lib/libnss_wrapper.so; do
    if [ -e "$f" ]; then echo "$f"; return 0; fi
  done
  return 1
}

port_445_pris() {
  # A connection that succeeds means another server already listens there.
  (exec 3<>/dev/tcp/127.0.0.1/445) 2>/dev/null && return 0
  if ss -ltnH 2>/dev/null | awk '{print $4}' | grep -Eq '(^|[:.\]])445$'; then return 0; fi
  return 1
}

a_ipv6_loopback() { [ -r /proc/net/if_inet6 ] && grep -q '^0\{31\}1 ' /proc/net/if_inet6; }

# The environment every Samba program of this server runs with.
environnement() {
  local dir=$1
  export LD_PRELOAD=$NSS_WRAPPER_LIB
  export NSS_WRAPPER_PASSWD=$dir/etc/passwd
  export NSS_WRAPPER_GROUP=$dir/etc/group
  # A throw-away passdb needs no fsync on every write (tdb honours this).
  export TDB_NO_FSYNC=1
}

ecrit_conf() {
  local dir=$1 interfaces="127.0.0.1"
  if a_ipv6_loopback; then interfaces="127.0.0.1 ::1"; fi
  cat >"$dir/etc/smb.conf" <<CONF
[global]
  workgroup = CORRINOM
  netbios name = CORRINOMTEST
  server role = standalone server
  interfaces = $interfaces
  bind interfaces only = yes
  smb ports = 445
  disable netbios = yes
  server min protocol = SMB2_02
  passdb backend = tdbsam:$dir/private/passdb.tdb
  private dir = $dir/private
  lock directory = $dir/lock
  state directory = $dir/state
  cache directory = $dir/cache
  pid directory = $dir/pid
  ncalrpc dir = $dir/ncalrpc
  binddns dir = $dir/binddns
  usershare path = $dir/usershares
  log file = $dir/log/log.%m
  log level = 1
  max log size = 0
  logging = file
  load printers = no
  printing = bsd
  printcap name = /dev/null
  disable spoolss = yes
  obey pam restrictions = no
  unix password sync = no
  pam password change = no
  map to guest = never
  panic action =
CONF
}

# passwd/group for nss_wrapper and an smbpasswd file pdbedit imports in one go.
ecrit_comptes() {
  local dir=$1 n=$2 i login
  {
    echo "root:x:0:0:root:/root:/bin/false"
    echo "nobody:x:65534:65534:nobody:/nonexistent:/bin/false"
    echo "lecteur:x:$((UID_BASE - 1)):100::/nonexistent:/bin/false"
    for ((i = 1; i <= n; i++)); do
      printf 'eleve%04d:x:%d:100::/nonexistent:/bin/false\n' "$i" $((UID_BASE + i))
    done
  } >"$dir/etc/passwd"
  printf 'root:x:0:\nusers:x:100:\nnogroup:x:65534:\n' >"$dir/etc/group"
  {
    printf 'lecteur:%d:%s:%s:[U          ]:LCT-00000000:\n' $((UID_BASE - 1)) \
      XXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXX XXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXX
  for ((i = 1; i <= n; i++)); do
    printf -v login 'eleve%04d' "$i"
    printf '%s:%d:%s:%s:[U          ]:LCT-00000000:\n' "$login" $((UID_BASE + i)) \
      XXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXX XXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXX
  done
  } >"$dir/etc/smbpasswd"
}

attend_pret() {
  local dir=$1 i
  for ((i = 0; i < 100; i++)); do
    if [ -s "$dir/pid/smbd.pid" ] && (exec 3<>/dev/tcp/127.0.0.1/445) 2>/dev/null; then return 0; fi
    sleep 0.2
  done
  echo "serveur.sh: smbd did not answer on 127.0.0.1:445 within 20 s" >&2
  tail -n 20 "$dir"/log/log.smbd >&2 || true
  return 1
}

demarre() {
  local dir=$1 n=$2
  [ "$(id -u)" -eq 0 ] || raison_saut "the Samba tests need root (smbd binds port 445)"
  command -v smbd >/dev/null || [ -x /usr/sbin/smbd ] || raison_saut "smbd is not installed"
  NSS_WRAPPER_LIB=$(trouve_nss_wrapper) || raison_saut "libnss-wrapper is not installed"
  if port_445_pris; then raison_saut "port 445 is already in use by another server; it is left alone"; fi
  case $dir in /*) ;; *) echo "serveur.sh: $dir is not absolute" >&2; exit 2 ;; esac

  mkdir -p "$dir"/{etc,private,lock,state,cache,pid,ncalrpc,binddns,usershares,log}
  chmod 700 "$dir/private"
  chmod 755 "$dir/ncalrpc"
  ecrit_conf "$dir"
  ecrit_comptes "$dir" "$n"

  (
    environnement "$dir"
    pdbedit -s "$dir/etc/smb.conf" -i "smbpasswd:$dir/etc/smbpasswd" >"$dir/log/pdbedit-import.log" 2>&1
    printf '%s\n%s\n' "$MOT_DE_PASSE_ADMIN" "$MOT_DE_PASSE_ADMIN" |
      smbpasswd -c "$dir/etc/smb.conf" -s -a root >"$dir/log/smbpasswd.log" 2>&1
    printf '%s\n%s\n' "$MOT_DE_PASSE_LECTEUR" "$MOT_DE_PASSE_LECTEUR" |
      smbpasswd -c "$dir/etc/smb.conf" -s lecteur >>"$dir/log/smbpasswd.log" 2>&1
    /usr/sbin/smbd -s "$dir/etc/smb.conf" -D
  )
  attend_pret "$dir"
}

# Stops the process named by a pid file, provided it is one of this server's
# (its environment carries this server's passwd file), then drops the file.
arrete_pid() {
  local fichier=$1 marque=$2 pid i
  [ -s "$fichier" ] || return 0
  pid=$(cat "$fichier")
  rm -f "$fichier"
  [[ $pid =~ ^[0-9]+$ ]] || return 0
  tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "$marque" || return 0
  kill "$pid" 2>/dev/null || return 0
  for ((i = 0; i < 50; i++)); do
    kill -0 "$pid" 2>/dev/null || return 0
    sleep 0.1
  done
  kill -KILL "$pid" 2>/dev/null || true
}

arrete() {
  local dir=$1
  local marque="NSS_WRAPPER_PASSWD=$dir/etc/passwd"
  arrete_pid "$dir/pid/smbd.pid" "$marque"
  arrete_pid "$dir/pid/samba-dcerpcd.pid" "$marque"
  arrete_pid "$dir/pid/samba-bgqd.pid" "$marque"
}

case ${1:-} in
  demarre) demarre "$2" "${3:-300}" ;;
  arrete) arrete "$2" ;;
  pdbedit)
    dir=$2
    shift 2
    NSS_WRAPPER_LIB=$(trouve_nss_wrapper)
    environnement "$dir"
    exec pdbedit -s "$dir/etc/smb.conf" "$@"
    ;;
  *) echo "usage: serveur.sh demarre DIR N | arrete DIR | pdbedit DIR ARGS..." >&2; exit 64 ;;
esac
