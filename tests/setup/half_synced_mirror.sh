#!/usr/bin/env bash
# Runs scripts/setup against a throw-away apt and dpkg state (nothing on the
# machine changes: installs are simulated) in two worlds:
#   1. everything installed: the script exits 0 at once, silent, without
#      calling apt at all;
#   2. nothing installed and a package mirror caught half-synced: the security
#      suite's i386 index lives in an empty folder, so `apt-get update` fails and
#      that suite offers amd64 libraries newer than any i386 copy. The script
#      must still install everything.
# Needs root and the network (it downloads the package indexes once).
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

fail() { echo "FAILED: $*" >&2; exit 1; }

# Wrappers that put apt and dpkg in the throw-away root and log each call.
mkdir -p "$root/bin" "$root/dpkg/updates" "$root/apt/lists/partial" "$root/apt/cache/archives/partial" \
  "$root/sources" "$root/empty-mirror" "$root/log"
: >"$root/dpkg/status"
printf 'amd64\ni386\n' >"$root/dpkg/arch"
apt_options=(-o "Dir::State=$root/apt" -o "Dir::State::Lists=$root/apt/lists"
  -o "Dir::State::status=$root/dpkg/status" -o "Dir::Cache=$root/apt/cache"
  -o "Dir::Etc::SourceList=/dev/null" -o "Dir::Etc::SourceParts=$root/sources"
  -o "Dir::Log=$root/log" -o "APT::Architectures::=amd64" -o "APT::Architectures::=i386"
  -o "Debug::NoLocking=1" -o "APT::Sandbox::User=root")
printf '%q ' "${apt_options[@]}" >"$root/apt-options"
for tool in apt-get apt-cache; do
  cat >"$root/bin/$tool" <<WRAP
#!/usr/bin/env bash
echo "$tool \$*" >>"$root/calls"
extra=()
[[ " \$* " == *" install "* ]] && extra=(-s)
eval "exec /usr/bin/$tool $(cat "$root/apt-options") \"\\\${extra[@]}\" \"\\\$@\""
WRAP
done
for tool in dpkg dpkg-query; do
  cat >"$root/bin/$tool" <<WRAP
#!/usr/bin/env bash
[ -n "\${KIRIMO_FAKE_DPKG:-}" ] && exec /usr/bin/$tool --admindir="$root/dpkg" "\$@"
exec /usr/bin/$tool "\$@"
WRAP
done
chmod +x "$root"/bin/*

echo "1. everything installed"
bash scripts/setup >/dev/null || true   # the machine itself gets what it lacks first
out=$(PATH="$root/bin:$PATH" bash scripts/setup 2>&1) || fail "setup exited $? with nothing missing: $out"
[ -z "$out" ] || fail "setup printed something with nothing missing: $out"
[ ! -e "$root/calls" ] || fail "setup called apt with nothing missing: $(cat "$root/calls")"
echo "   exit 0, silent, apt untouched"

start=$SECONDS
echo "2. nothing installed, the security suite's i386 index missing"
codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
cat >"$root/sources/half-synced.sources" <<SRC
Types: deb
URIs: http://deb.debian.org/debian
Suites: $codename $codename-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb
URIs: http://deb.debian.org/debian-security
Suites: $codename-security
Components: main
Architectures: amd64
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb
URIs: file:$root/empty-mirror
Suites: $codename-security
Components: main
Architectures: i386
Trusted: yes
SRC
set +e
out=$(PATH="$root/bin:$PATH" KIRIMO_FAKE_DPKG=1 bash scripts/setup 2>&1)
rc=$?
set -e
echo "$out" | sed 's/^/   /'
[ $rc -eq 0 ] || fail "setup exited $rc on the half-synced mirror"
grep -q '^scripts/setup: installed .*wine32:i386' <<<"$out" || fail "setup did not say what it installed"
grep -q '^apt-get .*update' "$root/calls" || fail "setup never updated the indexes"
[ "$(grep -c '^apt-get .*update' "$root/calls")" -gt 1 ] || fail "setup did not retry the failed update"
echo "   ($((SECONDS - start)) s)"
echo "2 passed, 0 failed"
