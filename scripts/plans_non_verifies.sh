# Sourced by scripts/run.sh: plans_non_verifies OUTPUT reads what the host's shell printed and
# names, on stderr, every plan that the last summary table it holds (dialog 2) shows without a
# status: a plan that the verification could not take (a plan the library finds malformed, a
# file it cannot verify, a report it could not write). Status 1 when it named one, else 0.
plans_non_verifies() {
  local noms
  noms=$(awk -F'|' '
    /^Dialogue 2 / { n = 0; split("", liste) }
    # A row of a list: "    <row>[*]| <status> | <plan> | <errors> | <added> | <removed> | [<index>]".
    $1 ~ /^    [0-9]+[* ]$/ && NF >= 7 {
      statut = $2; plan = $3
      gsub(/^ +| +$/, "", statut); gsub(/^ +| +$/, "", plan)
      if (statut == "") liste[++n] = plan
    }
    END { for (i = 1; i <= n; ++i) print liste[i] }' "$1")
  [ -z "$noms" ] && return 0
  echo "La vérification n'a pas pu traiter ces plans (statut vide dans le bilan) :" >&2
  printf '%s\n' "$noms" | sed 's/^/  /' >&2
  return 1
}
