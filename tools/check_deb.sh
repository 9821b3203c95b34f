#!/usr/bin/env bash
# Installs the .deb, runs the installed cityrank and agestat on the samples,
# checks their output and man pages, then removes the package again.
# usage: tools/check_deb.sh PACKAGE.deb   (as root)
set -euo pipefail
deb=$1
root=$(cd "$(dirname "$0")/.." && pwd)

dpkg -i "$deb"
trap 'dpkg -r gbktools >/dev/null 2>&1 || true' EXIT
check() {
  local program=$1 input=$2 expected=$3
  iconv -f UTF-8 -t GBK "$root/$input" | "/usr/bin/$program" | iconv -f GBK -t UTF-8 |
    cmp - "$root/$expected"
  man -w "$program" >/dev/null
  echo "installed $program: output and man page as expected"
}
check cityrank samples/cities.txt tests/cases/cityrank/example.out
check agestat samples/students.txt tests/cases/agestat/example.out
printf '北京 1 2\n' | /usr/bin/gbkterm /usr/bin/agestat | grep -qF "平均年龄: 0.40"
man -w gbkterm >/dev/null
echo "installed gbkterm: bridges agestat, man page present"

dpkg -r gbktools
trap - EXIT
for file in /usr/bin/cityrank /usr/bin/agestat /usr/bin/gbkterm /usr/share/man/man1/cityrank.1; do
  if [ -e "$file" ]; then echo "$file left behind after removal" >&2; exit 1; fi
done
echo "gbktools removed cleanly"
