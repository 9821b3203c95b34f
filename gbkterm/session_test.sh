#!/usr/bin/env bash
# gbkterm end to end, as a person uses it: tmux runs the bridge on a UTF-8
# terminal, send-keys types, capture-pane reads the screen.
# usage: session_test.sh GBKTERM CITYRANK AGESTAT
set -euo pipefail
gbkterm=$1
cityrank=$2
agestat=$3
here=$(cd "$(dirname "$0")" && pwd)
export LANG=C.UTF-8 LC_ALL=C.UTF-8  # the user's terminal speaks UTF-8

# Each session gets a tmux server of its own, all stopped at the end.
TMUX_TMPDIR=$(mktemp -d)
export TMUX_TMPDIR
sessions=0
tm() { tmux -u -L "gbkterm-test-$$-$sessions" -f /dev/null "$@"; }
stopAll() {
  local started=$sessions
  for ((sessions = 1; sessions <= started; sessions++)); do tm kill-server 2>/dev/null || true; done
  rm -rf "$TMUX_TMPDIR"
}
trap stopAll EXIT
failures=0

# Starts COMMAND in a fresh 100x40 window; its exit status shows as "[exit N]".
start() {
  sessions=$((sessions + 1))
  tm new-session -d -s session -x 100 -y 40 "$1; echo \"[exit \$?]\"; sleep 600"
  tm set-option -g window-size manual
}
screen() { tm capture-pane -p -J -t session -S - | sed -e :a -e '/^\n*$/{$d;N;ba' -e '}'; }
fail() {
  echo "FAIL: $1"
  echo "--- screen:"
  screen
  echo "---"
  failures=$((failures + 1))
}
# Waits up to ten seconds for TEXT to show on the screen.
waitFor() {
  for _ in $(seq 100); do
    if screen | grep -qF -- "$1"; then return 0; fi
    sleep 0.1
  done
  fail "waited for: $1"
  return 1
}
expectScreen() {
  if ! diff -u "$here/testdata/$1" <(screen); then fail "screen differs from $1"; fi
}

echo "== cityrank: each prompt before its city, backspace, a refused key"
start "$gbkterm $cityrank"
cities=("武汉 110 3" "北京 210 5" "西😀安 130 3" "成都 210 4")
for k in 1 2 3 4; do
  waitFor "输入第${k}个城市的名称、人口和文化程度:" || break
  tm send-keys -t session -l "${cities[k - 1]}"
  tm send-keys -t session Enter
done
if waitFor "输入第5个城市的名称、人口和文化程度:"; then
  tm send-keys -t session -l "鞍山山"
  waitFor "鞍山山" && tm send-keys -t session BSpace
  tm send-keys -t session -l " 30 5"
  tm send-keys -t session Enter
  waitFor "[exit 0]" && expectScreen cityrank_session.txt
fi

echo "== agestat: Ctrl-D ends the input early"
start "$gbkterm $agestat"
if waitFor "输入学生1的姓名、学号和年龄:"; then
  tm send-keys -t session -l "张三 101 20"
  tm send-keys -t session Enter
  waitFor "输入学生2的姓名、学号和年龄:" && tm send-keys -t session C-d
  waitFor "[exit 0]" && expectScreen agestat_ctrl_d.txt
fi

echo "== exit status and Ctrl-C pass through"
start "$gbkterm sh -c 'exit 3'"
waitFor "[exit 3]" || true
start "$gbkterm cat"
sleep 0.3
tm send-keys -t session C-c
waitFor "[exit 130]" || true

echo "== window size, at start and after a resize"
start "$gbkterm sh -c 'stty size; read line; stty size'"
if waitFor "40 100"; then
  tm resize-window -t session -x 90 -y 30
  sleep 0.3
  tm send-keys -t session Enter
  waitFor "30 90" || true
fi

echo "== output that is not GBK shows as U+FFFD"
start "$gbkterm printf 'a\\377b\\n'"
waitFor "a�b" || true

echo "== input from a pipe: the command sees its end, the bridge does not hang"
output=$(printf '北京 1 2\n' | timeout 10 "$gbkterm" "$agestat") || fail "piped run exited $?"
grep -qF "平均年龄: 0.40" <<<"$output" || fail "piped run printed: $output"

echo "== no command"
if "$gbkterm" 2>/dev/null; then fail "gbkterm without a command succeeded"; fi

if [ "$failures" -ne 0 ]; then
  echo "$failures failed"
  exit 1
fi
echo "all gbkterm sessions as expected"
