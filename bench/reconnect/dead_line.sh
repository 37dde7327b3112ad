#!/usr/bin/env bash
# How long each side takes to notice a line that died without a close.
# A hosting copy and a joining copy in two network namespaces joined by a
# virtual cable; once they are connected, every packet on the cable is
# dropped, and the script times until each side's game connection is gone.
# Needs root (ip netns) and a build: bench/reconnect/dead_line.sh [build dir]
set -euo pipefail
build=$(realpath "${1:-build}")
h=kvdl_host; c=kvdl_client
cleanup() {
  pkill -f "kvdl-marker" 2>/dev/null || true
  ip netns del $h 2>/dev/null || true
  ip netns del $c 2>/dev/null || true
}
trap cleanup EXIT
cleanup
ip netns add $h; ip netns add $c
ip link add kvdl0 netns $h type veth peer name kvdl1 netns $c
ip -n $h addr add 10.77.0.1/24 dev kvdl0; ip -n $h link set kvdl0 up; ip -n $h link set lo up
ip -n $c addr add 10.77.0.2/24 dev kvdl1; ip -n $c link set kvdl1 up; ip -n $c link set lo up
export QT_QPA_PLATFORM=offscreen KELVOA_NO_ROUTER=1
hd=$(mktemp -d); cd_=$(mktemp -d)
HOME=$hd XDG_RUNTIME_DIR=$hd ip netns exec $h "$build/kelvoa" Alice remote.invalid true kvdl-marker >/dev/null 2>&1 &
sleep 2
HOME=$cd_ XDG_RUNTIME_DIR=$cd_ ip netns exec $c "$build/kelvoa" Bob 10.77.0.1 x kvdl-marker >/dev/null 2>&1 &
established() { ip netns exec "$1" ss -Htn state established "( sport = :7772 or dport = :7772 )" | grep -c 10.77 || true; }
for _ in $(seq 50); do [ "$(established $c)" -ge 1 ] && break; sleep 0.2; done
sleep 1
echo "connected; dropping every packet on the cable"
ip netns exec $c nft -f - <<'NFT'
table inet kvdl {
  chain in { type filter hook input priority 0; policy drop; iifname "lo" accept; }
  chain out { type filter hook output priority 0; policy drop; oifname "lo" accept; }
}
NFT
start=$(date +%s.%N); hostgone=""; clientgone=""
while [ -z "$hostgone" ] || [ -z "$clientgone" ]; do
  now=$(date +%s.%N)
  [ -z "$hostgone" ] && [ "$(established $h)" -eq 0 ] && hostgone=$(awk "BEGIN{print $now - $start}")
  [ -z "$clientgone" ] && [ "$(established $c)" -eq 0 ] && clientgone=$(awk "BEGIN{print $now - $start}")
  awk "BEGIN{exit !($now - $start > 180)}" && break
  sleep 0.2
done
echo "host noticed the dead line after   ${hostgone:-more than 180} s"
echo "client noticed the dead line after ${clientgone:-more than 180} s"
