#!/bin/sh
# In a bare Debian root, given the Debian package in /tmp: it installs, the program is still
# running when stopped after 5 s and says not a word on standard error, and it removes cleanly.
set -e
deb=$(ls /tmp/flightcalc_*.deb)
DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$deb" >/dev/null
status=0
QT_QPA_PLATFORM=offscreen timeout 5 flightcalc 2>/tmp/flightcalc.err || status=$?
DEBIAN_FRONTEND=noninteractive apt-get remove -y -q flightcalc >/dev/null
rm "$deb"
if [ "$status" != 124 ] || [ -s /tmp/flightcalc.err ]; then
  echo "package_starts: ${deb##*/} did not start here ($status)" >&2
  cat /tmp/flightcalc.err >&2
  exit 1
fi
echo "package_starts: ${deb##*/} installs and starts on $(grep -oP '^PRETTY_NAME="\K[^"]*' /etc/os-release)"
