# Sourced by the scripts that write the host shell's scripts: cadhost_mot PATH prints PATH as one
# quoted word of the shell ("\" and '"' escaped). A line ends a command there: a path holding a
# line break cannot be passed, cadhost_mot refuses it with a message and status 2.
cadhost_mot() {
  local mot=$1
  case "$mot" in
    *$'\n'* | *$'\r'*)
      echo "Le chemin « $mot » contient un saut de ligne : le shell de l'hôte ne peut pas le recevoir." >&2
      return 2
      ;;
  esac
  mot=${mot//\\/\\\\}
  mot=${mot//\"/\\\"}
  printf '"%s"' "$mot"
}
