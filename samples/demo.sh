#!/bin/sh
# Runs cityrank and agestat on the sample inputs. The programs speak GBK, so
# the input is converted to GBK on the way in and the output back to UTF-8.
# usage: demo.sh CITYRANK AGESTAT   (run from the samples folder)
set -eu

run() {
  printf '\n=== %s < %s ===\n' "$(basename "$1")" "$2"
  iconv -f UTF-8 -t GBK "$2" | "$1" | iconv -f GBK -t UTF-8
}

run "$1" cities.txt
run "$2" students.txt
