#!/bin/sh
# Stands in for the player's web browser: records the address it was asked to open, one per line.
for address; do :; done
printf '%s\n' "$address" >>"$(dirname "$0")/opened-urls.txt"
