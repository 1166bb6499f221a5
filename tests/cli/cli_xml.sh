#!/usr/bin/env bash
# Checks the output of `corrinom-cli xml FILE`: the dump format, the field
# escaping and the exit codes. Usage: cli_xml.sh PATH_TO_CORRINOM_CLI
set -u
cli=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# expect NAME EXPECTED_RC EXPECTED_STDOUT_FILE EXPECTED_STDERR_FILE ARGS...
expect() {
  local name=$1 rc=$2 out=$3 err=$4
  shift 4
  "$cli" "$@" >"$work/out" 2>"$work/err"
  local got=$?
  if [ "$got" != "$rc" ]; then
    echo "FAIL $name: exit $got, expected $rc"; failures=$((failures + 1)); return
  fi
  if ! cmp -s "$work/out" "$out"; then
    echo "FAIL $name: stdout differs"; diff <(od -c "$out") <(od -c "$work/out") | head -20
    failures=$((failures + 1)); return
  fi
  if [ -n "$err" ] && ! cmp -s "$work/err" "$err"; then
    echo "FAIL $name: stderr differs"; diff "$err" "$work/err" | head -10
    failures=$((failures + 1)); return
  fi
  echo "ok   $name"
}

: >"$work/empty"

# Every kind of node, nesting, attribute order and every escape of a field.
printf '<?xml version="1.0" encoding="windows-1252" standalone="yes"?>\n<!--c\\1-->\n<r b="\t\r\nx" a="\\\x01\x7f\xe9">\n  <e>x &amp; &#65;\r\n y</e>\n  <![CDATA[\x1f]]>\n  <?pi v ?>\n  <f/>\n</r>\n<?fin?>' >"$work/complet.xml"
printf 'declaration\t1.0\twindows-1252\tyes\nC\tc\\\\1\nE\tr\tb=\\t\\r\\nx\ta=\\\\\\x01\\x7f\xe9\n  E\te\n    T\tx & A\\r\\n y\tx &amp; &#65;\\r\\n y\n  D\t\\x1f\n  P\tpi\tv \n  E\tf\nP\tfin\t\n' >"$work/complet.out"
expect complet 0 "$work/complet.out" "" xml "$work/complet.xml"

# No declaration: three empty fields. A UTF-8 file is dumped in CP1252.
printf '<?xml version="1.0" encoding="UTF-8"?><a>\xc3\xa9</a>' >"$work/utf8.xml"
printf 'declaration\t1.0\tUTF-8\t\nE\ta\n  T\t\xe9\t\xe9\n' >"$work/utf8.out"
expect utf8 0 "$work/utf8.out" "" xml "$work/utf8.xml"
printf '<a/>' >"$work/nu.xml"
printf 'declaration\t\t\t\nE\ta\n' >"$work/nu.out"
expect sans_declaration 0 "$work/nu.out" "" xml "$work/nu.xml"

# Refusals: exit 1, nothing on stdout, the message on stderr (in UTF-8).
printf '<a>' >"$work/ouvert.xml"
printf "EXMLException: End of tag '<a>' missing (</a>).\n" >"$work/ouvert.err"
expect refus 1 "$work/empty" "$work/ouvert.err" xml "$work/ouvert.xml"
printf '<a>&#2147483648;</a>' >"$work/grand.xml"
printf "EXMLException: '2147483648' n'est pas une valeur enti\xc3\xa8re correcte\n" >"$work/grand.err"
expect refus_conversion 1 "$work/empty" "$work/grand.err" xml "$work/grand.xml"

# A file that cannot be opened: exit 2 and one line on stderr.
printf "Impossible d'ouvrir le fichier %s\n" "$work/absent.xml" >"$work/absent.err"
expect absent 2 "$work/empty" "$work/absent.err" xml "$work/absent.xml"
# The name is the system's own, shown as given.
printf "Impossible d'ouvrir le fichier %s\n" "$work/élèves.xml" >"$work/absent_accent.err"
expect absent_nom_accentue 2 "$work/empty" "$work/absent_accent.err" xml "$work/élèves.xml"

# Usage errors.
expect sans_argument 64 "$work/empty" "" xml
expect deux_arguments 64 "$work/empty" "" xml "$work/nu.xml" "$work/nu.xml"

if [ "$failures" -ne 0 ]; then
  echo "$failures failed"
  exit 1
fi
echo "every corrinom-cli xml case passed"
