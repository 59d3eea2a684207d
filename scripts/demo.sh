#!/usr/bin/env bash
# Sets up what the demo needs and runs it: installs the missing Debian packages,
# builds the folivantab command alone, plays the tour script against the
# control in the example form and renders the form to a picture. Package and
# build output goes to build/demo.log; each stage prints one line.
set -euo pipefail
cd "$(dirname "$0")/.."
mkdir -p build
log=build/demo.log
: >"$log"

stage() {
  local what=$1
  shift
  printf '%s ... ' "$what"
  if "$@" >>"$log" 2>&1; then
    echo "done"
  else
    echo "failed (the whole output is in $log)"
    tail -n 20 "$log"
    exit 1
  fi
}

stage "Installing the missing Debian packages" scripts/install-deps.sh --demo
stage "Configuring the build in build/" \
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
stage "Building the folivantab command" cmake --build build -j"$(nproc)" --target folivantab_cli

echo
echo "== build/cli/folivantab play --form examples/order_form.frm examples/tour.play"
build/cli/folivantab play --form examples/order_form.frm examples/tour.play
echo
stage "Rendering the form" build/cli/folivantab render --form examples/order_form.frm -o order_form.png

cat <<END

The demo played examples/tour.play against the tab control of
examples/order_form.frm (above: what the control did, line by line) and drew
the form into $(pwd)/order_form.png.
The command is build/cli/folivantab; \`cmake --install build --prefix ~/.local\`
puts it on the PATH as ~/.local/bin/folivantab. The build log is $log.
END
