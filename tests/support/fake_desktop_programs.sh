#!/bin/bash
# Stands in for swaymsg, xfconf-query and xfce4-panel (by the name it is
# started under). The desktop's state is a folder of files,
# $FAKE_DESKTOP_STATE, that a test sets up and reads back: bars/<id>/<key>,
# xfconf/<property with / as %> (an array starts with a line "array"), and
# restarts (a line per panel restart).
state=$FAKE_DESKTOP_STATE
case "$(basename "$0")" in
swaymsg)
  if [ "$1 $2" = "-t get_bar_config" ]; then
    if [ -n "$3" ]; then
      printf '{"id": "%s", "mode": "%s", "workspace_buttons": %s}\n' "$3" \
        "$(cat "$state/bars/$3/mode")" "$(cat "$state/bars/$3/workspace_buttons")"
    else
      ids=()
      for bar in "$state"/bars/*/; do [ -d "$bar" ] && ids+=("\"$(basename "$bar")\""); done
      (IFS=,; echo "[${ids[*]}]")
    fi
  elif [ "$1" = bar ] && [ -d "$state/bars/$2" ]; then
    value=$4
    if [ "$3" = workspace_buttons ]; then [ "$value" = yes ] && value=true || value=false; fi
    echo "$value" > "$state/bars/$2/$3"
    echo '[{"success": true}]'
  else
    echo '[{"success": false}]'
    exit 2
  fi ;;
xfconf-query)
  prop='' reset='' array='' values=()
  while [ $# -gt 0 ]; do
    case $1 in -p) prop=$2; shift ;; -s) values+=("$2"); shift ;; -r) reset=1 ;; -a) array=1 ;; -c|-t) shift ;; esac
    shift
  done
  file=$state/xfconf/${prop//\//%}
  if [ -n "$reset" ]; then
    rm -f "$file"
  elif [ ${#values[@]} -gt 0 ]; then
    if [ -n "$array" ] || [ ${#values[@]} -gt 1 ]; then printf 'array\n'; printf '%s\n' "${values[@]}"
    else printf '%s\n' "${values[0]}"; fi > "$file"
  elif [ ! -f "$file" ]; then
    echo "Property \"$prop\" does not exist on channel \"xfce4-panel\"." >&2
    exit 1
  elif [ "$(head -n1 "$file")" = array ]; then
    printf 'Value is an array with %d items:\n\n' $(($(wc -l < "$file") - 1))
    tail -n +2 "$file"
  else
    cat "$file"
  fi ;;
xfce4-panel)
  [ "$1" = -r ] && echo restart >> "$state/restarts"
  # The restarted panel goes on running with this program's output open:
  # only the program's own end counts.
  sleep 15 & ;;
esac
