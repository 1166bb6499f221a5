#!/usr/bin/env bash
# Runs the Samba tests against a real Samba server on loopback, twice: with a
# few hundred accounts (one page) and with 1,200 (so that the enumeration pages).
#
#   run.sh BUILD_DIR     BUILD_DIR holds corrinom-cli, samba_tests, samba_seme
#
# Prints "SKIP: ..." and exits 0 when the server cannot run here (not root,
# Samba missing, port 445 taken by another server, which is left alone).
set -uo pipefail

ici=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:?usage: run.sh BUILD_DIR}" && pwd)
cli=$build/cli/corrinom-cli
tests=$build/tests/samba/samba_tests
semeur=$build/tests/samba/samba_seme
serveur=$ici/serveur.sh

# A sanitizer build of corrinom-cli meets libnetapi's process-long talloc blocks.
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$ici/lsan.supp}

readonly MDP=Corrinom-Essai-1 MDP_LECTEUR=Lecteur-Essai-2
echecs=0
dir=

echoue() { echo "FAIL: $*" >&2; echecs=$((echecs + 1)); }
tmp_origine=${TMPDIR-}
ok() { echo "ok: $*"; }

# Stops the server; its folder goes too while every check passed, and is kept,
# its path printed, once one failed.
nettoie() {
  # The write runs' TMPDIR lived in the server's folder: the next server must
  # not inherit a folder that is gone.
  if [ -n "$tmp_origine" ]; then export TMPDIR=$tmp_origine; else unset TMPDIR; fi
  if [ -n "$dir" ] && [ -d "$dir" ]; then
    "$serveur" arrete "$dir"
    if [ "$echecs" -eq 0 ]; then
      rm -rf "$dir"
    else
      echo "test-samba: the server's folder, its logs and passdb are kept in $dir" >&2
    fi
  fi
  dir=
}
trap nettoie EXIT

# The logins corrinom-cli comptes must list, in sorted order.
logins_attendus() {
  local n=$1 i
  for ((i = 1; i <= n; i++)); do
    if ((i % 10 != 0 && i % 50 != 3)); then printf 'eleve%04d\n' "$i"; fi
  done
}

cli_serveur() {  # cli_serveur PASSWORD SUBCOMMAND ARGS...
  local mdp=$1 sous=$2
  shift 2
  printf '%s\n' "$mdp" | "$cli" "$sous" --serveur 127.0.0.1 --utilisateur root --mot-de-passe-stdin "$@"
}

essais_cli() {
  local n=$1 sortie err rc
  sortie=$(mktemp) err=$(mktemp)
  # Write runs keep their journals beside the server, not in root's home, and
  # their locks there too.
  export XDG_DATA_HOME=$dir/donnees TMPDIR=$dir/tmp
  mkdir -p "$TMPDIR"

  # The account list: every TAVO account with a full name, once, nothing else.
  cli_serveur "$MDP" comptes >"$sortie" 2>"$err"
  rc=$?
  if [ $rc -ne 0 ]; then echoue "comptes ($n accounts) exited $rc: $(cat "$err")"
  elif ! diff <(cut -f1 "$sortie" | sort) <(logins_attendus "$n") >/dev/null; then
    echoue "comptes ($n accounts) did not list exactly the TAVO accounts"
  elif ! grep -qx $'eleve0007\tNOMH\tZo\xc3\xa9 Marie\t08/08/2007' "$sortie"; then
    echoue "comptes ($n accounts): eleve0007 not shown as seeded"
  else ok "comptes lists the $(wc -l <"$sortie") TAVO accounts of $n"
  fi

  # Without --serveur the local machine's store: this same server, through localhost.
  printf '%s\n' "$MDP" | "$cli" comptes --utilisateur root --mot-de-passe-stdin >"$sortie" 2>"$err"
  rc=$?
  if [ $rc -ne 0 ] || ! diff <(cut -f1 "$sortie" | sort) <(logins_attendus "$n") >/dev/null; then
    echoue "comptes on the local machine ($n accounts) exited $rc: $(cat "$err")"
  else ok "comptes on the local machine lists the same accounts"
  fi

  # And over IPv6 loopback, where the machine has it.
  if grep -q '^0\{31\}1 ' /proc/net/if_inet6 2>/dev/null; then
    printf '%s\n' "$MDP" | "$cli" comptes --serveur ::1 --utilisateur root --mot-de-passe-stdin >"$sortie" 2>"$err"
    rc=$?
    if [ $rc -ne 0 ] || [ "$(wc -l <"$sortie")" -ne "$(logins_attendus "$n" | wc -l)" ]; then
      echoue "comptes --serveur ::1 ($n accounts) exited $rc: $(cat "$err")"
    else ok "comptes --serveur ::1 lists the same accounts"
    fi
  fi

  # A wrong password: the French message with the status, no prompt, no rows.
  cli_serveur pas-le-bon comptes >"$sortie" 2>"$err" </dev/null
  rc=$?
  if [ $rc -ne 1 ] || [ -s "$sortie" ] || ! grep -Eq '^message: Erreur (1003|5) en lisant la liste des comptes du serveur\.\\n.+' "$err"; then
    echoue "comptes with a wrong password: exit $rc, stdout $(wc -c <"$sortie") bytes, stderr: $(cat "$err")"
  else ok "wrong password: $(head -c 120 "$err")"
  fi

  # rapprocher --appliquer: eleve0001 differs in case only (exact matching),
  # eleve0002 in its first names (matched by last name and first first-name).
  local personnes=$dir/personnes.csv
  printf 'NOM;PRENOM;NE(E) LE\r\nNOMB;JEAN PAUL;02/02/2001\r\nNOMC;Jean Pierre;03/03/2002\r\nINCONNU;Personne;01/01/2000\r\n' >"$personnes"
  [ "$n" -ne 300 ] || essai_verrou "$personnes"
  local avant1 avant2 avant4
  avant1=$("$serveur" pdbedit "$dir" -v -u eleve0001 2>/dev/null)
  avant2=$("$serveur" pdbedit "$dir" -v -u eleve0002 2>/dev/null)
  avant4=$("$serveur" pdbedit "$dir" -v -u eleve0004 2>/dev/null)
  cli_serveur "$MDP" rapprocher --meme-prenom --appliquer "$personnes" >"$sortie" 2>"$err"
  rc=$?
  cp "$err" "$err.ecriture"
  if [ $rc -ne 0 ]; then echoue "rapprocher --appliquer exited $rc: $(cat "$err")"
  elif ! grep -q $'^1\televe0001\tNOMB\tJEAN PAUL\t' "$sortie" || ! grep -q $'^1\televe0002\tNOMC\tJean Pierre\t' "$sortie"; then
    echoue "rapprocher --appliquer: rows not green with the new names: $(grep -E 'eleve000[12]' "$sortie")"
  elif ! grep -q '2 changements de nom effectu' "$err"; then
    echoue "rapprocher --appliquer: summary missing: $(cat "$err")"
  else ok "rapprocher --appliquer wrote two accounts"
  fi

  # On the server: only the full name changed, and nothing else was touched.
  local compte avant apres
  for compte in 1 2; do
    if [ $compte = 1 ]; then avant=$avant1; else avant=$avant2; fi
    apres=$("$serveur" pdbedit "$dir" -v -u eleve000$compte 2>/dev/null)
    local differences
    differences=$(diff <(echo "$avant") <(echo "$apres") | grep '^[<>]')
    if [ "$(printf '%s\n' "$differences" | grep -c .)" -ne 2 ] || ! grep -q '^> Full Name:' <<<"$differences"; then
      echoue "eleve000$compte: pdbedit shows more than the full name changed"
      printf '%s\n' "$differences" >&2
    fi
  done
  apres=$("$serveur" pdbedit "$dir" -v -u eleve0004 2>/dev/null)
  [ "$apres" = "$avant4" ] || echoue "eleve0004 changed although no person was paired with it"
  cli_serveur "$MDP" comptes >"$sortie" 2>"$err"
  if grep -q $'^eleve0002\tNOMC\tJean Pierre\t' "$sortie" && [ "$(cut -f1 "$sortie" | sort)" = "$(logins_attendus "$n")" ]; then
    ok "the rewritten accounts are still listed, with their new names"
  else
    echoue "after rapprocher: eleve0002 not listed with its new name, or accounts lost"
  fi

  # The run's journal, restored: both accounts as pdbedit showed them before;
  # the restore of the restore writes the new names again.
  local journal
  journal=$(sed -n 's/^journal: //p' "$err.ecriture" 2>/dev/null | head -n 1)
  if [ -z "$journal" ] || [ ! -s "$journal" ]; then
    echoue "rapprocher --appliquer: no journal: $(cat "$err.ecriture" 2>/dev/null)"
  else
    cli_serveur "$MDP" restaurer --oui --journal "$dir/restauration.csv" "$journal" >"$sortie" 2>"$err"
    rc=$?
    if [ $rc -ne 0 ] || [ "$(cut -f2 "$sortie" | sort -u)" != "restauré" ]; then
      echoue "restaurer exited $rc: $(cat "$sortie" "$err")"
    elif [ "$("$serveur" pdbedit "$dir" -v -u eleve0001 2>/dev/null)" != "$avant1" ] ||
         [ "$("$serveur" pdbedit "$dir" -v -u eleve0002 2>/dev/null)" != "$avant2" ]; then
      echoue "restaurer: eleve0001 or eleve0002 not as pdbedit showed them before the run"
    else
      ok "restaurer put eleve0001 and eleve0002 back as they were"
    fi
    cli_serveur "$MDP" restaurer --oui --journal "$dir/retour.csv" "$dir/restauration.csv" >"$sortie" 2>"$err"
    rc=$?
    cli_serveur "$MDP" comptes >"$sortie.comptes" 2>/dev/null
    if [ $rc -ne 0 ] || ! grep -q $'^eleve0002\tNOMC\tJean Pierre\t' "$sortie.comptes"; then
      echoue "restaurer of the restore exited $rc: $(cat "$err")"
    else
      ok "the restore of the restore wrote the new names again"
    fi
    rm -f "$sortie.comptes"
  fi
  rm -f "$err.ecriture"

  # Put the two accounts back as seeded for the store tests.
  CORRINOM_SAMBA_MOT_DE_PASSE=$MDP "$semeur" 127.0.0.1 seme 2 >/dev/null || echoue "reseeding eleve0001-2"
  rm -f "$sortie" "$err"
}

# One writer per server. A first rapprocher --appliquer, whose rows fill a pipe
# nobody reads, holds the server until it is killed: meanwhile a second one is
# refused (exit status 2) and comptes still reads. After the kill -9 the server
# is free: the write run that follows in essais_cli must be accepted.
essai_verrou() {
  local personnes=$1 inconnus=$dir/inconnus.csv tube=$dir/verrou.tube premier i rc err
  {
    printf 'NOM;PRENOM;NE(E) LE\r\n'
    for ((i = 0; i < 4000; i++)); do printf 'INCONNU%04d;Personne;01/01/2000\r\n' "$i"; done
  } >"$inconnus"
  mkfifo "$tube"
  exec 3<>"$tube"
  # $! is corrinom-cli's own pid: the last command of a pipeline, not a subshell.
  printf '%s\n' "$MDP" | "$cli" rapprocher --serveur 127.0.0.1 --utilisateur root --mot-de-passe-stdin \
    --appliquer "$inconnus" >"$tube" 2>/dev/null &
  premier=$!
  for ((i = 0; i < 100; i++)); do
    compgen -G "$TMPDIR/corrinom-*.lock" >/dev/null && break
    sleep 0.1
  done
  err=$(cli_serveur "$MDP" rapprocher --appliquer "$personnes" 2>&1 >/dev/null)
  rc=$?
  if [ $rc -ne 2 ] || [ "$err" != "error: Corrinom est déjà ouvert sur 127.0.0.1. Fermez-le avant d'en ouvrir un autre." ]; then
    echoue "a second rapprocher --appliquer while the first holds the server: exit $rc, $err"
  else ok "a second writer is refused: $err"
  fi
  cli_serveur "$MDP" comptes >/dev/null 2>&1 || echoue "comptes was refused while a writer held the server"
  kill -9 "$premier" 2>/dev/null || echoue "the first writer had ended before it was killed"
  wait "$premier" 2>/dev/null
  exec 3<&-
  rm -f "$tube" "$inconnus"
}

essais_store() {
  local n=$1
  export CORRINOM_SAMBA_SERVEUR=127.0.0.1 CORRINOM_SAMBA_MOT_DE_PASSE=$MDP \
    CORRINOM_SAMBA_MOT_DE_PASSE_LECTEUR=$MDP_LECTEUR CORRINOM_SAMBA_REPERTOIRE=$dir \
    CORRINOM_SAMBA_SCRIPT=$serveur CORRINOM_SAMBA_SEMEUR=$semeur CORRINOM_SAMBA_COMPTES=$n
  local seul
  for seul in "" CoeurSurSamba ArretDuServeur; do
    local filtre='*'
    [ -n "$seul" ] && filtre="$seul.*"
    if CORRINOM_SAMBA_SEUL=$seul "$tests" --gtest_filter="$filtre" --gtest_brief=1 >"$dir/gtest.log" 2>&1 &&
       { [ -z "$seul" ] || ! grep -q 'SKIPPED' "$dir/gtest.log"; }; then
      ok "samba_tests ${seul:-(store)} with $n accounts"
    else
      echoue "samba_tests ${seul:-(store)} with $n accounts"
      cat "$dir/gtest.log" >&2
    fi
  done
}

# Where Samba's library is missing, corrinom-cli says so in French and exits 2.
# The library is hidden in a private mount namespace, for this one command.
essai_sans_bibliotheque() {
  local lib
  lib=$(readlink -f /usr/lib/*/libnetapi.so.1 2>/dev/null | head -n 1)
  if [ "$(id -u)" -ne 0 ] || [ -z "$lib" ] || ! command -v unshare >/dev/null; then
    echo "skip: hiding libnetapi.so.1 needs root, the library and unshare"
    return
  fi
  local err rc
  err=$(printf 'x\n' | unshare -m sh -c 'mount --bind /dev/null "$1" && exec "$2" comptes --utilisateur root --mot-de-passe-stdin' \
    sh "$lib" "$cli" 2>&1 >/dev/null)
  rc=$?
  if [ $rc -eq 2 ] && grep -q "^message: La base de comptes du syst.me n'est pas disponible" <<<"$err"; then
    ok "without libnetapi: $err"
  else
    echoue "without libnetapi: exit $rc, $err"
  fi
}
essai_sans_bibliotheque

for n in 300 1200; do
  dir=$(mktemp -d /tmp/corrinom-samba.XXXXXX)
  "$serveur" demarre "$dir" "$n"
  rc=$?
  if [ $rc -eq 77 ]; then
    echo "test-samba: skipped, the Samba server cannot run here (reason above)"
    exit 0
  elif [ $rc -ne 0 ]; then
    echoue "the Samba server did not start"
    break
  fi
  if ! CORRINOM_SAMBA_MOT_DE_PASSE=$MDP "$semeur" 127.0.0.1 seme "$n"; then
    echoue "seeding $n accounts"
    break
  fi
  echo "test-samba: server on 127.0.0.1:445 with $n accounts in $dir"
  essais_cli "$n"
  essais_store "$n"
  nettoie
done

if [ $echecs -ne 0 ]; then
  echo "test-samba: $echecs failure(s)" >&2
  exit 1
fi
echo "test-samba: every Samba test passed"
