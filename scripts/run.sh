#!/usr/bin/env bash
# The main job: installs what it needs, builds in Release into build/release, then opens a
# delivery folder in the host's shell with the application, verifies every plan and prints the
# summary dialog and where the reports are.
#
#   scripts/run.sh                                          the demo folder, made under build/demo
#   scripts/run.sh <delivery folder> [<parameter folder>]   parameter folder: $TOLVEK_PARAM, else the demo's
#
# JOBS=n limits the parallel build jobs. What is delivered (Livre, Origine) is only read; the
# engine writes under the folder's Rapport and Temp directories.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
. scripts/cadhost_mot.sh
. scripts/plans_non_verifies.sh

if [ $# -gt 2 ]; then
  echo "usage : scripts/run.sh [<dossier de livraison> [<dossier de paramètres>]]" >&2
  exit 2
fi
for chemin in "$@"; do
  cadhost_mot "$chemin" >/dev/null || exit 2
done
if [ $# -ge 1 ] && [ ! -d "$1" ]; then
  echo "Le dossier de livraison $1 n'existe pas." >&2
  exit 2
fi
if [ $# -ge 2 ] && [ ! -d "$2" ]; then
  echo "Le dossier de paramètres $2 n'existe pas." >&2
  exit 2
fi

scripts/install-deps.sh
build=build/release
jobs=${JOBS:-$(nproc)}
echo "== Construction (Release, $build)"
mkdir -p "$build"
log=$build/construction.log
# The compiler's output goes to the log, shown only when the build fails.
if ! { cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_BENCHMARKS=OFF &&
       cmake --build "$build" -j"$jobs" --target cadhost_shell tolvek tolvek_demo; } >"$log" 2>&1; then
  tail -n 40 "$log" >&2
  echo "La construction a échoué (journal complet : $log)." >&2
  exit 1
fi
shell=$root/$build/host/cadhost
plugin=$root/$build/engine/libtolvek.so

demo=$root/build/demo
# A fresh demo for the demo run; for a folder of one's own, the demo's parameter folder only when
# none is given and it is not there yet.
if [ $# -eq 0 ] || { [ $# -eq 1 ] && [ -z "${TOLVEK_PARAM:-}" ] && [ ! -d "$demo/Parametres" ]; }; then
  echo "== Dossier de démonstration ($demo)"
  "$root/$build/application/tolvek_demo" "$demo" >/dev/null
fi
if [ $# -eq 0 ]; then
  livraison=$demo/Livraison
  parametres=$demo/Parametres
else
  livraison=$(realpath "$1")
  parametres=$(realpath "${2:-${TOLVEK_PARAM:-$demo/Parametres}}")
fi

# The working folder (the application's working drawing) and the shell's script, whose paths are
# quoted words of the host's shell.
run=$root/build/run
mkdir -p "$run/Travail"
script=$run/principal.cadhost
motLivraison=$(cadhost_mot "$livraison") || exit 2
motPlugin=$(cadhost_mot "$plugin") || exit 2
cat >"$script" <<EOF
# Written by scripts/run.sh: open the folder at start-up, verify every plan, show the summary.
pick $motLivraison
load $motPlugin
echo == Bilan du dossier à l'ouverture
show 2
select 2 21 all
press 2 1
echo == Bilan après vérification
show 2
EOF

echo "== Vérification de $livraison (paramètres : $parametres)"
debut=$(date +%s%N)
statut=0
# The shell's output is kept as well, to see whether a report could not be written.
sortie=$run/sortie.txt
"$shell" --cfg "TOLVEK_RACINE=$run/Travail" --cfg "TOLVEK_PARAM=$parametres" \
  --cfg "BREVANE_MAFILE=$root/$build/engine/brevane.json" "$script" 2>&1 | tee "$sortie" || statut=$?
ms=$(( ($(date +%s%N) - debut) / 1000000 ))
echo "== Durée : $((ms / 1000)),$(printf '%03d' $((ms % 1000))) s"
if [ "$statut" -ne 0 ]; then
  echo "La vérification n'a pas abouti (code $statut) : voir le message ci-dessus." >&2
  exit "$statut"
fi
echec=0
if grep -q "Impossible d'écrire le fichier" "$sortie"; then
  echo "Des rapports n'ont pas pu être écrits : les plans concernés restent non vérifiés (voir les messages ci-dessus)." >&2
  echec=1
fi
# Every plan left without a status after the verification is named.
plans_non_verifies "$sortie" || echec=1
[ "$echec" -eq 0 ] || exit 1

# Where the engine wrote its reports (the folder names are matched without regard to case).
rapport=$(find "$livraison" -mindepth 1 -maxdepth 1 -type d -iname rapport | head -n 1)
echo "== Rapports"
if [ -z "$rapport" ]; then
  echo "Aucun rapport sous $livraison."
  exit 0
fi
for d in "$rapport" \
         "$(find "$rapport" -mindepth 1 -maxdepth 1 -type d -iname erreur | head -n 1)" \
         "$(find "$rapport" -mindepth 1 -maxdepth 1 -type d -iname comparaison | head -n 1)"; do
  [ -n "$d" ] || continue
  echo "$d ($(find "$d" -maxdepth 1 -type f | wc -l) fichiers)"
done
