#!/usr/bin/env bash
# corrinom-cli's conventions: --version and --help on stdout with exit 0, each
# command's --help with a text for every option, usage errors on stderr with exit
# 64; and the bash completion, which reads the same help.
# Usage: cli_aide.sh CORRINOM_CLI COMPLETION VERSION_LINE
set -u
cli=$1 completion=$2 version=$3
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT
echecs=0
echec() { echo "FAIL $*"; echecs=$((echecs + 1)); }

# lance RC ARGS...: runs the program, checks its exit code, keeps out and err.
lance() {
  local attendu=$1
  shift
  "$cli" "$@" >"$travail/out" 2>"$travail/err"
  local code=$?
  [ "$code" = "$attendu" ] || echec "corrinom-cli $*: exit $code, expected $attendu"
}

lance 0 --version
[ "$(cat "$travail/out")" = "$version" ] || echec "--version printed '$(cat "$travail/out")', expected '$version'"
[ -s "$travail/err" ] && echec "--version wrote on stderr"

lance 0 --help
grep -q '^usage : corrinom-cli COMMANDE' "$travail/out" || echec "--help: no usage on stdout"
[ -s "$travail/err" ] && echec "--help wrote on stderr"
mapfile -t commandes < <(sed -n 's/^  corrinom-cli \([a-z]*\).*/\1/p' "$travail/out" | sort -u)
[ "${#commandes[@]}" -ge 7 ] || echec "--help lists ${#commandes[@]} commands"

for c in "${commandes[@]}"; do
  lance 0 "$c" --help
  grep -q "^usage : corrinom-cli $c" "$travail/out" || echec "$c --help: no usage"
  # Every option line has its text after the option and its argument.
  if grep -E '^  --' "$travail/out" | grep -Ev '^  --[a-z-]+( [A-Z_.]+)?  +[^ ]' >"$travail/nues"; then
    echec "$c --help: options without a text: $(tr '\n' ' ' <"$travail/nues")"
  fi
done
lance 0 rapprocher --demo --help
grep -q '^  --base BASE  .*SQLite' "$travail/out" || echec "rapprocher --help does not explain --base BASE"
grep -q '^  --meme-prenom ' "$travail/out" || echec "rapprocher --help does not list --meme-prenom"

for args in "" "inconnue" "rapprocher --inconnue"; do
  # shellcheck disable=SC2086
  lance 64 $args
  [ -s "$travail/out" ] && echec "corrinom-cli $args wrote on stdout"
  grep -q 'usage' "$travail/err" || echec "corrinom-cli $args: no usage on stderr"
done

# Completion: COMP_WORDS as bash gives them, the program named by its path.
# shellcheck disable=SC1090
source "$completion"
complete_() {
  COMP_WORDS=("$cli" "$@")
  COMP_CWORD=$(($# ))
  COMPREPLY=()
  _corrinom_cli
  printf '%s\n' "${COMPREPLY[@]}"
}
touch "$travail/base.sqlite" "$travail/eleves.xml"
[ "$(complete_ rap)" = rapprocher ] || echec "completion of 'rap': $(complete_ rap)"
complete_ rapprocher --m | grep -qx -- --meme-prenom || echec "completion of 'rapprocher --m'"
complete_ rapprocher --m | grep -qx -- --mot-de-passe-stdin || echec "completion of 'rapprocher --m' lacks --mot-de-passe-stdin"
[ "$(complete_ rapprocher --base "$travail/ba")" = "$travail/base.sqlite" ] || echec "completion of a file after --base"
[ -z "$(complete_ rapprocher --serveur "$travail/ba")" ] || echec "completion offers a file after --serveur"
[ "$(complete_ restaurer "$travail/el")" = "$travail/eleves.xml" ] || echec "completion of a file as a command's argument"

[ "$echecs" = 0 ] && echo "cli_aide: ok"
exit $((echecs > 0))
