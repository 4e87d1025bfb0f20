# Sourced by the driver tests: runs a command in bounded time and checks its exit code and that
# its output holds a text; a failure is printed and counted in $failed.
failed=0
expect() {
  local code=$1 text=$2
  shift 2
  local out got
  out=$(timeout 60 "$@" 2>&1)
  got=$?
  if [ "$got" != "$code" ] || ! grep -qF -- "$text" <<<"$out"; then
    echo "FAILED: $* -> exit $got (wanted $code and \"$text\"): ${out:0:400}"
    failed=1
  fi
}
