# SPDX-License-Identifier: MIT
# The other program of unit_converter_replaced.vks, in the same directory:
# an editor that saves data.ini as editors do (a new file renamed over the
# old one) once vek has added its first unit, then removes the file once vek
# has added its second.
set -e
until grep -q '毫米' data.ini 2>/dev/null; do sleep 0.05; done
cp data.ini edit.tmp
printf '[长度][1][米]=[0.001][千米]\r\n' >>edit.tmp
mv edit.tmp data.ini
: >saved
until grep -q '分米' data.ini 2>/dev/null; do sleep 0.05; done
rm data.ini
: >removed
