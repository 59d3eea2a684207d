#!/usr/bin/env bash
# Sets everything up and runs the main job: installs what is missing, builds,
# plays the tour script against the control and prints what the control does.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
echo "== folivantab play --form examples/order_form.frm examples/tour.play"
build/cli/folivantab play --form examples/order_form.frm examples/tour.play
echo "== folivantab render --form examples/order_form.frm -o order_form.png"
build/cli/folivantab render --form examples/order_form.frm -o order_form.png
echo "wrote order_form.png"
