#!/usr/bin/env bash
# Checks each Windows build's bin/ folder: the programs are there, are GUI programs of the
# right machine type, and import nothing but system DLLs (no MinGW runtime beside them).
set -euo pipefail

system_dlls='^(kernel32|user32|gdi32|winmm|comdlg32|comctl32|shell32|ole32|oleaut32|advapi32|opengl32|glu32|msvcrt|windowscodecs|shlwapi|uxtheme|api-ms-win-[a-z0-9-]+)\.dll$'
status=0

for build in "$@"; do
  case "$build" in
    *win32*) objdump=i686-w64-mingw32-objdump; machine='pei-i386' ;;
    *) objdump=x86_64-w64-mingw32-objdump; machine='pei-x86-64' ;;
  esac
  for program in "$build"/bin/*; do
    [ -f "$program" ] || continue
    headers=$($objdump -p "$program")
    name=${program#"$build/"}
    if ! $objdump -f "$program" | grep -q "file format $machine"; then
      echo "$build: $name is not $machine"; status=1
    fi
    if ! grep -q 'Subsystem.*(Windows GUI)' <<<"$headers"; then
      echo "$build: $name is not a GUI program"; status=1
    fi
    while read -r dll; do
      if ! grep -qiE "$system_dlls" <<<"$dll"; then
        echo "$build: $name imports $dll"; status=1
      fi
    done < <(grep 'DLL Name:' <<<"$headers" | awk '{print $3}')
    echo "$build: $name imports $(grep 'DLL Name:' <<<"$headers" | awk '{print $3}' | tr '\n' ' ')"
  done
  [ -f "$build/bin/Wavorin.scr" ] || { echo "$build: bin/Wavorin.scr is missing"; status=1; }
done
exit $status
