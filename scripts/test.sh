#!/usr/bin/env bash
# Sets up what is missing, builds everything and runs the whole test suite under Wine, once per
# architecture (KELM_ARCH=i686|x86_64|all, default all): x86_64 always, i686 where this machine
# runs 32-bit programs. Extra arguments go to ctest.
# Exit status: non-zero when a suite that ran failed, or when none could run.
set -euo pipefail
source "$(dirname "$0")/env.sh"

requested=$(kelm_requested_archs)
runnable=()
summary=()
for arch in $requested; do
  if why=$(kelm_cannot_run "$arch"); then
    summary+=("$arch: skipped: $why")
  else
    runnable+=("$arch")
  fi
done

failed=0
if [ ${#runnable[@]} -gt 0 ]; then
  bash "$KELM_ROOT/scripts/setup.sh" "${runnable[@]}"
  for arch in "${runnable[@]}"; do
    echo "=== $arch ==="
    log="$(mktemp)"
    start=$SECONDS
    set +e
    (
      set -e
      kelm_use_arch "$arch"
      cmake -S "$KELM_ROOT" -B "$KELM_BUILD" -DCMAKE_TOOLCHAIN_FILE="$KELM_TOOLCHAIN" >/dev/null
      cmake --build "$KELM_BUILD" -j"$(nproc)"
      bash "$KELM_ROOT/scripts/xrun.sh" ctest --test-dir "$KELM_BUILD" --output-on-failure --timeout 300 "$@"
    ) 2>&1 | tee "$log"
    rc=${PIPESTATUS[0]}
    set -e
    result=$(grep -E '^[0-9]+% tests passed' "$log" | tail -1 || true)
    rm -f "$log"
    took="build and run $((SECONDS - start)) s"
    if [ "$rc" -eq 0 ]; then
      summary+=("$arch: ran: ${result:-no test summary} ($took)")
    else
      summary+=("$arch: FAILED: ${result:-the build or the run stopped (exit status $rc)} ($took)")
      failed=1
    fi
  done
fi

echo
echo "test summary:"
printf '  %s\n' "${summary[@]}"
if [ ${#runnable[@]} -eq 0 ]; then
  echo "test: no architecture could run" >&2
  exit 1
fi
exit $failed
