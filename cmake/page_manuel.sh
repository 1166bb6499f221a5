#!/bin/sh
# Writes a manual page from a program's own help, so that the page follows the
# program: the usage lines become the synopsis, each "  --option ARG  text" line
# an entry of OPTIONS and, for corrinom-cli, each command of "Commandes :" a
# subsection made from `PROGRAMME COMMANDE --help`. The rest of the page is the
# model's own French text, with @SYNOPSIS@, @OPTIONS@, @COMMANDES@ and @VERSION@
# replaced.
#   page_manuel.sh PROGRAMME MODELE VERSION SORTIE
set -eu
programme=$1 modele=$2 version=$3 sortie=$4
travail=$sortie.tmp
mkdir -p "$travail"
trap 'rm -rf "$travail"' EXIT

# troff: a backslash is \e, a dash \-, and a line may not begin with a dot or a quote.
echappe() { sed -e 's/\\/\\e/g' -e 's/-/\\-/g' -e "s/^\\([.']\\)/\\\\\\&\\1/"; }

# The usage lines of a help, one per line, without "usage :".
usages() { sed -n -e 's/^usage : //p' -e 's/^        \([^ ]\)/\1/p'; }

# Each option line as .TP, the option in bold and its argument in italics.
options() {
  grep -E '^  (--|\()' | while IFS= read -r ligne; do
    tete=$(printf '%s\n' "$ligne" | sed -e 's/^  //' -e 's/   *.*$//')
    texte=$(printf '%s\n' "${ligne#"  $tete"}" | sed 's/^ *//')
    echo .TP
    case $tete in
      "("*) printf '.I "%s"\n' "$tete" ;;
      *" "*) printf '.BI "%s " %s\n' "$(printf '%s' "${tete%% *}" | echappe)" "$(printf '%s' "${tete#* }" | echappe)" ;;
      *) printf '.B %s\n' "$(printf '%s' "$tete" | echappe)" ;;
    esac
    printf '%s\n' "$texte" | echappe
  done
}

"$programme" --help >"$travail/aide"
# Each usage line in bold, filled so that a long one wraps.
usages <"$travail/aide" | echappe | awk '{ print ".B " $0; print ".br" }' >"$travail/synopsis"
sed -n '/^$/,$p' "$travail/aide" | options >"$travail/options"
: >"$travail/commandes"
sed -n 's/^  corrinom-cli \([a-z]*\) .*/\1/p; s/^  corrinom-cli \([a-z]*\)$/\1/p' "$travail/aide" | uniq |
  while read -r commande; do
    "$programme" "$commande" --help >"$travail/aide-$commande"
    {
      printf '.SS %s\n' "$commande"
      usages <"$travail/aide-$commande" | echappe | awk '{ print ".B " $0; print ".br" }'
      options <"$travail/aide-$commande"
    } >>"$travail/commandes"
  done

awk -v version="$version" -v synopsis="$travail/synopsis" -v opts="$travail/options" \
    -v commandes="$travail/commandes" '
  function insere(fichier,   l) { while ((getline l < fichier) > 0) print l; close(fichier) }
  $0 == "@SYNOPSIS@" { insere(synopsis); next }
  $0 == "@OPTIONS@" { insere(opts); next }
  $0 == "@COMMANDES@" { insere(commandes); next }
  { gsub(/@VERSION@/, version); print }
' "$modele" >"$sortie"
