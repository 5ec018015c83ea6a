# Checks shared by the installed-tree and package tests. Sourced, not run.

# The installed batch tool finds its data by itself and calculates: one case, and the printed
# line fed back in reproduces itself.
check_batch_tool() {
  local cli=$1
  local expected=$'25\t-5\t25.4\t20.000\t1\tPianka PIR \t9\t0.5\t0.0220\t0.135\t4.063\t82.32\t0.002\t'
  local out
  out=$(cd / && printf '25\t-5\t25.4\t20\t1\tPianka PIR\t9\t0.5\n' | "$cli" pipe-heatloss)
  [ "$out" = "$expected" ] || { echo "unexpected batch output: $out"; return 1; }
  out=$(cd / && printf '%s\n' "$expected" | "$cli" 2)
  [ "$out" = "$expected" ] || { echo "copied line does not feed back: $out"; return 1; }
  out=$(cd / && printf -- '-10\t5\t1000\t4180\t0\t335\t20\t25.4\t10\twspólczynnik k 0.036\t9\n' |
        "$cli" pipe-freezing)
  [[ "$out" == *$'\t3.95\t6 mm : 3.14\t'* ]] || { echo "unexpected freezing output: $out"; return 1; }
}

# The installed program starts and keeps running (a missing library or plugin ends it at once).
check_program_starts() {
  local program=$1
  # exec: the background job is the program itself, so the kill below ends it.
  (cd / && QT_QPA_PLATFORM=offscreen exec "$program" >/dev/null 2>&1) &
  local pid=$!
  sleep 4
  if ! kill -0 "$pid" 2>/dev/null; then
    wait "$pid" || true
    echo "the program ended by itself"
    return 1
  fi
  kill "$pid"
  wait "$pid" 2>/dev/null || true
}

# Desktop entry, icon and AppStream metadata under <prefix>/share.
check_desktop_files() {
  local share=$1 id=pl.kelvara.Kelvara
  desktop-file-validate "$share/applications/$id.desktop"
  appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml"
  grep -q "^Icon=$id$" "$share/applications/$id.desktop"
  test -s "$share/icons/hicolor/scalable/apps/$id.svg"
  check_project_mime_type "$share"
}

# Project files are a MIME type of their own, by name and by content, and the desktop entry
# opens them.
check_project_mime_type() {
  local share=$1 id=pl.kelvara.Kelvara type=application/x-kelvara-project
  grep -q "^MimeType=$type;$" "$share/applications/$id.desktop"
  grep -q '^Exec=kelvara %f$' "$share/applications/$id.desktop"
  local mime
  mime=$(mktemp -d)
  mkdir -p "$mime/packages"
  cp "$share/mime/packages/$id.xml" "$mime/packages/"
  update-mime-database "$mime" >/dev/null 2>&1 || { echo "MIME XML not accepted"; rm -rf "$mime"; return 1; }
  grep -q "^$type:\*\.kelvara$" "$mime/globs" || { echo "no *.kelvara glob"; rm -rf "$mime"; return 1; }
  grep -q "^$type application/json$" "$mime/subclasses" || { echo "not a JSON subclass"; rm -rf "$mime"; return 1; }
  rm -rf "$mime"
}
